#pragma once
// Counting the significant digits of a number on its text as typed, digit by digit: non-zero
// digits always count, leading zeros never, zeros between non-zero digits always, and trailing
// zeros only when the number has a decimal point.

#include <QString>

namespace math {

struct SigFigCount {
    int count = 0;
    QString digits; // the digits that count, in order
    // Why the counting stopped early (a character that is not a digit, such as a second point);
    // empty when every digit was judged. The count is then the count reached so far.
    QString failure;
};

// Counts the significant digits of the number text. The first "." is the decimal point and is
// never examined; every other character is read as a digit.
SigFigCount CalculateSigFigs(const QString& number);

// Whether the zero at position (from 1) counts, given what was met before it: after a decimal
// point and a non-zero digit every zero counts; otherwise only a zero with a non-zero digit both
// before it and somewhere after it.
bool CheckZero(const QString& number, int position, bool decimalSeen, bool nonZeroSeen);

// Whether a digit greater than 0 stands after position (from 1) in the number text.
bool NumberAfterZero(const QString& number, int position);

} // namespace math
