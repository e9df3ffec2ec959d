#pragma once
// What the soak demands of every read-only box (a result, a worked formula) after each action.

#include <QString>
#include <QStringList>

namespace soak {

// The readable-results rule: below 1E15 a result has three decimals, so at most fifteen digits
// before its point and three after it; from 1E15 on it is written with four significant digits.
// A longer string of digits is the noise of a number written out past its precision.
inline constexpr bool checkSignificantDigits = true;
inline constexpr int mostSignificantDigits = 18;

// The most significant digits of any number in the text: from a number's first non-zero digit to
// the end of its mantissa, across its grouping separators and decimal point (1,234.500: 7).
int significantDigits(const QString& text);

// Why the text must not stand in a read-only box ("inf", "nan", a negative zero such as
// "-0.000"), or an empty string when it may. A worked formula repeats the numbers the student
// typed as they were typed, so a whole word of the text equal to one of `typed` is not judged:
// a typed "-0" may stand in "Sqr(-0 ^2 + 4 ^2 )", but a result of "-0.000" may not.
QString badOutput(const QString& text, const QStringList& typed = {});

} // namespace soak
