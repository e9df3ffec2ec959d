// libFuzzer target for the number rules: the reader of typed text and every way a number is
// written back (the plain conversion, the result rule, the "Scientific" and "Standard" formats).
// Besides not crashing under AddressSanitizer and UndefinedBehaviorSanitizer, every input must keep
// the rules' promises; a broken promise aborts with a line saying which.
//
// Each input is read as typed text, and its first bytes as the bits of a single and of a double;
// every finite number met so is written in every format. The process's C locale is German, as on
// a German desktop, so that nothing may lean on it.

#include "core/numbers.h"

#include <QByteArray>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QString>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

[[noreturn]] void broken(const char* rule, const QString& detail) {
    std::fprintf(stderr, "fuzz_numbers: %s: %s\n", rule, qPrintable(detail));
    std::abort();
}

void require(bool holds, const char* rule, const QString& detail) {
    if (!holds)
        broken(rule, detail);
}

const QLocale& english() {
    static const QLocale l(QLocale::English, QLocale::UnitedStates);
    return l;
}
const QLocale& german() {
    static const QLocale l(QLocale::German, QLocale::Germany);
    return l;
}

const QRegularExpression& pattern(const char* text) {
    // One expression per literal: the callers pass the same few.
    static QHash<const char*, QRegularExpression> cache;
    auto it = cache.find(text);
    if (it == cache.end())
        it = cache.insert(text, QRegularExpression(QString::fromLatin1(text)));
    return *it;
}

bool matches(const char* re, const QString& text) {
    return pattern(re).match(text).hasMatch();
}

// The plain form: digits with an optional fraction, or one digit, a fraction and an exponent of
// at least two digits. Never a comma, never a negative zero.
const char* const plainForm = "^-?([0-9]+(\\.[0-9]+)?|[0-9](\\.[0-9]+)?E[+-][0-9]{2,3})$";

enum class Outcome { Number, TypeMismatch, Overflow };

template <typename F> Outcome outcomeOf(F read, double* value) {
    try {
        *value = read();
        return Outcome::Number;
    } catch (const num::CalcError& e) {
        if (e.failure() == num::Failure::NotANumber)
            return Outcome::TypeMismatch;
        if (e.failure() == num::Failure::TooLarge)
            return Outcome::Overflow;
        broken("reading fails only with a type mismatch or an overflow", e.description());
    }
}

// The value back from a result-rule or named-format text in the given locale.
double readBack(QString text, const QLocale& locale) {
    text.remove(locale.groupSeparator());
    text.replace(locale.decimalPoint(), QLatin1String("."));
    bool ok = false;
    const double v = text.toDouble(&ok);
    require(ok, "a formatted number reads back", text);
    return v;
}

void checkPlainSingle(float v) {
    const QString text = num::plain(num::Single(v));
    require(matches(plainForm, text), "plain(single) has the plain form", text);
    double single = 0;
    require(outcomeOf([&] { return double(num::toSingle(text).value()); }, &single) == Outcome::Number,
            "plain(single) reads back as a single", text);
    // Seven significant digits: within half a unit of the seventh.
    double back = 0;
    require(outcomeOf([&] { return num::toDouble(text).value(); }, &back) == Outcome::Number,
            "plain(single) reads back as a double", text);
    require(std::fabs(back - double(v)) <= 5.0000001e-7 * std::fabs(double(v)),
            "plain(single) keeps seven significant digits", text);
}

void checkPlainDouble(double v) {
    const QString text = num::plain(num::Double(v));
    require(matches(plainForm, text), "plain(double) has the plain form", text);
    double back = 0;
    const Outcome o = outcomeOf([&] { return num::toDouble(text).value(); }, &back);
    // Rounded to fifteen digits, the very largest doubles lie beyond the range.
    if (o == Outcome::Overflow && std::fabs(v) > 1.79769313486231e308)
        return;
    require(o == Outcome::Number, "plain(double) reads back as a double", text);
    // Fifteen significant digits put the text within half a unit of the fifteenth of the value;
    // reading it back rounds to the double nearest the text, which is at most as far again.
    require(std::fabs(back - v) <= 1.0000001e-14 * std::fabs(v),
            "plain(double) keeps fifteen significant digits", text);
}

void checkFixed(const QString& text, double v, int decimals, const QLocale& locale, const char* what) {
    const QString point = QRegularExpression::escape(locale.decimalPoint());
    const QString group = QRegularExpression::escape(locale.groupSeparator());
    const QRegularExpression form(
        QStringLiteral("^-?[0-9]{1,3}(%1[0-9]{3})*%2[0-9]{%3}$").arg(group, point).arg(decimals));
    require(form.match(text).hasMatch(), what, text);
    const QString zero = locale.toString(0.0, 'f', decimals);
    require(text != QLatin1Char('-') + zero && text != locale.negativeSign() + zero, what, text);
    // Rounded to the last decimal: within half a unit of it (and the double's own precision).
    const double back = readBack(text, locale);
    const double half = 0.5 * std::pow(10.0, -decimals);
    require(std::fabs(back - v) <= half * 1.000001 + std::fabs(v) * 4e-16, what,
            text + QStringLiteral(" for %1").arg(v, 0, 'g', 17));
}

void checkScientific(double v, const QLocale& locale) {
    const QString text = num::scientific(v, locale);
    const QString point = QRegularExpression::escape(locale.decimalPoint());
    const QRegularExpression form(QStringLiteral("^-?[0-9]%1[0-9]{2}E[+-][0-9]{2,3}$").arg(point));
    require(form.match(text).hasMatch(), "scientific has a two-decimal mantissa and an exponent", text);
}

// The result rule: three decimals, or from 1E15 on the four-digit scientific form; the form for
// quantities of many powers of ten writes the scientific form wherever three decimals hide them.
void checkResult(const QString& text, double v, bool huge, const QLocale& locale) {
    if (huge)
        require(text == num::scientificResult(v, locale), "the result rule writes huge values in four digits",
                text);
    else
        checkFixed(text, v, 3, locale, "the result rule");
}
void checkWideResult(const QString& text, double v, bool huge, const QLocale& locale) {
    if (huge || num::isLostAtThreeDecimals(v) || std::fabs(v) >= 1e9)
        require(text == num::scientificResult(v, locale), "the wide-range result is scientific", text);
    else
        checkFixed(text, v, 3, locale, "the wide-range result");
}

void checkSingle(float v) {
    if (!std::isfinite(v))
        return;
    checkPlainSingle(v);
    const bool huge = num::isHuge(num::Single(v));
    for (const QLocale* l : {&english(), &german()}) {
        checkResult(num::result(num::Single(v), *l), double(v), huge, *l);
        checkWideResult(num::wideResult(num::Single(v), *l), double(v), huge, *l);
    }
}

void checkDouble(double v) {
    if (!std::isfinite(v))
        return;
    checkPlainDouble(v);
    const bool huge = num::isHuge(num::Double(v));
    for (const QLocale* l : {&english(), &german()}) {
        checkResult(num::result(num::Double(v), *l), v, huge, *l);
        checkWideResult(num::wideResult(num::Double(v), *l), v, huge, *l);
        checkFixed(num::standard(v, *l), v, 2, *l, "the Standard format");
        checkScientific(v, *l);
    }
}

void checkReading(const QString& text) {
    double asDouble = 0;
    double asSingle = 0;
    const Outcome d = outcomeOf([&] { return num::toDouble(text).value(); }, &asDouble);
    const Outcome s = outcomeOf([&] { return double(num::toSingle(text).value()); }, &asSingle);
    require((d != Outcome::TypeMismatch) == num::isNumeric(text), "isNumeric agrees with reading", text);
    require((d == Outcome::TypeMismatch) == (s == Outcome::TypeMismatch),
            "single and double read the same texts", text);
    if (d == Outcome::Number) {
        require(std::isfinite(asDouble), "a number read is finite", text);
        require(!text.contains(u','), "a comma is never a decimal point", text);
        if (std::fabs(asDouble) <= double(std::numeric_limits<float>::max()))
            require(s == Outcome::Number && asSingle == double(float(asDouble)),
                    "the single is the double rounded to single", text);
        else
            require(s == Outcome::Overflow, "a number beyond the single range overflows", text);
        checkDouble(asDouble);
        if (s == Outcome::Number)
            checkSingle(float(asSingle));
        double integer = 0;
        const Outcome i = outcomeOf([&] { return double(num::toInteger(text)); }, &integer);
        const double rounded = std::nearbyint(asDouble);
        if (rounded >= -32768.0 && rounded <= 32767.0)
            require(i == Outcome::Number && integer == rounded, "an integer rounds halves to even", text);
        else
            require(i == Outcome::Overflow, "an integer beyond 16 bits overflows", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A German desktop's C locale, or at least some locale with a decimal comma.
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", ""})
        if (std::setlocale(LC_ALL, name))
            break;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto* bytes = reinterpret_cast<const char*>(data);
    checkReading(QString::fromUtf8(bytes, qsizetype(size)));
    if (size >= sizeof(float)) {
        float f;
        std::memcpy(&f, data, sizeof f);
        checkSingle(f);
    }
    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        checkDouble(d);
    }
    return 0;
}
