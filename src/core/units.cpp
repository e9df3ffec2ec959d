#include "core/units.h"

namespace units {

QString symbol(Unit unit) {
    switch (unit) {
    case Unit::None:
        break;
    case Unit::Metre:
        return QStringLiteral("m");
    case Unit::SquareMetre:
        return QStringLiteral("m\u00b2");
    case Unit::CubicMetre:
        return QStringLiteral("m\u00b3");
    case Unit::Second:
        return QStringLiteral("s");
    case Unit::Hertz:
        return QStringLiteral("Hz");
    case Unit::Kilogram:
        return QStringLiteral("kg");
    case Unit::MetrePerSecond:
        return QStringLiteral("m/s");
    case Unit::MetrePerSecondSquared:
        return QStringLiteral("m/s\u00b2");
    case Unit::Newton:
        return QStringLiteral("N");
    case Unit::NewtonPerMetre:
        return QStringLiteral("N/m");
    case Unit::NewtonMetre:
        return QStringLiteral("N\u00b7m");
    case Unit::Pascal:
        return QStringLiteral("Pa");
    case Unit::Joule:
        return QStringLiteral("J");
    case Unit::Watt:
        return QStringLiteral("W");
    case Unit::KilogramMetrePerSecond:
        return QStringLiteral("kg\u00b7m/s");
    case Unit::KilogramPerCubicMetre:
        return QStringLiteral("kg/m\u00b3");
    case Unit::KilogramMetreSquared:
        return QStringLiteral("kg\u00b7m\u00b2");
    case Unit::KilogramMetreSquaredPerSecond:
        return QStringLiteral("kg\u00b7m\u00b2/s");
    case Unit::Radian:
        return QStringLiteral("rad");
    case Unit::RadianPerSecond:
        return QStringLiteral("rad/s");
    case Unit::RadianPerSecondSquared:
        return QStringLiteral("rad/s\u00b2");
    case Unit::Degree:
        return QStringLiteral("\u00b0");
    case Unit::Percent:
        return QStringLiteral("%");
    case Unit::DegreeCelsius:
        return QStringLiteral("\u00b0C");
    case Unit::DegreeFahrenheit:
        return QStringLiteral("\u00b0F");
    case Unit::Kelvin:
        return QStringLiteral("K");
    }
    return {};
}

QString after(Unit unit) {
    if (unit == Unit::None)
        return {};
    if (unit == Unit::Degree || unit == Unit::Percent)
        return symbol(unit);
    return QLatin1Char(' ') + symbol(unit);
}

} // namespace units
