#pragma once
// Every calculator window of the program, registered by class name with the window registry.

#include "calc/framework/definition.h"

namespace calc {

void registerCalculators();

// The definition functions of every calculator, in registration order.
using DefineFunction = Definition (*)();
const std::vector<DefineFunction>& allCalculators();

// The definitions, one per calculator file.
Definition frmCalculateDisplacement();
Definition frmVelocity();
Definition frmConstantAcceleration();
Definition frmAcceleration();
Definition frmFallingObject();
Definition frmProjectile();
Definition frmForces();
Definition frmFriction();
Definition frmEquilibrium();
Definition frmGravitation();
Definition frmHookes();
Definition frmPascal();
Definition frmArchimedes();

} // namespace calc
