// The steps of finding the mode by hand.
#include "tools/statistics/steps.h"

namespace statistics {

Form* newModeWindow() {
    return new StepsWindow({
        "frmMode",
        "Mode",
        {
            {"Label1", "Steps to determine the mode:"},
            {"Label2", "1.  Arrange all your values in ascending order."},
            {"Label3", "2.  Count how many times each value occurs."},
            {"Label4", "3. The value that occurs the most often is the mode."},
        },
        "frmStatistics",
    });
}

} // namespace statistics
