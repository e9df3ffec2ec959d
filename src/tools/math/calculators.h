#pragma once
// The mathematics tools declared as calculators: each declaration function is named after its
// window class and defined in the file of that name. The program registers them from its one list
// of calculators.

#include "calc/framework/definition.h"

namespace calc {
Definition frmSignificantFigures();
Definition frmMetrics();
Definition frmTemperatures();
Definition frmTrigValues();
Definition frmAreaFormulas();
Definition frmPythagorean();
} // namespace calc
