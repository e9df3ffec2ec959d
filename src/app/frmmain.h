#pragma once
// The main window: two rows of topic buttons, a row of reference and tool buttons, a decorative
// picture between them and the menu bar. It computes nothing itself; it opens the other windows.

#include "ui/form.h"

class QMenu;
class QMenuBar;

class frmmain : public Form {
    Q_OBJECT
  public:
    frmmain();

    void Command23_Click();           // "Help"
    void cmdCalculatorChoice_Click(); // "Calculator"
    void mnuExit_Click();

    // The desktop calculators tried, in order, by the "Calculator" button.
    static const QStringList& calculatorPrograms();

  protected:
    void Form_Load() override;
    bool Form_KeyPress(QChar ch) override;
    bool Form_QueryUnload() override;

  private:
    void buildButtons(int top);
    void buildMenus(QMenuBar* bar);
};
