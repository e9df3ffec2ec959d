// Vector sums and directions against worked examples of introductory textbooks.

#include "calc/physics/vectors.h"

#include <QTest>

using physics::Vector;
using Polar = QList<QPair<float, float>>; // magnitude, direction in degrees
Q_DECLARE_METATYPE(Polar)

class TestVectors : public QObject {
    Q_OBJECT

  private slots:
    void sums_data() {
        QTest::addColumn<Polar>("vectors");
        QTest::addColumn<double>("magnitude");
        QTest::addColumn<double>("direction");
        // 3 east and 4 north: 5 at 53.13 degrees, in every quadrant.
        QTest::newRow("3 east, 4 north") << Polar{{3, 0}, {4, 90}} << 5.0 << 53.130;
        QTest::newRow("3 west, 4 north") << Polar{{3, 180}, {4, 90}} << 5.0 << 126.870;
        QTest::newRow("3 west, 4 south") << Polar{{3, 180}, {4, 270}} << 5.0 << -126.870;
        QTest::newRow("3 east, 4 south") << Polar{{3, 0}, {4, -90}} << 5.0 << -53.130;
        // A hiker walks 25 km at 45 degrees, then 40 km at 60 degrees: 64.47 km at 54.24 degrees.
        QTest::newRow("two legs of a hike") << Polar{{25, 45}, {40, 60}} << 64.474 << 54.240;
        // 10 N at 30 degrees and 10 N at 150 degrees: 10 N straight up.
        QTest::newRow("symmetric pair") << Polar{{10, 30}, {10, 150}} << 10.0 << 90.0;
        // 20 N east, 30 N north and 5 N west: 33.54 N at 63.43 degrees.
        QTest::newRow("three forces") << Polar{{20, 0}, {30, 90}, {5, 180}} << 33.541 << 63.435;
    }
    void sums() {
        QFETCH(Polar, vectors);
        QFETCH(double, magnitude);
        QFETCH(double, direction);
        Vector sum{0.0f, 0.0f};
        for (const auto& [r, theta] : vectors)
            sum = sum + physics::fromPolar(r, theta);
        QVERIFY2(qAbs(physics::magnitude(sum).value() - magnitude) < 1e-4 * magnitude,
                 qPrintable(QString::number(physics::magnitude(sum).value())));
        QVERIFY2(qAbs(physics::direction(sum).value() - direction) < 0.01,
                 qPrintable(QString::number(physics::direction(sum).value())));
    }

    void components() {
        const Vector v = physics::fromPolar(100.0f, 30.0f);
        QVERIFY(qAbs(v.x.value() - 86.603f) < 1e-3f);
        QVERIFY(qAbs(v.y.value() - 50.0f) < 1e-3f);
        // Beyond a turn, what is left of the angle: 1E10 degrees as 280, below the X axis.
        const Vector far = physics::fromPolar(10.0f, 1e10f);
        QVERIFY(qAbs(far.x.value() - 1.73648f) < 1e-4f);
        QVERIFY(qAbs(far.y.value() + 9.84808f) < 1e-4f);
    }

    // Forces that cancel leave only the rounding of their components: no direction to show.
    void cancellingForces() {
        const Vector sum = physics::fromPolar(5.0f, 30.0f) + physics::fromPolar(5.0f, 210.0f);
        QVERIFY(physics::cancels(sum, 10.0f));
        QVERIFY(!physics::cancels(physics::fromPolar(1e-3f, 0.0f), 10.0f));
        QVERIFY_THROWS_EXCEPTION(num::CalcError, physics::direction(Vector{0.0f, 0.0f}));
    }
};

QTEST_GUILESS_MAIN(TestVectors)
#include "test_vector_physics.moc"
