#include "tools/math/sigfigs.h"

#include "core/numbers.h"

namespace math {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The character at position (from 1) read as a number: a digit, or a type mismatch.
int digitAt(const QString& number, int position) {
    const QChar c = number[position - 1];
    if (!isDigit(c))
        throw num::CalcError(num::TypeMismatch, number);
    return c.unicode() - u'0';
}

} // namespace

bool NumberAfterZero(const QString& number, int position) {
    for (int j = position + 1; j <= int(number.size()); ++j)
        if (isDigit(number[j - 1]) && number[j - 1] != u'0')
            return true;
    return false;
}

bool CheckZero(const QString& number, int position, bool decimalSeen, bool nonZeroSeen) {
    if (decimalSeen && nonZeroSeen)
        return true;
    return nonZeroSeen && NumberAfterZero(number, position);
}

SigFigCount CalculateSigFigs(const QString& number) {
    SigFigCount result;
    bool nonZeroSeen = false;
    const int length = int(number.size());
    const int point = int(number.indexOf(u'.')) + 1; // 0: no point
    const bool decimalSeen = point > 0;
    try {
        for (int p = 1; p <= length; ++p) {
            if (p == point)
                continue;
            if (digitAt(number, p) > 0) {
                ++result.count;
                result.digits += number[p - 1];
                nonZeroSeen = true;
            } else if (CheckZero(number, p, decimalSeen, nonZeroSeen)) {
                ++result.count;
                result.digits += number[p - 1];
            }
        }
    } catch (const num::CalcError& e) {
        result.failure = e.description();
    }
    return result;
}

} // namespace math
