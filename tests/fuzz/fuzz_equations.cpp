// libFuzzer target for the equation evaluator: random text is read as an equation and random
// ranges are tabulated. Besides not crashing under AddressSanitizer and UndefinedBehaviorSanitizer,
// every input must keep the evaluator's promises; a broken promise aborts with a line saying which.
//
// Input: the first two bytes choose the range (small whole numbers around zero, or, when the third
// byte is odd, the raw bits of two singles that follow), the rest is the equation as Latin-1 text.

#include "tools/equations/equations.h"

#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace equations;

namespace {

[[noreturn]] void broken(const char* rule, const QString& detail) {
    std::fprintf(stderr, "fuzz_equations: %s: %s\n", rule, qPrintable(detail));
    std::abort();
}

void require(bool holds, const char* rule, const QString& detail) {
    if (!holds)
        broken(rule, detail);
}

// The notation written as a pattern, independently of the reader: terms joined by one sign each,
// blanks around the signs, an optional sign first.
bool isNotation(const QString& text) {
    static const QString term =
        QStringLiteral("(?:[0-9]{1,2}(?:\\^[0-9]{1,2})?|[0-9]{0,2}X(?:\\^[0-9]{1,2})?)");
    static const QRegularExpression re(QStringLiteral("\\A *[+-]? *%1(?: *[+-] *%1)* *\\z").arg(term));
    return re.match(text).hasMatch();
}

// The terms written back in the notation.
QString written(const Polynomial& p) {
    QString out;
    for (const Term& t : p) {
        out += t.negative ? QStringLiteral(" - ") : QStringLiteral(" + ");
        out += QString::number(t.coefficient);
        if (t.hasX)
            out += u'X';
        out += QStringLiteral("^%1").arg(t.power);
    }
    return out;
}

float bitsToSingle(const std::uint8_t* data) {
    float f;
    std::memcpy(&f, data, sizeof f);
    return f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    float start = float(std::int8_t(data[0]));
    float end = float(std::int8_t(data[1]));
    std::size_t at = 3;
    if ((data[2] & 1) && size >= 11) {
        start = bitsToSingle(data + 3);
        end = bitsToSingle(data + 7);
        at = 11;
    }
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data + at), qsizetype(size - at));

    const std::optional<Polynomial> p = parse(text);
    require(p.has_value() == isNotation(text), "accepted exactly the notation", text);
    if (!p)
        return 0;
    require(!p->empty(), "at least one term", text);
    for (const Term& t : *p)
        require(t.coefficient >= 0 && t.coefficient <= 99 && t.power >= 0 && t.power <= 99,
                "numbers of two digits", text);
    require(parse(written(*p)) == p, "the terms read back the same", written(*p));

    Tabulation table;
    try {
        table = tabulate(*p, num::Single(start), num::Single(end));
    } catch (const num::CalcError&) {
        return 0; // an overflow, or a range that is no number: reported, nothing tabulated
    }
    const auto& points = table.points;
    require(table.outcome == Outcome::Written || points.empty(), "nothing written when refused", text);
    require(points.size() <= std::size_t(MaxPoints), "at most 100 points", text);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& pt = points[i];
        require(std::isfinite(pt.y.value()), "finite Y", text);
        require(i == 0 || pt.x == points[i - 1].x + 1, "whole X in steps of 1", text);
        require(yAt(points, pt.x) == pt.y, "Y read back", text);
        try {
            const std::optional<num::Single> slope = slopeAt(points, pt.x);
            require(slope.has_value() == (points.size() > 1), "a slope wherever there are two points", text);
            require(!slope || std::isfinite(slope->value()), "finite slope", text);
        } catch (const num::CalcError&) {
            // The difference of two Y values beyond single precision.
        }
    }
    if (!points.empty()) {
        require(!yAt(points, std::int16_t(points.front().x - 1)) || points.front().x == -32768,
                "nothing before the first X", text);
        require(!slopeAt(points, std::int16_t(points.back().x + 1)) || points.back().x == 32767,
                "nothing after the last X", text);
    }
    return 0;
}
