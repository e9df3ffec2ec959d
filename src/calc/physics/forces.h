#pragma once
// Forces and fluids, as the calculators work them out in single precision: weight on a slope,
// friction on a level surface, a weight held by two supports, gravitation, springs, the hydraulic
// press and buoyancy. Angles are in degrees; g is 9.8 m/s^2 (9.81 for friction).

#include "core/numbers.h"

namespace physics {

using num::Single;
using Trig = num::Trig<float>;

// N = m g cos(slope): the normal force on a mass resting on a slope.
Single normalForce(Single mass, Single slopeDegrees);

// Friction on a level surface, where the normal force is the weight m g (g = 9.81).
// mu = F / (m g)
Single frictionCoefficient(Single force, Single mass);
// F = m mu g
Single frictionForce(Single mu, Single mass);
// m = F / (mu g)
Single massUnderFriction(Single force, Single mu);
// a = (F - mu m g) / m: what a push F leaves to accelerate the mass against friction; negative
// when friction wins.
Single accelerationAgainstFriction(Single force, Single mu, Single mass);

// A weight held by two supports at angles from the horizontal.
// F = (W / 2) / sin(theta): each of two equal supports at the same angle.
Single equalSupport(Single weight, Single degrees);
// F1 = W / (cos(theta1) tan(theta2) + sin(theta1)): the support at theta1 beside one at theta2
// (their horizontal parts balance, their vertical parts carry W). The two angles come as their
// trigonometric values: the window converts each one as it reads it. Beside a vertical support
// (no tangent) this one carries nothing; two vertical supports have no one answer (division by
// zero).
Single support(Single weight, const Trig& angle, const Trig& otherAngle);

// Gravitation, F = G m1 m2 / d^2 (G = 6.673E-11). G is applied first and the distance one factor
// at a time, so that planets and stars (an Earth and a Moon multiply to 4.4E47) stay within single
// precision.
Single gravitationalForce(Single m1, Single m2, Single distance);
// m2 = F / (G m1) d^2
Single otherMass(Single m1, Single distance, Single force);
// d = sqrt(G m1 / F m2)
Single separation(Single m1, Single m2, Single force);

// k = -F / x: the constant of a spring a force F holds displaced by x.
Single springConstant(Single force, Single x);

// The hydraulic press, F1 / A1 = F2 / A2.
// F2 = F1 A2 / A1
Single pressForce(Single f1, Single a1, Single a2);
// A1 = F1 / F2 A2
Single pressArea(Single f1, Single f2, Single a2);

// Buoyancy, F = rho V g: the weight of the fluid displaced.
Single buoyantForce(Single density, Single volume);
// rho = F / (V g)
Single densityFromBuoyancy(Single force, Single volume);
// V = F / (rho g)
Single volumeFromBuoyancy(Single force, Single density);

} // namespace physics
