#include "tools/equations/equations.h"

#include <QStringList>

#include <cmath>

namespace equations {

namespace {

// Reads the equation left to right; every method returns false at the first thing that is not
// part of the notation.
class Reader {
  public:
    explicit Reader(const QString& text) : m_text(text) {}

    bool equation(Polynomial* out) {
        skipBlanks();
        bool negative = false;
        if (sign(&negative))
            skipBlanks();
        for (;;) {
            Term t;
            if (!term(&t))
                return false;
            t.negative = negative;
            out->push_back(t);
            skipBlanks();
            if (atEnd())
                return true;
            if (!sign(&negative))
                return false;
            skipBlanks();
        }
    }

  private:
    bool atEnd() const { return m_at >= m_text.size(); }
    char16_t peek() const { return atEnd() ? u'\0' : m_text[m_at].unicode(); }
    static bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

    void skipBlanks() {
        while (peek() == u' ')
            ++m_at;
    }

    bool sign(bool* negative) {
        if (peek() != u'+' && peek() != u'-')
            return false;
        *negative = peek() == u'-';
        ++m_at;
        return true;
    }

    // A whole number of one or two digits.
    bool number(int* value) {
        if (!isDigit(peek()))
            return false;
        *value = peek() - u'0';
        ++m_at;
        if (isDigit(peek())) {
            *value = 10 * *value + (peek() - u'0');
            ++m_at;
        }
        return !isDigit(peek());
    }

    bool term(Term* t) {
        const bool numbered = isDigit(peek());
        if (numbered && !number(&t->coefficient))
            return false;
        if (peek() == u'X') {
            t->hasX = true;
            ++m_at;
        } else if (!numbered) {
            return false;
        }
        if (peek() == u'^') {
            ++m_at;
            if (!number(&t->power))
                return false;
        }
        // A term ends at a blank, a sign or the end of the text.
        return atEnd() || peek() == u' ' || peek() == u'+' || peek() == u'-';
    }

    const QString& m_text;
    qsizetype m_at = 0;
};

} // namespace

std::optional<Polynomial> parse(const QString& equation) {
    Polynomial terms;
    if (!Reader(equation).equation(&terms))
        return std::nullopt;
    return terms;
}

num::Double termValue(const Term& term, std::int16_t x) {
    const num::Double base = term.hasX ? num::Double(x) : num::Double(term.coefficient);
    num::Double value = num::pow(base, num::Double(term.power));
    if (term.hasX)
        value *= num::Double(term.coefficient);
    return term.negative ? -value : value;
}

num::Single evaluate(const Polynomial& polynomial, std::int16_t x, ValueStack& stack) {
    for (const Term& t : polynomial)
        stack.Push(termValue(t, x));
    num::Single y = 0;
    for (int n = 1; n <= stack.count(); ++n)
        y += num::narrow(stack.entry(n));
    stack.EmptyStack();
    return y;
}

Tabulation tabulate(const Polynomial& polynomial, num::Single start, num::Single end) {
    if (end - start > num::Single(MaxRange))
        return {Outcome::RangeTooLarge, {}};
    if (start > end)
        return {Outcome::StartAboveEnd, {}};
    const int first = num::toInteger(start);
    const int last = num::toInteger(end);
    if (last - first + 1 > MaxPoints)
        return {Outcome::TooManyValues, {}};
    Tabulation table;
    ValueStack stack;
    for (int x = first; x <= last; ++x)
        table.points.push_back({std::int16_t(x), evaluate(polynomial, std::int16_t(x), stack)});
    return table;
}

namespace {

std::optional<size_t> rowOf(const std::vector<Point>& points, std::int16_t x) {
    for (size_t r = 0; r < points.size(); ++r)
        if (points[r].x == x)
            return r;
    return std::nullopt;
}

} // namespace

std::optional<num::Single> yAt(const std::vector<Point>& points, std::int16_t x) {
    if (const auto r = rowOf(points, x))
        return points[*r].y;
    return std::nullopt;
}

std::optional<num::Single> slopeAt(const std::vector<Point>& points, std::int16_t x) {
    const auto r = rowOf(points, x);
    if (!r || points.size() < 2)
        return std::nullopt;
    const size_t before = *r == 0 ? 0 : *r - 1;
    const size_t after = *r + 1 == points.size() ? *r : *r + 1;
    const Point& a = points[before];
    const Point& b = points[after];
    return (b.y - a.y) / (num::Single(float(b.x)) - num::Single(float(a.x)));
}

QString describe(const std::vector<Point>& points) {
    if (points.empty())
        return QStringLiteral("No points.");
    QStringList each;
    for (const Point& p : points)
        each << QStringLiteral("X %1, Y %2").arg(p.x).arg(num::plain(p.y));
    return QStringLiteral("%1 %2: %3.")
        .arg(points.size())
        .arg(points.size() == 1 ? QStringLiteral("point") : QStringLiteral("points"))
        .arg(each.join(QStringLiteral("; ")));
}

} // namespace equations
