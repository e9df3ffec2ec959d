#pragma once
// The equation evaluator: a polynomial in X written in the window's notation ("3X^3 + 2X^2 + 3X - 2")
// is read into its terms, evaluated for every whole X of a range into a table of at most 100
// points, and the table is read back as Y at one X and as the slope of the graph there.
//
// The notation: terms joined by "+" or "-", blanks around the signs optional. A term is a whole
// number of one or two digits, or X with a coefficient of one or two digits in front of it or none,
// and either may be raised to a power with "^" and an exponent of one or two digits (X^2, 4X^3,
// 2^5). One "-" (or "+") may stand before the first term. A minus sign applies to the term it
// precedes and to nothing else. Anything else (a decimal point, a number of three or more digits,
// "^" without an exponent, two signs in a row, a sign with no term after it, a small x, any other
// character) is not a correctly written equation.
//
// Arithmetic: each term is worked out in double precision, and Y is the sum of the terms in order
// with every partial sum rounded to single precision. A value beyond single precision fails with
// num::CalcError (too large), as does an X outside the 16-bit range.

#include "core/numbers.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace equations {

// One term: sign × coefficient × X^power, or sign × number^power for a term without X.
struct Term {
    int coefficient = 1; // 0..99: the number, or the number in front of X (1 when none is written)
    bool hasX = false;
    int power = 1; // 0..99
    bool negative = false;
    friend bool operator==(const Term&, const Term&) = default;
};

using Polynomial = std::vector<Term>;

// The terms of a correctly written equation, in order; nothing for any other text.
std::optional<Polynomial> parse(const QString& equation);

// The value stack the terms of one X are worked out on: each term's value is pushed, and Y is the
// sum of the entries from the bottom up.
class ValueStack {
  public:
    void Push(num::Double value) { m_values.push_back(value); }
    void EmptyStack() { m_values.clear(); }
    int count() const { return int(m_values.size()); }
    num::Double entry(int n) const { return m_values[size_t(n - 1)]; } // n from 1, the bottom

  private:
    std::vector<num::Double> m_values;
};

// The value of one term at x (double precision; fails on overflow).
num::Double termValue(const Term& term, std::int16_t x);
// Y at x: the terms pushed on the stack, summed in single precision, the stack emptied again.
num::Single evaluate(const Polynomial& polynomial, std::int16_t x, ValueStack& stack);

struct Point {
    std::int16_t x = 0;
    num::Single y;
    friend bool operator==(const Point&, const Point&) = default;
};

// The table keeps at most this many points, and a range may be at most this wide.
inline constexpr int MaxPoints = 100;
inline constexpr float MaxRange = 100.0f;

enum class Outcome {
    Written,       // the points of every whole X from the rounded start to the rounded end
    RangeTooLarge, // end - start above 100
    StartAboveEnd, // a range that runs backwards
    TooManyValues, // the rounded range holds more than 100 whole numbers
};

struct Tabulation {
    Outcome outcome = Outcome::Written;
    std::vector<Point> points; // empty unless written
};

// Every whole X from round(start) to round(end), after the range checks. Fails (num::CalcError)
// on overflow, in which case nothing is tabulated.
Tabulation tabulate(const Polynomial& polynomial, num::Single start, num::Single end);

// Y of the point at x, if the table has one.
std::optional<num::Single> yAt(const std::vector<Point>& points, std::int16_t x);
// The slope of the graph at the point at x: from the points on either side, or one-sided at the
// first and the last point. Nothing when the table has no point at x or only one point.
std::optional<num::Single> slopeAt(const std::vector<Point>& points, std::int16_t x);

// The points as a screen reader reads the graph: how many there are, then each X with its Y in
// the plain number form, in order ("No points." for none).
QString describe(const std::vector<Point>& points);

} // namespace equations
