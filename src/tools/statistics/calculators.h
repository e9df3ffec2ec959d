#pragma once
// The statistics calculators: each declaration function is named after its window class and
// defined in the file of that name. The program registers them from its one list of calculators.

#include "calc/framework/definition.h"

namespace calc {
Definition frmMean();
Definition frmDeviations();
Definition frmVariation();
Definition frmError();
} // namespace calc
