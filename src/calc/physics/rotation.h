#pragma once
// Rotation and oscillation, as the calculators work them out: angular acceleration, the torque of
// a force on a lever arm and the angle it acts at, angular momentum and rotational kinetic energy
// of a point mass, circular motion and the simple pendulum. Angles are in degrees, converted with
// the program's own 3.14159265.

#include "core/numbers.h"

namespace physics {

using num::Double;
using num::Single;

// alpha = (omega - omega0) / t: the angular acceleration from the initial and final angular
// speeds and the time between them.
Single angularAcceleration(Single initial, Single final, Single time);
// t = (omega - omega0) / alpha: the time an angular acceleration takes between two speeds.
Single accelerationTime(Single initial, Single final, Single acceleration);
// omega = omega0 + alpha t: the angular speed after accelerating for a time.
Single finalAngularSpeed(Single initial, Single time, Single acceleration);

// tau = F d sin(theta): the torque of a force acting on a lever arm at theta degrees.
Double torque(Double force, Double arm, Double degrees);

// The other factor of a torque at theta degrees: the force on a given arm, or the arm a given
// force needs, tau / (sin(theta) x known). At 0 or 180 degrees no force turns the arm (division by
// zero).
Double torqueFactor(Double torque, Double known, Double degrees);

// The angle, from -90 to 90 degrees, at which a force on a lever arm gives the torque:
// theta = asin(tau / (F d)). A torque beyond F d has no such angle (invalid argument); a force or
// arm of zero divides by zero.
Double leverAngle(Double torque, Double force, Double arm);

// L = m r v: the angular momentum of a point mass moving at speed v on a circle of radius r.
Double angularMomentum(Double mass, Double radius, Double speed);
// I = m r^2 of the point mass whose momentum is L at speed v: the mass L / (v r), times r^2.
Double inertiaFromMomentum(Double momentum, Double speed, Double radius);
// omega = L / (m r^2): the angular speed, in radians per second, of a point mass.
Double angularSpeedFromMomentum(Double momentum, Double mass, Double radius);

// Rotational kinetic energy KE = 1/2 I omega^2 and the moments of inertia it takes. Values are held
// in single precision, their squares worked out in double; a value beyond the single range is an
// overflow.
// KE = 1/2 m r^2 omega^2: a point mass, its moment of inertia m r^2 held in single precision.
Single rotationalEnergy(Single mass, Single radius, Single angularSpeed);
// I = 1/2 m r^2: the moment of inertia of a disc.
Single discInertia(Single mass, Single radius);
// omega = sqrt(2 KE / (m r^2)): the angular speed of a point mass with this energy.
Single angularSpeedFromEnergy(Single energy, Single radius, Single mass);

// a = v^2 / r: the centripetal acceleration of uniform circular motion.
Double centripetalAcceleration(Double speed, Double radius);
// F = m v^2 / r: the force that keeps a mass on its circle.
Double centripetalForce(Double mass, Double radius, Double speed);

// The simple pendulum, T = 2 pi sqrt(L / g): the period of a length under the acceleration of
// gravity, the length that swings with a period, and the acceleration a length and period show.
Double pendulumPeriod(Double length, Double g);
Double pendulumLength(Double period, Double g);
Double pendulumGravity(Double period, Double length);

} // namespace physics
