#pragma once
// Conversions of the maths tools, in double precision: between metric prefixes, between the
// temperature scales, and between angles in degrees and their sine, cosine and tangent.

#include "core/numbers.h"
#include "core/working.h"

namespace math {

using num::Double;

// The value in a unit with prefix 10^from, written in the unit with prefix 10^to: multiplied or
// divided by the exact power of ten between them (nano to giga is a division by 10^18). The same
// prefix leaves the value as it is.
Double convertMetric(Double value, int fromExponent, int toExponent);

// Temperatures, with 273 (not 273.15) between the Celsius and Kelvin scales.
Double celsiusToFahrenheit(Double c);
Double celsiusToKelvin(Double c);
Double fahrenheitToCelsius(Double f);
Double fahrenheitToKelvin(Double f);
Double kelvinToCelsius(Double k);
Double kelvinToFahrenheit(Double k);
// The lowest temperature of each scale, absolute zero with the same 273: 0 K, -273 C, and
// -459.4 F (which converts to 0 K exactly). A temperature below it does not exist.
enum class Scale { Celsius, Fahrenheit, Kelvin };
double absoluteZero(Scale scale);
bool belowAbsoluteZero(Double t, Scale scale);

// Trigonometric values of an angle in degrees, with pi taken as 3.14159265, exact at whole
// multiples of 90 degrees. The tangent of 90 + k 180 degrees is undefined (division by zero).
Double sine(Double degrees);
Double cosine(Double degrees);
Double tangent(Double degrees);
bool hasTangent(Double degrees);
inline constexpr working::Relation sineRelation{"sin θ", "sin({θ})", {{{"θ", units::Unit::Degree}}}};
inline constexpr working::Relation cosineRelation{"cos θ", "cos({θ})", {{{"θ", units::Unit::Degree}}}};
inline constexpr working::Relation tangentRelation{"tan θ", "tan({θ})", {{{"θ", units::Unit::Degree}}}};
// The angle in degrees with this sine (from -90 to 90) or cosine (from 0 to 180), as the
// arctangent of v / sqrt(1 - v^2); at -1 and 1 that quotient is infinite and the arctangent is a
// right angle. A value beyond -1 or 1 has no angle (invalid argument).
Double angleFromSine(Double v);
inline constexpr working::Relation angleFromSineRelation{
    "θ = asin x", "asin({x})", {{{"x"}}}, units::Unit::Degree};
Double angleFromCosine(Double v);
inline constexpr working::Relation angleFromCosineRelation{
    "θ = acos x", "acos({x})", {{{"x"}}}, units::Unit::Degree};
// The angle in degrees with this tangent, from -90 to 90.
Double angleFromTangent(Double v);
inline constexpr working::Relation angleFromTangentRelation{
    "θ = atan x", "atan({x})", {{{"x"}}}, units::Unit::Degree};

} // namespace math
