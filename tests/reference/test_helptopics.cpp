// The help topics against the program they describe: every text a topic quotes is one the program
// has, every unit a topic gives for an answer is the one its window shows, and no topic says its
// window lacks what the window shows.
//
// A topic quotes the program's own texts in double quotes (captions, prompts, options, messages,
// titles); "..." in a quote stands for words the program fills in. What the student types is
// written without double quotes. In a topic's "Formulas" section a line ending in a unit in
// brackets, "Work:  W = F * d * cos(theta)   [J]", gives the unit shown beside the answer of the
// option (or result) named at the start of the line; a line with no name continues the one above,
// and in a window of one answer the first line needs none. Units are spelled in ASCII: m/s^2,
// N*m, deg.

#include "app/calculatorlist.h"
#include "calc/framework/definition.h"
#include "calc/framework/headless.h"
#include "reference/frmHelp.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace calc;

namespace {

// Runs of blanks and line breaks as one blank, and the access-key marks of captions left out
// ("&&" is a "&"), as a topic quotes a caption.
QString normalised(QString text) {
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.simplified();
}

// The escape sequence at text[i] (after the backslash), decoded; i is left on its last character.
QString escaped(const QString& text, qsizetype& i) {
    const QChar c = text[i];
    const auto hex = [&](int most) {
        qsizetype end = i + 1;
        while (end < text.size() && end - i - 1 < most &&
               QStringLiteral("0123456789abcdefABCDEF").contains(text[end]))
            ++end;
        const uint code = text.mid(i + 1, end - i - 1).toUInt(nullptr, 16);
        i = end - 1;
        return QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
    };
    switch (c.unicode()) {
    case 'n':
        return QStringLiteral("\n");
    case 't':
        return QStringLiteral("\t");
    case 'u':
        return hex(4);
    case 'x':
        return hex(2);
    default:
        return QString(c);
    }
}

// The string literals of a C++ source, comments left out; literals that stand next to each other
// are one text, as the compiler joins them.
QStringList cppStrings(const QString& source) {
    QStringList strings;
    bool joining = false; // the last token was a string literal
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (source.mid(i, 2) == QLatin1String("//")) {
            i = source.indexOf(QLatin1Char('\n'), i);
            if (i < 0)
                break;
        } else if (source.mid(i, 2) == QLatin1String("/*")) {
            i = source.indexOf(QLatin1String("*/"), i + 2);
            if (i < 0)
                break;
            ++i;
        } else if (c == QLatin1Char('\'')) {
            for (++i; i < source.size() && source[i] != QLatin1Char('\''); ++i)
                if (source[i] == QLatin1Char('\\'))
                    ++i;
            joining = false;
        } else if (c == QLatin1Char('"')) {
            QString text;
            for (++i; i < source.size() && source[i] != QLatin1Char('"'); ++i) {
                if (source[i] == QLatin1Char('\\')) {
                    ++i;
                    text += escaped(source, i);
                } else {
                    text += source[i];
                }
            }
            if (joining)
                strings.last() += text;
            else
                strings << text;
            joining = true;
        } else if (!c.isSpace()) {
            joining = false;
        }
    }
    return strings;
}

// The texts of the database script: its quoted values.
QStringList sqlStrings(const QString& script) {
    QStringList strings;
    static const QRegularExpression quoted(QStringLiteral("'((?:[^']|'')*)'"));
    for (const QRegularExpressionMatch& m : quoted.globalMatch(script))
        strings << m.captured(1).replace(QLatin1String("''"), QLatin1String("'"));
    return strings;
}

QString readText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(f.readAll());
}

// The program's texts: every string literal of its sources and every text of its database. A text
// with places for words filled in (%1) is there a second time with "..." in those places.
QStringList programTexts(const QString& sourceDir) {
    QStringList texts;
    QDirIterator it(sourceDir + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        texts << cppStrings(readText(it.next()));
    texts << sqlStrings(readText(sourceDir + QStringLiteral("/src/reference/QuellorinData.sql")));
    static const QRegularExpression place(QStringLiteral("%[0-9]"));
    QStringList normal;
    for (const QString& t : std::as_const(texts)) {
        normal << normalised(t);
        if (t.contains(place))
            normal << normalised(QString(t).replace(place, QStringLiteral("...")));
    }
    return normal;
}

// Whether one of the texts has the quote, whose "..." stands for any words.
bool quoted(const QStringList& texts, const QString& quote) {
    if (!quote.contains(QStringLiteral("...")))
        return std::any_of(texts.begin(), texts.end(), [&](const QString& t) { return t.contains(quote); });
    QString pattern;
    for (const QString& piece : quote.split(QStringLiteral("...")))
        pattern += (pattern.isEmpty() ? QString() : QStringLiteral(".*")) +
                   QRegularExpression::escape(piece.trimmed());
    const QRegularExpression re(pattern);
    return std::any_of(texts.begin(), texts.end(),
                       [&](const QString& t) { return t.contains(quote) || re.match(t).hasMatch(); });
}

// A unit as a topic spells it.
QString ascii(Unit unit) {
    return symbol(unit)
        .replace(QChar(0x00b2), QStringLiteral("^2"))
        .replace(QChar(0x00b3), QStringLiteral("^3"))
        .replace(QChar(0x00b7), QStringLiteral("*"))
        .replace(QChar(0x00b0), QStringLiteral("deg"));
}

// What a window shows as answers: for each option's caption and each result's prefix (as a topic
// names them: in small letters, without "The" before them or "is" after them), the units shown
// beside them.
using Answers = QMultiHash<QString, QString>;

QString answerName(QString caption) {
    caption = normalised(caption).toLower();
    caption.remove(QRegularExpression(QStringLiteral("^the ")));
    caption.remove(QRegularExpression(QStringLiteral("\\s*(is|are|=)?\\s*[:.]?$")));
    return caption;
}

void addAnswers(HeadlessCalculator& s, const QString& option, Answers& answers) {
    bool first = true;
    for (const ResultRow& row : s.definition().results) {
        if (!s.isShown(row.box))
            continue;
        const QString unit = ascii(s.sheet().unitOf(row));
        if (first && !option.isEmpty())
            answers.insert(answerName(option), unit);
        first = false;
        if (!row.label.isEmpty() && !s.caption(row.label).trimmed().isEmpty())
            answers.insert(answerName(s.caption(row.label)), unit);
    }
}

Answers answersOf(const Calculator& c) {
    HeadlessCalculator s(c.define());
    Answers answers;
    addAnswers(s, QString(), answers);
    if (!s.definition().results.empty())
        answers.insert(QString(), ascii(s.sheet().unitOf(s.definition().results.front())));
    for (int n = 1; n <= s.sheet().optionCount(); ++n) {
        s.click(n);
        addAnswers(s, s.optionCaption(n), answers);
    }
    return answers;
}

// What a topic says that its windows contradict, one line each; none for a true topic. The
// windows are the calculators whose help is the topic.
QStringList problemsOf(const QString& topic, const QStringList& texts, const QList<Answers>& windows) {
    QStringList problems;
    const auto lineOf = [&](qsizetype at) {
        return QString::number(topic.left(at).count(QLatin1Char('\n')) + 1);
    };

    static const QRegularExpression inQuotes(QStringLiteral("\"([^\"]*)\""));
    for (const QRegularExpressionMatch& m : inQuotes.globalMatch(topic)) {
        const QString quote = normalised(m.captured(1));
        if (quote.isEmpty() || !quoted(texts, quote))
            problems << lineOf(m.capturedStart()) + QStringLiteral(": the program has no text \"") + quote +
                            QStringLiteral("\"");
    }
    if (topic.count(QLatin1Char('"')) % 2)
        problems << QStringLiteral("an unpaired double quote");

    static const QRegularExpression denials(
        QStringLiteral("\\bno units\\b|shows? no units?\\b|without (any )?units\\b|no worked formula|"
                       "not write( out)? a worked formula|writes no (worked )?formula"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch& m :
         denials.globalMatch(QString(topic).replace(QLatin1Char('\n'), QLatin1Char(' '))))
        problems << lineOf(m.capturedStart()) + QStringLiteral(": \"") + m.captured(0) + QStringLiteral("\"");

    // The units of the Formulas section: a line that starts with a name and a colon names the
    // answer its units, and the lines after it, belong to.
    static const QRegularExpression section(QStringLiteral("\nFormulas\n-+\n(.*?)(\n[^\n]+\n-+\n|$)"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression named(QStringLiteral("^\\s*([A-Za-z][^:=\\[]*):"));
    static const QRegularExpression unitAtEnd(QStringLiteral("\\[([^\\]]+)\\]\\s*$"));
    QString name; // empty: the window's one answer
    for (const QString& line : section.match(topic).captured(1).split(QLatin1Char('\n'))) {
        if (const QRegularExpressionMatch m = named.match(line); m.hasMatch())
            name = answerName(m.captured(1));
        const QRegularExpressionMatch m = unitAtEnd.match(line);
        if (!m.hasMatch())
            continue;
        const QString unit = m.captured(1).trimmed();
        QStringList shown;
        for (const Answers& w : windows)
            shown << w.values(name);
        shown.removeDuplicates();
        if (shown.isEmpty())
            problems << QStringLiteral("[%1]: the window has no answer \"%2\"").arg(unit, name);
        else if (!shown.contains(unit))
            problems << QStringLiteral("[%1]: \"%2\" shows %3")
                            .arg(unit, name, shown.join(QStringLiteral(" or ")));
    }
    return problems;
}

} // namespace

class TestHelpTopics : public QObject {
    Q_OBJECT

    QStringList m_texts;

    QList<Answers> windowsOf(const QString& node) const {
        QList<Answers> windows;
        for (const Calculator& c : calculators())
            if (QString::fromLatin1(c.helpTopic) == node)
                windows << answersOf(c);
        return windows;
    }

  private slots:
    void initTestCase() { m_texts = programTexts(QStringLiteral(QUELLORIN_SOURCE_DIR)); }

    void everyTopicIsTrue_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("file");
        for (const HelpNode& n : helpNodes())
            if (n.file)
                QTest::newRow(n.file) << QString::fromLatin1(n.text) << QString::fromLatin1(n.file);
    }
    void everyTopicIsTrue() {
        QFETCH(QString, node);
        QFETCH(QString, file);
        const QString topic = readText(QStringLiteral(QUELLORIN_SOURCE_DIR "/src/reference/help/") + file)
                                  .remove(QLatin1Char('\r'));
        const QStringList problems = problemsOf(topic, m_texts, windowsOf(node));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // A topic left as it was before its window changed: each stale sentence is found.
    void aStaleTopicIsFound() {
        const QString stale =
            QStringLiteral("Work\n====\n\n"
                           "The window shows no units. This window does not write out a worked formula.\n"
                           "An empty box gives the message \"You must enter valid dates.\"; the answer\n"
                           "follows \"The work is \". Solving for the force at 90 deg gives a\n"
                           "meaningless number, and the working stays empty: no worked formula.\n\n"
                           "Formulas\n--------\n\n"
                           "    Work:          W = (F * d) * cos(theta)         [N]\n"
                           "    Displacement:  d = W / (F * cos(theta))         [m]\n"
                           "    Height:        h = W / F                        [m]\n\n"
                           "Worked example\n--------------\n\n"
                           "    Not a formula                                   [kg]\n");
        const QStringList problems = problemsOf(stale, m_texts, windowsOf(QStringLiteral("Work")));
        QCOMPARE(problems, QStringList({
                               "5: the program has no text \"You must enter valid dates.\"",
                               "4: \"shows no units\"",
                               "4: \"not write out a worked formula\"",
                               "7: \"no worked formula\"",
                               "[N]: \"work\" shows J",
                               "[m]: the window has no answer \"height\"",
                           }));
    }
};

QTEST_GUILESS_MAIN(TestHelpTopics)
#include "test_helptopics.moc"
