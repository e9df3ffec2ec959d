#pragma once
// Rotation and oscillation, as the calculators work them out: angular acceleration, the torque of
// a force on a lever arm and the angle it acts at, angular momentum and rotational kinetic energy
// of a point mass, circular motion and the simple pendulum. Angles are in degrees, converted with
// the program's own 3.14159265.

#include "core/numbers.h"
#include "core/working.h"

namespace physics {

using num::Double;
using num::Single;
using units::Unit;
using working::Relation;

// alpha = (omega - omega0) / t: the angular acceleration from the initial and final angular
// speeds and the time between them.
Single angularAcceleration(Single initial, Single final, Single time);
inline constexpr Relation angularAccelerationRelation{
    "α = (ω - ω₀) / t",
    "({ω} - {ω₀}) / {t}",
    {{{"ω₀", Unit::RadianPerSecond}, {"ω", Unit::RadianPerSecond}, {"t", Unit::Second}}},
    Unit::RadianPerSecondSquared};
// t = (omega - omega0) / alpha: the time an angular acceleration takes between two speeds.
Single accelerationTime(Single initial, Single final, Single acceleration);
inline constexpr Relation accelerationTimeRelation{
    "t = (ω - ω₀) / α",
    "({ω} - {ω₀}) / {α}",
    {{{"ω₀", Unit::RadianPerSecond}, {"ω", Unit::RadianPerSecond}, {"α", Unit::RadianPerSecondSquared}}},
    Unit::Second};
// omega = omega0 + alpha t: the angular speed after accelerating for a time.
Single finalAngularSpeed(Single initial, Single time, Single acceleration);
inline constexpr Relation finalAngularSpeedRelation{
    "ω = ω₀ + α t",
    "{ω₀} + {α} × {t}",
    {{{"ω₀", Unit::RadianPerSecond}, {"t", Unit::Second}, {"α", Unit::RadianPerSecondSquared}}},
    Unit::RadianPerSecond};

// The angle an arc of length s turns through on a radius r, and the other two from it, as the
// calculators work them out (a quotient or a product).
inline constexpr Relation angleOfArcRelation{
    "θ = s / r", "{s} / {r}", {{{"s", Unit::Metre}, {"r", Unit::Metre}}}, Unit::Radian};
inline constexpr Relation arcLengthRelation{
    "s = θ r", "{θ} × {r}", {{{"θ", Unit::Radian}, {"r", Unit::Metre}}}, Unit::Metre};
inline constexpr Relation radiusOfArcRelation{
    "r = s / θ", "{s} / {θ}", {{{"s", Unit::Metre}, {"θ", Unit::Radian}}}, Unit::Metre};
// The angular speed over an angle and a time, and the other two from it.
inline constexpr Relation angularSpeedRelation{
    "ω = θ / t", "{θ} / {t}", {{{"θ", Unit::Radian}, {"t", Unit::Second}}}, Unit::RadianPerSecond};
inline constexpr Relation angleTurnedRelation{
    "θ = ω t", "{ω} × {t}", {{{"ω", Unit::RadianPerSecond}, {"t", Unit::Second}}}, Unit::Radian};
inline constexpr Relation timeToTurnRelation{
    "t = θ / ω", "{θ} / {ω}", {{{"ω", Unit::RadianPerSecond}, {"θ", Unit::Radian}}}, Unit::Second};

// tau = F d sin(theta): the torque of a force acting on a lever arm at theta degrees.
Double torque(Double force, Double arm, Double degrees);
inline constexpr Relation torqueRelation{"τ = F d sin θ",
                                         "{F} × {d} × sin({θ})",
                                         {{{"F", Unit::Newton}, {"d", Unit::Metre}, {"θ", Unit::Degree}}},
                                         Unit::NewtonMetre};

// The other factor of a torque at theta degrees: the force on a given arm, or the arm a given
// force needs, tau / (sin(theta) x known). At 0 or 180 degrees no force turns the arm (division by
// zero).
Double torqueFactor(Double torque, Double known, Double degrees);
inline constexpr Relation armFromTorqueRelation{
    "d = τ / (F sin θ)",
    "{τ} / ({F} × sin({θ}))",
    {{{"τ", Unit::NewtonMetre}, {"F", Unit::Newton}, {"θ", Unit::Degree}}},
    Unit::Metre};
inline constexpr Relation forceFromTorqueRelation{
    "F = τ / (d sin θ)",
    "{τ} / ({d} × sin({θ}))",
    {{{"τ", Unit::NewtonMetre}, {"d", Unit::Metre}, {"θ", Unit::Degree}}},
    Unit::Newton};

// The angle, from -90 to 90 degrees, at which a force on a lever arm gives the torque:
// theta = asin(tau / (F d)). A torque beyond F d has no such angle (invalid argument); a force or
// arm of zero divides by zero.
Double leverAngle(Double torque, Double force, Double arm);
inline constexpr Relation leverAngleRelation{
    "θ = asin(τ / (F d))",
    "asin({τ} / ({F} × {d}))",
    {{{"τ", Unit::NewtonMetre}, {"F", Unit::Newton}, {"d", Unit::Metre}}},
    Unit::Degree};

// L = m r v: the angular momentum of a point mass moving at speed v on a circle of radius r.
Double angularMomentum(Double mass, Double radius, Double speed);
inline constexpr Relation angularMomentumRelation{
    "L = m r v",
    "{m} × {r} × {v}",
    {{{"m", Unit::Kilogram}, {"r", Unit::Metre}, {"v", Unit::MetrePerSecond}}},
    Unit::KilogramMetreSquaredPerSecond};
// I = m r^2 of the point mass whose momentum is L at speed v: the mass L / (v r), times r^2.
Double inertiaFromMomentum(Double momentum, Double speed, Double radius);
inline constexpr Relation inertiaFromMomentumRelation{
    "I = L / (v r) × r²",
    "{L} / ({v} × {r}) × {r}²",
    {{{"L", Unit::KilogramMetreSquaredPerSecond}, {"v", Unit::MetrePerSecond}, {"r", Unit::Metre}}},
    Unit::KilogramMetreSquared};
// omega = L / (m r^2): the angular speed, in radians per second, of a point mass.
Double angularSpeedFromMomentum(Double momentum, Double mass, Double radius);
inline constexpr Relation angularSpeedFromMomentumRelation{
    "ω = L / (m r²)",
    "{L} / ({m} × {r}²)",
    {{{"L", Unit::KilogramMetreSquaredPerSecond}, {"m", Unit::Kilogram}, {"r", Unit::Metre}}},
    Unit::RadianPerSecond};

// Rotational kinetic energy KE = 1/2 I omega^2 and the moments of inertia it takes. Values are held
// in single precision, their squares worked out in double; a value beyond the single range is an
// overflow.
// KE = 1/2 m r^2 omega^2: a point mass, its moment of inertia m r^2 held in single precision.
Single rotationalEnergy(Single mass, Single radius, Single angularSpeed);
inline constexpr Relation rotationalEnergyRelation{
    "KE = ½ m r² ω²",
    "½ × {m} × {r}² × {ω}²",
    {{{"m", Unit::Kilogram}, {"r", Unit::Metre}, {"ω", Unit::RadianPerSecond}}},
    Unit::Joule};
// I = 1/2 m r^2: the moment of inertia of a disc.
Single discInertia(Single mass, Single radius);
inline constexpr Relation discInertiaRelation{"I = ½ m r²",
                                              "½ × {m} × {r}²",
                                              {{{"m", Unit::Kilogram}, {"r", Unit::Metre}}},
                                              Unit::KilogramMetreSquared};
// omega = sqrt(2 KE / (m r^2)): the angular speed of a point mass with this energy.
Single angularSpeedFromEnergy(Single energy, Single radius, Single mass);
inline constexpr Relation angularSpeedFromEnergyRelation{
    "ω = √(2 KE / (m r²))",
    "√(2 × {KE} / ({m} × {r}²))",
    {{{"KE", Unit::Joule}, {"r", Unit::Metre}, {"m", Unit::Kilogram}}},
    Unit::RadianPerSecond};

// a = v^2 / r: the centripetal acceleration of uniform circular motion.
Double centripetalAcceleration(Double speed, Double radius);
inline constexpr Relation centripetalAccelerationRelation{"a = v² / r",
                                                          "{v}² / {r}",
                                                          {{{"v", Unit::MetrePerSecond}, {"r", Unit::Metre}}},
                                                          Unit::MetrePerSecondSquared};
// F = m v^2 / r: the force that keeps a mass on its circle.
Double centripetalForce(Double mass, Double radius, Double speed);
inline constexpr Relation centripetalForceRelation{
    "F = m v² / r",
    "{m} × {v}² / {r}",
    {{{"m", Unit::Kilogram}, {"r", Unit::Metre}, {"v", Unit::MetrePerSecond}}},
    Unit::Newton};

// The simple pendulum, T = 2 pi sqrt(L / g): the period of a length under the acceleration of
// gravity, the length that swings with a period, and the acceleration a length and period show.
Double pendulumPeriod(Double length, Double g);
inline constexpr Relation pendulumPeriodRelation{"T = 2π √(L / g)",
                                                 "2 × π × √({L} / {g})",
                                                 {{{"L", Unit::Metre}, {"g", Unit::MetrePerSecondSquared}}},
                                                 Unit::Second};
Double pendulumLength(Double period, Double g);
inline constexpr Relation pendulumLengthRelation{"L = g T² / (4π²)",
                                                 "{g} × {T}² / (4 × π²)",
                                                 {{{"T", Unit::Second}, {"g", Unit::MetrePerSecondSquared}}},
                                                 Unit::Metre};
Double pendulumGravity(Double period, Double length);
inline constexpr Relation pendulumGravityRelation{"g = 4π² L / T²",
                                                  "4 × π² × {L} / {T}²",
                                                  {{{"T", Unit::Second}, {"L", Unit::Metre}}},
                                                  Unit::MetrePerSecondSquared};
// f = 1 / T: the frequency of a period (the calculator's quotient).
inline constexpr Relation frequencyRelation{"f = 1 / T", "1 / {T}", {{{"T", Unit::Second}}}, Unit::Hertz};

} // namespace physics
