#include "tools/statistics/statistics.h"

#include <QRegularExpression>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace statistics {

num::Single mean(num::Single sum, num::Single count) {
    return sum / count;
}

num::Double variance(std::int64_t n, num::Double sum, num::Double sumOfSquares) {
    const num::Double count(static_cast<double>(n)); // exact: a count is at most 32767
    const num::Double m = sum / count;
    const num::Double squareOfMean = m * m;
    const num::Double meanOfSquares = sumOfSquares / count;
    const num::Double difference = meanOfSquares - squareOfMean;
    // For readings that all agree the two terms are equal before rounding. Reading each sum and
    // dividing rounds each by at most half an epsilon, squaring the mean doubles that of the mean,
    // and the product rounds once more: seven half epsilons of the mean squared at most. Only a
    // difference within that bound can be rounding alone.
    const double rounding = 4.0 * DBL_EPSILON * std::fmax(meanOfSquares.value(), squareOfMean.value());
    if (std::fabs(difference.value()) <= rounding)
        return 0.0;
    return difference;
}

num::Double standardDeviation(std::int64_t n, num::Double sum, num::Double sumOfSquares) {
    return num::sqrt(variance(n, sum, sumOfSquares));
}

num::Single percentError(num::Single yours, num::Single correct) {
    return (yours - correct) / correct * 100.0f;
}

QStringList tokenise(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

Measurements readMeasurements(const QString& text) {
    Measurements m;
    for (const QString& piece : tokenise(text)) {
        if (!num::isNumeric(piece)) {
            m.notANumber = piece;
            break;
        }
        try {
            m.values.push_back(num::toDouble(piece).value());
        } catch (const num::CalcError&) {
            m.notANumber = piece;
            m.tooLarge = true;
            break;
        }
    }
    if (!m.notANumber.isEmpty())
        m.values.clear();
    return m;
}

QString refusal(const Measurements& m) {
    if (m.tooLarge)
        return QStringLiteral("\"%1\" is too large a number.").arg(m.notANumber);
    if (!m.notANumber.isEmpty())
        return QStringLiteral("\"%1\" is not a number. Separate the measurements with blanks, commas, "
                              "semicolons or new lines.")
            .arg(m.notANumber);
    if (m.values.empty())
        return QStringLiteral("Enter at least one measurement.");
    if (std::int64_t(m.values.size()) > MostMeasurements)
        return QStringLiteral("The statistics windows take at most %1 measurements; this list has %2.")
            .arg(MostMeasurements)
            .arg(m.values.size());
    return {};
}

Totals totalsOf(const std::vector<double>& values) {
    Totals t;
    for (const double v : values) {
        ++t.count;
        t.sum += v;
        t.sumOfSquares += num::Double(v) * v;
    }
    return t;
}

std::vector<double> sorted(std::vector<double> values) {
    std::ranges::sort(values);
    return values;
}

std::optional<double> median(const std::vector<double>& sortedValues) {
    const size_t n = sortedValues.size();
    if (n == 0)
        return std::nullopt;
    if (n % 2 == 1)
        return sortedValues[n / 2];
    return (sortedValues[n / 2 - 1] + sortedValues[n / 2]) / 2;
}

std::vector<double> modes(const std::vector<double>& sortedValues) {
    std::vector<std::pair<double, size_t>> runs; // each value and how often it occurs
    for (const double v : sortedValues) {
        if (runs.empty() || runs.back().first != v)
            runs.emplace_back(v, 0);
        ++runs.back().second;
    }
    size_t most = 0;
    for (const auto& run : runs)
        most = std::max(most, run.second);
    std::vector<double> found;
    for (const auto& [value, times] : runs)
        if (times == most)
            found.push_back(value);
    if (most <= 1 || (found.size() > 1 && found.size() == runs.size()))
        return {};
    return found;
}

QString typed(double v) {
    if (!num::isHuge(num::Double(v)))
        return num::plain(num::Double(v));
    return QString::number(v, 'g', 15).toUpper();
}

} // namespace statistics
