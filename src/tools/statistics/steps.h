#pragma once
// A window that lists the steps of working something out by hand, one label a step, with a Close
// button that goes back to the window it was opened from. F1 opens the help viewer.

#include "ui/form.h"

#include <QList>
#include <QString>

#include <utility>

namespace statistics {

struct Steps {
    QString className;
    QString caption;
    QList<std::pair<QString, QString>> labels; // name and caption, top to bottom
    QString returnTo;                          // shown again once the window is closed
};

class StepsWindow : public Form {
    Q_OBJECT
  public:
    explicit StepsWindow(Steps steps);

    void cmdCancel_Click();

  private:
    Steps m_steps;
};

// The windows that explain the median and the mode step by step.
Form* newMedianWindow();
Form* newModeWindow();

} // namespace statistics
