// The vector calculators against worked examples of an introductory physics textbook, College
// Physics 2e (OpenStax, 2022): the textbook's numbers, the textbook's answer (to the textbook's own
// precision). Directions are in degrees counterclockwise from east (the x-axis); the perpendicular
// resultant's angle is measured from vector 2 towards vector 1.

#include "../textbook.h"
#include "calc/vectors/calculators.h"

using textbook::Entries;
using textbook::row;

class TestVectorsCalc : public textbook::Test {
    Q_OBJECT

  private slots:
    void textbookExamples_data() {
        textbook::columns();
        // Answers given to three figures, and to five.
        const double three = 5e-3, five = 5e-5;

        // Ch. 3, Example 3.6: a boat heads across a river at 0.750 m/s while the current carries it
        // at 1.20 m/s: 1.42 m/s at 32.0 degrees to the bank.
        const Entries boat = {{"Text1", "0.750"}, {"Text2", "1.20"}};
        row("boat's speed", calc::frmResultant, 0, boat, "Text3", 1.42, three);
        row("boat's direction", calc::frmResultant, 0, boat, "Text4", 32.0, three);
        // Ch. 3, Example 3.3: components of 65.2 m east and 48.4 m north make 81.2 m at 36.6 degrees.
        const Entries walk = {{"Text1", "48.4"}, {"Text2", "65.2"}};
        row("walk's length", calc::frmResultant, 0, walk, "Text3", 81.2, three);
        row("walk's direction", calc::frmResultant, 0, walk, "Text4", 36.6, three);
        // Ch. 3, Example 3.8: a coin falls at 5.42 m/s in a plane flying at 260 m/s: 260.06 m/s,
        // 1.19 degrees below the horizontal.
        const Entries coin = {{"Text1", "5.42"}, {"Text2", "260"}};
        row("coin's speed", calc::frmResultant, 0, coin, "Text3", 260.06, five);
        row("coin's direction", calc::frmResultant, 0, coin, "Text4", 1.19, three);

        // Ch. 3, Example 3.3: 53.0 m at 20.0 degrees is 49.8 m east and 18.1 m north; 34.0 m at
        // 63.0 degrees is 15.4 m east and 30.3 m north.
        row("first leg, east", calc::FRMrESOLVING, 0, {{"Text1", "53.0"}, {"Text2", "20.0"}}, "Text3", 49.8,
            three);
        row("first leg, north", calc::FRMrESOLVING, 0, {{"Text1", "53.0"}, {"Text2", "20.0"}}, "Text4", 18.1,
            three);
        row("second leg, east", calc::FRMrESOLVING, 0, {{"Text1", "34.0"}, {"Text2", "63.0"}}, "Text3", 15.4,
            three);
        row("second leg, north", calc::FRMrESOLVING, 0, {{"Text1", "34.0"}, {"Text2", "63.0"}}, "Text4", 30.3,
            three);
        // Ch. 3, Example 3.4: a shell fired at 70.0 m/s and 75.0 degrees: 18.1 m/s across, 67.6 m/s up.
        row("shell, across", calc::FRMrESOLVING, 0, {{"Text1", "70.0"}, {"Text2", "75.0"}}, "Text3", 18.1,
            three);
        row("shell, up", calc::FRMrESOLVING, 0, {{"Text1", "70.0"}, {"Text2", "75.0"}}, "Text4", 67.6, three);

        // Ch. 3, Example 3.3: the walk of 53.0 m at 20.0 degrees and 34.0 m at 63.0 degrees.
        const Entries twoLegs = {{"Text1", "53.0"}, {"Text2", "20.0"}, {"Text3", "34.0"}, {"Text4", "63.0"}};
        row("two legs' length", calc::frmAddingVectors, 0, twoLegs, "Text7", 81.2, three);
        row("two legs' direction", calc::frmAddingVectors, 0, twoLegs, "Text8", 36.6, three);
        // Ch. 3, Example 3.1: 25.0 m at 49.0 degrees, 23.0 m at 15.0 degrees and 32.0 m at 68.0
        // degrees south of east: 50.8 m, 5.47 degrees south of east.
        const Entries threeLegs = {{"Text1", "25.0"}, {"Text2", "49.0"}, {"Text3", "23.0"},
                                   {"Text4", "15.0"}, {"Text5", "32.0"}, {"Text6", "-68.0"}};
        row("three legs' length", calc::frmAddingVectors, 0, threeLegs, "Text7", 50.8, three);
        row("three legs' direction", calc::frmAddingVectors, 0, threeLegs, "Text8", -5.47, three);
        // Ch. 3, Example 3.2: 27.5 m at 66.0 degrees, then 30.0 m at 112 degrees: the dock is
        // 52.9 m away at 90.1 degrees.
        const Entries dock = {{"Text1", "27.5"}, {"Text2", "66.0"}, {"Text3", "30.0"}, {"Text4", "112"}};
        row("dock's distance", calc::frmAddingVectors, 0, dock, "Text7", 52.9, three);
        row("dock's direction", calc::frmAddingVectors, 0, dock, "Text8", 90.1, three);
        // Ch. 3, Example 3.7: the ground speed, 38.0 m/s at 110 degrees, less the plane's 45.0 m/s
        // north (typed as a negative magnitude) leaves a wind of 16.0 m/s, 35.6 degrees south of
        // west (-144.4 degrees, to the tenth of a degree the book gives).
        const Entries wind = {{"Text1", "38.0"}, {"Text2", "110"}, {"Text3", "-45.0"}, {"Text4", "90"}};
        row("wind's speed", calc::frmAddingVectors, 0, wind, "Text7", 16.0, three);
        row("wind's direction", calc::frmAddingVectors, 0, wind, "Text8", -(180 - 35.6), 0.05 / 144.4);
    }
};

QTEST_GUILESS_MAIN(TestVectorsCalc)
#include "test_vectors.moc"
