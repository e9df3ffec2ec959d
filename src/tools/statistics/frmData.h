#pragma once
// The data window: the student types or pastes a list of measurements and sees them sorted, with
// their median and their mode. Ok writes how many there are, their sum and the sum of their
// squares into the boxes of the window that opened it, as the student would have typed them, and
// closes; that window's own Ok then computes from them.

#include "ui/form.h"

class QLineEdit;
class QTextEdit;

namespace statistics {

// The window that opens the data window, and its boxes for the totals (a box left unnamed is not
// written).
struct DataTarget {
    QString window;
    QString count;
    QString sum;
    QString sumOfSquares;
};

class DataWindow : public Form {
    Q_OBJECT
  public:
    DataWindow();
    void setTarget(DataTarget target) { m_target = std::move(target); }

    void Text1_Change();
    void cmdOk_Click();
    void cmdCancel_Click() { Unload(); }

  private:
    QTextEdit* m_list = nullptr;
    QLineEdit* m_sorted = nullptr;
    QLineEdit* m_median = nullptr;
    QLineEdit* m_mode = nullptr;
    DataTarget m_target;
};

Form* newDataWindow();
// Shows the data window by the window-instance rule, writing for the target's boxes from now on.
void openData(const DataTarget& target);

} // namespace statistics
