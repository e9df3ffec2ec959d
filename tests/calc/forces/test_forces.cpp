// The forces and fluids calculators against worked examples of introductory physics textbooks:
// each option, typical numbers, the textbook's answer (to the textbook's own precision).

#include "../textbook.h"
#include "calc/forces/calculators.h"

using textbook::Entries;
using textbook::row;

class TestForces : public textbook::Test {
    Q_OBJECT

  private slots:
    void textbookExamples_data() {
        textbook::columns();
        // A 70 kg person weighs 686 N; a 1500 kg car needs 3000 N to speed up at 2 m/s^2.
        row("weight of a person", calc::frmForces, 1, {{"Text1", "70"}, {"Text2", "9.8"}}, "Text3", 686);
        row("force on a car", calc::frmForces, 2, {{"Text1", "1500"}, {"Text2", "2"}}, "Text3", 3000);
        row("acceleration of a car", calc::frmForces, 3, {{"Text1", "3000"}, {"Text2", "1500"}}, "Text3", 2);
        row("mass from force", calc::frmForces, 4, {{"Text1", "3000"}, {"Text2", "2"}}, "Text3", 1500);
        // 3 N east and 4 N north: 5 N at 53.13 degrees; a third force west of 3 N leaves 4 N north.
        const Entries threeFour = {{"Text1", "3"},  {"Text5", "0"}, {"Text2", "4"},
                                   {"Text6", "90"}, {"Text8", "0"}, {"Text10", "0"}};
        row("3-4-5 magnitude", calc::frmForces, 5, threeFour, "Text3", 5);
        row("3-4-5 direction", calc::frmForces, 5, threeFour, "Text7", 53.1301);
        row("two tugs", calc::frmForces, 5,
            {{"Text1", "2700"},
             {"Text5", "45"},
             {"Text2", "3600"},
             {"Text6", "-32"},
             {"Text8", "0"},
             {"Text10", "0"}},
            "Text3", 4962.16, 1e-4);
        row("south-west", calc::frmForces, 5,
            {{"Text1", "30"},
             {"Text5", "180"},
             {"Text2", "40"},
             {"Text6", "-90"},
             {"Text8", "0"},
             {"Text10", "0"}},
            "Text7", -126.87);
        // A 50 N pull at 37 degrees: 39.9 N along, 30.1 N up.
        row("x-component", calc::frmForces, 6, {{"Text1", "50"}, {"Text2", "37"}}, "Text3", 39.932);
        row("y-component", calc::frmForces, 6, {{"Text1", "50"}, {"Text2", "37"}}, "Text7", 30.091);
        // A 60 kg skier on a 25 degree slope: 533 N.
        row("skier on a slope", calc::frmForces, 7, {{"Text1", "60"}, {"Text2", "25"}}, "Text3", 532.9, 1e-3);

        // A 10 kg crate, coefficient 0.5 (g = 9.81).
        row("friction coefficient", calc::frmFriction, 1, {{"Text1", "49.05"}, {"Text2", "10"}}, "Text3",
            0.5);
        row("friction force", calc::frmFriction, 2, {{"Text1", "0.5"}, {"Text2", "10"}}, "Text3", 49.05);
        row("mass from friction", calc::frmFriction, 3, {{"Text1", "49.05"}, {"Text2", "0.5"}}, "Text3", 10);
        // A 50 N push on a 10 kg crate against kinetic friction 0.3: 2.06 m/s^2.
        row("pushed crate", calc::frmFriction, 4, {{"Text1", "50"}, {"Text2", "0.3"}, {"Text5", "10"}},
            "Text3", 2.057);

        // A 100 N sign hung from two cables.
        row("parallel cables", calc::frmEquilibrium, 1, {{"Text1", "100"}}, "Text6", 50);
        row("equal cables", calc::frmEquilibrium, 2, {{"Text1", "100"}, {"Text3", "30"}}, "Text6", 100);
        row("cables at 30 and 60, first", calc::frmEquilibrium, 3,
            {{"Text1", "100"}, {"Text3", "30"}, {"Text2", "60"}}, "Text6", 50);
        row("cables at 30 and 60, second", calc::frmEquilibrium, 3,
            {{"Text1", "100"}, {"Text3", "30"}, {"Text2", "60"}}, "Text5", 86.603);

        // The Earth and the Moon: 1.99E20 N at 3.84E8 m; the Earth pulls a 70 kg student with 687 N.
        QTest::newRow("earth and moon force")
            << textbook::Calculator(calc::frmGravitation) << 1
            << Entries{{"Text1", "5.98E24"}, {"Text2", "7.36E22"}, {"Text3", "3.84E8"}} << "Text4" << 1.99e20
            << 5e-3;
        QTest::newRow("sun and earth force")
            << textbook::Calculator(calc::frmGravitation) << 1
            << Entries{{"Text1", "1.99E30"}, {"Text2", "5.98E24"}, {"Text3", "1.50E11"}} << "Text4" << 3.53e22
            << 5e-3;
        QTest::newRow("mass of the moon")
            << textbook::Calculator(calc::frmGravitation) << 2
            << Entries{{"Text1", "5.98E24"}, {"Text2", "3.84E8"}, {"Text3", "1.99E20"}} << "Text4" << 7.36e22
            << 5e-3;
        QTest::newRow("distance to the moon")
            << textbook::Calculator(calc::frmGravitation) << 3
            << Entries{{"Text1", "5.98E24"}, {"Text2", "7.36E22"}, {"Text3", "1.99E20"}} << "Text4" << 3.84e8
            << 5e-3;
        QTest::newRow("student's weight")
            << textbook::Calculator(calc::frmGravitation) << 1
            << Entries{{"Text1", "5.97E24"}, {"Text2", "70"}, {"Text3", "6.37E6"}} << "Text4" << 687.25
            << 1e-4;

        // A spring stretched 0.05 m by 10 N.
        row("spring constant", calc::frmHookes, 1, {{"Text1", "10"}, {"Text2", "0.05"}}, "Text3", -200);
        row("stretch", calc::frmHookes, 2, {{"Text1", "10"}, {"Text2", "200"}}, "Text3", 0.05);
        row("spring force", calc::frmHookes, 3, {{"Text1", "200"}, {"Text2", "0.05"}}, "Text3", 10);

        // A hydraulic lift: 500 N on 0.01 m^2 lifts 25000 N on 0.5 m^2.
        row("pressure", calc::frmPascal, 1, {{"Text1", "500"}, {"Text2", "0.01"}}, "Text3", 50000);
        row("lift force", calc::frmPascal, 2, {{"Text1", "500"}, {"Text2", "0.01"}, {"Text5", "0.5"}},
            "Text3", 25000);
        row("small piston", calc::frmPascal, 3, {{"Text1", "500"}, {"Text2", "25000"}, {"Text5", "0.5"}},
            "Text3", 0.01, 0.05);

        // Half a cubic meter of water displaced: 4900 N.
        row("buoyant force", calc::frmArchimedes, 1, {{"Text1", "1000"}, {"Text2", "0.5"}}, "Text3", 4900);
        row("density", calc::frmArchimedes, 2, {{"Text1", "4900"}, {"Text2", "0.5"}}, "Text3", 1000);
        row("volume", calc::frmArchimedes, 3, {{"Text1", "4900"}, {"Text2", "1000"}}, "Text3", 0.5);
    }

    // Densities, volumes, areas and spring constants typed negative; forces stay signed.
    void magnitudes_data() {
        textbook::refusalColumns();
        using textbook::refusal;
        refusal("density", calc::frmArchimedes, 1, {{"Text1", "-1000"}, {"Text2", "1"}}, "Text1");
        refusal("area", calc::frmPascal, 1, {{"Text1", "-10"}, {"Text2", "-2"}}, "Text2");
        refusal("second area", calc::frmPascal, 2, {{"Text1", "10"}, {"Text2", "2"}, {"Text5", "-4"}},
                "Text5");
        refusal("spring constant", calc::frmHookes, 2, {{"Text1", "-10"}, {"Text2", "-200"}}, "Text2");
    }
    void magnitudes() { textbook::checkRefusal(); }
};

QTEST_GUILESS_MAIN(TestForces)
#include "test_forces.moc"
