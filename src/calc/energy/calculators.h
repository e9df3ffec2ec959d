#pragma once
// The energy and momentum calculators: each declaration function is named after its window class
// and defined in the file of that name. The program registers them from its one list of
// calculators.

#include "calc/framework/definition.h"

namespace calc {
Definition frmWork();
Definition frmPower();
Definition frmKineticEnergy();
Definition frmPotentialenergy();
Definition frmMomentum();
Definition frmCollisions();
Definition frmInelastic();
} // namespace calc
