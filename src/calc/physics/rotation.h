#pragma once
// Rotation and oscillation, as the calculators work them out: the torque of a force on a lever
// arm and the angle it acts at, and the simple pendulum. Angles are in degrees, converted with the
// program's own 3.14159265.

#include "core/numbers.h"

namespace physics {

using num::Double;

// tau = F d sin(theta): the torque of a force acting on a lever arm at theta degrees.
Double torque(Double force, Double arm, Double degrees);

// The other factor of a torque at theta degrees: the force on a given arm, or the arm a given
// force needs, tau / (sin(theta) x known). At 0 degrees no force turns the arm (division by zero).
Double torqueFactor(Double torque, Double known, Double degrees);

// The angle, from -90 to 90 degrees, at which a force on a lever arm gives the torque:
// theta = asin(tau / (F d)). A torque beyond F d has no such angle (invalid argument); a force or
// arm of zero divides by zero.
Double leverAngle(Double torque, Double force, Double arm);

// The simple pendulum, T = 2 pi sqrt(L / g): the period of a length under the acceleration of
// gravity, the length that swings with a period, and the acceleration a length and period show.
Double pendulumPeriod(Double length, Double g);
Double pendulumLength(Double period, Double g);
Double pendulumGravity(Double period, Double length);

} // namespace physics
