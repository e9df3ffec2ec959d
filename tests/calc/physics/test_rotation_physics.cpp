// Angular acceleration, torque and the simple pendulum against worked examples of introductory
// textbooks.

#include "calc/physics/rotation.h"

#include "failures.h"

#include <QTest>

using num::Double;

class TestRotation : public QObject {
    Q_OBJECT

  private slots:
    // A wheel speeding up from 2 to 10 rad/s in 2 s: 4 rad/s^2; each of the three from the others.
    void angularAcceleration() {
        QCOMPARE(physics::angularAcceleration(2.0f, 10.0f, 2.0f).value(), 4.0f);
        QCOMPARE(physics::accelerationTime(2.0f, 10.0f, 4.0f).value(), 2.0f);
        QCOMPARE(physics::finalAngularSpeed(2.0f, 2.0f, 4.0f).value(), 10.0f);
    }

    void torque_data() {
        QTest::addColumn<double>("force");
        QTest::addColumn<double>("arm");
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("torque");
        // A mechanic pulls 80 N at right angles to a 0.25 m wrench: 20 N m; at 60 degrees 17.32 N m.
        QTest::newRow("wrench, square on") << 80.0 << 0.25 << 90.0 << 20.0;
        QTest::newRow("wrench, at 60 degrees") << 80.0 << 0.25 << 60.0 << 17.3205;
        // A 55 N push on a door 0.90 m from its hinges at 45 degrees: 35.0 N m.
        QTest::newRow("door") << 55.0 << 0.90 << 45.0 << 35.0018;
        // A force along the lever turns nothing.
        QTest::newRow("along the lever") << 80.0 << 0.25 << 0.0 << 0.0;
        // Whole turns count for nothing: 1E10 degrees acts as 280.
        QTest::newRow("wrench, at 1E10 degrees") << 80.0 << 0.25 << 1e10 << -19.6962;
    }
    void torque() {
        QFETCH(double, force);
        QFETCH(double, arm);
        QFETCH(double, degrees);
        QFETCH(double, torque);
        const double tau = physics::torque(force, arm, degrees).value();
        QVERIFY2(qAbs(tau - torque) < 1e-4, qPrintable(QString::number(tau)));
        // Solved back for the arm and the force, away from 0 degrees.
        if (degrees > 0) {
            QVERIFY(qAbs(physics::torqueFactor(tau, force, degrees).value() - arm) < 1e-9);
            QVERIFY(qAbs(physics::torqueFactor(tau, arm, degrees).value() - force) < 1e-9);
        }
    }

    void leverAngle_data() {
        QTest::addColumn<double>("torque");
        QTest::addColumn<double>("force");
        QTest::addColumn<double>("arm");
        QTest::addColumn<double>("degrees");
        // 10 N m from 40 N on a 0.5 m lever: the force acts at 30 degrees.
        QTest::newRow("30 degrees") << 10.0 << 40.0 << 0.5 << 30.0;
        // The largest torque a force can give, square on; the same the other way round.
        QTest::newRow("square on") << 20.0 << 10.0 << 2.0 << 90.0;
        QTest::newRow("square on, reversed") << -20.0 << 10.0 << 2.0 << -90.0;
        QTest::newRow("no torque") << 0.0 << 10.0 << 2.0 << 0.0;
    }
    void leverAngle() {
        QFETCH(double, torque);
        QFETCH(double, force);
        QFETCH(double, arm);
        QFETCH(double, degrees);
        const double theta = physics::leverAngle(torque, force, arm).value();
        QVERIFY2(qAbs(theta - degrees) < 1e-6, qPrintable(QString::number(theta, 'g', 12)));
    }

    // More torque than the force can give at any angle; a force or lever of nothing.
    void leverAngleWithoutAnswer() {
        QCOMPARE(failureOf([] { physics::leverAngle(20.01, 10.0, 2.0); }), QStringLiteral("no answer"));
        QCOMPARE(failureOf([] { physics::leverAngle(10.0, 0.0, 2.0); }), QStringLiteral("division by zero"));
        QCOMPARE(failureOf([] { physics::torqueFactor(10.0, 2.0, 0.0); }),
                 QStringLiteral("division by zero"));
    }

    void pendulum_data() {
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("g");
        QTest::addColumn<double>("period");
        // A 75.000 cm pendulum swinging with a period of 1.7357 s shows g = 9.8281 m/s^2.
        QTest::newRow("measuring g") << 0.75000 << 9.8281 << 1.7357;
        // The seconds pendulum: a period of 2 s takes 0.993 m where g is 9.8 m/s^2.
        QTest::newRow("seconds pendulum") << 0.99295 << 9.8 << 2.0;
        // The same 1 m pendulum on the Moon, g = 1.62 m/s^2: 4.94 s.
        QTest::newRow("on the Moon") << 1.0 << 1.62 << 4.9365;
    }
    void pendulum() {
        QFETCH(double, length);
        QFETCH(double, g);
        QFETCH(double, period);
        QVERIFY(qAbs(physics::pendulumPeriod(length, g).value() - period) < 1e-4 * period);
        QVERIFY(qAbs(physics::pendulumLength(period, g).value() - length) < 2e-4 * length);
        QVERIFY(qAbs(physics::pendulumGravity(period, length).value() - g) < 2e-4 * g);
    }

    // A negative length has no period.
    void pendulumWithoutAnswer() {
        QCOMPARE(failureOf([] { physics::pendulumPeriod(-1.0, 9.8); }), QStringLiteral("negative root"));
        QCOMPARE(failureOf([] { physics::pendulumGravity(0.0, 1.0); }), QStringLiteral("division by zero"));
    }
};

QTEST_GUILESS_MAIN(TestRotation)
#include "test_rotation_physics.moc"
