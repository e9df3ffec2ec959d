#pragma once
// What the soak demands of every read-only box (a result, a worked formula) after each action.

#include <QString>

namespace soak {

// The readable-results rule: no number in a result box has more than 15 significant digits.
// Until results follow that rule this check stays off; switching it on is all it takes.
inline constexpr bool checkSignificantDigits = false;
inline constexpr int mostSignificantDigits = 15;

// The most significant digits of any number in the text: from a number's first non-zero digit to
// the end of its mantissa, across its grouping separators and decimal point (1,234.500: 7).
int significantDigits(const QString& text);

// Why the text must not stand in a read-only box ("inf", "nan", a negative zero such as
// "-0.000"), or an empty string when it may.
QString badOutput(const QString& text);

} // namespace soak
