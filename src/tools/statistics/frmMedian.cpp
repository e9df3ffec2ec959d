// The steps of finding the median by hand.
#include "tools/statistics/calculators.h"
#include "tools/statistics/steps.h"

namespace statistics {

Form* frmMedian() {
    return new StepsWindow({
        "frmMedian",
        "Median",
        {
            {"Label1", "Steps to determine the median:"},
            {"Label2", "1.  Arrange all your values in ascending order."},
            {"Label3", "2.  Count how many values you have."},
            {"Label4", "3.  Divide the count of values by 2."},
            {"Label5", "4.  The value at this position is the median. Note: You may have to estimate or "
                       "calculate the value if the position falls between two actual values."},
        },
        "frmStatistics",
    });
}

} // namespace statistics
