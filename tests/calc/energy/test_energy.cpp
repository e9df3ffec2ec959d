// The energy and momentum calculators against worked examples of introductory physics textbooks:
// each option, the textbook's numbers, the textbook's answer (to the textbook's own precision).

#include "app/Module1.h"
#include "calc/framework/calculator.h"
#include "recorders.h"
#include "uitest.h"

#include <QLineEdit>

using calc::CalculatorWindow;

using Entries = QList<QPair<QString, QString>>;
Q_DECLARE_METATYPE(Entries)

class TestEnergy : public QObject {
    Q_OBJECT

    RecordingPlatform* m_rec = nullptr;

    // The number a result box shows (English grouping), or NaN when it shows none.
    static double shown(const CalculatorWindow* w, const QString& box) {
        bool ok = false;
        const double v = QLocale(QLocale::English, QLocale::UnitedStates).toDouble(w->text(box), &ok);
        return ok ? v : qQNaN();
    }

  private slots:
    void initTestCase() { registerWindows(); }
    void init() {
        m_rec = new RecordingPlatform;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void cleanup() {
        program::reset();
        settle();
        delete m_rec;
    }

    void textbookExamples_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("option");
        QTest::addColumn<Entries>("inputs");
        QTest::addColumn<QString>("box");
        QTest::addColumn<double>("answer");
        QTest::addColumn<double>("tolerance"); // relative

        const auto row = [](const char* tag, const char* window, int option, Entries inputs, const char* box,
                            double answer, double tolerance = 5e-3) {
            QTest::newRow(tag) << QString::fromLatin1(window) << option << inputs << QString::fromLatin1(box)
                               << answer << tolerance;
        };
        // A lawn mower pushed 25.0 m with 75.0 N at 35 degrees below the horizontal: 1.54E3 J; and
        // back from that work to the distance and the force.
        row("work at an angle", "frmWork", 1, {{"Text1", "75"}, {"Text2", "25"}, {"Text3", "35"}}, "Text4",
            1540);
        row("distance from work", "frmWork", 2, {{"Text1", "1536"}, {"Text2", "75"}, {"Text3", "35"}},
            "Text4", 25);
        // A mower pushed 30 m with its handle at 60 degrees: 3.83E3 J of work took a 255 N push.
        row("force from work", "frmWork", 3, {{"Text1", "3825"}, {"Text2", "30"}, {"Text3", "60"}}, "Text4",
            255);
        // A 60.0 kg woman (588 N) climbs 3.00 m of stairs in 3.50 s: 504 W to lift herself.
        row("power to climb stairs", "frmPower", 0, {{"Text5", "588"}, {"Text1", "3"}, {"Text2", "3.5"}},
            "Text3", 504);
        // A 1000 kg car at 5 m/s has 12,500 J; a 1200 kg car with 175 kJ moves at 17.1 m/s.
        row("kinetic energy of a car", "frmKineticEnergy", 1, {{"Text1", "1000"}, {"Text2", "5"}}, "Text3",
            12500);
        row("mass of a car", "frmKineticEnergy", 2, {{"Text1", "12500"}, {"Text2", "5"}}, "Text3", 1000);
        row("speed of a car", "frmKineticEnergy", 3, {{"Text1", "175000"}, {"Text2", "1200"}}, "Text3", 17.1);
        // A 70 kg hiker climbs the 147 m of a hill: 1.01E5 J.
        row("potential energy of a hiker", "frmPotentialenergy", 1, {{"Text1", "70"}, {"Text2", "147"}},
            "Text4", 1.01e5);
        // A spring of 200 N/m compressed 0.15 m stores 2.25 J.
        row("compressed spring", "frmPotentialenergy", 2, {{"Text1", "200"}, {"Text2", "0.15"}}, "Text4",
            2.25);
        // A 110 kg football player at 8.00 m/s: 880 kg m/s; the 0.410 kg football at 25.0 m/s: 10.3.
        row("momentum of a player", "frmMomentum", 1, {{"Text1", "110"}, {"Text2", "8"}}, "Text4", 880);
        row("mass of the football", "frmMomentum", 2, {{"Text1", "10.25"}, {"Text2", "25"}}, "Text4", 0.41);
        row("speed of the football", "frmMomentum", 3, {{"Text1", "10.25"}, {"Text2", "0.41"}}, "Text4", 25);
        // A 0.057 kg tennis ball served from rest to 58 m/s in 5.0 ms: 661 N.
        row("force of a racquet", "frmMomentum", 4,
            {{"Text1", "0.057"}, {"Text2", "0"}, {"Text3", "58"}, {"Text6", "0.005"}}, "Text4", 661);
        // A 0.500 kg puck at 4.00 m/s hits a 3.50 kg cube at rest elastically: the puck rebounds at
        // -3.00 m/s, the cube moves off at 1.00 m/s, and 4.00 J of kinetic energy stay 4.00 J.
        const Entries puck = {{"Text1", "0.5"}, {"Text2", "3.5"}};
        const auto with = [](Entries entries, const char* third, const char* fourth, const char* fifth) {
            entries << QPair<QString, QString>("Text3", third) << QPair<QString, QString>("Text4", fourth);
            if (*fifth)
                entries << QPair<QString, QString>("Text5", fifth);
            return entries;
        };
        row("puck's rebound", "frmCollisions", 4, with(puck, "4", "0", "1"), "Text8", -3);
        row("cube's velocity", "frmCollisions", 5, with(puck, "4", "0", "-3"), "Text8", 1);
        row("puck's approach", "frmCollisions", 1, with(puck, "0", "1", "-3"), "Text8", 4);
        row("cube at rest before", "frmCollisions", 2, with(puck, "4", "-3", "1"), "Text8", 0);
        row("kinetic energy before", "frmCollisions", 3, with(puck, "4", "0", ""), "Text8", 4);
        row("kinetic energy after", "frmCollisions", 3, with(puck, "-3", "1", ""), "Text8", 4);
        // A 1000 kg car at 20 m/s and a 3000 kg truck at 20 m/s the other way lock together:
        // -10 m/s, with the truck; 8.0E5 J of kinetic energy before the crash.
        const Entries crash = {{"Text1", "1000"}, {"Text2", "3000"}, {"Text3", "20"}, {"Text4", "-20"}};
        row("cars stuck together", "frmInelastic", 4, crash, "Text8", -10);
        row("energy before the crash", "frmInelastic", 3, crash, "Text8", 8e5);
        row("car's velocity", "frmInelastic", 2,
            {{"Text1", "1000"}, {"Text2", "3000"}, {"Text3", "-10"}, {"Text4", "-20"}}, "Text8", 20);
        row("car's mass", "frmInelastic", 1,
            {{"Text1", "20"}, {"Text2", "3000"}, {"Text3", "-20"}, {"Text4", "-10"}}, "Text8", 1000);
        // A 70.0 kg goalie catches a 0.150 kg puck at 35.0 m/s: 7.48E-2 m/s.
        row("goalie catches a puck", "frmInelastic", 4,
            {{"Text1", "0.15"}, {"Text2", "70"}, {"Text3", "35"}, {"Text4", "0"}}, "Text8", 0.0748);
    }

    void textbookExamples() {
        QFETCH(QString, window);
        QFETCH(int, option);
        QFETCH(Entries, inputs);
        QFETCH(QString, box);
        QFETCH(double, answer);
        QFETCH(double, tolerance);
        auto* w = static_cast<CalculatorWindow*>(windows::show(window));
        QVERIFY(w);
        if (option > 0)
            w->select(option);
        for (const auto& [name, value] : inputs)
            w->setText(name, value);
        w->cmdOk_Click();
        QVERIFY2(m_rec->messages.messages.isEmpty(), qPrintable(m_rec->messages.take().text));
        const double value = shown(w, box);
        QVERIFY2(std::abs(value - answer) <= std::abs(answer) * tolerance + 0.0005,
                 qPrintable(QStringLiteral("%1 shows %2").arg(box, w->text(box))));
    }
};

QUELLORIN_TEST_MAIN(TestEnergy)
#include "test_energy.moc"
