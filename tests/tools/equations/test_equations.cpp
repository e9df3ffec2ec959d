// The equation evaluator against equations worked by hand: well-formed ones give their value,
// anything outside the notation is refused, ranges are checked before anything is worked out, and
// Y and the slope are read from the points of the last evaluation only.

#include "tools/equations/equations.h"

#include <QTest>

using namespace equations;
using Values = QList<QPair<int, float>>; // X, Y
Q_DECLARE_METATYPE(Values)

class TestEquations : public QObject {
    Q_OBJECT

  private slots:
    void wellFormed_data() {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<Values>("values");
        QTest::newRow("the example") << "3X^3 + 2X^2 + 3X - 2" << Values{{0, -2}, {1, 6}, {2, 36}, {3, 106}};
        QTest::newRow("X alone") << "X" << Values{{-2, -2}, {0, 0}, {2, 2}};
        QTest::newRow("coefficient of two digits") << "12X^2 + 5" << Values{{2, 53}};
        QTest::newRow("exponent of two digits") << "X^12" << Values{{2, 4096}, {-2, 4096}};
        QTest::newRow("number first") << "5 + X" << Values{{3, 8}, {-5, 0}};
        QTest::newRow("minus before X squared") << "-X^2" << Values{{3, -9}, {-3, -9}};
        QTest::newRow("minus before a coefficient") << "-3X^2" << Values{{2, -12}};
        QTest::newRow("no blanks") << "3X+5" << Values{{2, 11}, {0, 5}};
        QTest::newRow("no blanks, minus") << "X^2-4" << Values{{5, 21}, {-2, 0}};
        QTest::newRow("minus at every X") << "-X + 3" << Values{{-1, 4}, {0, 3}, {1, 2}};
        QTest::newRow("minus in the middle only") << "X^2 - 2X + 1" << Values{{1, 0}, {3, 4}, {-1, 4}};
        QTest::newRow("blanks around") << "  - 4  " << Values{{7, -4}};
        QTest::newRow("leading plus") << "+X" << Values{{6, 6}};
        QTest::newRow("power of a number") << "3 + 12^2" << Values{{0, 147}};
        QTest::newRow("zeroth power") << "X^0 + 0X" << Values{{0, 1}, {9, 1}};
        QTest::newRow("largest numbers") << "99X^99" << Values{{1, 99}, {-1, -99}};
        QTest::newRow("the thrown ball")
            << "-5X^2 + 20X" << Values{{0, 0}, {1, 15}, {2, 20}, {3, 15}, {4, 0}};
    }
    void wellFormed() {
        QFETCH(QString, equation);
        QFETCH(Values, values);
        const std::optional<Polynomial> p = parse(equation);
        QVERIFY(p);
        ValueStack stack;
        for (const auto& [x, y] : values) {
            QCOMPARE(evaluate(*p, std::int16_t(x), stack).value(), y);
            QCOMPARE(stack.count(), 0);
        }
    }

    void malformed_data() {
        QTest::addColumn<QString>("equation");
        for (const char* text :
             {"",     "   ",    "1.5",    "3X + 0.5", "100", "X^123", "3X^", "X^ 2",  "X^-2",
              "X^+2", "3 + -X", "3 - -2", "--X",      "+-X", "3X -",  "X +", "-",     "+",
              "x",    "3x^2",   "X X",    "3 X",      "XX",  "X2",    "3X4", "X^2^3", "(X)",
              "X/2",  "X*2",    "\tX",    "X\n",      "3E2", "X ^2",  "X^2X"})
            QTest::newRow(text) << QString::fromLatin1(text);
        QTest::newRow("full-width digit") << QStringLiteral("\uFF11X");
        QTest::newRow("superscript two") << QStringLiteral("X\u00B2");
    }
    void malformed() {
        QFETCH(QString, equation);
        QVERIFY(!parse(equation));
    }

    void ranges_data() {
        QTest::addColumn<float>("start");
        QTest::addColumn<float>("end");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        using O = Outcome;
        QTest::newRow("0 to 3") << 0.0f << 3.0f << int(O::Written) << 0 << 4;
        QTest::newRow("100 values") << 0.0f << 99.0f << int(O::Written) << 0 << 100;
        QTest::newRow("-50 to 49") << -50.0f << 49.0f << int(O::Written) << -50 << 100;
        QTest::newRow("0 to 100: 101 values") << 0.0f << 100.0f << int(O::TooManyValues) << 0 << 0;
        QTest::newRow("rounded to 101 values") << 0.4f << 100.4f << int(O::TooManyValues) << 0 << 0;
        QTest::newRow("0 to 100.5") << 0.0f << 100.5f << int(O::RangeTooLarge) << 0 << 0;
        QTest::newRow("halves to even") << 2.5f << 3.5f << int(O::Written) << 2 << 3;
        QTest::newRow("start above end") << 3.0f << 1.0f << int(O::StartAboveEnd) << 0 << 0;
        QTest::newRow("above by a fraction") << 3.4f << 3.2f << int(O::StartAboveEnd) << 0 << 0;
        QTest::newRow("one value") << 7.0f << 7.0f << int(O::Written) << 7 << 1;
        QTest::newRow("top of 16 bits") << 32760.0f << 32767.0f << int(O::Written) << 32760 << 8;
    }
    void ranges() {
        QFETCH(float, start);
        QFETCH(float, end);
        QFETCH(int, outcome);
        QFETCH(int, first);
        QFETCH(int, count);
        const Tabulation t = tabulate(*parse(QStringLiteral("X")), start, end);
        QCOMPARE(int(t.outcome), outcome);
        QCOMPARE(int(t.points.size()), count);
        for (int i = 0; i < count; ++i)
            QCOMPARE(t.points[size_t(i)], (Point{std::int16_t(first + i), float(first + i)}));
    }

    // Beyond single precision or 16 bits the evaluation fails as a whole.
    void overflow_data() {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<float>("start");
        QTest::addColumn<float>("end");
        QTest::newRow("3 to the 99th") << "X^99" << 0.0f << 5.0f;
        QTest::newRow("a number too large") << "99^99" << 0.0f << 0.0f;
        QTest::newRow("the sum too large") << "X^38 + X^38 + X^38 + X^38" << 9.0f << 10.0f;
        QTest::newRow("X beyond 16 bits") << "X" << 32767.0f << 32768.0f;
        QTest::newRow("start beyond 16 bits") << "X" << -32769.0f << -32768.0f;
    }
    void overflow() {
        QFETCH(QString, equation);
        QFETCH(float, start);
        QFETCH(float, end);
        QVERIFY_THROWS_EXCEPTION(num::CalcError, tabulate(*parse(equation), start, end));
    }

    void readingBack_data() {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<float>("start");
        QTest::addColumn<float>("end");
        QTest::addColumn<int>("x");
        QTest::addColumn<QVariant>("y");     // invalid: no point at x
        QTest::addColumn<QVariant>("slope"); // invalid: no slope
        QTest::newRow("slope between neighbours")
            << "X^2" << 0.0f << 10.0f << 5 << QVariant(25.0f) << QVariant(10.0f);
        QTest::newRow("first point") << "X^2" << 0.0f << 10.0f << 0 << QVariant(0.0f) << QVariant(1.0f);
        QTest::newRow("last point") << "X^2" << 0.0f << 10.0f << 10 << QVariant(100.0f) << QVariant(19.0f);
        QTest::newRow("last of a short range")
            << "X^2" << 0.0f << 3.0f << 3 << QVariant(9.0f) << QVariant(5.0f);
        QTest::newRow("past the last point") << "X^2" << 0.0f << 3.0f << 4 << QVariant() << QVariant();
        QTest::newRow("before the first point") << "X^2" << 0.0f << 3.0f << -1 << QVariant() << QVariant();
        QTest::newRow("a single point") << "X^2" << 3.0f << 3.0f << 3 << QVariant(9.0f) << QVariant();
        QTest::newRow("no points") << "X^2" << 3.0f << 1.0f << 0 << QVariant() << QVariant();
        QTest::newRow("the thrown ball at the top")
            << "-5X^2 + 20X" << 0.0f << 4.0f << 2 << QVariant(20.0f) << QVariant(0.0f);
    }
    void readingBack() {
        QFETCH(QString, equation);
        QFETCH(float, start);
        QFETCH(float, end);
        QFETCH(int, x);
        QFETCH(QVariant, y);
        QFETCH(QVariant, slope);
        const std::vector<Point> points = tabulate(*parse(equation), start, end).points;
        const std::optional<num::Single> foundY = yAt(points, std::int16_t(x));
        const std::optional<num::Single> foundSlope = slopeAt(points, std::int16_t(x));
        QCOMPARE(foundY.has_value(), y.isValid());
        QCOMPARE(foundSlope.has_value(), slope.isValid());
        if (foundY)
            QCOMPARE(foundY->value(), y.toFloat());
        if (foundSlope)
            QCOMPARE(foundSlope->value(), slope.toFloat());
    }

    // What a screen reader reads of the graph: every point, in order.
    void described_data() {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<float>("start");
        QTest::addColumn<float>("end");
        QTest::addColumn<QString>("description");
        QTest::newRow("none") << "X" << 2.0f << 1.0f << "No points.";
        QTest::newRow("one point") << "X^2" << 3.0f << 3.0f << "1 point: X 3, Y 9.";
        QTest::newRow("the thrown ball")
            << "-5X^2 + 20X" << -1.0f << 1.0f << "3 points: X -1, Y -25; X 0, Y 0; X 1, Y 15.";
        QTest::newRow("large values")
            << "X^9" << 9.0f << 10.0f << "2 points: X 9, Y 3.874205E+08; X 10, Y 1E+09.";
    }
    void described() {
        QFETCH(QString, equation);
        QFETCH(float, start);
        QFETCH(float, end);
        QFETCH(QString, description);
        QCOMPARE(describe(tabulate(*parse(equation), start, end).points), description);
    }
};

QTEST_GUILESS_MAIN(TestEquations)
#include "test_equations.moc"
