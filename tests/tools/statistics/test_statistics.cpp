// The statistics formulas against worked examples of introductory textbooks and lab manuals.

#include "tools/statistics/statistics.h"

#include <QTest>

using num::CalcError;
using num::Single;

namespace {

// Values written plainly, one blank between them.
QString written(const std::vector<double>& values) {
    QStringList pieces;
    for (const double v : values)
        pieces << num::plain(num::Double(v));
    return pieces.join(u' ');
}

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT

  private slots:
    void means_data() {
        QTest::addColumn<float>("sum");
        QTest::addColumn<float>("count");
        QTest::addColumn<double>("mean");
        // Five heights in cm: 160, 165, 170, 175, 180.
        QTest::newRow("five heights") << 850.0f << 5.0f << 170.0;
        // Six pendulum timings in s: 8, 9, 9, 10, 11, 13.
        QTest::newRow("six timings") << 60.0f << 6.0f << 10.0;
        // Three readings of g: 9.79, 9.82, 9.80.
        QTest::newRow("three readings of g") << 29.41f << 3.0f << 9.803;
    }
    void means() {
        QFETCH(float, sum);
        QFETCH(float, count);
        QFETCH(double, mean);
        QVERIFY(qAbs(statistics::mean(sum, count).value() - mean) < 1e-3);
    }

    // n, the sum and the sum of squares of a data set, as typed; its population variance and
    // standard deviation.
    void spreads_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("sum");
        QTest::addColumn<double>("sumOfSquares");
        QTest::addColumn<double>("variance");
        QTest::addColumn<double>("deviation");
        // 2, 4, 4, 4, 5, 5, 7, 9: mean 5, standard deviation 2.
        QTest::newRow("eight values") << 8 << 40.0 << 232.0 << 4.0 << 2.0;
        // 8, 9, 9, 10, 11, 13: variance 8/3, deviation 1.633.
        QTest::newRow("six timings") << 6 << 60.0 << 616.0 << 2.6667 << 1.6330;
        // 1, 2, 3, 4: variance 1.25, deviation 1.118.
        QTest::newRow("one to four") << 4 << 10.0 << 30.0 << 1.25 << 1.1180;
        // Measurements that all agree have no spread, whatever the rounding of their sums.
        QTest::newRow("three of 0.1") << 3 << 0.3 << 0.03 << 0.0 << 0.0;
        QTest::newRow("four of 7.3") << 4 << 29.2 << 213.16 << 0.0 << 0.0;
        QTest::newRow("three of 9.81") << 3 << 29.43 << 288.7083 << 0.0 << 0.0;
        QTest::newRow("five of 9.81") << 5 << 49.05 << 481.1805 << 0.0 << 0.0;
        QTest::newRow("four of 1234.567") << 4 << 4938.268 << 6096622.709956 << 0.0 << 0.0;
        QTest::newRow("seven of 0.003") << 7 << 0.021 << 0.000063 << 0.0 << 0.0;
        QTest::newRow("a single value") << 1 << 2.7 << 7.29 << 0.0 << 0.0;
        // 9.80, 9.81, 9.82: a small spread, but a real one.
        QTest::newRow("9.80 to 9.82") << 3 << 29.43 << 288.7085 << 6.667e-5 << 0.0082;
        // Real spreads far below the mean are kept, however large the mean.
        QTest::newRow("1000 and 1001") << 2 << 2001.0 << 2002001.0 << 0.25 << 0.5;
        QTest::newRow("100.1 to 100.3") << 3 << 300.6 << 30120.14 << 0.006667 << 0.0816;
        QTest::newRow("a million and one") << 2 << 2000001.0 << 2000002000001.0 << 0.25 << 0.5;
    }
    void spreads() {
        QFETCH(int, n);
        QFETCH(double, sum);
        QFETCH(double, sumOfSquares);
        QFETCH(double, variance);
        QFETCH(double, deviation);
        const auto count = static_cast<std::int16_t>(n);
        const double v = statistics::variance(count, sum, sumOfSquares).value();
        const double sd = statistics::standardDeviation(count, sum, sumOfSquares).value();
        QVERIFY2(qAbs(v - variance) < 1e-4 && v >= 0.0, qPrintable(QString::number(v)));
        QVERIFY2(qAbs(sd - deviation) < 1e-3, qPrintable(QString::number(sd)));
    }

    // Totals that no data can give: the sum of squares of four values that add up to 10 is at
    // least 25. The variance shows how far off they are; there is no standard deviation. A sum of
    // squares short by one unit of its last typed digit is off too, not rounding.
    void impossibleTotals() {
        QVERIFY(qAbs(statistics::variance(4, 10.0, 20.0).value() + 1.25) < 1e-6);
        QVERIFY(statistics::variance(3, 0.3, 0.0299).value() < 0.0);
        QVERIFY(statistics::variance(5, 49.05, 481.1804).value() < 0.0);
        QVERIFY_THROWS_EXCEPTION(CalcError, statistics::standardDeviation(4, 10.0, 20.0));
        QVERIFY_THROWS_EXCEPTION(CalcError, statistics::standardDeviation(3, 0.3, 0.0299));
        QVERIFY_THROWS_EXCEPTION(CalcError, statistics::standardDeviation(0, 1.0, 1.0));
    }

    void wholeCounts() {
        QCOMPARE(num::toInteger(2.5f), 2);
        QCOMPARE(num::toInteger(3.5f), 4);
        QCOMPARE(num::toInteger(0.4f), 0);
        QCOMPARE(num::toInteger(32767.0f), 32767);
        QCOMPARE(num::toInteger(-32768.0f), -32768);
        QVERIFY_THROWS_EXCEPTION(CalcError, num::toInteger(32767.5f));
        QVERIFY_THROWS_EXCEPTION(CalcError, num::toInteger(-32769.0f));
    }

    void percentErrors_data() {
        QTest::addColumn<float>("yours");
        QTest::addColumn<float>("correct");
        QTest::addColumn<double>("percent");
        // g measured as 9.6 m/s^2 against 9.81 and against 9.8.
        QTest::newRow("g against 9.81") << 9.6f << 9.81f << -2.141;
        QTest::newRow("g against 9.8") << 9.6f << 9.8f << -2.041;
        // The density of aluminium measured as 2.85 g/cm^3; accepted 2.70.
        QTest::newRow("aluminium") << 2.85f << 2.70f << 5.556;
        // The speed of sound measured as 350 m/s; accepted 343.
        QTest::newRow("speed of sound") << 350.0f << 343.0f << 2.041;
    }
    void percentErrors() {
        QFETCH(float, yours);
        QFETCH(float, correct);
        QFETCH(double, percent);
        const double e = statistics::percentError(yours, correct).value();
        QVERIFY2(qAbs(e - percent) < 1e-3, qPrintable(QString::number(e)));
    }

    // A list as a student types or pastes it: its sorted values, count, sums, median and mode.
    void lists_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sorted");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("sum");
        QTest::addColumn<double>("sumOfSquares");
        QTest::addColumn<double>("median");
        QTest::addColumn<QString>("modes"); // empty: no mode
        QTest::newRow("textbook eight") << "2 4 4 4 5 5 7 9"
                                        << "2 4 4 4 5 5 7 9" << 8 << 40.0 << 232.0 << 4.5 << "4";
        QTest::newRow("readings of g") << "9.81, 9.79;9.80\n9.82\r\n9.80"
                                       << "9.79 9.8 9.8 9.81 9.82" << 5 << 49.02 << 480.5926 << 9.8 << "9.8";
        QTest::newRow("signs and exponents")
            << "-1.5 2E3 0.5e-1 +3"
            << "-1.5 0.05 3 2000" << 4 << 2001.55 << 4000011.2525 << 1.525 << "";
        QTest::newRow("blank lines and tabs") << "\t3\n\n 1 ,, 2 ;"
                                              << "1 2 3" << 3 << 6.0 << 14.0 << 2.0 << "";
        QTest::newRow("one value") << "7"
                                   << "7" << 1 << 7.0 << 49.0 << 7.0 << "";
        QTest::newRow("two modes") << "3 2 4 3 2 1"
                                   << "1 2 2 3 3 4" << 6 << 15.0 << 43.0 << 2.5 << "2 3";
        QTest::newRow("all equally often") << "1 2 1 2"
                                           << "1 1 2 2" << 4 << 6.0 << 10.0 << 1.5 << "";
        QTest::newRow("all the same") << "5 5 5"
                                      << "5 5 5" << 3 << 15.0 << 75.0 << 5.0 << "5";
    }
    void lists() {
        QFETCH(QString, text);
        QFETCH(QString, sorted);
        QFETCH(int, count);
        QFETCH(double, sum);
        QFETCH(double, sumOfSquares);
        QFETCH(double, median);
        QFETCH(QString, modes);
        const statistics::Measurements m = statistics::readMeasurements(text);
        QVERIFY2(m.notANumber.isEmpty(), qPrintable(m.notANumber));
        const std::vector<double> values = statistics::sorted(m.values);
        QCOMPARE(written(values), sorted);
        const statistics::Totals t = statistics::totalsOf(m.values);
        QCOMPARE(t.count, std::int64_t(count));
        QVERIFY(qAbs(t.sum.value() - sum) <= 1e-12 * qAbs(sum));
        QVERIFY(qAbs(t.sumOfSquares.value() - sumOfSquares) <= 1e-12 * sumOfSquares);
        QCOMPARE(statistics::median(values).value_or(-1), median);
        QCOMPARE(written(statistics::modes(values)), modes);
    }

    // The textbook's data set through the windows: the totals as written into the boxes, read
    // back as the windows read them, give a mean of 5 and a standard deviation of 2.
    void textbookDataThroughTheTotals() {
        const statistics::Totals t =
            statistics::totalsOf(statistics::readMeasurements("2 4 4 4 5 5 7 9").values);
        const auto n = num::toInteger(statistics::typed(double(t.count)));
        const QString sum = statistics::typed(t.sum.value());
        const QString squares = statistics::typed(t.sumOfSquares.value());
        QCOMPARE(statistics::mean(num::toSingle(sum), Single(n)).value(), 5.0f);
        QCOMPARE(statistics::standardDeviation(n, num::toDouble(sum), num::toDouble(squares)).value(), 2.0);
    }

    void listsRefused() {
        const statistics::Measurements letter = statistics::readMeasurements("2 4 x4 5");
        QCOMPARE(letter.notANumber, QStringLiteral("x4"));
        QVERIFY(letter.values.empty() && !letter.tooLarge);
        QCOMPARE(statistics::readMeasurements("1.2.3 4").notANumber, QStringLiteral("1.2.3"));
        QCOMPARE(statistics::readMeasurements("3 -").notANumber, QStringLiteral("-"));
        const statistics::Measurements huge = statistics::readMeasurements("1 1E999");
        QCOMPARE(huge.notANumber, QStringLiteral("1E999"));
        QVERIFY(huge.tooLarge);
        QVERIFY(statistics::readMeasurements(" ,; \n").values.empty());
        QVERIFY(statistics::refusal(letter).contains("\"x4\" is not a number"));
        QCOMPARE(statistics::refusal(huge), QStringLiteral("\"1E999\" is too large a number."));
        QCOMPARE(statistics::refusal({}), QStringLiteral("Enter at least one measurement."));
        // A count box takes a 16-bit count.
        statistics::Measurements many{.values = std::vector<double>(32767, 1.0)};
        QVERIFY(statistics::refusal(many).isEmpty());
        many.values.push_back(1.0);
        QCOMPARE(
            statistics::refusal(many),
            QStringLiteral("The statistics windows take at most 32767 measurements; this list has 32768."));
        QVERIFY(!statistics::median({}));
        // Squares beyond the double range.
        QVERIFY_THROWS_EXCEPTION(CalcError, statistics::totalsOf({1e200, 1e200}));
    }

    // The totals are written so that the boxes read back what the window can hold.
    void typedTotals_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 232.0 << "232";
        QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0.3";
        QTest::newRow("many digits") << 2.0 / 3.0 << "0.666666666666667";
        QTest::newRow("negative") << -12.5 << "-12.5";
        QTest::newRow("small") << 0.00001234 << "1.234E-05";
        QTest::newRow("huge") << 1.2345678901234567e20 << "1.23456789012346E+20";
    }
    void typedTotals() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(statistics::typed(value), text);
        QCOMPARE(num::toSingle(text).value(), float(value));
        QVERIFY(qAbs(num::toDouble(text).value() - value) <= 1e-14 * qAbs(value));
    }

    void divisionsByZero() {
        QVERIFY_THROWS_EXCEPTION(CalcError, statistics::mean(10.0f, 0.0f));
        QVERIFY_THROWS_EXCEPTION(CalcError, statistics::percentError(1.0f, 0.0f));
    }
};

QTEST_GUILESS_MAIN(TestStatistics)
#include "test_statistics.moc"
