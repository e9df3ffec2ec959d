#pragma once
// The forces and fluids calculators: each declaration function is named after its window class and
// defined in the file of that name. The program registers them from its one list of calculators.

#include "calc/framework/definition.h"

namespace calc {
Definition frmForces();
Definition frmFriction();
Definition frmEquilibrium();
Definition frmGravitation();
Definition frmHookes();
Definition frmPascal();
Definition frmArchimedes();
} // namespace calc
