// The energy and momentum calculators against worked examples of introductory physics textbooks:
// each option, the textbook's numbers, the textbook's answer (to the textbook's own precision).

#include "../textbook.h"
#include "calc/energy/calculators.h"

using textbook::Entries;
using textbook::row;

class TestEnergy : public textbook::Test {
    Q_OBJECT

  private slots:
    void textbookExamples_data() {
        textbook::columns();
        // Textbook answers are given to three figures.
        const double figures = 5e-3;
        // A lawn mower pushed 25.0 m with 75.0 N at 35 degrees below the horizontal: 1.54E3 J; and
        // back from that work to the distance.
        row("work at an angle", calc::frmWork, 1, {{"Text1", "75"}, {"Text2", "25"}, {"Text3", "35"}},
            "Text4", 1540, figures);
        row("distance from work", calc::frmWork, 2, {{"Text1", "1536"}, {"Text2", "75"}, {"Text3", "35"}},
            "Text4", 25, figures);
        // A mower pushed 30 m with its handle at 60 degrees: 3.83E3 J of work took a 255 N push.
        row("force from work", calc::frmWork, 3, {{"Text1", "3825"}, {"Text2", "30"}, {"Text3", "60"}},
            "Text4", 255, figures);
        // Whole turns count for nothing: the same push at 1E10 degrees acts as at 280.
        row("work at 1E10 degrees", calc::frmWork, 1, {{"Text1", "75"}, {"Text2", "25"}, {"Text3", "1E10"}},
            "Text4", 325.590, 1e-5);
        // A 60.0 kg woman (588 N) climbs 3.00 m of stairs in 3.50 s: 504 W to lift herself.
        row("power to climb stairs", calc::frmPower, 0, {{"Text5", "588"}, {"Text1", "3"}, {"Text2", "3.5"}},
            "Text3", 504, figures);
        // A 1000 kg car at 5 m/s has 12,500 J; a 1200 kg car with 175 kJ moves at 17.1 m/s.
        row("kinetic energy of a car", calc::frmKineticEnergy, 1, {{"Text1", "1000"}, {"Text2", "5"}},
            "Text3", 12500, figures);
        row("mass of a car", calc::frmKineticEnergy, 2, {{"Text1", "12500"}, {"Text2", "5"}}, "Text3", 1000,
            figures);
        row("speed of a car", calc::frmKineticEnergy, 3, {{"Text1", "175000"}, {"Text2", "1200"}}, "Text3",
            17.1, figures);
        // A 70 kg hiker climbs the 147 m of a hill: 1.01E5 J.
        row("potential energy of a hiker", calc::frmPotentialenergy, 1, {{"Text1", "70"}, {"Text2", "147"}},
            "Text4", 1.01e5, figures);
        // A spring of 200 N/m compressed 0.15 m stores 2.25 J.
        row("compressed spring", calc::frmPotentialenergy, 2, {{"Text1", "200"}, {"Text2", "0.15"}}, "Text4",
            2.25, figures);
        // A 110 kg football player at 8.00 m/s: 880 kg m/s; the 0.410 kg football at 25.0 m/s: 10.3.
        row("momentum of a player", calc::frmMomentum, 1, {{"Text1", "110"}, {"Text2", "8"}}, "Text4", 880,
            figures);
        row("mass of the football", calc::frmMomentum, 2, {{"Text1", "10.25"}, {"Text2", "25"}}, "Text4",
            0.41, figures);
        row("speed of the football", calc::frmMomentum, 3, {{"Text1", "10.25"}, {"Text2", "0.41"}}, "Text4",
            25, figures);
        // A 0.057 kg tennis ball served from rest to 58 m/s in 5.0 ms: 661 N.
        row("force of a racquet", calc::frmMomentum, 4,
            {{"Text1", "0.057"}, {"Text2", "0"}, {"Text3", "58"}, {"Text6", "0.005"}}, "Text4", 661, figures);
        // A 0.500 kg puck at 4.00 m/s hits a 3.50 kg cube at rest elastically: the puck rebounds at
        // -3.00 m/s, the cube moves off at 1.00 m/s, and 4.00 J of kinetic energy stay 4.00 J.
        const Entries puck = {{"Text1", "0.5"}, {"Text2", "3.5"}};
        const auto with = [](Entries entries, const char* third, const char* fourth, const char* fifth) {
            entries << QPair<QString, QString>("Text3", third) << QPair<QString, QString>("Text4", fourth);
            if (*fifth)
                entries << QPair<QString, QString>("Text5", fifth);
            return entries;
        };
        row("puck's rebound", calc::frmCollisions, 4, with(puck, "4", "0", "1"), "Text8", -3, figures);
        row("cube's velocity", calc::frmCollisions, 5, with(puck, "4", "0", "-3"), "Text8", 1, figures);
        row("puck's approach", calc::frmCollisions, 1, with(puck, "0", "1", "-3"), "Text8", 4, figures);
        row("cube at rest before", calc::frmCollisions, 2, with(puck, "4", "-3", "1"), "Text8", 0, figures);
        row("kinetic energy before", calc::frmCollisions, 3, with(puck, "4", "0", ""), "Text8", 4, figures);
        row("kinetic energy after", calc::frmCollisions, 3, with(puck, "-3", "1", ""), "Text8", 4, figures);
        row("both after: the puck", calc::frmCollisions, 6, with(puck, "4", "0", ""), "Text8", -3, figures);
        row("both after: the cube", calc::frmCollisions, 6, with(puck, "4", "0", ""), "Text10", 1, figures);
        // Masses of 1E38 kg: products beyond single precision on the way, ordinary answers.
        const Entries heavy = {{"Text1", "1E38"}, {"Text2", "1E38"}, {"Text3", "1"}, {"Text4", "2"}};
        row("both after: heavy first", calc::frmCollisions, 6, heavy, "Text8", 2, 0);
        row("both after: heavy second", calc::frmCollisions, 6, heavy, "Text10", 1, 0);
        // A 1000 kg car at 20 m/s and a 3000 kg truck at 20 m/s the other way lock together:
        // -10 m/s, with the truck; 8.0E5 J of kinetic energy before the crash.
        const Entries crash = {{"Text1", "1000"}, {"Text2", "3000"}, {"Text3", "20"}, {"Text4", "-20"}};
        row("cars stuck together", calc::frmInelastic, 4, crash, "Text8", -10, figures);
        row("energy before the crash", calc::frmInelastic, 3, crash, "Text8", 8e5, figures);
        row("car's velocity", calc::frmInelastic, 2,
            {{"Text1", "1000"}, {"Text2", "3000"}, {"Text3", "-10"}, {"Text4", "-20"}}, "Text8", 20, figures);
        row("car's mass", calc::frmInelastic, 1,
            {{"Text1", "20"}, {"Text2", "3000"}, {"Text3", "-20"}, {"Text4", "-10"}}, "Text8", 1000, figures);
        // A 70.0 kg goalie catches a 0.150 kg puck at 35.0 m/s: 7.48E-2 m/s.
        row("goalie catches a puck", calc::frmInelastic, 4,
            {{"Text1", "0.15"}, {"Text2", "70"}, {"Text3", "35"}, {"Text4", "0"}}, "Text8", 0.0748, figures);
    }

    // Masses and spring constants typed negative; velocities and energies stay signed.
    void magnitudes_data() {
        textbook::refusalColumns();
        using textbook::refusal;
        refusal("kinetic energy of a mass", calc::frmKineticEnergy, 1, {{"Text1", "-2"}, {"Text2", "3"}},
                "Text1");
        refusal("potential energy of a mass", calc::frmPotentialenergy, 1, {{"Text1", "-2"}, {"Text2", "3"}},
                "Text1");
        refusal("spring constant", calc::frmPotentialenergy, 2, {{"Text1", "-200"}, {"Text2", "-0.15"}},
                "Text1");
        refusal("second mass sticking", calc::frmInelastic, 4,
                {{"Text1", "1000"}, {"Text2", "-3000"}, {"Text3", "20"}, {"Text4", "-20"}}, "Text2");
    }
    void magnitudes() { textbook::checkRefusal(); }
};

QTEST_GUILESS_MAIN(TestEnergy)
#include "test_energy.moc"
