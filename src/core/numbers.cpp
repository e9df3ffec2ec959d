#include "core/numbers.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace num {

CalcError::CalcError(Failure failure, const QString& text)
    : std::runtime_error(describe(failure, text).toStdString()), m_failure(failure), m_text(text) {}

QString describe(Failure failure, const QString& text, const QString& prompt) {
    const QString typed = text.trimmed();
    // Prompts are shown without the line breaks and runs of blanks of their labels.
    const QString value = prompt.simplified().isEmpty()
                              ? QString()
                              : QStringLiteral("The value for \"%1\"").arg(prompt.simplified());
    switch (failure) {
    case Failure::NotANumber: {
        const QString hint = QStringLiteral("Type only the number, such as 1200 or 1.2E3.");
        if (typed.isEmpty())
            return (value.isEmpty() ? QStringLiteral("A value is missing.")
                                    : value + QStringLiteral(" is missing.")) +
                   QStringLiteral(" Type a number, such as 1200 or 1.2E3.");
        if (value.isEmpty())
            return QStringLiteral("\"%1\" is not a number. ").arg(typed) + hint;
        return QStringLiteral("%1 is not a number: \"%2\". ").arg(value, typed) + hint;
    }
    case Failure::TooLarge:
        if (typed.isEmpty())
            return QStringLiteral("The answer is too large to show.");
        if (value.isEmpty())
            return QStringLiteral("\"%1\" is too large to work with.").arg(typed);
        return QStringLiteral("%1 is too large: \"%2\". Type a smaller number.").arg(value, typed);
    case Failure::DivisionByZero:
        return QStringLiteral("This would divide by zero. Check the values the formula divides by.");
    case Failure::NegativeRoot:
        return QStringLiteral("There is no real answer: the square root of a negative number.");
    case Failure::NoAnswer:
        break;
    }
    return QStringLiteral("There is no answer for these values. Check them against the formula.");
}

QString describe(const CalcError& error, const QString& prompt) {
    return describe(error.failure(), error.text(), prompt);
}

template <typename T> Checked<T> Checked<T>::checked(T v) {
    if (std::isnan(v))
        throw CalcError(InvalidArgument);
    if (std::isinf(v))
        throw CalcError(Overflow);
    return Checked(v);
}
template class Checked<float>;
template class Checked<double>;

template <typename T> Checked<T> sqrt(Checked<T> x) {
    if (x.value() < 0)
        throw CalcError(Failure::NegativeRoot);
    return Checked<T>(std::sqrt(x.value()));
}
template <typename T> Checked<T> pow(Checked<T> x, Checked<T> y) {
    if (x.value() == 0 && y.value() < 0)
        throw CalcError(DivisionByZero);
    return Checked<T>::checked(std::pow(x.value(), y.value()));
}
template <typename T> Checked<T> abs(Checked<T> x) {
    return Checked<T>(std::fabs(x.value()));
}
template <typename T> Checked<T> sin(Checked<T> x) {
    return Checked<T>::checked(std::sin(x.value()));
}
template <typename T> Checked<T> cos(Checked<T> x) {
    return Checked<T>::checked(std::cos(x.value()));
}
template <typename T> Checked<T> tan(Checked<T> x) {
    return Checked<T>::checked(std::tan(x.value()));
}
template <typename T> Checked<T> atan(Checked<T> x) {
    return Checked<T>::checked(std::atan(x.value()));
}
template <typename T> Checked<T> atan2(Checked<T> y, Checked<T> x) {
    if (y.value() == 0 && x.value() == 0)
        throw CalcError(InvalidArgument);
    return Checked<T>::checked(std::atan2(y.value(), x.value()));
}
template <typename T> Checked<T> asin(Checked<T> x) {
    return Checked<T>::checked(std::asin(x.value()));
}

#define QUELLORIN_CHECKED_FUNCTIONS(T)                                                                       \
    template Checked<T> sqrt(Checked<T>);                                                                    \
    template Checked<T> pow(Checked<T>, Checked<T>);                                                         \
    template Checked<T> abs(Checked<T>);                                                                     \
    template Checked<T> sin(Checked<T>);                                                                     \
    template Checked<T> cos(Checked<T>);                                                                     \
    template Checked<T> tan(Checked<T>);                                                                     \
    template Checked<T> atan(Checked<T>);                                                                    \
    template Checked<T> atan2(Checked<T>, Checked<T>);                                                       \
    template Checked<T> asin(Checked<T>);
QUELLORIN_CHECKED_FUNCTIONS(float)
QUELLORIN_CHECKED_FUNCTIONS(double)
#undef QUELLORIN_CHECKED_FUNCTIONS

Single narrow(Double v) {
    // Beyond the single range the conversion itself would be undefined: it is an overflow first.
    if (std::fabs(v.value()) > double(std::numeric_limits<float>::max()))
        throw CalcError(Overflow);
    return Single::checked(static_cast<float>(v.value()));
}

Single radians(Single degrees) {
    return degrees * Single(float(Pi)) / Single(180.0f);
}
Single degrees(Single radians) {
    return radians * Single(180.0f) / Single(float(Pi));
}
Double radians(Double degrees) {
    return degrees * Double(Pi) / Double(180.0);
}
Double degrees(Double radians) {
    return radians * Double(180.0) / Double(Pi);
}

namespace {

// How many quarter turns (0 to 3) an angle of less than a turn lies past 0, when it is a whole
// multiple of 90 degrees; nothing otherwise.
template <typename T> std::optional<int> quarterTurns(T rest) {
    if (std::fmod(rest, T(90)) != 0)
        return std::nullopt;
    return (static_cast<int>(rest / T(90)) + 4) % 4;
}

template <typename T> Trig<T> trigOf(Checked<T> degrees) {
    // The whole turns go first, exactly (a remainder is exact in either precision): 1E10 degrees
    // acts as 280, and an angle of less than a turn is converted as it stands.
    const T rest = std::fmod(degrees.value(), T(360));
    const Checked<T> r = radians(Checked<T>(rest));
    const std::optional<int> quarters = quarterTurns(rest);
    if (!quarters)
        return {sin(r), cos(r), tan(r)};
    static constexpr T sines[] = {0, 1, 0, -1}, cosines[] = {1, 0, -1, 0};
    Trig<T> t{sines[*quarters], cosines[*quarters], std::nullopt};
    if (t.cosine != Checked<T>(0))
        t.tangent = Checked<T>(0); // the sine is 0 wherever the cosine is not
    return t;
}

} // namespace

Trig<float> trigOfDegrees(Single degrees) {
    return trigOf(degrees);
}
Trig<double> trigOfDegrees(Double degrees) {
    return trigOf(degrees);
}

namespace {

// The typed-number grammar: [blanks] [sign] digits [. digits] [E [sign] digits] [blanks], with at
// least one digit in the mantissa. Returns the number without the blanks, or an empty string.
QByteArray numberText(const QString& text) {
    const QString t = text.trimmed();
    int i = 0;
    const int n = int(t.size());
    auto digit = [&](int k) { return k < n && t[k] >= u'0' && t[k] <= u'9'; };
    if (i < n && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    int mantissaDigits = 0;
    while (digit(i)) {
        ++i;
        ++mantissaDigits;
    }
    if (i < n && t[i] == u'.') {
        ++i;
        while (digit(i)) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return {};
    if (i < n && (t[i] == u'E' || t[i] == u'e')) {
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            ++i;
        if (!digit(i))
            return {};
        while (digit(i))
            ++i;
    }
    if (i != n)
        return {};
    return t.toLatin1();
}

// strtod in the C locale, whatever the process's regional settings are.
double parseC(const QByteArray& text, bool* overflow) {
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    errno = 0;
    const double v = strtod_l(text.constData(), nullptr, c);
    *overflow = std::isinf(v);
    return v;
}

double readNumber(const QString& text, double limit) {
    const QByteArray t = numberText(text);
    if (t.isEmpty())
        throw CalcError(TypeMismatch, text);
    bool overflow = false;
    const double v = parseC(t, &overflow);
    if (overflow || std::fabs(v) > limit)
        throw CalcError(Overflow, text);
    return v;
}

// C's %G form with the platform's two-digit exponent and without a trailing point or zeros,
// written by to_chars so that the decimal point is "." whatever the process's C locale says.
QString shortest(double v, int digits) {
    if (v == 0)
        return QStringLiteral("0");
    char buf[64];
    const auto written = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits);
    return QString::fromLatin1(buf, written.ptr - buf).toUpper();
}

QString fixed(double v, int decimals, const QLocale& locale) {
    QLocale l = locale;
    l.setNumberOptions(l.numberOptions() & ~QLocale::OmitGroupSeparator);
    QString s = l.toString(v, 'f', decimals);
    // A negative value that rounds to zero is written without its sign.
    const QString zero = l.toString(0.0, 'f', decimals);
    if (s.startsWith(l.negativeSign()) && s.mid(l.negativeSign().size()) == zero)
        s = zero;
    return s;
}

// The four-significant-digit form, through the regional number formatting so that halves round
// as in the other formats.
QString scientificForm(double v, const QLocale& locale) {
    QString s = locale.toString(v, 'e', 3);
    if (const QString e = locale.exponential(); e != QLatin1String("E"))
        s.replace(e, QLatin1String("E"));
    return s;
}

} // namespace

Single toSingle(const QString& text) {
    return Single(static_cast<float>(readNumber(text, std::numeric_limits<float>::max())));
}

Double toDouble(const QString& text) {
    return Double(readNumber(text, std::numeric_limits<double>::max()));
}

namespace {
std::int16_t roundToInteger(double v, const QString& text) {
    const double r = std::nearbyint(v); // the default rounding mode: halves to even
    if (!(r >= -32768.0 && r <= 32767.0))
        throw CalcError(Overflow, text);
    return static_cast<std::int16_t>(r);
}
} // namespace

std::int16_t toInteger(const QString& text) {
    return roundToInteger(readNumber(text, std::numeric_limits<double>::max()), text);
}

std::int16_t toInteger(Single v) {
    return roundToInteger(v.value(), plain(v));
}

bool isNumeric(const QString& text) {
    return !numberText(text).isEmpty();
}

QString scientificResult(double v, const QLocale& locale) {
    return scientificForm(v, locale);
}

bool isHuge(Single v) {
    return std::fabs(v.value()) >= 1e15f;
}
bool isHuge(Double v) {
    return std::fabs(v.value()) >= 1e15;
}

bool isLostAtThreeDecimals(double v) {
    if (v == 0)
        return false;
    // The digits of the three-decimal form from its first non-zero one on.
    QString digits = QLocale::c().toString(std::fabs(v), 'f', 3);
    digits.remove(u'.');
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == u'0')
        ++first;
    return digits.size() - first < 2;
}

QString plain(Single v) {
    return shortest(v.value(), 7);
}
QString plain(Double v) {
    return shortest(v.value(), 15);
}

QString result(Single v, const QLocale& locale) {
    return isHuge(v) ? scientificForm(v.value(), locale) : fixed(v.value(), 3, locale);
}
QString result(Double v, const QLocale& locale) {
    return fixedResult(v, 3, locale);
}

QString fixedResult(Double v, int decimals, const QLocale& locale) {
    return isHuge(v) ? scientificForm(v.value(), locale) : fixed(v.value(), decimals, locale);
}

QString wideResult(Single v, const QLocale& locale) {
    if (isLostAtThreeDecimals(v.value()) || std::fabs(v.value()) >= 1e9f)
        return scientificForm(v.value(), locale);
    return result(v, locale);
}
QString wideResult(Double v, const QLocale& locale) {
    if (isLostAtThreeDecimals(v.value()) || std::fabs(v.value()) >= 1e9)
        return scientificForm(v.value(), locale);
    return result(v, locale);
}

QString standard(double v, const QLocale& locale) {
    return fixed(v, 2, locale);
}

QString scientific(double v, const QLocale& locale) {
    QString s = locale.toString(v, 'e', 2);
    if (const QString e = locale.exponential(); e != QLatin1String("E"))
        s.replace(e, QLatin1String("E"));
    return s;
}

} // namespace num
