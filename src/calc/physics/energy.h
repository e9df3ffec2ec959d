#pragma once
// Work, power and energy, as the calculators work them out in single precision: the work of a
// force at an angle, power, kinetic energy, gravitational and elastic potential energy. Angles are
// in degrees, converted with the program's own 3.14159265.

#include "core/numbers.h"
#include "core/working.h"

namespace physics {

using num::Single;
using units::Unit;
using working::Relation;

// W = F d cos(theta): the work of a force acting at theta degrees to the displacement.
Single work(Single force, Single displacement, Single degrees);
inline constexpr Relation workRelation{"W = F d cos θ",
                                       "{F} × {d} × cos({θ})",
                                       {{{"F", Unit::Newton}, {"d", Unit::Metre}, {"θ", Unit::Degree}}},
                                       Unit::Joule};
// W = F d cos(theta) solved for d or F: the work over the other of the two and the cosine. At 90
// degrees (and 270) the cosine is exactly 0: a division by zero.
Single workFactor(Single work, Single known, Single degrees);
inline constexpr Relation displacementFromWorkRelation{
    "d = W / (F cos θ)",
    "{W} / ({F} × cos({θ}))",
    {{{"W", Unit::Joule}, {"F", Unit::Newton}, {"θ", Unit::Degree}}},
    Unit::Metre};
inline constexpr Relation forceFromWorkRelation{
    "F = W / (d cos θ)",
    "{W} / ({d} × cos({θ}))",
    {{{"W", Unit::Joule}, {"d", Unit::Metre}, {"θ", Unit::Degree}}},
    Unit::Newton};

// P = F d / t: the power of a force moving through a distance in a time.
Single power(Single force, Single distance, Single time);
inline constexpr Relation powerRelation{"P = F d / t",
                                        "{F} × {d} / {t}",
                                        {{{"F", Unit::Newton}, {"d", Unit::Metre}, {"t", Unit::Second}}},
                                        Unit::Watt};

// KE = 1/2 m v^2
Single kineticEnergy(Single mass, Single velocity);
inline constexpr Relation kineticEnergyRelation{
    "KE = ½ m v²", "½ × {m} × {v}²", {{{"m", Unit::Kilogram}, {"v", Unit::MetrePerSecond}}}, Unit::Joule};
// m = 2 KE / v^2
Single massFromKineticEnergy(Single energy, Single velocity);
inline constexpr Relation massFromKineticEnergyRelation{
    "m = 2 KE / v²", "2 × {KE} / {v}²", {{{"KE", Unit::Joule}, {"v", Unit::MetrePerSecond}}}, Unit::Kilogram};
// v = sqrt(2 KE / m): a negative energy has no speed (invalid argument).
Single speedFromKineticEnergy(Single energy, Single mass);
inline constexpr Relation speedFromKineticEnergyRelation{"v = √(2 KE / m)",
                                                         "√(2 × {KE} / {m})",
                                                         {{{"KE", Unit::Joule}, {"m", Unit::Kilogram}}},
                                                         Unit::MetrePerSecond};

// KE = 1/2 m1 v1^2 + 1/2 m2 v2^2: the total kinetic energy of two objects. Half of each mass is
// taken in single precision, the squares and the sum in double.
num::Double kineticEnergyOfBoth(Single m1, num::Double v1, Single m2, num::Double v2);
inline constexpr Relation kineticEnergyOfBothRelation{"KE = ½ m1 v1² + ½ m2 v2²",
                                                      "½ × {m1} × {v1}² + ½ × {m2} × {v2}²",
                                                      {{{"m1", Unit::Kilogram},
                                                        {"v1", Unit::MetrePerSecond},
                                                        {"m2", Unit::Kilogram},
                                                        {"v2", Unit::MetrePerSecond}}},
                                                      Unit::Joule};

// PE = m g h: the gravitational potential energy of a mass at a height.
Single gravitationalEnergy(Single mass, Single g, Single height);
// The calculator's g is 9.81 m/s².
inline constexpr Relation gravitationalEnergyRelation{
    "PE = m g h", "{m} × 9.81 m/s² × {h}", {{{"m", Unit::Kilogram}, {"h", Unit::Metre}}}, Unit::Joule};
// PE = 1/2 k x^2: the elastic potential energy of a spring stretched or compressed by x.
Single elasticEnergy(Single k, Single x);
inline constexpr Relation elasticEnergyRelation{
    "PE = ½ k x²", "½ × {k} × {x}²", {{{"k", Unit::NewtonPerMetre}, {"x", Unit::Metre}}}, Unit::Joule};

} // namespace physics
