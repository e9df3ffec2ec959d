// The motion calculators against worked examples of introductory physics textbooks: each option,
// the textbook's numbers, the textbook's answer (to the textbook's own precision). The books:
// College Physics 2e (OpenStax, 2022) and University Physics Volume 1 (OpenStax, 2016), cited as
// University Physics 1. Where an example works one quantity out, a row may solve the same example
// back for another it states.
//
// The falling-object window works with sizes (a downward throw may be typed negative) and shows
// a size; the projectile window falls at 9.8 m/s^2 from the level it lands on.

#include "../textbook.h"
#include "calc/motion/calculators.h"

using textbook::row;

class TestMotion : public textbook::Test {
    Q_OBJECT

  private slots:
    void textbookExamples_data() {
        textbook::columns();
        // Answers given to three figures, to two, and to five.
        const double three = 5e-3, two = 5e-2, five = 5e-5;

        // College Physics 2e, ch. 2, Example 2.2: a subway train from 4.70 km to 6.70 km, +2.00 km;
        // one from 5.25 km to 3.75 km, -1.50 km (typed in metres).
        row("train to the right", calc::frmCalculateDisplacement, 0, {{"Text1", "6700"}, {"Text2", "4700"}},
            "Text3", 2000, three);
        row("train to the left", calc::frmCalculateDisplacement, 0, {{"Text1", "3750"}, {"Text2", "5250"}},
            "Text3", -1500, three);
        // University Physics 1, ch. 3, Example 3.1: Jill ends her flyer round 0.75 km west of home.
        row("delivering flyers", calc::frmCalculateDisplacement, 0, {{"Text1", "-750"}, {"Text2", "0"}},
            "Text3", -750, two);

        // College Physics 2e, ch. 2, Example 2.17: a jet car at 525 m at 0.50 s and at 2000 m at
        // 6.4 s, 250 m/s.
        row("jet car, average", calc::frmVelocity, 1,
            {{"Text2", "2000"}, {"Text3", "525"}, {"Text4", "6.4"}, {"Text5", "0.50"}}, "Text6", 250, two);
        // University Physics 1, ch. 3, Example 3.3: from 3.5 m at 1.0 s to 22.5 m at 3.0 s, 9.5 m/s.
        row("particle, average", calc::frmVelocity, 1,
            {{"Text2", "22.5"}, {"Text3", "3.5"}, {"Text4", "3.0"}, {"Text5", "1.0"}}, "Text6", 9.5, two);
        // College Physics 2e, ch. 2, Example 2.9: an airplane lands at 70.0 m/s and slows at
        // 1.50 m/s^2 for 40.0 s, 10.0 m/s.
        row("landing airplane", calc::frmVelocity, 2,
            {{"Text2", "70.0"}, {"Text3", "-1.50"}, {"Text4", "40.0"}}, "Text6", 10.0, three);
        // College Physics 2e, ch. 2, Example 2.14: a rock thrown up at 13.0 m/s, 3.00 s later,
        // -16.4 m/s.
        row("rock thrown upward", calc::frmVelocity, 2,
            {{"Text2", "13.0"}, {"Text3", "-9.80"}, {"Text4", "3.00"}}, "Text6", -16.4, three);

        // College Physics 2e, ch. 2, Example 2.1: a racehorse from rest to 15.0 m/s west in 1.80 s,
        // -8.33 m/s^2.
        row("racehorse", calc::frmConstantAcceleration, 0,
            {{"Text1", "0"}, {"Text2", "-15.0"}, {"Text4", "1.80"}}, "Text3", -8.33, three);
        // College Physics 2e, ch. 2, Example 2.19: the jet car from 210 m/s at 1.0 s to 260 m/s at
        // 51 s, 1.0 m/s^2.
        row("jet car, acceleration", calc::frmConstantAcceleration, 0,
            {{"Text1", "210"}, {"Text2", "260"}, {"Text4", "50"}}, "Text3", 1.0, two);

        // University Physics 1, ch. 3, Example 3.12: a spaceship from 7133.3 m/s to 9533.3 m/s at
        // 20 m/s^2 for 2 min covers 1000 km.
        const textbook::Entries ship = {{"Text1", "7133.3"}, {"Text2", "9533.3"}, {"Text3", "120.0"}};
        row("spaceship's distance", calc::frmAcceleration, 1, ship, "Text4", 1.0e6, two);
        row("spaceship's acceleration", calc::frmAcceleration, 4, ship, "Text4", 20.0, three);
        row("spaceship's velocity", calc::frmAcceleration, 2,
            {{"Text1", "7133.3"}, {"Text2", "20.0"}, {"Text3", "120.0"}}, "Text4", 9533.3, five);
        // College Physics 2e, ch. 2, Examples 2.10 and 2.11: a dragster from rest at 26.0 m/s^2
        // for 5.56 s covers 402 m and reaches 145 m/s.
        row("dragster's distance", calc::frmAcceleration, 1,
            {{"Text1", "0"}, {"Text2", "145"}, {"Text3", "5.56"}}, "Text4", 402, three);
        row("dragster's time", calc::frmAcceleration, 3, {{"Text1", "26.0"}, {"Text2", "402"}}, "Text4", 5.56,
            three);
        // College Physics 2e, ch. 2, Example 2.9: the landing airplane again.
        row("landing airplane again", calc::frmAcceleration, 2,
            {{"Text1", "70.0"}, {"Text2", "-1.50"}, {"Text3", "40.0"}}, "Text4", 10.0, three);
        // University Physics 1, ch. 3, Example 3.13: a cheetah from rest at 4 m/s^2 catches the
        // gazelle 50 m on, after 5 s.
        row("cheetah", calc::frmAcceleration, 3, {{"Text1", "4"}, {"Text2", "50"}}, "Text4", 5, two);

        // College Physics 2e, ch. 2, Example 2.15: a rock thrown down at 13.0 m/s, 5.10 m below,
        // -16.4 m/s.
        row("rock thrown down", calc::frmFallingObject, 1,
            {{"Text1", "-13.0"}, {"Text2", "-9.80"}, {"Text3", "-5.10"}}, "Text4", 16.4, three);
        // University Physics 1, ch. 3, Example 3.14: a ball thrown down at 4.9 m/s from a 98 m
        // building lands after 4.0 s at -44.1 m/s.
        const textbook::Entries building = {{"Text1", "-4.9"}, {"Text2", "-9.8"}, {"Text3", "-98"}};
        row("ball off a building", calc::frmFallingObject, 1, building, "Text4", 44.1, three);
        row("time off a building", calc::frmFallingObject, 2, building, "Text4", 4.0, two);
        // University Physics 1, ch. 3, Example 3.15: a baseball falls 30.6 m from the top of its
        // path in 2.5 s.
        row("baseball's fall", calc::frmFallingObject, 3,
            {{"Text1", "0"}, {"Text2", "-9.8"}, {"Text3", "2.5"}}, "Text4", 30.6, three);

        // Launched horizontally (the first launch option is chosen as the window opens).
        // College Physics 2e, ch. 3, Example 3.8: a coin let go at 260 m/s falls 1.50 m while it
        // moves 144 m forward.
        row("coin's speed", calc::frmProjectile, 4, {{"Text1", "144"}, {"Text2", "1.50"}}, "Text5", 260,
            three);
        row("coin's fall", calc::frmProjectile, 7, {{"Text1", "144"}, {"Text2", "260"}}, "Text5", 1.50,
            three);
        // College Physics 2e, ch. 3, Example 3.4: across the ground at 18.1 m/s for 6.90 s, 125 m.
        row("shell's way across", calc::frmProjectile, 3, {{"Text1", "6.90"}, {"Text2", "18.1"}}, "Text5",
            125, three);
        // University Physics 1, ch. 3, Example 3.15: 30.6 m down from rest takes 2.5 s (a forward
        // launch does not change the time of the fall).
        row("time to fall", calc::frmProjectile, 6, {{"Text1", "30.6"}}, "Text5", 2.5, two);
        // Launched at an angle.
        const textbook::Calculator angled(calc::frmProjectile, 2);
        // University Physics 1, ch. 4, Example 4.9: golf shots that land 90.0 m away take 31.9 m/s
        // at 30 degrees and 37.0 m/s at 70 degrees; and back to their range.
        row("golf shot at 30 degrees", angled, 4, {{"Text1", "90.0"}, {"Text2", "30"}}, "Text5", 31.9, three);
        row("golf shot at 70 degrees", angled, 4, {{"Text1", "90.0"}, {"Text2", "70"}}, "Text5", 37.0, three);
        row("range at 30 degrees", angled, 3, {{"Text1", "30"}, {"Text2", "31.9"}}, "Text5", 90.0, three);
        // College Physics 2e, ch. 3, Example 3.4: a shell at 70.0 m/s and 75.0 degrees peaks at
        // 233 m, 125 m across after 6.90 s: it would land 250 m away after 13.8 s.
        row("fireworks' height", angled, 7, {{"Text1", "75.0"}, {"Text2", "70.0"}}, "Text5", 233, three);
        row("fireworks' angle", angled, 5, {{"Text1", "70.0"}, {"Text2", "13.8"}, {"Text3", "250"}}, "Text5",
            75.0, three);
        // University Physics 1, ch. 3, Example 3.15: a baseball hit straight up at 24.5 m/s rises
        // 30.6 m and is caught 5.0 s later.
        row("baseball's height", angled, 7, {{"Text1", "90"}, {"Text2", "24.5"}}, "Text5", 30.6, three);
        row("baseball's time", angled, 6, {{"Text1", "90"}, {"Text2", "24.5"}}, "Text5", 5.0, two);
    }

    // Heights and distances of a projectile typed negative.
    void magnitudes_data() {
        textbook::refusalColumns();
        using textbook::refusal;
        refusal("height of a fall", calc::frmProjectile, 6, {{"Text1", "-30.6"}}, "Text1");
        refusal("height of a launch", calc::frmProjectile, 4, {{"Text1", "144"}, {"Text2", "-1.5"}}, "Text2");
        refusal("range for an angle", textbook::Calculator(calc::frmProjectile, 2), 5,
                {{"Text1", "20"}, {"Text2", "2"}, {"Text3", "-30"}}, "Text3");
    }
    void magnitudes() { textbook::checkRefusal(); }
};

QTEST_GUILESS_MAIN(TestMotion)
#include "test_motion.moc"
