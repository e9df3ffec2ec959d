#pragma once
// Forces and fluids, as the calculators work them out in single precision: weight on a slope,
// friction on a level surface, a weight held by two supports, gravitation, springs, the hydraulic
// press and buoyancy. Angles are in degrees; g is 9.8 m/s^2 (9.81 for friction). Beside each
// function stands its relation, as the working of an answer writes it out.

#include "core/numbers.h"
#include "core/working.h"

namespace physics {

using num::Single;
using units::Unit;
using working::Relation;
using Trig = num::Trig<float>;

// N = m g cos(slope): the normal force on a mass resting on a slope.
Single normalForce(Single mass, Single slopeDegrees);
inline constexpr Relation normalForceRelation{
    "N = m g cos θ", "{m} × 9.8 × cos({θ})", {{{"m", Unit::Kilogram}, {"θ", Unit::Degree}}}, Unit::Newton};

// Newton's second law, F = m a, which the calculator works out itself: a weight (m g), a force, an
// acceleration or a mass.
inline constexpr Relation weightRelation{
    "W = m g", "{m} × {g}", {{{"m", Unit::Kilogram}, {"g", Unit::MetrePerSecondSquared}}}, Unit::Newton};
inline constexpr Relation forceRelation{
    "F = m a", "{m} × {a}", {{{"m", Unit::Kilogram}, {"a", Unit::MetrePerSecondSquared}}}, Unit::Newton};
inline constexpr Relation accelerationFromForceRelation{
    "a = F / m", "{F} / {m}", {{{"F", Unit::Newton}, {"m", Unit::Kilogram}}}, Unit::MetrePerSecondSquared};
inline constexpr Relation massFromForceRelation{
    "m = F / a", "{F} / {a}", {{{"F", Unit::Newton}, {"a", Unit::MetrePerSecondSquared}}}, Unit::Kilogram};
// The components of a force F at θ.
inline constexpr Relation forceXRelation{
    "Fx = F cos θ", "{F} × cos({θ})", {{{"F", Unit::Newton}, {"θ", Unit::Degree}}}, Unit::Newton};
inline constexpr Relation forceYRelation{
    "Fy = F sin θ", "{F} × sin({θ})", {{{"F", Unit::Newton}, {"θ", Unit::Degree}}}, Unit::Newton};

// Friction on a level surface, where the normal force is the weight m g (g = 9.81).
// mu = F / (m g)
Single frictionCoefficient(Single force, Single mass);
inline constexpr Relation frictionCoefficientRelation{
    "μ = F / (m g)", "{F} / ({m} × 9.81)", {{{"F", Unit::Newton}, {"m", Unit::Kilogram}}}, Unit::None};
// F = m mu g
Single frictionForce(Single mu, Single mass);
inline constexpr Relation frictionForceRelation{
    "F = μ m g", "{μ} × {m} × 9.81", {{{"μ", Unit::None}, {"m", Unit::Kilogram}}}, Unit::Newton};
// m = F / (mu g)
Single massUnderFriction(Single force, Single mu);
inline constexpr Relation massUnderFrictionRelation{
    "m = F / (μ g)", "{F} / ({μ} × 9.81)", {{{"F", Unit::Newton}, {"μ", Unit::None}}}, Unit::Kilogram};
// a = (F - mu m g) / m: what a push F leaves to accelerate the mass against friction; negative
// when friction wins.
Single accelerationAgainstFriction(Single force, Single mu, Single mass);
inline constexpr Relation accelerationAgainstFrictionRelation{
    "a = (F - μ m g) / m",
    "({F} - {μ} × {m} × 9.81) / {m}",
    {{{"F", Unit::Newton}, {"μ", Unit::None}, {"m", Unit::Kilogram}}},
    Unit::MetrePerSecondSquared};

// A weight held by two supports at angles from the horizontal.
// F = W / 2: each of two vertical supports (the calculator halves the weight itself).
inline constexpr Relation parallelSupportRelation{
    "F = W / 2", "{W} / 2", {{{"W", Unit::Newton}}}, Unit::Newton};
// F = (W / 2) / sin(theta): each of two equal supports at the same angle.
Single equalSupport(Single weight, Single degrees);
inline constexpr Relation equalSupportRelation{"F = (W / 2) / sin θ",
                                               "({W} / 2) / sin({θ})",
                                               {{{"W", Unit::Newton}, {"θ", Unit::Degree}}},
                                               Unit::Newton};
// F1 = W / (cos(theta1) tan(theta2) + sin(theta1)): the support at theta1 beside one at theta2
// (their horizontal parts balance, their vertical parts carry W). The two angles come as their
// trigonometric values: the window converts each one as it reads it. Beside a vertical support
// (no tangent) this one carries nothing; two vertical supports have no one answer (division by
// zero).
Single support(Single weight, const Trig& angle, const Trig& otherAngle);
// Each of the two, from the weight and the two angles.
inline constexpr Relation firstSupportRelation{
    "F₁ = W / (cos θ₁ tan θ₂ + sin θ₁)",
    "{W} / (cos({θ₁}) × tan({θ₂}) + sin({θ₁}))",
    {{{"W", Unit::Newton}, {"θ₁", Unit::Degree}, {"θ₂", Unit::Degree}}},
    Unit::Newton};
inline constexpr Relation secondSupportRelation{
    "F₂ = W / (cos θ₂ tan θ₁ + sin θ₂)",
    "{W} / (cos({θ₂}) × tan({θ₁}) + sin({θ₂}))",
    {{{"W", Unit::Newton}, {"θ₁", Unit::Degree}, {"θ₂", Unit::Degree}}},
    Unit::Newton};

// Gravitation, F = G m1 m2 / d^2 (G = 6.673E-11). G is applied first and the distance one factor
// at a time, so that planets and stars (an Earth and a Moon multiply to 4.4E47) stay within single
// precision.
Single gravitationalForce(Single m1, Single m2, Single distance);
inline constexpr Relation gravitationalForceRelation{
    "F = G m₁ m₂ / d²",
    "6.673E-11 × {m₁} × {m₂} / {d}²",
    {{{"m₁", Unit::Kilogram}, {"m₂", Unit::Kilogram}, {"d", Unit::Metre}}},
    Unit::Newton};
// m2 = F / (G m1) d^2
Single otherMass(Single m1, Single distance, Single force);
inline constexpr Relation otherMassRelation{
    "m₂ = F d² / (G m₁)",
    "{F} × {d}² / (6.673E-11 × {m₁})",
    {{{"m₁", Unit::Kilogram}, {"d", Unit::Metre}, {"F", Unit::Newton}}},
    Unit::Kilogram};
// d = sqrt(G m1 / F m2)
Single separation(Single m1, Single m2, Single force);
inline constexpr Relation separationRelation{
    "d = √(G m₁ m₂ / F)",
    "√(6.673E-11 × {m₁} × {m₂} / {F})",
    {{{"m₁", Unit::Kilogram}, {"m₂", Unit::Kilogram}, {"F", Unit::Newton}}},
    Unit::Metre};

// k = -F / x: the constant of a spring a force F holds displaced by x.
Single springConstant(Single force, Single x);
inline constexpr Relation springConstantRelation{
    "k = -F / x", "-{F} / {x}", {{{"F", Unit::Newton}, {"x", Unit::Metre}}}, Unit::NewtonPerMetre};
// x = F / k and F = k x: the size of the stretch a force gives, and the force that holds it (the
// calculator divides and multiplies itself).
inline constexpr Relation stretchRelation{
    "x = F / k", "{F} / {k}", {{{"F", Unit::Newton}, {"k", Unit::NewtonPerMetre}}}, Unit::Metre};
inline constexpr Relation springForceRelation{
    "F = k x", "{k} × {x}", {{{"k", Unit::NewtonPerMetre}, {"x", Unit::Metre}}}, Unit::Newton};

// Pressure, P = F / A (the calculator divides itself).
inline constexpr Relation pressureRelation{
    "P = F / A", "{F} / {A}", {{{"F", Unit::Newton}, {"A", Unit::SquareMetre}}}, Unit::Pascal};

// The hydraulic press, F1 / A1 = F2 / A2.
// F2 = F1 A2 / A1
Single pressForce(Single f1, Single a1, Single a2);
inline constexpr Relation pressForceRelation{
    "F₂ = F₁ A₂ / A₁",
    "{F₁} × {A₂} / {A₁}",
    {{{"F₁", Unit::Newton}, {"A₁", Unit::SquareMetre}, {"A₂", Unit::SquareMetre}}},
    Unit::Newton};
// A1 = F1 / F2 A2
Single pressArea(Single f1, Single f2, Single a2);
inline constexpr Relation pressAreaRelation{
    "A₁ = F₁ A₂ / F₂",
    "{F₁} × {A₂} / {F₂}",
    {{{"F₁", Unit::Newton}, {"F₂", Unit::Newton}, {"A₂", Unit::SquareMetre}}},
    Unit::SquareMetre};

// Buoyancy, F = rho V g: the weight of the fluid displaced.
Single buoyantForce(Single density, Single volume);
inline constexpr Relation buoyantForceRelation{
    "F = ρ V g",
    "{ρ} × {V} × 9.8",
    {{{"ρ", Unit::KilogramPerCubicMetre}, {"V", Unit::CubicMetre}}},
    Unit::Newton};
// rho = F / (V g)
Single densityFromBuoyancy(Single force, Single volume);
inline constexpr Relation densityFromBuoyancyRelation{"ρ = F / (V g)",
                                                      "{F} / ({V} × 9.8)",
                                                      {{{"F", Unit::Newton}, {"V", Unit::CubicMetre}}},
                                                      Unit::KilogramPerCubicMetre};
// V = F / (rho g)
Single volumeFromBuoyancy(Single force, Single density);
inline constexpr Relation volumeFromBuoyancyRelation{
    "V = F / (ρ g)",
    "{F} / ({ρ} × 9.8)",
    {{{"F", Unit::Newton}, {"ρ", Unit::KilogramPerCubicMetre}}},
    Unit::CubicMetre};

} // namespace physics
