#include "script.h"

#include <QFile>
#include <QTextStream>

bool splitWords(const QString& line, QList<Word>* words, QString* error) {
    words->clear();
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        while (i < n && (line[i] == u' ' || line[i] == u'\t'))
            ++i;
        if (i >= n)
            break;
        Word w;
        if (line[i] == u'"') {
            w.quoted = true;
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = line[i++];
                if (c == u'"') {
                    closed = true;
                    break;
                }
                if (c != u'\\') {
                    w.text += c;
                    continue;
                }
                if (i >= n)
                    break;
                const QChar e = line[i++];
                if (e == u'"')
                    w.text += u'"';
                else if (e == u'\\')
                    w.text += u'\\';
                else if (e == u'r')
                    w.text += u'\r';
                else if (e == u'n')
                    w.text += u'\n';
                else if (e == u't')
                    w.text += u'\t';
                else {
                    *error = QStringLiteral("unknown escape \\%1").arg(e);
                    return false;
                }
            }
            if (!closed) {
                *error = QStringLiteral("unterminated quoted word");
                return false;
            }
            if (i < n && line[i] != u' ' && line[i] != u'\t') {
                *error = QStringLiteral("a quoted word must be followed by a space");
                return false;
            }
        } else {
            while (i < n && line[i] != u' ' && line[i] != u'\t')
                w.text += line[i++];
        }
        words->append(w);
    }
    return true;
}

bool readScript(const QString& path, QList<Line>* lines, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, f.errorString());
        return false;
    }
    QTextStream in(&f);
    int number = 0;
    while (!in.atEnd()) {
        const QString text = in.readLine();
        ++number;
        const QString t = text.trimmed();
        if (t.isEmpty() || t.startsWith(u'#'))
            continue;
        Line line;
        line.number = number;
        splitWords(text, &line.words, &line.error);
        lines->append(line);
    }
    return true;
}
