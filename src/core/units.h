#pragma once
// The units results are given in, written beside the answer as a student writes them: SI, and
// angles in degrees.

#include <QString>

namespace units {

enum class Unit {
    None, // a count, a ratio, a plain number
    Metre,
    SquareMetre,
    CubicMetre,
    Second,
    Hertz,
    Kilogram,
    MetrePerSecond,
    MetrePerSecondSquared,
    Newton,
    NewtonPerMetre,
    NewtonMetre,
    Pascal,
    Joule,
    Watt,
    KilogramMetrePerSecond,
    KilogramPerCubicMetre,
    KilogramMetreSquared,
    KilogramMetreSquaredPerSecond,
    Radian,
    RadianPerSecond,
    RadianPerSecondSquared,
    Degree,
    Percent,
    DegreeCelsius,
    DegreeFahrenheit,
    Kelvin,
};

// "J", "m/s²", "°"; empty for Unit::None.
QString symbol(Unit unit);

// The symbol as it follows a number: after a space ("25 m/s"), or at once for the degree and the
// percent sign ("30°", "5%"); empty for Unit::None.
QString after(Unit unit);

} // namespace units
