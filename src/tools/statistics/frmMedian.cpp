// The steps of finding the median by hand.
#include "tools/statistics/steps.h"

namespace statistics {

Form* newMedianWindow() {
    return new StepsWindow({
        "frmMedian",
        "Median",
        {
            {"Label1", "Steps to determine the median:"},
            {"Label2", "1.  Arrange all your values in ascending order."},
            {"Label3", "2.  Count how many values you have."},
            {"Label4", "3.  Divide the count of values by 2."},
            {"Label5", "4.  For an odd count, round this up: the value at that position is the median. "
                       "For an even count, the median is the mean of the value at this position and the "
                       "next one."},
        },
        "frmStatistics",
    });
}

} // namespace statistics
