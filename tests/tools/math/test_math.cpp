// Significant figures, metric, temperature and trigonometric conversions, areas and volumes and
// the Pythagorean theorem against worked examples of chemistry and physics textbooks.

#include "tools/math/conversions.h"
#include "tools/math/geometry.h"
#include "tools/math/sigfigs.h"

#include <QTest>

using num::Double;
using Conversion = Double (*)(Double);
Q_DECLARE_METATYPE(Conversion)
Q_DECLARE_METATYPE(math::Shape)
Q_DECLARE_METATYPE(math::Scale)

class TestMath : public QObject {
    Q_OBJECT

    static void near(Double got, double expected, double tolerance) {
        QVERIFY2(qAbs(got.value() - expected) <= tolerance,
                 qPrintable(QStringLiteral("%1, expected %2").arg(got.value(), 0, 'g', 17).arg(expected)));
    }

  private slots:
    void significantFigures_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("stopsEarly");
        // Trailing zeros count only with a decimal point; leading zeros never; zeros between
        // non-zero digits always.
        QTest::newRow("1200") << "1200" << 2 << false;
        QTest::newRow("1200.") << "1200." << 4 << false;
        QTest::newRow("1002") << "1002" << 4 << false;
        QTest::newRow("100.") << "100." << 3 << false;
        QTest::newRow("0.0120") << "0.0120" << 3 << false;
        QTest::newRow("120.0") << "120.0" << 4 << false;
        QTest::newRow(".5") << ".5" << 1 << false;
        QTest::newRow("4.56") << "4.56" << 3 << false;
        QTest::newRow("305") << "305" << 3 << false;
        QTest::newRow("0.0072") << "0.0072" << 2 << false;
        QTest::newRow("0.04050") << "0.04050" << 4 << false;
        QTest::newRow("50.0") << "50.0" << 3 << false;
        QTest::newRow("0") << "0" << 0 << false;
        QTest::newRow("0.000") << "0.000" << 0 << false;
        QTest::newRow(".") << "." << 0 << false;
        // A second point is no digit: the counting stops with what it has.
        QTest::newRow("1.2.3") << "1.2.3" << 2 << true;
        QTest::newRow("12a0") << "12a0" << 2 << true;
    }
    void significantFigures() {
        QFETCH(QString, number);
        QFETCH(int, count);
        QFETCH(bool, stopsEarly);
        const math::SigFigCount counted = math::CalculateSigFigs(number);
        QCOMPARE(counted.count, count);
        QCOMPARE(!counted.failure.isEmpty(), stopsEarly);
    }

    // The zero at a position: whether a non-zero digit follows, and whether it counts.
    void zeros() {
        QVERIFY(math::NumberAfterZero("1002", 2));
        QVERIFY(!math::NumberAfterZero("1200", 3));
        QVERIFY(!math::NumberAfterZero("1200", 4));
        QVERIFY(math::CheckZero("1.20", 4, true, true));
        QVERIFY(!math::CheckZero("0.5", 1, true, false));
        QVERIFY(math::CheckZero("105", 2, false, true));
        QVERIFY(!math::CheckZero("150", 3, false, true));
    }

    void metric_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<double>("expected");
        QTest::newRow("2.5 km in cm") << 2.5 << 3 << -2 << 250000.0;
        QTest::newRow("450 mg in g") << 450.0 << -3 << 0 << 0.45;
        QTest::newRow("589 nm in m") << 589.0 << -9 << 0 << 5.89e-7;
        QTest::newRow("12.5 mL in L") << 12.5 << -3 << 0 << 0.0125;
        QTest::newRow("0.75 L in mL") << 0.75 << 0 << -3 << 750.0;
        QTest::newRow("5 kg in g") << 5.0 << 3 << 0 << 5000.0;
        QTest::newRow("5000 g in kg") << 5000.0 << 0 << 3 << 5.0;
        QTest::newRow("2.5 cL in mL") << 2.5 << -2 << -3 << 25.0;
        QTest::newRow("1 n in G") << 1.0 << -9 << 9 << 1e-18;
        QTest::newRow("1 G in c") << 1.0 << 9 << -2 << 1e11;
        QTest::newRow("3 k in M") << 3.0 << 3 << 6 << 0.003;
        QTest::newRow("same prefix") << 7.25 << 3 << 3 << 7.25;
    }
    // Powers of ten are exact: the answers are the nearest doubles to the textbook values.
    void metric() {
        QFETCH(double, value);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(double, expected);
        QCOMPARE(math::convertMetric(value, from, to).value(), expected);
    }

    // The window writes the converted value in the plain form, all its digits at every size.
    void metricText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("text");
        QTest::newRow("999999 k in micro") << 999999.0 << 3 << -6 << "999999000000000";
        QTest::newRow("1 M in n") << 1.0 << 6 << -9 << "1E+15";
        QTest::newRow("1 G in n") << 1.0 << 9 << -9 << "1E+18";
        QTest::newRow("123456789 G in n") << 123456789.0 << 9 << -9 << "1.23456789E+26";
        QTest::newRow("2.5 n in G") << 2.5 << -9 << 9 << "2.5E-18";
    }
    void metricText() {
        QFETCH(double, value);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, text);
        QCOMPARE(num::plain(math::convertMetric(value, from, to)), text);
    }

    // Absolute zero with the window's 273: 0 K, -273 C, -459.4 F; itself allowed, below refused.
    void absoluteZero_data() {
        QTest::addColumn<math::Scale>("scale");
        QTest::addColumn<double>("t");
        QTest::addColumn<bool>("below");
        QTest::newRow("0 K") << math::Scale::Kelvin << 0.0 << false;
        QTest::newRow("-0.001 K") << math::Scale::Kelvin << -0.001 << true;
        QTest::newRow("-273 C") << math::Scale::Celsius << -273.0 << false;
        QTest::newRow("-273.001 C") << math::Scale::Celsius << -273.001 << true;
        QTest::newRow("-459.4 F") << math::Scale::Fahrenheit << -459.4 << false;
        QTest::newRow("-459.41 F") << math::Scale::Fahrenheit << -459.41 << true;
    }
    void absoluteZero() {
        QFETCH(math::Scale, scale);
        QFETCH(double, t);
        QFETCH(bool, below);
        QCOMPARE(math::belowAbsoluteZero(t, scale), below);
    }
    // The three limits are one temperature.
    void absoluteZeroIsOneTemperature() {
        near(math::celsiusToKelvin(math::absoluteZero(math::Scale::Celsius)), 0.0, 1e-9);
        near(math::fahrenheitToKelvin(math::absoluteZero(math::Scale::Fahrenheit)), 0.0, 1e-9);
        near(math::fahrenheitToCelsius(math::absoluteZero(math::Scale::Fahrenheit)), -273.0, 1e-9);
    }

    void temperatures_data() {
        QTest::addColumn<Conversion>("convert");
        QTest::addColumn<double>("in");
        QTest::addColumn<double>("out");
        // Body temperature, water boiling and freezing, the scales' meeting point, a room.
        QTest::newRow("37 C in F") << &math::celsiusToFahrenheit << 37.0 << 98.6;
        QTest::newRow("37 C in K") << &math::celsiusToKelvin << 37.0 << 310.0;
        QTest::newRow("98.6 F in C") << &math::fahrenheitToCelsius << 98.6 << 37.0;
        QTest::newRow("98.6 F in K") << &math::fahrenheitToKelvin << 98.6 << 310.0;
        QTest::newRow("310 K in F") << &math::kelvinToFahrenheit << 310.0 << 98.6;
        QTest::newRow("100 C in F") << &math::celsiusToFahrenheit << 100.0 << 212.0;
        QTest::newRow("212 F in C") << &math::fahrenheitToCelsius << 212.0 << 100.0;
        QTest::newRow("32 F in K") << &math::fahrenheitToKelvin << 32.0 << 273.0;
        QTest::newRow("-40 C in F") << &math::celsiusToFahrenheit << -40.0 << -40.0;
        QTest::newRow("298 K in C") << &math::kelvinToCelsius << 298.0 << 25.0;
    }
    void temperatures() {
        QFETCH(Conversion, convert);
        QFETCH(double, in);
        QFETCH(double, out);
        near(convert(in), out, 1e-9);
    }

    void trigonometry_data() {
        QTest::addColumn<Conversion>("f");
        QTest::addColumn<double>("in");
        QTest::addColumn<double>("out");
        QTest::newRow("sin 30") << &math::sine << 30.0 << 0.5;
        QTest::newRow("cos 60") << &math::cosine << 60.0 << 0.5;
        QTest::newRow("tan 45") << &math::tangent << 45.0 << 1.0;
        QTest::newRow("sin 25") << &math::sine << 25.0 << 0.42262;
        QTest::newRow("cos 25") << &math::cosine << 25.0 << 0.90631;
        QTest::newRow("angle of sine 0.5") << &math::angleFromSine << 0.5 << 30.0;
        QTest::newRow("angle of sine 0.3") << &math::angleFromSine << 0.3 << 17.45760;
        QTest::newRow("angle of sine -1") << &math::angleFromSine << -1.0 << -90.0;
        QTest::newRow("angle of sine 1") << &math::angleFromSine << 1.0 << 90.0;
        QTest::newRow("angle of cosine 0") << &math::angleFromCosine << 0.0 << 90.0;
        QTest::newRow("angle of cosine 0.8") << &math::angleFromCosine << 0.8 << 36.86990;
        QTest::newRow("angle of cosine -1") << &math::angleFromCosine << -1.0 << 180.0;
        QTest::newRow("angle of cosine 1") << &math::angleFromCosine << 1.0 << 0.0;
        QTest::newRow("angle of tangent 0.75") << &math::angleFromTangent << 0.75 << 36.86990;
        QTest::newRow("angle of tangent 5/12") << &math::angleFromTangent << 5.0 / 12 << 22.61986;
    }
    // Five decimals, as the window shows them.
    void trigonometry() {
        QFETCH(Conversion, f);
        QFETCH(double, in);
        QFETCH(double, out);
        near(f(in), out, 5e-6);
    }

    // No angle has a sine or cosine beyond -1 or 1.
    void noAngle() {
        QVERIFY_THROWS_EXCEPTION(num::CalcError, math::angleFromSine(-1.5));
        QVERIFY_THROWS_EXCEPTION(num::CalcError, math::angleFromCosine(2.0));
    }

    // The tangent of 90 + k 180 degrees is undefined.
    void noTangent() {
        for (double degrees : {90.0, 270.0, -90.0, 450.0}) {
            QVERIFY(!math::hasTangent(degrees));
            QVERIFY_THROWS_EXCEPTION(num::CalcError, math::tangent(degrees));
        }
        QVERIFY(math::hasTangent(180.0));
    }

    void shapes_data() {
        QTest::addColumn<math::Shape>("shape");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("expected");
        QTest::newRow("rectangle 3 by 4") << math::Shape::Rectangle << 3.0 << 4.0 << 12.0;
        QTest::newRow("circle r 2") << math::Shape::Circle << 2.0 << 0.0 << 12.566;
        QTest::newRow("ellipse 3 and 2") << math::Shape::Ellipse << 3.0 << 2.0 << 18.850;
        QTest::newRow("sphere surface r 1") << math::Shape::SphereSurface << 1.0 << 0.0 << 12.566;
        QTest::newRow("cylinder side r 1 h 2") << math::Shape::CylinderSurface << 1.0 << 2.0 << 12.566;
        QTest::newRow("cone side r 3 h 4") << math::Shape::ConeSurface << 3.0 << 4.0 << 47.124;
        QTest::newRow("cube 3") << math::Shape::Cube << 3.0 << 0.0 << 27.0;
        QTest::newRow("sphere r 1") << math::Shape::Sphere << 1.0 << 0.0 << 4.189;
        QTest::newRow("sphere r 3") << math::Shape::Sphere << 3.0 << 0.0 << 113.097;
        QTest::newRow("cylinder r 0.5 h 2") << math::Shape::Cylinder << 0.5 << 2.0 << 1.571;
        QTest::newRow("triangle h 3 b 6") << math::Shape::Triangle << 3.0 << 6.0 << 9.0;
        QTest::newRow("cone r 3 h 4") << math::Shape::Cone << 3.0 << 4.0 << 37.699;
    }
    // Three decimals, as the window shows them.
    void shapes() {
        QFETCH(math::Shape, shape);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, expected);
        near(math::measure(shape, a, b), expected, 5e-4);
    }

    void rightTriangles() {
        near(math::hypotenuse(3, 4), 5, 1e-12);
        near(math::hypotenuse(5, 12), 13, 1e-12);
        near(math::hypotenuse(12, 5), 13, 1e-12);
        near(math::hypotenuse(0, 0), 0, 0);
        near(math::otherSide(5, 3), 4, 1e-12);
        near(math::otherSide(13, 5), 12, 1e-12);
        near(math::otherSide(6.5, 2.5), 6, 1e-12);
        // A side longer than the hypotenuse: no such triangle.
        QVERIFY_THROWS_EXCEPTION(num::CalcError, math::otherSide(3, 5));
        // Kept in single precision, a length beyond its range is an overflow.
        QCOMPARE(num::narrow(Double(5)).value(), 5.0f);
        QVERIFY_THROWS_EXCEPTION(num::CalcError, num::narrow(math::hypotenuse(3e38, 3e38)));
    }
};

QTEST_GUILESS_MAIN(TestMath)
#include "test_math.moc"
