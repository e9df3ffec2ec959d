#pragma once
// Summary statistics of a set of measurements, worked from the totals a student adds up by hand:
// the count n, the sum of the measurements and the sum of their squares. Population formulas
// (dividing by n). Every function fails with num::CalcError where the arithmetic does.

#include "core/numbers.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace statistics {

// The mean: sum / count, in single precision.
num::Single mean(num::Single sum, num::Single count);

// The variance: sum of squares / n - mean^2, in double precision from the two sums as typed (read
// as doubles, not through single precision). Reading the decimal sums and dividing can still move
// it a hair off zero for data with no spread (three values of 0.1 fall a hair below): a difference
// within that double rounding, a few parts in 10^16 of the mean squared, is zero. Any larger one
// is a real spread and is kept, however small beside the mean (1000 and 1001 have 0.25). Totals
// that no data can give (the sum of squares too small for the sum) stay negative.
num::Double variance(std::int64_t n, num::Double sum, num::Double sumOfSquares);

// The standard deviation: the square root of the variance (a negative variance fails).
num::Double standardDeviation(std::int64_t n, num::Double sum, num::Double sumOfSquares);

// The percent of error of a measured value against the correct one, signed: below the correct
// value is negative.
num::Single percentError(num::Single yours, num::Single correct);

// A list of measurements as a student types or pastes it: numbers separated by blanks, commas,
// semicolons or line breaks, each read as a typed number is ("." the decimal point, E the
// exponent).
QStringList tokenise(const QString& text);

struct Measurements {
    std::vector<double> values; // in the order typed
    QString notANumber;         // the first piece that is not a number; empty when every one is
    bool tooLarge = false;      // that piece is a number beyond the double range
};
Measurements readMeasurements(const QString& text);
// Why a list cannot fill in the totals (a piece that is not a number, no measurement at all, more
// than a count box takes), as the message that says so; empty when it can.
QString refusal(const Measurements& m);

// The three totals the standard deviation and variation work from: how many measurements, their
// sum and the sum of their squares, in double precision.
struct Totals {
    std::int64_t count = 0;
    num::Double sum;
    num::Double sumOfSquares;
};
// The totals of a list of measurements (a sum beyond the double range fails with "Overflow").
Totals totalsOf(const std::vector<double>& values);

// The most measurements a count box takes: the windows read the count as a 16-bit integer.
inline constexpr std::int64_t MostMeasurements = 32767;

std::vector<double> sorted(std::vector<double> values);
// The middle value of sorted values, or the mean of the two middle ones; nothing for no values.
std::optional<double> median(const std::vector<double>& sortedValues);
// The values that occur most often, in ascending order. None ("no mode") when every value occurs
// just once, or when several values all occur equally often.
std::vector<double> modes(const std::vector<double>& sortedValues);

// A total written as a student would type it, with the digits that reading it back keeps: up to
// fifteen significant digits, "." as the decimal point, E for an exponent.
QString typed(double v);

} // namespace statistics
