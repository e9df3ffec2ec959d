#include "checks.h"

#include <QRegularExpression>

#include <algorithm>

namespace soak {
namespace {

const QRegularExpression& notANumber() {
    static const QRegularExpression re(QStringLiteral("\\b(inf|infinity|nan)\\b"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

// A number that is zero with a minus sign ("-0.000", "-0,000", "-0"), not a small negative number
// ("-0.0005") nor a subtraction ("3 - 0.5").
const QRegularExpression& negativeZero() {
    static const QRegularExpression re(QStringLiteral("(?<![0-9.,])-0(?:[.,]0+)?(?![0-9.,E])"));
    return re;
}

// A number's mantissa: digits, with single grouping separators or decimal points between them.
const QRegularExpression& mantissa() {
    static const QRegularExpression re(QStringLiteral("[0-9]+(?:[.,\\x{00a0}\\x{202f}][0-9]+)*"));
    return re;
}

// The text with each whole word equal to a typed text blanked out. A word is bounded by what
// cannot continue a number, so a typed "0" leaves the "0" of "-0.000" where it is.
QString withoutTyped(QString text, const QStringList& typed) {
    for (const QString& t : typed) {
        if (t.trimmed().isEmpty())
            continue;
        const QRegularExpression word(
            QStringLiteral("(?<![0-9.,E+-])%1(?![0-9.,E])").arg(QRegularExpression::escape(t.trimmed())),
            QRegularExpression::CaseInsensitiveOption);
        text.replace(word, QStringLiteral(" "));
    }
    return text;
}

} // namespace

int significantDigits(const QString& text) {
    int most = 0;
    for (auto it = mantissa().globalMatch(text); it.hasNext();) {
        const QString m = it.next().captured();
        int count = 0;
        bool started = false;
        for (const QChar c : m) {
            if (!c.isDigit())
                continue;
            started = started || c != u'0';
            if (started)
                ++count;
        }
        most = std::max(most, count);
    }
    return most;
}

namespace {

QString badText(const QString& text) {
    if (notANumber().match(text).hasMatch())
        return QStringLiteral("a value that is not a number");
    if (negativeZero().match(text).hasMatch())
        return QStringLiteral("a negative zero");
    if (checkSignificantDigits && significantDigits(text) > mostSignificantDigits)
        return QStringLiteral("more than %1 significant digits").arg(mostSignificantDigits);
    return {};
}

} // namespace

QString badOutput(const QString& shown, const QStringList& typed) {
    // Most texts pass as they stand; only a failing one is read again without the typed words.
    const QString bad = badText(shown);
    return bad.isEmpty() || typed.isEmpty() ? bad : badText(withoutTyped(shown, typed));
}

} // namespace soak
