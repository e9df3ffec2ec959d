#pragma once
// The rotation and oscillation calculators: each declaration function is named after its window
// class and defined in the file of that name. The program registers them from its one list of
// calculators.

#include "calc/framework/definition.h"

namespace calc {
Definition frmAngularDisplacement();
Definition frmAngularSpeed();
Definition frmAngularAcceleration();
Definition frmTorque();
Definition frmAngularMomentum();
Definition frmAngularEnergy();
Definition frmCircularMotion();
Definition frmPendulum();
} // namespace calc
