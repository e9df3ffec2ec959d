#pragma once
// The program's number rules: reading typed text as numbers, checked arithmetic that fails with
// one error type instead of producing infinities or NaN, and every way a number is written back
// as text (the plain conversion, the three-decimal result rule, the named formats).

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>

namespace num {

// The ways a calculation fails.
enum class Failure {
    NotANumber,     // text that does not read as a number (an empty box too)
    TooLarge,       // a number beyond the range of its type
    DivisionByZero, // a divisor of zero (0 / 0 too)
    NegativeRoot,   // the square root of a negative number
    NoAnswer,       // any other undefined result: no angle for the sine, no direction for (0, 0)
};

// The one failure type of calculations. Its description is what an Ok handler's error trap shows.
class CalcError : public std::runtime_error {
  public:
    // text: the text that could not be read, where the failure is in reading a number.
    explicit CalcError(Failure failure, const QString& text = QString());
    Failure failure() const { return m_failure; }
    QString text() const { return m_text; }
    // The box the failure is about, where it is in reading one; empty when it is the formula's.
    QString box() const { return m_box; }
    void setBox(const QString& box) { m_box = box; }
    // The description without the box's prompt (see describe).
    QString description() const { return QString::fromUtf8(what()); }

  private:
    Failure m_failure;
    QString m_text;
    QString m_box;
};

// The short names of the failures.
inline constexpr Failure TypeMismatch = Failure::NotANumber;
inline constexpr Failure Overflow = Failure::TooLarge;
inline constexpr Failure DivisionByZero = Failure::DivisionByZero;
inline constexpr Failure InvalidArgument = Failure::NoAnswer;

// The failure in a student's words: what went wrong and what to do. A box whose text could not be
// read is named by its prompt where one is given: The value for "Enter the mass in Kg." is not a
// number: "1200 kg". Type only the number, such as 1200 or 1.2E3.
QString describe(Failure failure, const QString& text = QString(), const QString& prompt = QString());
QString describe(const CalcError& error, const QString& prompt = QString());

// Runs read, the reading of the box's text as a number; a failure in it is the box's.
template <typename Read> auto inBox(const QString& box, Read read) -> decltype(read()) {
    try {
        return read();
    } catch (CalcError& e) {
        e.setBox(box);
        throw;
    }
}

// A floating-point value whose arithmetic is checked: a result that would be infinite fails as too
// large, a division by zero as such, an undefined result (NaN) as having no answer. T is float
// (single precision) or double.
template <typename T> class Checked {
  public:
    constexpr Checked() = default;
    constexpr Checked(T v) : m_v(v) {} // NOLINT(google-explicit-constructor): literals mix in freely
    constexpr T value() const { return m_v; }
    explicit constexpr operator T() const { return m_v; }

    // Fails when v is infinite (overflow) or NaN (invalid argument).
    static Checked checked(T v);

    friend Checked operator+(Checked a, Checked b) { return checked(a.m_v + b.m_v); }
    friend Checked operator-(Checked a, Checked b) { return checked(a.m_v - b.m_v); }
    friend Checked operator*(Checked a, Checked b) { return checked(a.m_v * b.m_v); }
    friend Checked operator/(Checked a, Checked b) {
        if (b.m_v == 0)
            throw CalcError(DivisionByZero);
        return checked(a.m_v / b.m_v);
    }
    Checked operator-() const { return Checked(-m_v); }
    Checked& operator+=(Checked o) { return *this = *this + o; }
    Checked& operator-=(Checked o) { return *this = *this - o; }
    Checked& operator*=(Checked o) { return *this = *this * o; }
    Checked& operator/=(Checked o) { return *this = *this / o; }
    friend auto operator<=>(Checked a, Checked b) { return a.m_v <=> b.m_v; }
    friend bool operator==(Checked a, Checked b) { return a.m_v == b.m_v; }

  private:
    T m_v = 0;
};

using Single = Checked<float>;
using Double = Checked<double>;

// A value worked out in double precision, held in single precision again (beyond the single range:
// too large).
Single narrow(Double v);

// Checked functions, in the argument's own precision (defined for Single and Double).
template <typename T> Checked<T> sqrt(Checked<T> x); // x < 0: a negative root
template <typename T> Checked<T> pow(Checked<T> x, Checked<T> y);
template <typename T> Checked<T> abs(Checked<T> x);
template <typename T> Checked<T> sin(Checked<T> x);
template <typename T> Checked<T> cos(Checked<T> x);
template <typename T> Checked<T> tan(Checked<T> x);
template <typename T> Checked<T> atan(Checked<T> x);
template <typename T> Checked<T> atan2(Checked<T> y, Checked<T> x); // both zero: no answer
template <typename T> Checked<T> asin(Checked<T> x);                // |x| > 1: no answer

// Angles as the program converts them: with pi taken as 3.14159265 exactly as written, in the
// angle's own precision (in single precision the float nearest to it).
inline constexpr double Pi = 3.14159265;
Single radians(Single degrees);
Single degrees(Single radians);
Double radians(Double degrees);
Double degrees(Double radians);

// The sine, cosine and tangent of an angle typed in degrees, the one way every angle typed in
// degrees is converted. An angle beyond a turn, either way, first loses its whole turns (exactly:
// 1E10 degrees acts as 280, -370 as -10); one of less than a turn is converted as it stands. At a
// whole multiple of 90 degrees they are exact: 0, 1 or -1, and the tangent is undefined where the
// cosine is 0 (90, 270, -90, 450 ...). At every other angle they are the functions of the
// converted angle above, in the angle's own precision.
template <typename T> struct Trig {
    Checked<T> sine, cosine;
    std::optional<Checked<T>> tangent; // none where the cosine is 0
};
Trig<float> trigOfDegrees(Single degrees);
Trig<double> trigOfDegrees(Double degrees);

// Reading typed text. Blanks around the number are ignored; "." is always the decimal point,
// whatever the regional settings; an exponent is written with E (1E3 is 1000). Anything else
// ("", "-", "E", ".", "1.2.3", "12abc") fails as not a number; a number beyond the type's range
// fails as too large. The failure carries the text.
Single toSingle(const QString& text);
Double toDouble(const QString& text);
// 16-bit integer: rounds halves to even (2.5 -> 2, 3.5 -> 4); outside -32768..32767 is an overflow.
std::int16_t toInteger(const QString& text);
// The same rule for a number already read (a count typed as a single, the ends of a range).
std::int16_t toInteger(Single v);
// True when text reads as a number by the rules above (no range check).
bool isNumeric(const QString& text);

// The scientific result form: four significant digits, pattern 0.000E+00 (a mantissa with three
// decimals, E, a sign and at least two exponent digits), with the regional decimal separator:
// 2.803E-07, 1.986E+20, -1.000E+15; 2,803E-07 in German.
QString scientificResult(double v, const QLocale& locale = QLocale());

// Values that no fixed number of decimals shows readably. Huge: 1E15 or more either side of zero,
// in the value's own precision (the single nearest to 1E15 is huge too); written out with
// decimals it is twenty and more digits, most of them noise.
bool isHuge(Single v);
bool isHuge(Double v);
// Lost at three decimals: a non-zero value whose three-decimal form shows fewer than two
// significant digits (0.009 and below; 0.0003 even shows as 0.000).
bool isLostAtThreeDecimals(double v);

// The plain number-to-text conversion: the shortest form with up to 7 (single) or 15 (double)
// significant digits, a leading zero before the point, exponent notation for very large or very
// small values: 2, 0.5, 9.8, -7, 1.234568E+07, 1E-05. Always "." as the decimal point, so that the
// text reads back as the same number. The same at every magnitude: its exponent notation already
// keeps a huge value short and with all its digits (1.23456789E+26, 1E+300).
QString plain(Single v);
QString plain(Double v);

// The result rule: exactly three decimals, rounded, with the regional separator and grouping
// (1,234,567.875 in English, 1.234.567,875 in German); never "-0.000". A huge value is shown in
// the scientific result form instead.
QString result(Single v, const QLocale& locale = QLocale());
QString result(Double v, const QLocale& locale = QLocale());

// The result rule with this many decimals instead of three (five for trigonometric values).
QString fixedResult(Double v, int decimals, const QLocale& locale = QLocale());

// The result rule for quantities that span many powers of ten (gravitation): the scientific
// result form for a value lost at three decimals or of 1E9 or more either side of zero, the
// result rule otherwise. Zero shows as 0.000.
QString wideResult(Single v, const QLocale& locale = QLocale());
QString wideResult(Double v, const QLocale& locale = QLocale());

// The named formats. "Scientific": a mantissa with two decimals, E, a sign and at least two
// exponent digits (3.00E+08, 6.67E-11). "Standard": grouping and two decimals (1,234.50).
QString scientific(double v, const QLocale& locale = QLocale());
QString standard(double v, const QLocale& locale = QLocale());

} // namespace num
