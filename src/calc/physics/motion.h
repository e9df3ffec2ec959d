#pragma once
// Motion along a line and the flight of projectiles, as the calculators work them out in single
// precision. Angles are in degrees; a projectile falls under g = 9.8 m/s^2.

#include "core/numbers.h"

namespace physics {

using num::Single;

// v = v0 + a t: the velocity after accelerating at a for a time t.
Single velocityAfter(Single v0, Single a, Single t);

// a = (v - v0) / t: the acceleration that changes v0 into v in a time t (negative while slowing).
Single acceleration(Single v0, Single v, Single t);

// s = (v + v0) t / 2: the displacement while the velocity changes steadily from v0 to v.
Single displacement(Single v0, Single v, Single t);

// t = sqrt(2 s / a): the time to cover s from rest at a constant acceleration a.
Single timeFromRest(Single s, Single a);

// v = (x - x0) / (t - t0): the average velocity between two positions at two times.
Single averageVelocity(Single x0, Single x, Single t0, Single t);

// A fall through s at the acceleration a, starting at the speed v0 (all sizes, the same way).
// v = sqrt(v0^2 + 2 a s): the speed at the end.
Single speedAfterFall(Single v0, Single a, Single s);
// t = (sqrt(v0^2 + 2 a s) - v0) / a: how long it takes.
Single timeOfFall(Single v0, Single a, Single s);
// s = t^2 (a / 2) + t v0: the distance fallen in a time t.
Single distanceOfFall(Single v0, Single a, Single t);

// A projectile launched horizontally from a height h.
// t = sqrt(2 h / g): the time it falls.
Single fallTime(Single h);
// v = x / sqrt(2 h / g): the launch speed that carries it x forward while it falls.
Single horizontalLaunchSpeed(Single x, Single h);
// h = g/2 (x / v)^2: the height it falls while a launch at v carries it x forward.
Single launchHeight(Single x, Single v);

// A projectile launched at theta degrees from the level it lands on.
// R = (v cos(theta)) 2 (v sin(theta) / g): the range.
Single range(Single v, Single degrees);
// v = sqrt(g R / (2 sin(theta) cos(theta))): the launch speed for a range.
Single launchSpeed(Single range, Single degrees);
// tan(theta) = g t^2 / (2 R): the launch angle, from the time of flight and the range.
Single launchAngle(Single t, Single range);
// t = 2 v sin(theta) / g: the time of flight.
Single flightTime(Single v, Single degrees);
// h = g/2 (v sin(theta) / g)^2: the highest point.
Single peakHeight(Single v, Single degrees);

} // namespace physics
