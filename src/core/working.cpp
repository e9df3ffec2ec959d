#include "core/working.h"

namespace working {
namespace {

bool isExponent(QChar c) {
    return c == QChar(0x00b2) || c == QChar(0x00b3) || c == QLatin1Char('^');
}

// Whether a number written after this text follows an operator (a sign there needs parentheses).
bool followsOperator(const QString& before) {
    const QString text = before.trimmed();
    if (text.isEmpty())
        return false;
    const QChar last = text.back();
    return last != QLatin1Char('(') && !last.isLetterOrNumber();
}

} // namespace

int Relation::givenCount() const {
    int n = 0;
    while (n < int(given.size()) && given[size_t(n)].symbol)
        ++n;
    return n;
}

QString substituted(const Relation& relation, const QStringList& numbers) {
    const QString worked = QString::fromUtf8(relation.worked);
    QString out;
    for (qsizetype i = 0; i < worked.size(); ++i) {
        if (worked[i] != QLatin1Char('{')) {
            out += worked[i];
            continue;
        }
        const qsizetype close = worked.indexOf(QLatin1Char('}'), i);
        if (close < 0)
            qFatal("the working %s has an unclosed brace", relation.worked);
        const QString symbol = worked.mid(i + 1, close - i - 1);
        int k = 0;
        while (k < relation.givenCount() && QString::fromUtf8(relation.given[size_t(k)].symbol) != symbol)
            ++k;
        if (k == relation.givenCount() || k >= numbers.size())
            qFatal("the working %s has no number for %s", relation.worked, qPrintable(symbol));
        const QString number = numbers[k].trimmed();
        const Unit unit = relation.given[size_t(k)].unit;
        const bool signedNumber = number.startsWith(QLatin1Char('-'));
        const bool powered = close + 1 < worked.size() && isExponent(worked[close + 1]);
        const QString value = number + units::after(unit);
        if ((powered && (unit != Unit::None || signedNumber)) || (signedNumber && followsOperator(out)))
            out += QLatin1Char('(') + value + QLatin1Char(')');
        else
            out += value;
        i = close;
    }
    return out;
}

QString line(const Relation& relation, const QStringList& numbers, const QString& result) {
    const QString equals = QStringLiteral(" = ");
    return QString::fromUtf8(relation.written) + equals + substituted(relation, numbers) + equals + result +
           units::after(relation.result);
}

} // namespace working
