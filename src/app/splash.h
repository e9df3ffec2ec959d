#pragma once
// The splash window shown at start-up in front of the main window, and the About window.

#include "ui/form.h"
#include "ui/settingsstore.h"

// The words the splash and About windows share.
inline const char* const MakerName = "Carvido Software";
inline const char* const ProductSubtitle = "The Physics Problem Solver";

class frmSplash : public Form {
    Q_OBJECT
  public:
    frmSplash();
    void Form_Load() override;
    void Frame1_Click();

  protected:
    bool Form_KeyPress(QChar ch) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

class frmAbout : public Form {
    Q_OBJECT
  public:
    frmAbout();
    void Form_Load() override;
    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Starts the system-information program the registry names; says so when there is none.
    void StartSysInfo();
};

// Reads a text or number value of the registry: true with the value's text, or false with an
// empty text when the key or the value is missing.
bool GetKeyValue(platform::RegistryRoot root, const QString& subKey, const QString& valueName,
                 QString& value);

void registerSplashAndAbout();
