#pragma once
// The data window: the student types or pastes a list of measurements and sees them sorted, with
// their median and their mode. Ok writes how many there are, their sum and the sum of their
// squares into the boxes of the window that opened it, exactly, as the student would have typed
// them, closes, and leaves the keyboard on that window's Ok, so that Enter computes. The list
// stays with that window while it is open: opened again from it, the window shows it again. The three outputs
// follow every key at once, but are reported to assistive technology only once the typing pauses.

#include "ui/form.h"

#include <QTimer>

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
    // From now on the totals go to the target's boxes, and the list shown is the one last typed
    // for that window.
    void setTarget(DataTarget target);

    void Text1_Change();
    void cmdOk_Click();
    void cmdCancel_Click() { Unload(); }

    // How long typing pauses before the outputs are reported.
    static constexpr int PauseMs = 500;

  private:
    // Reports each output whose text changed since it was last reported.
    void reportOutputs();

    QTextEdit* m_list = nullptr;
    QLineEdit* m_sorted = nullptr;
    QLineEdit* m_median = nullptr;
    QLineEdit* m_mode = nullptr;
    DataTarget m_target;
    QTimer m_pause;
};

Form* newDataWindow();
// Shows the data window by the window-instance rule, writing for the target's boxes from now on.
void openData(const DataTarget& target);

} // namespace statistics
