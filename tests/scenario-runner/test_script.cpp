// Reading scenario lines: words, quotes and escapes exactly as scenario files write them.
#include "script.h"

#include <QTest>

class TestScript : public QObject {
    Q_OBJECT

    static QStringList texts(const QList<Word>& words) {
        QStringList out;
        for (const Word& w : words)
            out.append(w.quoted ? u'[' + w.text + u']' : w.text);
        return out;
    }

  private slots:
    void split_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("plain") << "click frmmain.mnuWork" << QStringList{"click", "frmmain.mnuWork"};
        QTest::newRow("extra blanks")
            << "  expect   frmWork open  " << QStringList{"expect", "frmWork", "open"};
        QTest::newRow("quoted with spaces")
            << "type frmWork.Text1 \"1 2  3\"" << QStringList{"type", "frmWork.Text1", "[1 2  3]"};
        QTest::newRow("empty quotes")
            << "expect frmWork.Label4 text \"\"" << QStringList{"expect", "frmWork.Label4", "text", "[]"};
        QTest::newRow("escapes") << "x \"a\\\"b\\\\c\\rd\\ne\\tf\"" << QStringList{"x", "[a\"b\\c\rd\ne\tf]"};
        QTest::newRow("star stays unquoted")
            << "expect message \"T\" * info" << QStringList{"expect", "message", "[T]", "*", "info"};
        QTest::newRow("quoted star") << "expect message \"T\" \"*\" info"
                                     << QStringList{"expect", "message", "[T]", "[*]", "info"};
        QTest::newRow("backslash outside quotes is plain") << "a\\b" << QStringList{"a\\b"};
    }
    void split() {
        QFETCH(QString, line);
        QFETCH(QStringList, words);
        QList<Word> got;
        QString error;
        QVERIFY2(splitWords(line, &got, &error), qPrintable(error));
        QCOMPARE(texts(got), words);
    }

    void malformed_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("unterminated") << "type frmWork.Text1 \"12";
        QTest::newRow("unknown escape") << "type frmWork.Text1 \"1\\x2\"";
        QTest::newRow("escape at the end") << "type frmWork.Text1 \"1\\";
        QTest::newRow("word glued to a quote") << "type frmWork.Text1 \"12\"x";
    }
    void malformed() {
        QFETCH(QString, line);
        QList<Word> got;
        QString error;
        QVERIFY(!splitWords(line, &got, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestScript)
#include "test_script.moc"
