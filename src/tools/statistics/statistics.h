#pragma once
// Summary statistics of a set of measurements, worked from the totals a student adds up by hand:
// the count n, the sum of the measurements and the sum of their squares. Population formulas
// (dividing by n).
//
// Everything here is exact. A typed number is the decimal it spells (0.1 is one tenth, not the
// binary fraction nearest to it), the arithmetic on counts and totals is rational, and a result is
// rounded once, at the end, to the digits the result rule shows (halves away from zero); a square
// root is rounded correctly for those digits. So measurements that all agree have no spread at all,
// because their totals say so, and a real spread is kept however large the mean. The arithmetic is
// Boost.Multiprecision's, in statistics.cpp alone.
//
// Every function fails with num::CalcError where the arithmetic does: a division by zero, the
// square root of a negative number, text that is not a number, and a result beyond the range of
// the windows' numbers (single precision), which is too large.

#include "core/numbers.h"

#include <QLocale>
#include <QString>

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace statistics {

// A decimal number exactly as written: (-1)^negative × digits × 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits; // significant digits, without leading or trailing zeros; empty for 0
    std::int64_t exponent = 0;

    bool isZero() const { return digits.empty(); }
    // The power of ten of the first digit: 2 for 123, -2 for 0.0123.
    std::int64_t leadingExponent() const { return exponent + std::int64_t(digits.size()) - 1; }
};
// By value: -1 < 0 < 0.5 < 2E3; 1.50 and 1.5 are equal.
std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
bool operator==(const Decimal& a, const Decimal& b);

// The number a typed text spells, in the program's typed form ("." the decimal point, E the
// exponent, blanks around it ignored); nothing when it is not one. A number below 1E-4000 is read
// as 0 (no reading of the windows' precision sees it).
std::optional<Decimal> typedDecimal(QStringView text);

// The decimal written plainly, as the student would type it, with every digit: 2, 0.5, -7,
// 1000000.01, 100000000000000000000, 1.5E+21, 1.234E-05 (exponent notation below 1E-4, and from
// 1E21 on for a whole number that ends in zeros). The decimal point is the one given.
QString written(const Decimal& d, const QString& point = QStringLiteral("."));

// A count typed into a count box: the whole number nearest to it, halves to even (2.5 is 2, 3.5 is
// 4, 2.50001 is 3); outside -32768..32767 it is too large.
std::int16_t wholeCount(const QString& typed);

// The results, written by the result rule (three decimals in the regional format, never -0.000;
// 1E15 and more either side of zero in the scientific result form, 1.680E+20).
//
// The mean: sum / count.
QString mean(const QString& sum, const QString& count, const QLocale& locale = QLocale());
// The variance: sum of squares / n - mean^2. Totals that no data can give (the sum of squares too
// small for the sum) give a negative variance.
QString variance(std::int64_t n, const QString& sum, const QString& sumOfSquares,
                 const QLocale& locale = QLocale());
// The standard deviation: the square root of the variance (a negative variance fails).
QString standardDeviation(std::int64_t n, const QString& sum, const QString& sumOfSquares,
                          const QLocale& locale = QLocale());
// The percent of error of a measured value against the correct one, signed: below the correct
// value is negative.
QString percentError(const QString& yours, const QString& correct, const QLocale& locale = QLocale());

// The mean sum / n as a worked formula writes it (written above): exactly where it ends within
// thirty significant digits, else rounded to fifteen.
QString writtenMean(std::int64_t n, const QString& sum);

// A list of measurements as a student types or pastes it, in the regional number format: blanks,
// semicolons and line breaks separate the measurements, and so do commas where the region's
// decimal separator is not the comma. A number is written as the result rows write it (1,5 with a
// decimal comma; grouping, as in 1,234,567.875, only in a number with decimals, so that "10,20,30"
// stays three measurements) or in the typed form every box of the program takes (1.5, 2E3).
struct Piece {
    qsizetype start = 0;
    qsizetype length = 0;
};
// The longest measurement the list reads: a longer piece is refused as soon as it is met.
inline constexpr qsizetype LongestMeasurement = 40;

struct Measurements {
    enum class Fault { None, NotANumber, TooLong, TooLarge, TooSmall };
    std::vector<Decimal> values; // in the order typed; none when a piece is refused
    std::vector<Piece> pieces;   // where each value stands in the text
    Fault fault = Fault::None;   // the first piece refused, and why; reading stops there
    Piece faulty;
};
Measurements readMeasurements(QStringView text, const QLocale& locale = QLocale());

// The piece quoted in a message: shortened with "…" beyond twenty characters, and every control
// or invisible formatting character shown visibly (␁, <U+200B>).
QString quoted(QStringView piece);

// Why a list cannot fill in the totals (a piece refused, no measurement at all, more than a count
// box takes), as the message that says so; empty when it can.
QString refusal(const Measurements& m, QStringView text, const QLocale& locale = QLocale());
// What separates the measurements in the region: "blanks, commas, semicolons or new lines", without
// the commas where the comma is the decimal separator.
QString separators(const QLocale& locale = QLocale());

// The most measurements a count box takes: the windows read the count as a 16-bit integer.
inline constexpr std::int64_t MostMeasurements = 32767;

// The totals a list gives the window that computes from them, each written exactly, with every
// digit (written above). A total beyond the range of that window's numbers is refused, naming the
// measurement from which on it is: refusal says why and faulty is where, and nothing else is set.
struct Totals {
    std::int64_t count = 0;
    QString sum;
    QString sumOfSquares; // only when asked for
    QString refusal;
    Piece faulty;
};
Totals totalsOf(const Measurements& m, QStringView text, bool withSquares);

// The values in ascending order.
std::vector<Decimal> sorted(std::vector<Decimal> values);
// The middle value of sorted values, or the mean of the two middle ones (exact: 1E308 and 1E308
// have the median 1E308); nothing for no values.
std::optional<Decimal> median(const std::vector<Decimal>& sortedValues);
// The values that occur most often, in ascending order. None ("no mode") when every value occurs
// just once, or when several values all occur equally often.
std::vector<Decimal> modes(const std::vector<Decimal>& sortedValues);

} // namespace statistics
