#pragma once
// Energy of moving objects, as the collision windows work it out.

#include "core/numbers.h"

namespace physics {

// KE = 1/2 m1 v1^2 + 1/2 m2 v2^2: the total kinetic energy of two objects. Half of each mass is
// taken in single precision, the squares and the sum in double.
num::Double kineticEnergyOfBoth(num::Single m1, num::Double v1, num::Single m2, num::Double v2);

} // namespace physics
