// The rotation and oscillation calculators against worked examples of introductory physics
// textbooks: each option, the textbook's numbers, the textbook's answer (to the textbook's own
// precision). The books: College Physics 2e (OpenStax, 2022) and University Physics Volume 1
// (OpenStax, 2016), cited as University Physics 1. Where an example works one quantity out, a row
// may solve the same example back for another it states.
//
// Angular momentum and rotational kinetic energy are those of a point mass; the moment of inertia
// the energy window works out alone is that of a disc.

#include "../textbook.h"
#include "calc/rotation/calculators.h"

using textbook::row;

class TestRotationCalc : public textbook::Test {
    Q_OBJECT

  private slots:
    void textbookExamples_data() {
        textbook::columns();
        // Answers given to three figures, to two, and to five.
        const double three = 5e-3, two = 5e-2, five = 5e-5;

        // College Physics 2e, ch. 10, Example 10.3: a fishing reel turns through 220 rad and lets
        // out 9.90 m of line from 4.50 cm.
        row("reel's line", calc::frmAngularDisplacement, 2, {{"Text1", "220"}, {"Text2", "0.0450"}}, "Text3",
            9.90, three);
        // College Physics 2e, ch. 10, Example 10.5: wheels of 0.350 m turn through 1257 rad while a
        // train moves 440 m; and back to the angle and to the radius.
        row("train's way", calc::frmAngularDisplacement, 2, {{"Text1", "1257"}, {"Text2", "0.350"}}, "Text3",
            440, three);
        row("train's wheels turn", calc::frmAngularDisplacement, 1, {{"Text1", "440"}, {"Text2", "0.350"}},
            "Text3", 1257, three);
        row("train's wheels", calc::frmAngularDisplacement, 3, {{"Text1", "440"}, {"Text2", "1257"}}, "Text3",
            0.350, three);
        // College Physics 2e, ch. 10, Example 10.6: a fly on the edge of a 0.15 m plate turns through
        // 75.4 rad: 11 m.
        row("fly's trip", calc::frmAngularDisplacement, 2, {{"Text1", "75.4"}, {"Text2", "0.15"}}, "Text3",
            11, two);

        // University Physics 1, ch. 10, Example 10.1: a flywheel at 45.0 rad/s turns through
        // 1350 rad in 30 s; and back to its speed and to the time.
        row("flywheel's turn", calc::frmAngularSpeed, 2, {{"Text1", "45.0"}, {"Text2", "30.0"}}, "Text3",
            1350, three);
        row("flywheel's speed", calc::frmAngularSpeed, 1, {{"Text1", "1350"}, {"Text2", "30.0"}}, "Text3",
            45.0, three);
        row("flywheel's time", calc::frmAngularSpeed, 3, {{"Text1", "45.0"}, {"Text2", "1350"}}, "Text3",
            30.0, three);

        // College Physics 2e, ch. 10, Example 10.1: a bicycle wheel from rest to 26.2 rad/s in
        // 5.00 s, 5.24 rad/s^2.
        row("bicycle wheel", calc::frmAngularAcceleration, 1,
            {{"Text1", "0"}, {"Text2", "26.2"}, {"Text3", "5.00"}}, "Text4", 5.24, three);
        // University Physics 1, ch. 10, Example 10.6: a propeller from 30 rad/s to rest in 5 s,
        // -6.0 rad/s^2.
        row("propeller", calc::frmAngularAcceleration, 1,
            {{"Text1", "30.0"}, {"Text2", "0"}, {"Text3", "5.0"}}, "Text4", -6.0, two);
        // College Physics 2e, ch. 10, Example 10.3: the reel from rest at 110 rad/s^2 for 2.00 s
        // reaches 220 rad/s; and back to the time.
        row("reel's speed", calc::frmAngularAcceleration, 3,
            {{"Text1", "0"}, {"Text2", "2.00"}, {"Text3", "110"}}, "Text4", 220, three);
        row("reel's time", calc::frmAngularAcceleration, 2,
            {{"Text1", "0"}, {"Text2", "220"}, {"Text3", "110"}}, "Text4", 2.00, three);
        // College Physics 2e, ch. 10, Example 10.7: a merry-go-round pushed for 2.00 s at
        // 6.67 rad/s^2 reaches 13.3 rad/s, at 4.44 rad/s^2 with a child on it 8.89 rad/s.
        row("empty merry-go-round", calc::frmAngularAcceleration, 3,
            {{"Text1", "0"}, {"Text2", "2.00"}, {"Text3", "6.67"}}, "Text4", 13.3, three);
        row("merry-go-round with a child", calc::frmAngularAcceleration, 3,
            {{"Text1", "0"}, {"Text2", "2.00"}, {"Text3", "4.44"}}, "Text4", 8.89, three);

        // College Physics 2e, ch. 10, Example 10.7: 250 N square on at the edge of a merry-go-round
        // of 1.50 m, 375 N m.
        row("merry-go-round's torque", calc::frmTorque, 1,
            {{"Text1", "250"}, {"Text2", "1.50"}, {"Text3", "90"}}, "Text4", 375, three);
        // University Physics 1, ch. 10, Example 10.14: 30 N 5 m out at 53 degrees, 120 N m; 20 N
        // 1 m out at 30 degrees, 10 N m; and back to the angle of the first.
        row("30 N at 53 degrees", calc::frmTorque, 1, {{"Text1", "30"}, {"Text2", "5"}, {"Text3", "53"}},
            "Text4", 120, three);
        row("20 N at 30 degrees", calc::frmTorque, 1, {{"Text1", "20"}, {"Text2", "1"}, {"Text3", "30"}},
            "Text4", 10, three);
        row("angle of 30 N", calc::frmTorque, 4, {{"Text1", "120"}, {"Text2", "30"}, {"Text3", "5"}}, "Text4",
            53, three);
        // University Physics 1, ch. 10, Example 10.15: 20 N at 150 degrees to a radius of 0.5 m,
        // 5.0 N m.
        row("flywheel's torque", calc::frmTorque, 1, {{"Text1", "20"}, {"Text2", "0.5"}, {"Text3", "150"}},
            "Text4", 5.0, two);
        // College Physics 2e, ch. 9, Example 9.1: a 26.0 kg child 1.60 m from the pivot (407.68 N m
        // at 9.80 m/s^2) balances a 32.0 kg one (313.6 N) sitting 1.30 m away.
        row("seesaw", calc::frmTorque, 2, {{"Text1", "407.68"}, {"Text2", "313.6"}, {"Text3", "90"}}, "Text4",
            1.30, three);
        // College Physics 2e, ch. 9, Example 9.2: a 5.00 kg pole's weight 0.600 m from the left hand
        // (29.4 N m) takes 32.7 N from the right hand 0.900 m away.
        row("pole", calc::frmTorque, 3, {{"Text1", "29.4"}, {"Text2", "0.900"}, {"Text3", "90"}}, "Text4",
            32.7, three);

        // University Physics 1, ch. 11, Example 11.5: 2.0 kg at 4.0 m/s on a line 2.0 m from the
        // origin, 16.0 kg m^2/s (clockwise); 1.0 kg at 3.0 m/s, 2.0 m from it, 6.0 kg m^2/s.
        row("first particle", calc::frmAngularMomentum, 1,
            {{"Text1", "2.0"}, {"Text2", "2.0"}, {"Text3", "4.0"}}, "Text5", 16.0, three);
        row("third particle", calc::frmAngularMomentum, 1,
            {{"Text1", "1.0"}, {"Text2", "2.0"}, {"Text3", "3.0"}}, "Text5", 6.0, two);

        // College Physics 2e, ch. 10, Examples 10.7 and 10.8: discs of 50.0 kg and 1.50 m,
        // 56.25 kg m^2, and of 85.0 kg and 0.320 m, 4.352 kg m^2.
        row("merry-go-round's inertia", calc::frmAngularEnergy, 2, {{"Text1", "50.0"}, {"Text2", "1.50"}},
            "Text4", 56.25, three);
        row("grindstone's inertia", calc::frmAngularEnergy, 2, {{"Text1", "85.0"}, {"Text2", "0.320"}},
            "Text4", 4.352, three);
        // University Physics 1, ch. 10, Example 10.11: a merry-go-round of 500 kg and 2.0 m,
        // 1000 kg m^2.
        row("large merry-go-round", calc::frmAngularEnergy, 2, {{"Text1", "500"}, {"Text2", "2.0"}}, "Text4",
            1000, two);
        // College Physics 2e, ch. 10, Example 10.15: a 50.0 g disk at 30.0 m/s, taken as a point mass
        // 1.20 m from the nail turning at v / r = 25.0 rad/s, has 22.5 J; and back to its speed.
        row("disk's energy", calc::frmAngularEnergy, 1,
            {{"Text1", "0.0500"}, {"Text2", "1.20"}, {"Text3", "25.0"}}, "Text4", 22.5, three);
        row("disk's speed", calc::frmAngularEnergy, 3,
            {{"Text1", "22.5"}, {"Text2", "1.20"}, {"Text3", "0.0500"}}, "Text4", 25.0, three);

        // College Physics 2e, ch. 6, Examples 6.2 and 6.4: a 900 kg car on a 500 m curve at
        // 25.0 m/s, 1.25 m/s^2 and 1125 N.
        row("car on a curve", calc::frmCircularMotion, 1, {{"Text1", "25.0"}, {"Text2", "500"}}, "Text4",
            1.25, three);
        row("force on the car", calc::frmCircularMotion, 2,
            {{"Text1", "900"}, {"Text2", "500"}, {"Text3", "25.0"}}, "Text4", 1125, three);
        // University Physics 1, ch. 4, Example 4.12: 2.5 m/s on a circle of 2.0 m, 3.1 m/s^2.
        row("particle on a circle", calc::frmCircularMotion, 1, {{"Text1", "2.5"}, {"Text2", "2.0"}}, "Text4",
            3.1, two);

        // College Physics 2e, ch. 16, Example 16.5: a pendulum of 75.000 cm swinging in 1.7357 s
        // shows g = 9.8281 m/s^2; and back to its period and its length.
        row("measuring g", calc::frmPendulum, 4, {{"Text1", "1.7357"}, {"Text2", "0.75000"}}, "Text3", 9.8281,
            five);
        row("period", calc::frmPendulum, 1, {{"Text1", "0.75000"}, {"Text2", "9.8281"}}, "Text3", 1.7357,
            five);
        row("length", calc::frmPendulum, 3, {{"Text1", "1.7357"}, {"Text2", "9.8281"}}, "Text3", 0.75000,
            five);
        // College Physics 2e, ch. 16, Example 16.3: an oscillation with a period of 0.400 us,
        // 2.50E6 Hz.
        row("frequency", calc::frmPendulum, 2, {{"Text1", "0.400E-6"}}, "Text3", 2.50e6, three);
    }

    // Periods, lengths, the pendulum's g, radii, lever arms and masses typed negative.
    void magnitudes_data() {
        textbook::refusalColumns();
        using textbook::refusal;
        refusal("period", calc::frmPendulum, 2, {{"Text1", "-2"}}, "Text1");
        refusal("pendulum's g", calc::frmPendulum, 3, {{"Text1", "2"}, {"Text2", "-9.8"}}, "Text2");
        refusal("radius of a circle", calc::frmCircularMotion, 1, {{"Text1", "-2"}, {"Text2", "-2"}},
                "Text2");
        refusal("lever arm", calc::frmTorque, 1, {{"Text1", "-80"}, {"Text2", "-0.25"}, {"Text3", "90"}},
                "Text2");
        refusal("mass turning", calc::frmAngularMomentum, 3,
                {{"Text1", "-4"}, {"Text2", "-2"}, {"Text3", "1"}}, "Text2");
    }
    void magnitudes() { textbook::checkRefusal(); }
};

QTEST_GUILESS_MAIN(TestRotationCalc)
#include "test_rotation.moc"
