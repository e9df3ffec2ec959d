#pragma once
// The units results are given in, written beside the answer as a student writes them: SI, and
// angles in degrees.

#include <QString>

namespace calc {

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
};

// "J", "m/s²", "°"; empty for Unit::None.
QString symbol(Unit unit);

} // namespace calc
