#include "tools/statistics/statistics.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace statistics {

namespace {

namespace mp = boost::multiprecision;
using Int = mp::cpp_int;
using Ratio = mp::cpp_rational;
using num::CalcError;

// ---- Decimals -------------------------------------------------------------------------------

// Below this power of ten a typed number is read as 0 (see typedDecimal).
constexpr std::int64_t SmallestExponent = -4000;

// The decimal of the digits before and after the point and the exponent, without leading or
// trailing zeros.
Decimal normalised(bool negative, std::string digits, std::int64_t exponent) {
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {};
    const auto last = digits.find_last_not_of('0');
    exponent += std::int64_t(digits.size() - 1 - last);
    digits = digits.substr(first, last - first + 1);
    return {negative, std::move(digits), exponent};
}

// Reads [sign] digits [point digits] [E [sign] digits] from s, the point being `point` and the
// digits before it grouped by `group` when grouping is asked for (1 to 3 digits, then groups of
// three). The whole of s must be the number. Nothing when it is not one.
std::optional<Decimal> readNumber(QStringView s, QStringView point, QStringView group, bool grouped,
                                  QStringView minus, QStringView plus) {
    qsizetype i = 0;
    const qsizetype n = s.size();
    const auto at = [&](QStringView what) { return !what.isEmpty() && s.mid(i).startsWith(what); };
    const auto digit = [&](qsizetype k) { return k < n && s[k] >= u'0' && s[k] <= u'9'; };
    bool negative = false;
    if (i < n && s[i] == u'-') {
        negative = true;
        ++i;
    } else if (at(minus)) {
        negative = true;
        i += minus.size();
    } else if (i < n && s[i] == u'+') {
        ++i;
    } else if (at(plus)) {
        i += plus.size();
    }
    std::string digits;
    qsizetype run = 0; // digits since the start or the last group separator
    bool groups = false;
    while (true) {
        if (digit(i)) {
            digits += char(s[i].unicode());
            ++run;
            ++i;
        } else if (grouped && at(group) && run > 0 && (groups ? run == 3 : run <= 3)) {
            groups = true;
            run = 0;
            i += group.size();
        } else {
            break;
        }
    }
    if (groups && run != 3)
        return std::nullopt;
    std::int64_t exponent = 0;
    bool hasPoint = false;
    if (at(point)) {
        hasPoint = true;
        i += point.size();
        while (digit(i)) {
            digits += char(s[i].unicode());
            --exponent;
            ++i;
        }
    }
    if (digits.empty() || (groups && !hasPoint))
        return std::nullopt;
    if (i < n && (s[i] == u'E' || s[i] == u'e')) {
        ++i;
        bool down = false;
        if (i < n && (s[i] == u'+' || s[i] == u'-')) {
            down = s[i] == u'-';
            ++i;
        }
        if (!digit(i))
            return std::nullopt;
        std::int64_t e = 0;
        while (digit(i)) {
            e = std::min<std::int64_t>(e * 10 + (s[i].unicode() - u'0'), 1'000'000'000'000);
            ++i;
        }
        exponent += down ? -e : e;
    }
    if (i != n)
        return std::nullopt;
    return normalised(negative, std::move(digits), exponent);
}

// ---- Exact arithmetic ---------------------------------------------------------------------------

Int powerOfTen(std::int64_t n) {
    static std::vector<Int> known{Int(1)};
    if (n < std::int64_t(known.size()))
        return known[size_t(n)];
    if (n > 2000)
        return mp::pow(Int(10), unsigned(n));
    while (std::int64_t(known.size()) <= n)
        known.push_back(known.back() * 10);
    return known[size_t(n)];
}

Int digitsOf(const Decimal& d) {
    Int m = d.digits.empty() ? Int(0) : Int(d.digits.c_str());
    return d.negative ? Int(-m) : m;
}

Ratio ratio(const Decimal& d) {
    if (d.isZero())
        return Ratio(0);
    if (d.exponent >= 0)
        return Ratio(digitsOf(d) * powerOfTen(d.exponent));
    return Ratio(digitsOf(d), powerOfTen(-d.exponent));
}

// The exact value of a box's text (the window has read it as a number already).
Ratio typedValue(const QString& text) {
    const std::optional<Decimal> d = typedDecimal(text);
    if (!d)
        throw CalcError(num::TypeMismatch, text);
    if (d->leadingExponent() > 400) // far beyond any range the windows read
        throw CalcError(num::Overflow, text);
    return ratio(*d);
}

// The largest number the windows hold: the largest single-precision number, a whole number.
const Ratio& largest() {
    static const Ratio v(Int(double(FLT_MAX)));
    return v;
}

// A result is held as the windows hold their numbers: beyond that range it is too large.
const Ratio& inRange(const Ratio& v) {
    if (mp::abs(v) > largest())
        throw CalcError(num::Overflow);
    return v;
}

Ratio divided(const Ratio& a, const Ratio& b) {
    if (b == 0)
        throw CalcError(num::DivisionByZero);
    return a / b;
}

// ---- Rounding, once ---------------------------------------------------------------------------

// round(x × 10^k) of x = |v|, or of x = √v when root is set (v ≥ 0), halves away from zero.
Int scaledAndRounded(const Ratio& v, std::int64_t k, bool root) {
    Ratio x = mp::abs(v);
    const std::int64_t power = root ? 2 * k : k;
    if (power >= 0)
        x *= Ratio(powerOfTen(power));
    else
        x /= Ratio(powerOfTen(-power));
    const Int top = mp::numerator(x), bottom = mp::denominator(x);
    if (!root)
        return (2 * top + bottom) / (2 * bottom); // floor(x + 1/2)
    // floor(√x + 1/2): r = floor(√x) goes up when x ≥ (r + 1/2)², that is 4·top ≥ (2r + 1)²·bottom.
    const Int r = mp::sqrt(Int(top / bottom));
    const Int twice = 2 * r + 1;
    return 4 * top >= twice * twice * bottom ? Int(r + 1) : r;
}

// The digits of a whole number in the region's digits.
QString localDigits(const std::string& ascii, const QLocale& locale) {
    const QString zero = locale.zeroDigit();
    if (zero == QLatin1String("0"))
        return QString::fromLatin1(ascii);
    const char32_t base = zero.toUcs4().value(0, U'0');
    QString s;
    for (const char c : ascii)
        s += QString::fromUcs4(std::u32string(1, base + char32_t(c - '0')).data(), 1);
    return s;
}

// The result rule on an exact value (or on the square root of one): three decimals, rounded once,
// with the region's separators and grouping, never "-0.000"; from 1E15 on, either side of zero,
// the scientific result form with four significant digits (1.680E+20, 1,680E+20 in German).
QString resultOf(const Ratio& v, bool root, const QLocale& locale) {
    const bool negative = v < 0 && !root;
    const Int thousandths = scaledAndRounded(v, 3, root);
    if (thousandths < powerOfTen(18)) {
        QLocale l = locale;
        l.setNumberOptions(l.numberOptions() & ~QLocale::OmitGroupSeparator);
        const auto whole = Int(thousandths / 1000).convert_to<qlonglong>();
        const std::string decimals =
            std::to_string(Int(thousandths % 1000).convert_to<int>() + 1000).substr(1);
        QString s = l.toString(whole) + l.decimalPoint() + localDigits(decimals, l);
        return negative && thousandths != 0 ? l.negativeSign() + s : s;
    }
    // The power of ten of the first digit, from the digits of the rounded thousandths; a mantissa
    // that the rounding carries to 10.000 moves one place up.
    std::int64_t e = std::int64_t(thousandths.str().size()) - 4;
    Int mantissa = scaledAndRounded(v, 3 - e, root);
    if (mantissa >= 10000) {
        ++e;
        mantissa = scaledAndRounded(v, 3 - e, root);
    }
    const std::string m = mantissa.str();
    const std::string exponent = (e < 10 ? "0" : "") + std::to_string(e);
    QString s = localDigits(m.substr(0, 1), locale) + locale.decimalPoint() +
                localDigits(m.substr(1), locale) + QLatin1String("E") + locale.positiveSign() +
                localDigits(exponent, locale);
    return negative ? locale.negativeSign() + s : s;
}

// The decimal of a value that ends within `exact` significant digits, else of the value rounded to
// `rounded` significant digits (halves away from zero).
Decimal decimalOf(const Ratio& v, int exact, int rounded) {
    if (v == 0)
        return {};
    const bool negative = v < 0;
    const Ratio x = mp::abs(v);
    // The power of ten of the first digit, from the lengths of numerator and denominator, then
    // set right.
    std::int64_t e =
        std::int64_t(mp::numerator(x).str().size()) - std::int64_t(mp::denominator(x).str().size());
    const auto scaled = [&](std::int64_t power) {
        return power >= 0 ? x * Ratio(powerOfTen(power)) : x / Ratio(powerOfTen(-power));
    };
    while (scaled(-e) >= 10)
        ++e;
    while (scaled(-e) < 1)
        --e;
    const Ratio top = scaled(exact - 1 - e);
    if (mp::denominator(top) == 1)
        return normalised(negative, mp::numerator(top).str(), e - (exact - 1));
    const Int r = scaledAndRounded(x, rounded - 1 - e, false);
    return normalised(negative, r.str(), e - (rounded - 1));
}

Decimal decimalOfScaled(const Int& scaled, std::int64_t exponent) {
    const std::string s = scaled.str();
    const bool negative = !s.empty() && s[0] == '-';
    return normalised(negative, negative ? s.substr(1) : s, exponent);
}

// The exact value of the measurements' pieces, aligned on the smallest power of ten among them.
struct Aligned {
    std::vector<Int> values;
    std::int64_t exponent = 0;
};
Aligned aligned(const std::vector<Decimal>& values) {
    Aligned a;
    for (const Decimal& d : values)
        if (!d.isZero())
            a.exponent = std::min(a.exponent, d.exponent);
    a.values.reserve(values.size());
    for (const Decimal& d : values)
        a.values.push_back(d.isZero() ? Int(0) : digitsOf(d) * powerOfTen(d.exponent - a.exponent));
    return a;
}

} // namespace

// ---- Decimals -------------------------------------------------------------------------------

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    const auto sign = [](const Decimal& d) { return d.isZero() ? 0 : d.negative ? -1 : 1; };
    if (sign(a) != sign(b))
        return sign(a) <=> sign(b);
    if (sign(a) == 0)
        return std::strong_ordering::equal;
    // Same sign: compare the magnitudes, then turn round for negatives.
    std::strong_ordering magnitude = a.leadingExponent() <=> b.leadingExponent();
    if (magnitude == 0) {
        const int c = a.digits.compare(b.digits);
        magnitude = c <=> 0;
    }
    if (a.negative)
        return 0 <=> magnitude;
    return magnitude;
}

bool operator==(const Decimal& a, const Decimal& b) {
    return (a <=> b) == 0;
}

std::optional<Decimal> typedDecimal(QStringView text) {
    std::optional<Decimal> d = readNumber(text.trimmed(), u".", {}, false, {}, {});
    if (d && !d->isZero() && d->leadingExponent() < SmallestExponent)
        return Decimal{};
    return d;
}

QString written(const Decimal& d, const QString& point) {
    if (d.isZero())
        return QStringLiteral("0");
    const auto k = std::int64_t(d.digits.size());
    const std::int64_t lead = d.leadingExponent();
    QString s = d.negative ? QStringLiteral("-") : QString();
    const QString digits = QString::fromLatin1(d.digits);
    if (lead < -4 || (lead > 20 && d.exponent > 0)) {
        s += digits.left(1);
        if (k > 1)
            s += point + digits.mid(1);
        const std::int64_t e = std::abs(lead);
        return s + (lead < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) +
               (e < 10 ? QStringLiteral("0") : QString()) + QString::number(e);
    }
    if (lead < 0)
        return s + QStringLiteral("0") + point + QString(qsizetype(-lead) - 1, u'0') + digits;
    if (d.exponent >= 0)
        return s + digits + QString(qsizetype(d.exponent), u'0');
    const auto whole = qsizetype(lead) + 1; // digits before the point
    return s + digits.left(whole) + point + digits.mid(whole);
}

std::int16_t wholeCount(const QString& typed) {
    const Ratio v = typedValue(typed);
    // The nearest whole number, halves to even.
    const Int top = mp::numerator(v), bottom = mp::denominator(v);
    Int down = top / bottom;
    if (top < 0 && down * bottom != top)
        --down; // the floor, below a negative fraction
    const Ratio rest = v - Ratio(down);
    Int nearest = down;
    if (rest > Ratio(1, 2) || (rest == Ratio(1, 2) && down % 2 != 0))
        nearest = down + 1;
    if (nearest < -32768 || nearest > 32767)
        throw CalcError(num::Overflow, typed);
    return static_cast<std::int16_t>(nearest.convert_to<int>());
}

QString mean(const QString& sum, const QString& count, const QLocale& locale) {
    return resultOf(inRange(divided(typedValue(sum), typedValue(count))), false, locale);
}

namespace {
Ratio varianceOf(std::int64_t n, const QString& sum, const QString& sumOfSquares) {
    const Ratio count(n);
    const Ratio m = divided(typedValue(sum), count);
    return divided(typedValue(sumOfSquares), count) - m * m;
}
} // namespace

QString variance(std::int64_t n, const QString& sum, const QString& sumOfSquares, const QLocale& locale) {
    return resultOf(inRange(varianceOf(n, sum, sumOfSquares)), false, locale);
}

QString standardDeviation(std::int64_t n, const QString& sum, const QString& sumOfSquares,
                          const QLocale& locale) {
    const Ratio v = inRange(varianceOf(n, sum, sumOfSquares));
    if (v < 0)
        throw CalcError(num::Failure::NegativeRoot);
    return resultOf(v, true, locale);
}

QString percentError(const QString& yours, const QString& correct, const QLocale& locale) {
    const Ratio accepted = typedValue(correct);
    return resultOf(inRange(divided(typedValue(yours) - accepted, accepted) * 100), false, locale);
}

QString writtenMean(std::int64_t n, const QString& sum) {
    return written(decimalOf(divided(typedValue(sum), Ratio(n)), 30, 15));
}

// ---- Lists of measurements ----------------------------------------------------------------------

namespace {

// strtod in the C locale: whether a piece lies within the double range (it is no measurement
// beyond it: too large, or too small to tell from 0).
enum class Range { Within, TooLarge, TooSmall };
Range rangeOf(const Decimal& d) {
    if (d.isZero())
        return Range::Within;
    if (d.leadingExponent() > 400)
        return Range::TooLarge;
    if (d.leadingExponent() < -400)
        return Range::TooSmall;
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const std::string text = d.digits + "E" + std::to_string(d.exponent);
    const double v = strtod_l(text.c_str(), nullptr, c);
    if (std::isinf(v))
        return Range::TooLarge;
    return v == 0 ? Range::TooSmall : Range::Within;
}

bool isBlank(QChar c, QStringView group) {
    // A region that groups digits with a no-break space keeps it inside its numbers.
    if (c.isSpace() && !(group.size() == 1 && group[0] == c && c != u' '))
        return true;
    return c == u';';
}

} // namespace

Measurements readMeasurements(QStringView text, const QLocale& locale) {
    Measurements m;
    const QString point = locale.decimalPoint(), group = locale.groupSeparator();
    const QString minus = locale.negativeSign(), plus = locale.positiveSign();
    const bool commasSeparate = point != QLatin1String(",");
    const auto fail = [&](Measurements::Fault why, qsizetype start, qsizetype length) {
        m.fault = why;
        m.faulty = {start, length};
        m.values.clear();
        m.pieces.clear();
    };
    // One measurement: in the result rows' form (grouped only with decimals), else in the typed
    // form. Returns false when the piece is refused.
    const auto take = [&](qsizetype start, qsizetype length) {
        if (length > LongestMeasurement) {
            fail(Measurements::Fault::TooLong, start, length);
            return false;
        }
        const QStringView piece = text.mid(start, length);
        std::optional<Decimal> d = readNumber(piece, point, group, true, minus, plus);
        if (!d)
            d = readNumber(piece, u".", {}, false, minus, plus);
        if (!d) {
            fail(Measurements::Fault::NotANumber, start, length);
            return false;
        }
        if (const Range r = rangeOf(*d); r != Range::Within) {
            fail(r == Range::TooLarge ? Measurements::Fault::TooLarge : Measurements::Fault::TooSmall, start,
                 length);
            return false;
        }
        m.values.push_back(std::move(*d));
        m.pieces.push_back({start, length});
        return true;
    };
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (isBlank(text[i], group)) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < n && !isBlank(text[end], group))
            ++end;
        const QStringView piece = text.mid(i, end - i);
        // Where commas separate, a piece with commas is one number only in the result rows' form
        // (which is never longer than a measurement can be).
        if (commasSeparate && piece.contains(u',') &&
            !(piece.size() <= LongestMeasurement && readNumber(piece, point, group, true, minus, plus))) {
            qsizetype from = i;
            for (qsizetype k = i; k <= end; ++k)
                if (k == end || text[k] == u',') {
                    if (k > from && !take(from, k - from))
                        return m;
                    from = k + 1;
                }
        } else if (!take(i, end - i)) {
            return m;
        }
        i = end;
    }
    return m;
}

QString quoted(QStringView piece) {
    constexpr qsizetype shown = 20;
    const bool shortened = piece.size() > shown + 1;
    QString s;
    for (const char32_t c : piece.left(shortened ? shown : piece.size()).toUcs4()) {
        if (c < 0x20)
            s += QChar(char16_t(0x2400 + c)); // the control pictures: ␀ to ␟
        else if (c == 0x7F)
            s += QChar(char16_t(0x2421)); // ␡
        else if (QChar::category(c) == QChar::Other_Control || QChar::category(c) == QChar::Other_Format ||
                 QChar::category(c) == QChar::Other_Surrogate ||
                 QChar::category(c) == QChar::Other_NotAssigned)
            s += QStringLiteral("<U+%1>").arg(QString::number(uint(c), 16).toUpper().rightJustified(4, u'0'));
        else
            s += QString::fromUcs4(&c, 1);
    }
    return shortened ? s + QChar(u'…') : s;
}

QString separators(const QLocale& locale) {
    return locale.decimalPoint() == QLatin1String(",")
               ? QStringLiteral("blanks, semicolons or new lines")
               : QStringLiteral("blanks, commas, semicolons or new lines");
}

QString refusal(const Measurements& m, QStringView text, const QLocale& locale) {
    const QString piece = quoted(text.mid(m.faulty.start, m.faulty.length));
    switch (m.fault) {
    case Measurements::Fault::TooLong:
        return QStringLiteral("\"%1\" is too long for a measurement: it has %2 characters, and a measurement "
                              "has at most %3.")
            .arg(piece)
            .arg(m.faulty.length)
            .arg(LongestMeasurement);
    case Measurements::Fault::TooLarge:
        return QStringLiteral("\"%1\" is too large a number.").arg(piece);
    case Measurements::Fault::TooSmall:
        return QStringLiteral("\"%1\" is too small a number to tell from 0.").arg(piece);
    case Measurements::Fault::NotANumber:
        return QStringLiteral("\"%1\" is not a number. Separate the measurements with %2.")
            .arg(piece, separators(locale));
    case Measurements::Fault::None:
        break;
    }
    if (m.values.empty())
        return QStringLiteral("Enter at least one measurement.");
    if (std::int64_t(m.values.size()) > MostMeasurements)
        return QStringLiteral("The statistics windows take at most %1 measurements; this list has %2.")
            .arg(MostMeasurements)
            .arg(m.values.size());
    return {};
}

Totals totalsOf(const Measurements& m, QStringView text, bool withSquares) {
    Totals t;
    const Aligned a = aligned(m.values);
    // The largest total the window takes, in the units of the aligned values and of their squares.
    const Int limit = Int(double(FLT_MAX));
    const Int largestSum = a.exponent < 0 ? Int(limit * powerOfTen(-a.exponent)) : limit;
    const Int largestSquares = a.exponent < 0 ? Int(limit * powerOfTen(-2 * a.exponent)) : limit;
    Int sum = 0, squares = 0;
    std::optional<size_t> sumBeyondFrom;     // the measurement from which on the sum stays too large
    std::optional<size_t> squaresBeyondFrom; // the one that takes the sum of squares too far
    for (size_t k = 0; k < a.values.size(); ++k) {
        sum += a.values[k];
        if (mp::abs(sum) <= largestSum)
            sumBeyondFrom.reset();
        else if (!sumBeyondFrom)
            sumBeyondFrom = k;
        if (withSquares && !squaresBeyondFrom) {
            squares += a.values[k] * a.values[k];
            if (squares > largestSquares)
                squaresBeyondFrom = k;
        }
    }
    // The window reads the sum before the sum of squares.
    const auto refuse = [&](const QString& what, size_t k) {
        t.faulty = m.pieces[k];
        t.refusal = QStringLiteral("%1 is too large from \"%2\" on: a total can be at most %3.")
                        .arg(what, quoted(text.mid(t.faulty.start, t.faulty.length)),
                             num::plain(num::Single(FLT_MAX)));
        return t;
    };
    if (sumBeyondFrom)
        return refuse(QStringLiteral("The sum"), *sumBeyondFrom);
    if (squaresBeyondFrom)
        return refuse(QStringLiteral("The sum of the squares"), *squaresBeyondFrom);
    t.count = std::int64_t(m.values.size());
    t.sum = written(decimalOfScaled(sum, a.exponent));
    if (withSquares)
        t.sumOfSquares = written(decimalOfScaled(squares, 2 * a.exponent));
    return t;
}

std::vector<Decimal> sorted(std::vector<Decimal> values) {
    std::ranges::sort(values);
    return values;
}

std::optional<Decimal> median(const std::vector<Decimal>& sortedValues) {
    const size_t n = sortedValues.size();
    if (n == 0)
        return std::nullopt;
    if (n % 2 == 1)
        return sortedValues[n / 2];
    // Half the sum of the two middle values: five times it, a place further right.
    const Aligned a = aligned({sortedValues[n / 2 - 1], sortedValues[n / 2]});
    return decimalOfScaled(Int((a.values[0] + a.values[1]) * 5), a.exponent - 1);
}

std::vector<Decimal> modes(const std::vector<Decimal>& sortedValues) {
    std::vector<std::pair<const Decimal*, size_t>> runs; // each value and how often it occurs
    for (const Decimal& v : sortedValues) {
        if (runs.empty() || !(*runs.back().first == v))
            runs.emplace_back(&v, 0);
        ++runs.back().second;
    }
    size_t most = 0;
    for (const auto& run : runs)
        most = std::max(most, run.second);
    std::vector<Decimal> found;
    for (const auto& [value, times] : runs)
        if (times == most)
            found.push_back(*value);
    if (most <= 1 || (found.size() > 1 && found.size() == runs.size()))
        return {};
    return found;
}

} // namespace statistics
