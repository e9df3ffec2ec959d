#pragma once
// Momentum and collisions in a straight line, as the calculators work them out in single
// precision: the net force that changes a momentum, and the velocities that conservation of
// momentum gives in elastic collisions and in inelastic ones, where the objects stick together.

#include "core/numbers.h"
#include "core/working.h"

namespace physics {

using num::Single;
using units::Unit;
using working::Relation;

// p = m v, and the mass or the velocity from it: the calculator's product and quotients.
inline constexpr Relation momentumRelation{"p = m v",
                                           "{m} × {v}",
                                           {{{"m", Unit::Kilogram}, {"v", Unit::MetrePerSecond}}},
                                           Unit::KilogramMetrePerSecond};
inline constexpr Relation massFromMomentumRelation{
    "m = p / v",
    "{p} / {v}",
    {{{"p", Unit::KilogramMetrePerSecond}, {"v", Unit::MetrePerSecond}}},
    Unit::Kilogram};
inline constexpr Relation speedFromMomentumRelation{
    "v = p / m",
    "{p} / {m}",
    {{{"p", Unit::KilogramMetrePerSecond}, {"m", Unit::Kilogram}}},
    Unit::MetrePerSecond};

// F = (m vf - m vi) / t: the net force that changes an object's momentum in a time.
Single netForce(Single mass, Single initial, Single final, Single time);

// p = m1 v1 + m2 v2: the momentum of two objects together.
Single momentumOfBoth(Single m1, Single v1, Single m2, Single v2);

// m v + M V = p solved for v: the velocity of one object of mass m, from the momentum p of both
// and the mass and velocity of the other object.
Single velocityFromMomentum(Single momentum, Single mass, Single otherMass, Single otherVelocity);
// Each of the four velocities of an elastic collision from the other three, given the two masses
// first and then the velocities in the order the calculator asks for them.
inline constexpr Relation initialVelocity1Relation{"v1i = (m1 v1f + m2 v2f - m2 v2i) / m1",
                                                   "({m1} × {v1f} + {m2} × {v2f} - {m2} × {v2i}) / {m1}",
                                                   {{{"m1", Unit::Kilogram},
                                                     {"m2", Unit::Kilogram},
                                                     {"v2i", Unit::MetrePerSecond},
                                                     {"v2f", Unit::MetrePerSecond},
                                                     {"v1f", Unit::MetrePerSecond}}},
                                                   Unit::MetrePerSecond};
inline constexpr Relation initialVelocity2Relation{"v2i = (m1 v1f + m2 v2f - m1 v1i) / m2",
                                                   "({m1} × {v1f} + {m2} × {v2f} - {m1} × {v1i}) / {m2}",
                                                   {{{"m1", Unit::Kilogram},
                                                     {"m2", Unit::Kilogram},
                                                     {"v1i", Unit::MetrePerSecond},
                                                     {"v1f", Unit::MetrePerSecond},
                                                     {"v2f", Unit::MetrePerSecond}}},
                                                   Unit::MetrePerSecond};
inline constexpr Relation finalVelocity1Relation{"v1f = (m1 v1i + m2 v2i - m2 v2f) / m1",
                                                 "({m1} × {v1i} + {m2} × {v2i} - {m2} × {v2f}) / {m1}",
                                                 {{{"m1", Unit::Kilogram},
                                                   {"m2", Unit::Kilogram},
                                                   {"v1i", Unit::MetrePerSecond},
                                                   {"v2i", Unit::MetrePerSecond},
                                                   {"v2f", Unit::MetrePerSecond}}},
                                                 Unit::MetrePerSecond};
inline constexpr Relation finalVelocity2Relation{"v2f = (m1 v1i + m2 v2i - m1 v1f) / m2",
                                                 "({m1} × {v1i} + {m2} × {v2i} - {m1} × {v1f}) / {m2}",
                                                 {{{"m1", Unit::Kilogram},
                                                   {"m2", Unit::Kilogram},
                                                   {"v1i", Unit::MetrePerSecond},
                                                   {"v2i", Unit::MetrePerSecond},
                                                   {"v1f", Unit::MetrePerSecond}}},
                                                 Unit::MetrePerSecond};

// Elastic head-on collisions, which keep the kinetic energy as well as the momentum: both
// velocities after the collision from both before it,
// v1f = ((m1 - m2) v1 + 2 m2 v2) / (m1 + m2) and v2f = ((m2 - m1) v2 + 2 m1 v1) / (m1 + m2).
// Worked out in double precision, where no product of masses and velocities overflows (1E38 kg at
// 2 m/s); only a velocity beyond single precision is too large.
struct FinalVelocities {
    Single first, second;
};
FinalVelocities elasticFinalVelocities(Single m1, Single v1, Single m2, Single v2);

// Inelastic collisions, m1 v1 + m2 v2 = (m1 + m2) vf:
// vf = (m1 v1 + m2 v2) / (m1 + m2), the velocity both objects move on with.
Single commonVelocity(Single m1, Single v1, Single m2, Single v2);
inline constexpr Relation commonVelocityRelation{"vf = (m1 v1 + m2 v2) / (m1 + m2)",
                                                 "({m1} × {v1} + {m2} × {v2}) / ({m1} + {m2})",
                                                 {{{"m1", Unit::Kilogram},
                                                   {"v1", Unit::MetrePerSecond},
                                                   {"m2", Unit::Kilogram},
                                                   {"v2", Unit::MetrePerSecond}}},
                                                 Unit::MetrePerSecond};
// v1 = ((m1 + m2) vf - m2 v2) / m1, the velocity the first object had.
Single velocityBeforeSticking(Single m1, Single m2, Single v2, Single vf);
inline constexpr Relation velocityBeforeStickingRelation{"v1 = ((m1 + m2) vf - m2 v2) / m1",
                                                         "(({m1} + {m2}) × {vf} - {m2} × {v2}) / {m1}",
                                                         {{{"m1", Unit::Kilogram},
                                                           {"m2", Unit::Kilogram},
                                                           {"v2", Unit::MetrePerSecond},
                                                           {"vf", Unit::MetrePerSecond}}},
                                                         Unit::MetrePerSecond};
// m1 = m2 (vf - v2) / (v1 - vf), the mass of the first object. When it already moves at the final
// velocity, no mass makes the collision: a division by zero.
Single massBeforeSticking(Single v1, Single m2, Single v2, Single vf);
inline constexpr Relation massBeforeStickingRelation{"m1 = m2 (vf - v2) / (v1 - vf)",
                                                     "{m2} × ({vf} - {v2}) / ({v1} - {vf})",
                                                     {{{"v1", Unit::MetrePerSecond},
                                                       {"m2", Unit::Kilogram},
                                                       {"v2", Unit::MetrePerSecond},
                                                       {"vf", Unit::MetrePerSecond}}},
                                                     Unit::Kilogram};

} // namespace physics
