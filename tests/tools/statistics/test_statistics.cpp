// The statistics formulas against values worked out independently in exact arithmetic: worked
// examples of textbooks and lab manuals, the cases where single or double precision went wrong, and
// random data sets (their table made by exact_table.py with Python's fractions).

#include "tools/statistics/statistics.h"

#include <QTest>

using num::CalcError;
using statistics::Decimal;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale german(QLocale::German, QLocale::Germany);

// Values written plainly, one blank between them.
QString written(const std::vector<Decimal>& values) {
    QStringList pieces;
    for (const Decimal& v : values)
        pieces << statistics::written(v);
    return pieces.join(u' ');
}

// The failure a computation ends in; none when it gives a result.
template <typename F> std::optional<num::Failure> failureOf(F f) {
    try {
        f();
    } catch (const CalcError& e) {
        return e.failure();
    }
    return std::nullopt;
}

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(english); }

    // n, the sum and the sum of squares as typed; the variance and standard deviation shown.
    void spreads_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("sum");
        QTest::addColumn<QString>("sumOfSquares");
        QTest::addColumn<QString>("variance");
        QTest::addColumn<QString>("deviation");
        const auto row = [](const char* name, int n, const char* sum, const char* squares,
                            const char* variance, const char* deviation) {
            QTest::newRow(name) << n << sum << squares << variance << deviation;
        };
        // Textbook sets: 2, 4, 4, 4, 5, 5, 7, 9; 8, 9, 9, 10, 11, 13; 1 to 4.
        row("eight values", 8, "40", "232", "4.000", "2.000");
        row("six timings", 6, "60", "616", "2.667", "1.633");
        row("one to four", 4, "10", "30", "1.250", "1.118");
        // Measurements that all agree: exactly no spread.
        row("three of 0.1", 3, "0.3", "0.03", "0.000", "0.000");
        row("five of 9.81", 5, "49.05", "481.1805", "0.000", "0.000");
        row("four of 1234.567", 4, "4938.268", "6096622.709956", "0.000", "0.000");
        row("a single value", 1, "2.7", "7.29", "0.000", "0.000");
        // Small spreads, and spreads far below the mean.
        row("9.80 to 9.82", 3, "29.43", "288.7085", "0.000", "0.008");
        row("100.1 to 100.3", 3, "300.6", "30120.14", "0.007", "0.082");
        row("1000 and 1001", 2, "2001", "2002001", "0.250", "0.500");
        row("100000000 and 100000004", 2, "200000004", "20000000800000016", "4.000", "2.000");
        row("10000000 and 10000000.5", 2, "20000000.5", "200000010000000.25", "0.063", "0.250");
        row("lab data", 5, "23367.4", "193187563.92", "16,796,097.474", "4,098.304");
        // Halves of the last digit shown go away from zero.
        row("a half up", 2, "0", "0.001", "0.001", "0.022");
        // From 1E15 on: the scientific result form, rounded once.
        row("huge", 1, "0", "1E36", "1.000E+36", "1.000E+18");
        row("huge, carried", 1, "0", "9.9996E20", "1.000E+21", "31,622,144,139.827");
    }
    void spreads() {
        QFETCH(int, n);
        QFETCH(QString, sum);
        QFETCH(QString, sumOfSquares);
        QFETCH(QString, variance);
        QFETCH(QString, deviation);
        QCOMPARE(statistics::variance(n, sum, sumOfSquares), variance);
        QCOMPARE(statistics::standardDeviation(n, sum, sumOfSquares), deviation);
    }

    // Totals that no data can give show their negative variance, and have no standard deviation.
    void impossibleTotals() {
        QCOMPARE(statistics::variance(4, "10", "20"), QStringLiteral("-1.250"));
        QCOMPARE(statistics::variance(3, "0.3", "0.0299"), QStringLiteral("0.000")); // never -0.000
        QCOMPARE(failureOf([] { statistics::standardDeviation(3, "0.3", "0.0299"); }),
                 num::Failure::NegativeRoot);
        QCOMPARE(failureOf([] { statistics::standardDeviation(5, "49.05", "481.1804"); }),
                 num::Failure::NegativeRoot);
        QCOMPARE(failureOf([] { statistics::variance(0, "1", "1"); }), num::Failure::DivisionByZero);
        // Beyond the windows' range: too large.
        QCOMPARE(failureOf([] { statistics::variance(1, "3E19", "0"); }), num::Failure::TooLarge);
        QCOMPARE(failureOf([] { statistics::mean("1E38", "0.1"); }), num::Failure::TooLarge);
        QCOMPARE(failureOf([] { statistics::mean("1", "x"); }), num::Failure::NotANumber);
    }

    void results() {
        QCOMPARE(statistics::mean("850", "5"), QStringLiteral("170.000"));
        QCOMPARE(statistics::mean("29.41", "3"), QStringLiteral("9.803"));
        QCOMPARE(statistics::mean("3000000.03", "3"), QStringLiteral("1,000,000.010"));
        QCOMPARE(statistics::mean("0.0005", "1"), QStringLiteral("0.001"));
        QCOMPARE(statistics::mean("-0.0005", "1"), QStringLiteral("-0.001"));
        QCOMPARE(statistics::mean("-0.0004", "1"), QStringLiteral("0.000"));
        QCOMPARE(statistics::mean("1234.5E12", "1"), QStringLiteral("1.235E+15"));
        QCOMPARE(statistics::mean("-1E30", "1"), QStringLiteral("-1.000E+30"));
        QCOMPARE(failureOf([] { statistics::mean("10", "0"); }), num::Failure::DivisionByZero);
        // The region's separators.
        QCOMPARE(statistics::variance(5, "23367.4", "193187563.92", german),
                 QStringLiteral("16.796.097,474"));
        QCOMPARE(statistics::mean("-1E30", "1", german), QStringLiteral("-1,000E+30"));
        // Percent errors: g measured as 9.6 against 9.81, aluminium's density 2.85 against 2.70,
        // the speed of sound 350 against 343.
        QCOMPARE(statistics::percentError("9.6", "9.81"), QStringLiteral("-2.141"));
        QCOMPARE(statistics::percentError("2.85", "2.70"), QStringLiteral("5.556"));
        QCOMPARE(statistics::percentError("350", "343"), QStringLiteral("2.041"));
        QCOMPARE(statistics::percentError("9", "10"), QStringLiteral("-10.000"));
        QCOMPARE(statistics::percentError("1.000005", "1"), QStringLiteral("0.001"));
        QCOMPARE(failureOf([] { statistics::percentError("1", "0"); }), num::Failure::DivisionByZero);
    }

    void wholeCounts() {
        QCOMPARE(statistics::wholeCount("2.5"), 2);
        QCOMPARE(statistics::wholeCount("3.5"), 4);
        QCOMPARE(statistics::wholeCount("2.50001"), 3);
        QCOMPARE(statistics::wholeCount("0.4"), 0);
        QCOMPARE(statistics::wholeCount("-2.5"), -2);
        QCOMPARE(statistics::wholeCount("-2.6"), -3);
        QCOMPARE(statistics::wholeCount("32767"), 32767);
        QCOMPARE(statistics::wholeCount("-32768.5"), -32768);
        QCOMPARE(failureOf([] { statistics::wholeCount("32767.5"); }), num::Failure::TooLarge);
        QCOMPARE(failureOf([] { statistics::wholeCount("-32769"); }), num::Failure::TooLarge);
    }

    // The variation's worked formula writes the mean exactly where it ends.
    void writtenMeans() {
        QCOMPARE(statistics::writtenMean(4, "10"), QStringLiteral("2.5"));
        QCOMPARE(statistics::writtenMean(2, "2001"), QStringLiteral("1000.5"));
        QCOMPARE(statistics::writtenMean(3, "3000000.03"), QStringLiteral("1000000.01"));
        QCOMPARE(statistics::writtenMean(3, "3000000000000003"), QStringLiteral("1000000000000001"));
        QCOMPARE(statistics::writtenMean(3, "10"), QStringLiteral("3.33333333333333"));
        QCOMPARE(statistics::writtenMean(3, "20"), QStringLiteral("6.66666666666667"));
        QCOMPARE(statistics::writtenMean(-4, "10"), QStringLiteral("-2.5"));
    }

    void writtenDecimals_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << "232"
                               << "232";
        QTest::newRow("zeros") << "0040.500"
                               << "40.5";
        QTest::newRow("zero") << "-0.00"
                              << "0";
        QTest::newRow("negative") << "-12.5"
                                  << "-12.5";
        QTest::newRow("a ten-thousandth") << "0.0001"
                                          << "0.0001";
        QTest::newRow("small") << "0.00001234"
                               << "1.234E-05";
        QTest::newRow("large") << "1E20"
                               << "100000000000000000000";
        QTest::newRow("larger") << "1.5E21"
                                << "1.5E+21";
        QTest::newRow("many digits") << "3000000060000000.0005"
                                     << "3000000060000000.0005";
        QTest::newRow("exponent") << "1.5E3"
                                  << "1500";
    }
    void writtenDecimals() {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QCOMPARE(statistics::written(statistics::typedDecimal(typed).value()), text);
    }

    // The data window's lists, through the totals it writes into a window, to that window's
    // results: the cases where the totals were written with too few digits, and the rounding of
    // a mean of large numbers.
    void listsThroughTheTotals_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sum");
        QTest::addColumn<QString>("sumOfSquares");
        QTest::addColumn<QString>("mean");
        QTest::addColumn<QString>("deviation");
        QTest::newRow("textbook") << "2 4 4 4 5 5 7 9"
                                  << "40"
                                  << "232"
                                  << "5.000"
                                  << "2.000";
        QTest::newRow("readings of g") << "9.81\n9.79\n9.80\n9.82\n9.80"
                                       << "49.02"
                                       << "480.5926"
                                       << "9.804"
                                       << "0.010";
        QTest::newRow("a quadrillion and two") << "1000000000000000 1000000000000001 1000000000000002"
                                               << "3000000000000003"
                                               << "3000000000000006000000000000005"
                                               << "1.000E+15"
                                               << "0.816";
        QTest::newRow("halves above a hundred million") << "100000000.5 100000001.5 100000002.5"
                                                        << "300000004.5"
                                                        << "30000000900000008.75"
                                                        << "100,000,001.500"
                                                        << "0.816";
        QTest::newRow("a million and cents") << "1000000.00 1000000.01 1000000.02"
                                             << "3000000.03"
                                             << "3000000060000.0005"
                                             << "1,000,000.010"
                                             << "0.008";
        QTest::newRow("five of 9.81") << "9.81 9.81 9.81 9.81 9.81"
                                      << "49.05"
                                      << "481.1805"
                                      << "9.810"
                                      << "0.000";
        QTest::newRow("three of 0.1") << "0.1 0.1 0.1"
                                      << "0.3"
                                      << "0.03"
                                      << "0.100"
                                      << "0.000";
        QTest::newRow("tiny") << "1E-30 3E-30"
                              << "4E-30"
                              << "1E-59"
                              << "0.000"
                              << "0.000";
    }
    void listsThroughTheTotals() {
        QFETCH(QString, text);
        QFETCH(QString, sum);
        QFETCH(QString, sumOfSquares);
        QFETCH(QString, mean);
        QFETCH(QString, deviation);
        const statistics::Measurements m = statistics::readMeasurements(text);
        QCOMPARE(statistics::refusal(m, text), QString());
        const statistics::Totals t = statistics::totalsOf(m, text, true);
        QCOMPARE(t.refusal, QString());
        QCOMPARE(t.sum, sum);
        QCOMPARE(t.sumOfSquares, sumOfSquares);
        const QString n = QString::number(t.count);
        QCOMPARE(statistics::mean(t.sum, n), mean);
        QCOMPARE(statistics::standardDeviation(statistics::wholeCount(n), t.sum, t.sumOfSquares), deviation);
    }

    // Random data sets as a student types them, with totals and results worked out exactly.
    void randomSets_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("sum");
        QTest::addColumn<QString>("sumOfSquares");
        QTest::addColumn<QString>("mean");
        QTest::addColumn<QString>("variance");
        QTest::addColumn<QString>("deviation");
        const auto row = [](const char* name, const char* text, int n, const char* sum, const char* squares,
                            const char* mean, const char* variance, const char* deviation) {
            QTest::newRow(name) << text << n << sum << squares << mean << variance << deviation;
        };
        row("set 1", "702150 702125 702188 702167 702139 702186 702176 702177 702186 702192", 10, "7021686",
            "4930407433040", "702,168.600", "478.040", "21.864");
        row("set 2",
            "747990004.30 747990001.07 747990004.58 747990001.47 747989999.01 747989998.78 747989995.68 747989995.58 747990000.30 747989997.11 747989999.89 747989996.31",
            12, "8975879994.08", "6713868472343798505.5098", "747,989,999.507", "8.549", "2.924");
        row("set 3", "58541 58557 58550 58485 58473 58488 58469", 7, "409563", "23963130489", "58,509.000",
            "1,274.571", "35.701");
        row("set 4", "9574599.8 9574599.6 9574599.7 9574599.5", 4, "38298398.6", "366691833831120.54",
            "9,574,599.650", "0.013", "0.112");
        row("set 5", "86303.3 86299.1 86300.2 86299.1 86298.8 86301.2 86296.8 86299.8", 8, "690398.3",
            "59581226605.71", "86,299.788", "3.169", "1.780");
        row("set 6", "8099800001 8099800000 8099800000 8099799999 8099799999 8099800001", 6, "48598800000",
            "393640560240000000004", "8,099,800,000.000", "0.667", "0.816");
        row("set 7", "35430000000.001 35430000000.004 35429999999.998 35429999999.997", 4, "141720000000",
            "5021139600000000000000.00003", "35,430,000,000.000", "0.000", "0.003");
        row("set 8",
            "47379000.01 47379000.02 47379000.04 47379000.03 47379000.02 47379000.02 47379000.04 47379000.04 47378999.99 47378999.95 47379000.03",
            11, "521169000.19", "24692466069004020.0105", "47,379,000.017", "0.001", "0.026");
        row("set 9",
            "888569999.7 888569999.8 888569999.6 888569999.5 888569999.6 888570000.1 888570000.0 888569999.5 888570000.2 888570000.0 888569999.5 888569999.8",
            12, "10662839997.3", "9474679734001722001.29", "888,569,999.775", "0.057", "0.238");
        row("set 10", "419430000.00 419429999.99 419429999.99", 3, "1258289999.98", "527764574683222800.0002",
            "419,429,999.993", "0.000", "0.005");
        row("set 11", "531711.64 531786.07 531733.35 531742.95", 4, "2126974.01", "1131004612734.4595",
            "531,743.503", "732.647", "27.067");
        row("set 12", "94155997594 94155999994 94155995702 94156002607 94156004427 94156002196 94155999426",
            7, "659092001946", "62057466718455207808346", "94,156,000,278.000", "7,895,336.857", "2,809.864");
        row("set 13", "633079999.9 633080000.1 633079999.9 633079999.9 633080000.1", 5, "3165399999.9",
            "2003951431873384000.05", "633,079,999.980", "0.010", "0.098");
        row("set 14", "524095 524100 524100 524096 524098 524097 524100 524102 524104 524095", 10, "5240987",
            "2746794473499", "524,098.700", "8.210", "2.865");
        row("set 15", "7971500000.31 7971500000.38 7971500000.40 7971499999.96", 4, "31886000001.05",
            "254179249016740150000.4021", "7,971,500,000.263", "0.032", "0.178");
        row("set 16",
            "24563000.6 24563004.7 24563001.3 24563001.2 24563002.7 24563003.7 24563001.5 24562995.3 24562995.2 24562997.5",
            10, "245630003.7", "6033409871766300.19", "24,563,000.370", "9.882", "3.144");
        row("set 17", "86812000000.004 86812000000.000 86812000000.005 86811999999.997", 4,
            "347248000000.006", "30145293376001041744000.00005", "86,812,000,000.002", "0.000", "0.003");
        row("set 18", "671769816 671770411 671770360 671770369 671769909 671770223", 6, "4030621088",
            "2707651059172046548", "671,770,181.333", "54,876.222", "234.257");
        row("set 19",
            "854860.464 854859.982 854859.752 854860.294 854859.675 854860.500 854859.803 854859.670 854859.592",
            9, "7693739.732", "6577070118196.073358", "854,859.970", "0.114", "0.338");
        row("set 20", "20187.98 20188.05 20187.97 20188.03", 4, "80752.03", "1630222587.2847", "20,188.008",
            "0.001", "0.033");
        row("set 21", "46392999986.1 46392999953.7 46393000010.5 46393000019.7", 4, "185571999970",
            "8609241793216420002835.24", "46,392,999,992.500", "652.560", "25.545");
        row("set 22",
            "34179799.0 34179950.5 34180004.4 34179618.9 34180032.5 34179665.2 34179746.2 34179736.2 34180396.6 34179518.1 34180361.2 34180210.4",
            12, "410159039.2", "14019203120711512.76", "34,179,919.933", "76,882.059", "277.276");
        row("set 23", "76794 76790 76796 76791 76786 76796 76796 76795 76790", 9, "691134", "53074022986",
            "76,792.667", "11.333", "3.367");
        row("set 24", "4915700.000 4915700.000 4915700.000 4915700.000", 4, "19662800", "96656425960000",
            "4,915,700.000", "0.000", "0.000");
        row("set 25", "937234 937232 937225 937235 937225 937228 937225 937225 937231 937230 937232", 11,
            "10309522", "9662385806374", "937,229.273", "13.471", "3.670");
        row("set 26", "16452.0 16284.6 16512.5 17027.7 16519.1 16483.6 16425.2 16377.3 17140.2 16592.6", 10,
            "165814.8", "2750155439.6", "16,581.480", "70,064.970", "264.698");
        row("set 27", "388170.415 388171.582 388166.472 388171.720 388166.979", 5, "1940847.168",
            "753377545932.326574", "388,169.434", "5.121", "2.263");
        row("set 28",
            "838499.982 838500.039 838499.973 838499.953 838500.020 838500.039 838499.981 838500.027", 8,
            "6708000.014", "5624658023478.007794", "838,500.002", "0.001", "0.031");
        row("set 29",
            "142280000.1 142280000.1 142280000.1 142280000.0 142280000.0 142280000.1 142280000.1 142280000.1",
            8, "1138240000.6", "161948787370736000.06", "142,280,000.075", "0.002", "0.043");
        row("set 30",
            "6886299995.116 6886299995.710 6886300001.955 6886299999.552 6886299999.483 6886300003.434 6886299996.272 6886299997.380 6886300000.763 6886300003.693 6886299998.821",
            11, "75749299992.179", "521632404482284495494.712773", "6,886,299,999.289", "8.105", "2.847");
        row("set 31", "206800000.05 206800000.04", 2, "413600000.09", "85532480037224000.0041",
            "206,800,000.045", "0.000", "0.005");
        row("set 32", "56271 56264", 2, "112535", "6332063137", "56,267.500", "12.250", "3.500");
        row("set 33",
            "448000000.001 448000000.000 448000000.001 448000000.001 448000000.001 448000000.000 447999999.999 448000000.000 448000000.000 447999999.999 448000000.001 448000000.000",
            12, "5376000000.003", "2408448000002688000.000007", "448,000,000.000", "0.000", "0.001");
        row("set 34",
            "717149995 717149996 717149995 717150004 717149996 717149999 717150001 717149996 717150002", 9,
            "6454349984", "4628737079551200120", "717,149,998.222", "10.173", "3.189");
        row("set 35", "702185 702184 702184 702176 702185 702177 702185 702182", 8, "5617458",
            "3944479297816", "702,182.250", "11.938", "3.455");
        row("set 36", "96381999.99 96381999.99 96382000.01 96381999.99 96382000.01 96382000.00", 6,
            "578291999.99", "55736939542072360.0005", "96,381,999.998", "0.000", "0.009");
        row("set 37", "14504.999 14504.999 14504.999", 3, "43514.997", "631184987.970003", "14,504.999",
            "0.000", "0.000");
        row("set 38",
            "4346900.1 4346899.9 4346900.1 4346900.0 4346900.1 4346899.9 4346900.1 4346900.1 4346900.0 4346900.0 4346900.1",
            11, "47815900.4", "207850939187520.08", "4,346,900.036", "0.006", "0.077");
        row("set 39",
            "8044200390.0 8044199568.1 8044200262.8 8044199907.3 8044200353.2 8044199939.4 8044199976.8 8044199574.9 8044199946.8 8044200055.3 8044200197.3 8044199991.6",
            12, "96530400163.5", "776509846310454170851.77", "8,044,200,013.625", "64,052.007", "253.085");
        row("set 40",
            "87074000000.04 87074000000.05 87073999999.99 87073999999.95 87073999999.95 87073999999.96 87074000000.02 87074000000.05 87073999999.98 87074000000.00 87073999999.96 87074000000.01",
            12, "1044887999999.96", "90982577711993034080000.0158", "87,073,999,999.997", "0.001", "0.036");
        row("set 41",
            "2094999999.551 2095000000.163 2094999999.570 2094999999.574 2094999999.726 2094999999.911 2094999999.630 2095000000.196 2095000000.155 2095000000.395 2094999999.817",
            11, "23044999998.688", "48279274994502720001.066398", "2,094,999,999.881", "0.083", "0.288");
        row("set 42",
            "126800004.630 126800003.053 126800004.421 126800000.052 126799996.640 126800004.286 126800000.848 126799998.674",
            8, "1014400012.604", "128625923196374482.44243", "126,800,001.576", "7.823", "2.797");
        row("set 43", "42386513.7 42386571.4 42386777.1 42387214.8 42387015.8 42386681.0", 6, "254320773.8",
            "10779842664739219.74", "42,386,795.633", "61,237.556", "247.462");
        row("set 44", "9413304.33 9413299.54 9413300.35 9413301.42 9413299.24 9413297.27", 6, "56479802.15",
            "531661341817219.1299", "9,413,300.358", "4.727", "2.174");
        row("set 45", "7810795785 7810804044 7810803037 7810799024 7810803688 7810802629 7810803318", 7,
            "54675611525", "427060356519015818215", "7,810,801,646.429", "8,120,446.531", "2,849.640");
        row("set 46",
            "63320000.05 63319999.97 63320000.00 63319999.95 63319999.96 63319999.96 63320000.00 63320000.03",
            8, "506559999.92", "32075379189868800.01", "63,319,999.990", "0.001", "0.034");
        row("set 47", "1620500001.22 1620500002.90 1620499996.76", 3, "4861500000.88",
            "7878060752852080020.396", "1,620,500,000.293", "6.713", "2.591");
        row("set 48", "3801700000.07 3801700000.30", 2, "7603400000.37", "28905845782813258000.0949",
            "3,801,700,000.185", "0.013", "0.115");
        row("set 49", "4980200002 4980199996 4980200002", 3, "14940600000", "74407176120000000024",
            "4,980,200,000.000", "8.000", "2.828");
        row("set 50", "380209.95 380210.00 380209.96 380210.01 380210.05 380210.02 380210.05 380209.97", 8,
            "3041680.01", "1156477160404.2105", "380,210.001", "0.001", "0.036");
    }
    void randomSets() {
        QFETCH(QString, text);
        QFETCH(int, n);
        QFETCH(QString, sum);
        QFETCH(QString, sumOfSquares);
        QFETCH(QString, mean);
        QFETCH(QString, variance);
        QFETCH(QString, deviation);
        const statistics::Measurements m = statistics::readMeasurements(text);
        const statistics::Totals t = statistics::totalsOf(m, text, true);
        QCOMPARE(t.count, n);
        QCOMPARE(t.sum, sum);
        QCOMPARE(t.sumOfSquares, sumOfSquares);
        QCOMPARE(statistics::mean(sum, QString::number(n)), mean);
        QCOMPARE(statistics::variance(n, sum, sumOfSquares), variance);
        QCOMPARE(statistics::standardDeviation(n, sum, sumOfSquares), deviation);
    }

    // A list as a student types or pastes it, in the region's number format: its sorted values,
    // median and mode.
    void lists_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sorted");
        QTest::addColumn<QString>("median");
        QTest::addColumn<QString>("modes"); // empty: no mode
        QTest::newRow("textbook eight") << english << "2 4 4 4 5 5 7 9"
                                        << "2 4 4 4 5 5 7 9"
                                        << "4.5"
                                        << "4";
        QTest::newRow("readings of g") << english << "9.81, 9.79;9.80\n9.82\r\n9.80"
                                       << "9.79 9.8 9.8 9.81 9.82"
                                       << "9.8"
                                       << "9.8";
        QTest::newRow("signs and exponents") << english << "-1.5 2E3 0.5e-1 +3"
                                             << "-1.5 0.05 3 2000"
                                             << "1.525"
                                             << "";
        QTest::newRow("blank lines and tabs") << english << "\t3\n\n 1 ,, 2 ;"
                                              << "1 2 3"
                                              << "2"
                                              << "";
        QTest::newRow("commas in English") << english << "1,5 10,20,30"
                                           << "1 5 10 20 30"
                                           << "10"
                                           << "";
        QTest::newRow("a result row in English") << english << "1,234,567.875 2"
                                                 << "2 1234567.875"
                                                 << "617284.9375"
                                                 << "";
        QTest::newRow("two modes") << english << "3 2 4 3 2 1"
                                   << "1 2 2 3 3 4"
                                   << "2.5"
                                   << "2 3";
        QTest::newRow("all equally often") << english << "1 2 1 2"
                                           << "1 1 2 2"
                                           << "1.5"
                                           << "";
        QTest::newRow("equal by value") << english << "1.50 1.5 2"
                                        << "1.5 1.5 2"
                                        << "1.5"
                                        << "1.5";
        QTest::newRow("the largest numbers") << english << "1E308 1E308"
                                             << "1E+308 1E+308"
                                             << "1E+308"
                                             << "1E+308";
        QTest::newRow("a decimal comma") << german << "1,5 2,5"
                                         << "1.5 2.5"
                                         << "2"
                                         << "";
        QTest::newRow("semicolons and lines in German") << german << "1,5;2,5\n3;-0,5"
                                                        << "-0.5 1.5 2.5 3"
                                                        << "2"
                                                        << "";
        QTest::newRow("a result row in German") << german << "1.234.567,875 2"
                                                << "2 1234567.875"
                                                << "617284.9375"
                                                << "";
        QTest::newRow("a typed number in German") << german << "9.81 9,81"
                                                  << "9.81 9.81"
                                                  << "9.81"
                                                  << "9.81";
    }
    void lists() {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(QString, sorted);
        QFETCH(QString, median);
        QFETCH(QString, modes);
        const statistics::Measurements m = statistics::readMeasurements(text, locale);
        QCOMPARE(statistics::refusal(m, text, locale), QString());
        const std::vector<Decimal> values = statistics::sorted(m.values);
        QCOMPARE(written(values), sorted);
        QCOMPARE(statistics::written(statistics::median(values).value()), median);
        QCOMPARE(written(statistics::modes(values)), modes);
    }

    // A piece refused, named in the message and placed in the text; nothing is read.
    void listsRefused_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("message");
        const QString separate =
            QStringLiteral(" Separate the measurements with blanks, commas, semicolons or new lines.");
        QTest::newRow("a letter") << english << "2 4 x4 5" << 4 << 2 << "\"x4\" is not a number." + separate;
        QTest::newRow("two points") << english << "1.2.3 4" << 0 << 5
                                    << "\"1.2.3\" is not a number." + separate;
        QTest::newRow("a sign alone") << english << "3 -" << 2 << 1 << "\"-\" is not a number." + separate;
        QTest::newRow("commas in German")
            << german << "1 1,5,2" << 2 << 5
            << "\"1,5,2\" is not a number. Separate the measurements with blanks, semicolons or new lines.";
        QTest::newRow("too large") << english << "1 1E999" << 2 << 5 << "\"1E999\" is too large a number.";
        QTest::newRow("too small") << english << "1 1E-999" << 2 << 6
                                   << "\"1E-999\" is too small a number to tell from 0.";
        QTest::newRow("control characters") << english << "1 2\u00013 4" << 2 << 3
                                            << QString::fromUtf8("\"2\u24013\" is not a number.") + separate;
        QTest::newRow("an invisible character")
            << english << "5\u200B" << 0 << 2 << "\"5<U+200B>\" is not a number." + separate;
        QTest::newRow("41 characters")
            << english << "1 " + QString(41, u'7') << 2 << 41
            << QString::fromUtf8("\"77777777777777777777…\" is too long for a measurement: it has 41 "
                                 "characters, and a measurement has at most 40.");
    }
    void listsRefused() {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, message);
        const statistics::Measurements m = statistics::readMeasurements(text, locale);
        QVERIFY(m.values.empty());
        QCOMPARE(m.faulty.start, start);
        QCOMPARE(m.faulty.length, length);
        QCOMPARE(statistics::refusal(m, text, locale), message);
    }

    void countsRefused() {
        QCOMPARE(statistics::refusal({}, u" ;\n"), QStringLiteral("Enter at least one measurement."));
        // A count box takes a 16-bit count.
        const QString most = QString(QStringLiteral("1 ")).repeated(32767);
        QCOMPARE(statistics::refusal(statistics::readMeasurements(most), most), QString());
        const QString more = most + "1";
        QCOMPARE(
            statistics::refusal(statistics::readMeasurements(more), more),
            QStringLiteral("The statistics windows take at most 32767 measurements; this list has 32768."));
        // One unbroken megabyte is refused at once, quoted short.
        const QString huge(1'000'000, u'9');
        const statistics::Measurements m = statistics::readMeasurements(huge);
        QCOMPARE(m.faulty.length, 1'000'000);
        QVERIFY(statistics::refusal(m, huge).size() < 200);
    }

    // Totals the window would refuse: beyond the single-precision range, from the piece named on.
    void totalsRefused() {
        const QString squares = QStringLiteral("1 1E19 1E19 1E19 1E19");
        statistics::Totals t = statistics::totalsOf(statistics::readMeasurements(squares), squares, true);
        QCOMPARE(t.refusal,
                 QStringLiteral("The sum of the squares is too large from \"1E19\" on: a total can be "
                                "at most 3.402823E+38."));
        QCOMPARE(t.faulty.start, 17);
        // The mean's window takes no squares: the sum, 4E+19, is within its range.
        t = statistics::totalsOf(statistics::readMeasurements(squares), squares, false);
        QCOMPARE(t.refusal, QString());
        QCOMPARE(t.sum, QStringLiteral("40000000000000000001"));
        const QString issue = QStringLiteral("1E20 1E20");
        QCOMPARE(statistics::totalsOf(statistics::readMeasurements(issue), issue, true).faulty.start, 0);
        const QString sums = QStringLiteral("3E38 1 3E38 -3E38 3E38 5");
        t = statistics::totalsOf(statistics::readMeasurements(sums), sums, false);
        QCOMPARE(t.refusal, QStringLiteral("The sum is too large from \"3E38\" on: a total can be at most "
                                           "3.402823E+38."));
        QCOMPARE(t.faulty.start, 18);
        const QString back = QStringLiteral("3E38 3E38 -3E38");
        QCOMPARE(statistics::totalsOf(statistics::readMeasurements(back), back, false).sum,
                 QStringLiteral("3E+38"));
    }
};

QTEST_GUILESS_MAIN(TestStatistics)
#include "test_statistics.moc"
