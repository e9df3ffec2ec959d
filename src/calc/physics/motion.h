#pragma once
// Motion along a line and the flight of projectiles, as the calculators work them out in single
// precision. Angles are in degrees; a projectile falls under g = 9.8 m/s^2. Beside each function
// stands its relation, as the working of an answer writes it out with the student's numbers.

#include "core/numbers.h"
#include "core/working.h"

namespace physics {

using num::Single;
using units::Unit;
using working::Relation;

// v = v0 + a t: the velocity after accelerating at a for a time t.
Single velocityAfter(Single v0, Single a, Single t);
inline constexpr Relation velocityAfterRelation{
    "v = v₀ + a t",
    "{v₀} + {a} × {t}",
    {{{"v₀", Unit::MetrePerSecond}, {"a", Unit::MetrePerSecondSquared}, {"t", Unit::Second}}},
    Unit::MetrePerSecond};

// a = (v - v0) / t: the acceleration that changes v0 into v in a time t (negative while slowing).
Single acceleration(Single v0, Single v, Single t);
inline constexpr Relation accelerationRelation{
    "a = (v - v₀) / t",
    "({v} - {v₀}) / {t}",
    {{{"v₀", Unit::MetrePerSecond}, {"v", Unit::MetrePerSecond}, {"t", Unit::Second}}},
    Unit::MetrePerSecondSquared};

// s = (v + v0) t / 2: the displacement while the velocity changes steadily from v0 to v.
Single displacement(Single v0, Single v, Single t);
inline constexpr Relation displacementRelation{
    "d = (v + v₀) t / 2",
    "({v} + {v₀}) × {t} / 2",
    {{{"v₀", Unit::MetrePerSecond}, {"v", Unit::MetrePerSecond}, {"t", Unit::Second}}},
    Unit::Metre};

// t = sqrt(2 s / a): the time to cover s from rest at a constant acceleration a.
Single timeFromRest(Single s, Single a);
// The calculator reads the acceleration first.
inline constexpr Relation timeFromRestRelation{"t = √(2 d / a)",
                                               "√(2 × {d} / {a})",
                                               {{{"a", Unit::MetrePerSecondSquared}, {"d", Unit::Metre}}},
                                               Unit::Second};

// v = (x - x0) / (t - t0): the average velocity between two positions at two times.
Single averageVelocity(Single x0, Single x, Single t0, Single t);
// The calculator reads x, x0, t, t0.
inline constexpr Relation averageVelocityRelation{
    "v = (x - x₀) / (t - t₀)",
    "({x} - {x₀}) / ({t} - {t₀})",
    {{{"x", Unit::Metre}, {"x₀", Unit::Metre}, {"t", Unit::Second}, {"t₀", Unit::Second}}},
    Unit::MetrePerSecond};

// A fall through s at the acceleration a, starting at the speed v0 (all sizes, the same way: the
// working takes the size of each number as typed).
// v = sqrt(v0^2 + 2 a s): the speed at the end.
Single speedAfterFall(Single v0, Single a, Single s);
inline constexpr Relation speedAfterFallRelation{
    "v = √(v₀² + 2 |a| |s|)",
    "√({v₀}² + 2 × |{a}| × |{s}|)",
    {{{"v₀", Unit::MetrePerSecond}, {"a", Unit::MetrePerSecondSquared}, {"s", Unit::Metre}}},
    Unit::MetrePerSecond};
// t = (sqrt(v0^2 + 2 a s) - v0) / a: how long it takes.
Single timeOfFall(Single v0, Single a, Single s);
inline constexpr Relation timeOfFallRelation{
    "t = (√(v₀² + 2 |a| |s|) - |v₀|) / |a|",
    "(√({v₀}² + 2 × |{a}| × |{s}|) - |{v₀}|) / |{a}|",
    {{{"v₀", Unit::MetrePerSecond}, {"a", Unit::MetrePerSecondSquared}, {"s", Unit::Metre}}},
    Unit::Second};
// s = t^2 (a / 2) + t v0: the distance fallen in a time t.
Single distanceOfFall(Single v0, Single a, Single t);
inline constexpr Relation distanceOfFallRelation{
    "d = |v₀| |t| + ½ |a| t²",
    "|{v₀}| × |{t}| + ½ × |{a}| × {t}²",
    {{{"v₀", Unit::MetrePerSecond}, {"a", Unit::MetrePerSecondSquared}, {"t", Unit::Second}}},
    Unit::Metre};

// A projectile launched horizontally from a height h.
// x = v t: how far it goes forward in a time t (the calculator multiplies the two itself).
inline constexpr Relation horizontalDistanceRelation{
    "x = v t", "{v} × {t}", {{{"t", Unit::Second}, {"v", Unit::MetrePerSecond}}}, Unit::Metre};
// t = sqrt(2 h / g): the time it falls.
Single fallTime(Single h);
inline constexpr Relation fallTimeRelation{
    "t = √(2 h / g)", "√(2 × {h} / 9.8)", {{{"h", Unit::Metre}}}, Unit::Second};
// v = x / sqrt(2 h / g): the launch speed that carries it x forward while it falls.
Single horizontalLaunchSpeed(Single x, Single h);
inline constexpr Relation horizontalLaunchSpeedRelation{"v = x / √(2 h / g)",
                                                        "{x} / √(2 × {h} / 9.8)",
                                                        {{{"x", Unit::Metre}, {"h", Unit::Metre}}},
                                                        Unit::MetrePerSecond};
// h = g/2 (x / v)^2: the height it falls while a launch at v carries it x forward.
Single launchHeight(Single x, Single v);
inline constexpr Relation launchHeightRelation{"h = ½ g (x / v)²",
                                               "4.9 × ({x} / {v})²",
                                               {{{"x", Unit::Metre}, {"v", Unit::MetrePerSecond}}},
                                               Unit::Metre};

// A projectile launched at theta degrees from the level it lands on.
// R = (v cos(theta)) 2 (v sin(theta) / g): the range.
Single range(Single v, Single degrees);
// The calculator reads the angle first.
inline constexpr Relation rangeRelation{"x = 2 v² sin θ cos θ / g",
                                        "2 × {v}² × sin({θ}) × cos({θ}) / 9.8",
                                        {{{"θ", Unit::Degree}, {"v", Unit::MetrePerSecond}}},
                                        Unit::Metre};
// v = sqrt(g R / (2 sin(theta) cos(theta))): the launch speed for a range.
Single launchSpeed(Single range, Single degrees);
inline constexpr Relation launchSpeedRelation{"v = √(g x / (2 sin θ cos θ))",
                                              "√(9.8 × {x} / (2 × sin({θ}) × cos({θ})))",
                                              {{{"x", Unit::Metre}, {"θ", Unit::Degree}}},
                                              Unit::MetrePerSecond};
// tan(theta) = g t^2 / (2 R): the launch angle, from the time of flight and the range.
Single launchAngle(Single t, Single range);
inline constexpr Relation launchAngleRelation{"θ = atan(g t² / (2 x))",
                                              "atan(9.8 × {t}² / (2 × {x}))",
                                              {{{"t", Unit::Second}, {"x", Unit::Metre}}},
                                              Unit::Degree};
// t = 2 v sin(theta) / g: the time of flight.
Single flightTime(Single v, Single degrees);
inline constexpr Relation flightTimeRelation{"t = 2 v sin θ / g",
                                             "2 × {v} × sin({θ}) / 9.8",
                                             {{{"θ", Unit::Degree}, {"v", Unit::MetrePerSecond}}},
                                             Unit::Second};
// h = g/2 (v sin(theta) / g)^2: the highest point.
Single peakHeight(Single v, Single degrees);
inline constexpr Relation peakHeightRelation{"h = (v sin θ)² / (2 g)",
                                             "({v} × sin({θ}))² / (2 × 9.8)",
                                             {{{"θ", Unit::Degree}, {"v", Unit::MetrePerSecond}}},
                                             Unit::Metre};

} // namespace physics
