#include "tools/math/conversions.h"

namespace math {

namespace {

// 10^n for n from 0 to 18, exactly (every such power is a double without rounding).
Double powerOfTen(int n) {
    double p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

// arctan(v / sqrt(1 - v^2)): arcsin v in radians.
Double arcsine(Double v) {
    const Double root = num::sqrt(Double(1) - v * v);
    if (root == Double(0))
        return v > Double(0) ? num::atan(Double(1)) * 2.0 : num::atan(Double(1)) * -2.0;
    return num::atan(v / root);
}

} // namespace

Double convertMetric(Double value, int fromExponent, int toExponent) {
    if (fromExponent > toExponent)
        return value * powerOfTen(fromExponent - toExponent);
    if (fromExponent < toExponent)
        return value / powerOfTen(toExponent - fromExponent);
    return value;
}

double absoluteZero(Scale scale) {
    switch (scale) {
    case Scale::Celsius:
        return -273.0;
    case Scale::Fahrenheit:
        return -459.4;
    case Scale::Kelvin:
        break;
    }
    return 0.0;
}

bool belowAbsoluteZero(Double t, Scale scale) {
    return t.value() < absoluteZero(scale);
}

Double celsiusToFahrenheit(Double c) {
    return Double(9.0 / 5.0) * c + 32.0;
}
Double celsiusToKelvin(Double c) {
    return c + 273.0;
}
Double fahrenheitToCelsius(Double f) {
    return (f - 32.0) * Double(5.0 / 9.0);
}
Double fahrenheitToKelvin(Double f) {
    return (f - 32.0) * Double(5.0 / 9.0) + 273.0;
}
Double kelvinToCelsius(Double k) {
    return k - 273.0;
}
Double kelvinToFahrenheit(Double k) {
    return (k - 273.0) * Double(9.0 / 5.0) + 32.0;
}

Double sine(Double degrees) {
    return num::trigOfDegrees(degrees).sine;
}
Double cosine(Double degrees) {
    return num::trigOfDegrees(degrees).cosine;
}
Double tangent(Double degrees) {
    const auto t = num::trigOfDegrees(degrees).tangent;
    if (!t)
        throw num::CalcError(num::DivisionByZero);
    return *t;
}
bool hasTangent(Double degrees) {
    return num::trigOfDegrees(degrees).tangent.has_value();
}

Double angleFromSine(Double v) {
    return num::degrees(arcsine(v));
}
// The right angle less the angle from the sine, with the full-precision right angle.
Double angleFromCosine(Double v) {
    return num::degrees(num::atan(Double(1)) * 2.0 - arcsine(v));
}
Double angleFromTangent(Double v) {
    return num::degrees(num::atan(v));
}

} // namespace math
