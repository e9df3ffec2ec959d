// The soak's demands on read-only boxes, as a table: what must pass and what must not.

#include "checks.h"

#include <QTest>

class TestSoakChecks : public QObject {
    Q_OBJECT

  private slots:
    void badOutput_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("why");
        const QString notANumber = QStringLiteral("a value that is not a number");
        const QString negativeZero = QStringLiteral("a negative zero");
        const struct {
            const char* text;
            const QString& why;
        } bad[] = {
            {"inf", notANumber},
            {"-inf", notANumber},
            {"INF", notANumber},
            {"nan", notANumber},
            {"-nan", notANumber},
            {"NaN", notANumber},
            {"Infinity", notANumber},
            {"sqrt(inf * 9.8)", notANumber},
            {"-0.000", negativeZero},
            {"-0,000", negativeZero},
            {"-0", negativeZero},
            {"-0.00", negativeZero},
            {"48474 - -0.000", negativeZero},
        };
        for (const auto& b : bad)
            QTest::newRow(b.text) << QString::fromUtf8(b.text) << b.why;
        for (const char* fine : {"", "0.000", "0,000", "-0.0005", "48474 - -0.0005", "3 - 0.5", "-0.001",
                                 "-1.000", "12.5 - 0.25", "1,234,567.875", "1E-05", "Infinitesimal", "nano",
                                 "Helium", "sqrt(12.5 * 9.8 / (sin(45) * 2 * cos(45)))", "10 - 0"})
            QTest::newRow(fine) << QString::fromUtf8(fine) << QString();
    }
    void badOutput() {
        QFETCH(QString, text);
        QFETCH(QString, why);
        QCOMPARE(soak::badOutput(text), why);
    }

    // A worked formula repeats the student's own text; a result of their numbers is still judged.
    void badOutputBesideTyped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("bad");
        QTest::newRow("typed -0 repeated") << "Sqr(-0 ^2 + 5359 ^2 )" << QStringList{"-0", "5359"} << false;
        QTest::newRow("typed 0, result -0.000") << "-0.000" << QStringList{"0"} << true;
        QTest::newRow("typed -0, result -0.000") << "-0.000" << QStringList{"-0"} << true;
        QTest::newRow("typed -0 beside a computed -0") << "-0 * -0.000" << QStringList{"-0"} << true;
        QTest::newRow("typed nan is not a repeat of inf") << "inf" << QStringList{"nan"} << true;
        QTest::newRow("a long typed number")
            << "12345678901234567890 ^2" << QStringList{"12345678901234567890"} << false;
    }
    void badOutputBesideTyped() {
        QFETCH(QString, text);
        QFETCH(QStringList, typed);
        QFETCH(bool, bad);
        QCOMPARE(!soak::badOutput(text, typed).isEmpty(), bad);
    }

    void significantDigits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("digits");
        QTest::newRow("none") << "" << 0;
        QTest::newRow("zero") << "0.000" << 0;
        QTest::newRow("grouped") << "1,234,567.875" << 10;
        QTest::newRow("german") << "1.234.567,875" << 10;
        QTest::newRow("leading zeros") << "0.00125" << 3;
        QTest::newRow("trailing zeros count") << "1.500" << 4;
        QTest::newRow("exponent left out") << "1.234568E+07" << 7;
        QTest::newRow("the longest number of a formula") << "12.5 * 9.8 / 1234567.25" << 9;
        QTest::newRow("a single's largest")
            << "340,282,346,638,528,859,811,704,183,484,516,925,440.000" << 42;
    }
    void significantDigits() {
        QFETCH(QString, text);
        QFETCH(int, digits);
        QCOMPARE(soak::significantDigits(text), digits);
    }
};

QTEST_GUILESS_MAIN(TestSoakChecks)
#include "test_soak_checks.moc"
