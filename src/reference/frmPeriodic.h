#pragma once
// The periodic table: one coloured button per element; the ten elements H to Ne open their data
// sheet (frmPeriodicData), which reads the element's row of the reference database.

#include "ui/form.h"

class QLineEdit;

class frmPeriodic : public Form {
    Q_OBJECT
  public:
    frmPeriodic();
    // The click of one of the ten elements with a data sheet.
    void element_Click(const QString& caption);
    void cmdCancel_Click();
};

class frmPeriodicData : public Form {
    Q_OBJECT
  public:
    frmPeriodicData();
    void Form_Load() override;
    void cmdPrint_Click();
    void cmdCancel_Click();

  private:
    QLineEdit* box(int number) const;
};

void registerPeriodicWindows();
