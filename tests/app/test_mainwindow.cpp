// The main window: where each menu item leads (the scenarios click every button), the tab order,
// the keys, the Help and Calculator buttons, and the start and end of the program.

#include "app/Module1.h"
#include "app/frmmain.h"
#include "app/topics.h"
#include "freshprogram.h"
#include "uitest.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

class TestMainWindow : public QObject {
    Q_OBJECT

    FreshProgram m_program;
    RecordingPlatform* rec = nullptr;
    frmmain* main = nullptr;

    static const QStringList& targets() {
        // Every window the main window's buttons and menus open.
        static const QStringList names = {"frmGeneralChoice",
                                          "frmMotion",
                                          "frmAccelerationChoice",
                                          "frmVectors",
                                          "frmForces",
                                          "frmFriction",
                                          "frmEnergyChoice",
                                          "frmEquilibrium",
                                          "frmMomentumChoices",
                                          "frmGravitation",
                                          "frmRotationChoice",
                                          "frmCircularMotion",
                                          "frmHarmonicMotion",
                                          "frmMiscellaneous",
                                          "frmConstants",
                                          "frmPeriodic",
                                          "frmCoefficients",
                                          "frmUnits",
                                          "frmIndex",
                                          "frmMetrics",
                                          "frmSignificantFigures",
                                          "frmTemperatures",
                                          "frmStatistics",
                                          "frmTrigValues",
                                          "frmAreaFormulas",
                                          "frmPythagorean",
                                          "frmEquations",
                                          "frmConstantAcceleration",
                                          "frmAcceleration",
                                          "frmFallingObject",
                                          "frmProjectile",
                                          "frmResultant",
                                          "FRMrESOLVING",
                                          "frmAddingVectors",
                                          "frmKineticEnergy",
                                          "frmWork",
                                          "frmPotentialenergy",
                                          "frmPower",
                                          "frmMomentum",
                                          "frmCollisions",
                                          "frmInelastic",
                                          "frmAngularDisplacement",
                                          "frmAngularSpeed",
                                          "frmAngularAcceleration",
                                          "frmTorque",
                                          "frmAngularMomentum",
                                          "frmAngularEnergy",
                                          "frmHookes",
                                          "frmPendulum",
                                          "frmArchimedes",
                                          "frmPascal",
                                          "frmAbout",
                                          "frmHelp",
                                          "frmSplash"};
        return names;
    }

    QStringList openWindows() {
        QStringList out;
        for (Form* f : windows::loaded())
            if (f != main)
                out.append(f->className());
        return out;
    }

  private slots:
    void initTestCase() { registerWindows(); }
    void init() {
        rec = m_program.begin();
        main = static_cast<frmmain*>(windows::show(QStringLiteral("frmmain")));
        QVERIFY(main);
        // The reference windows read the database the program opens at start-up.
        QVERIFY(OpenReferenceDatabase());
    }
    void cleanup() {
        const QString left = m_program.end();
        QVERIFY2(left.isEmpty(), qPrintable(left));
    }

    // The program registers the windows of every layer.
    void registeredClasses() {
        const QStringList names = windows::registeredClasses();
        for (const char* name : {"frmmain", "frmSplash", "frmMotion", "frmCalculateDisplacement", "frmForces",
                                 "frmConstants", "frmPeriodic", "frmPeriodicData", "frmHelp"})
            QVERIFY2(names.contains(QLatin1String(name)), name);
        // No way in, from the main window or a topic window, leads to a class nobody registered.
        for (const QString& name : targets())
            QVERIFY2(windows::isRegistered(name), qPrintable(name));
        for (const TopicDefinition& topic : topicDefinitions())
            for (const TopicButton& b : topic.buttons)
                QVERIFY2(!b.opens || windows::isRegistered(QLatin1String(b.opens)), b.opens);
    }

    void tabOrderRowByRow() {
        const QStringList expected = {
            "cmdGeneral", "cmdMotion",        "cmdAcceleration",    "cmdVectors",  "Command5",  "Command14",
            "Command9",   "Command8",         "Command12",          "Command7",    "Command10", "Command6",
            "Command13",  "cmdMiscellaneous", "cmdConstants",       "cmdPeriodic", "Command17", "Command18",
            "Command20",  "Command23",        "cmdCalculatorChoice"};
        QWidget* w = main->findChild<QPushButton*>(expected.first());
        for (qsizetype i = 1; i < expected.size(); ++i) {
            w = w->nextInFocusChain();
            while (!qobject_cast<QPushButton*>(w))
                w = w->nextInFocusChain();
            QCOMPARE(w->objectName(), expected[i]);
        }
    }

    void menus() {
        // The titles, on one line or wrapped onto two.
        QStringList titles;
        for (const char* name : {"menuBar", "menuBar2"})
            if (auto* bar = main->findChild<QMenuBar*>(name))
                for (QAction* a : bar->actions())
                    titles.append(a->text());
        QCOMPARE(titles, QStringList({"&General", "&Motion", "&Acceleration", "&Vectors", "&Newton's Laws",
                                      "&Friction", "&Energy", "E&quilibrium", "M&omentum", "Grav&itation",
                                      "&Rotational Energy", "&Circular Motion", "&Harmonic Motion",
                                      "Misce&llaneous ", "&About"}));
        for (const char* empty :
             {"mnuNewton", "mnuFriction", "mnuEquilibrium", "mnuGravitation", "mnuCircular"})
            QVERIFY(main->findChild<QMenu*>(empty)->actions().isEmpty());
        QStringList general;
        for (QAction* a : main->findChild<QMenu*>("mnuGeneral")->actions())
            general.append(a->text());
        QCOMPARE(general, QStringList({"Metrics", "Significant Figures", "Temperatures", "Statistics",
                                       "Trig Values", "Areas/Volumes", "Pythagorean", "Equations/Graphs"}));
    }

    void menuItems_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("opens");
        const char* rows[][2] = {
            {"mnuMetrics", "frmMetrics"},
            {"mnuSignificant", "frmSignificantFigures"},
            {"mnuTemperatures", "frmTemperatures"},
            {"mnuStatistics", "frmStatistics"},
            {"mnuTrigValues", "frmTrigValues"},
            {"mnuAreas", "frmAreaFormulas"},
            {"mnuPythagorean", "frmPythagorean"},
            {"mnuEquations", "frmEquations"},
            {"mnuDisplacement", "frmCalculateDisplacement"},
            {"mnuVelocity", "frmVelocity"},
            {"mnuAverageAcceleration", "frmConstantAcceleration"},
            {"mnuConstantAcceleration", "frmAcceleration"},
            {"mnuFallingObject", "frmFallingObject"},
            {"mnuProjectileMotion", "frmProjectile"},
            {"mnuResultant", "frmResultant"},
            {"mnuResolveVectors", "FRMrESOLVING"},
            {"mnuAddVectors", "frmAddingVectors"},
            {"mnuKineticEnergy2", "frmKineticEnergy"},
            {"mnuWork", "frmWork"},
            {"mnuPotentialEnergy", "frmPotentialenergy"},
            {"mnuPower", "frmPower"},
            {"mnuElasticCollisions", "frmCollisions"},
            {"mnuInelasticCollisions", "frmInelastic"},
            {"mnuAngularDisplacement", "frmAngularDisplacement"},
            {"mnuAngularSpeed", "frmAngularSpeed"},
            {"mnuAngularAcceleration", "frmAngularAcceleration"},
            {"mnuTorque", "frmTorque"},
            {"mnuAngularMomentum", "frmAngularMomentum"},
            {"mnuKineticEnergy", "frmAngularEnergy"},
            {"mnuMassSpringSystem", "frmHookes"},
            {"mnusimplePendulum", "frmPendulum"},
            {"mnuArchimedesPrinciple", "frmArchimedes"},
            {"mnuPascalsPrinciple", "frmPascal"},
            {"mnuQuellorin", "frmAbout"},
            {"mnuHelp", "frmHelp"},
        };
        for (const auto& r : rows)
            QTest::newRow(r[0]) << r[0] << r[1];
    }
    void menuItems() {
        QFETCH(QString, item);
        QFETCH(QString, opens);
        auto* a = main->findChild<QAction*>(item);
        QVERIFY(a);
        a->trigger();
        QCOMPARE(openWindows(), QStringList{opens});
    }

    void momentumTitleOpensCalculator() {
        emit main->findChild<QMenu*>("mnuMomentum")->aboutToShow();
        QCOMPARE(openWindows(), QStringList{"frmMomentum"});
        main->findChild<QAction*>("mnuMomentum2")->trigger();
        QCOMPARE(openWindows(), QStringList{"frmMomentum"});
    }

    void f1OpensOneHelpWindow() {
        QTest::keyClick(main->findChild<QPushButton*>("cmdMotion"), Qt::Key_F1);
        Form* help = windows::find(QStringLiteral("frmHelp"));
        QVERIFY(help);
        QTest::keyClick(main, Qt::Key_F1);
        QCOMPARE(windows::find(QStringLiteral("frmHelp")), help);
        QCOMPARE(openWindows(), QStringList{"frmHelp"});
    }

    void loadUnloadsSplash() {
        program::reset();
        settle();
        windows::show(QStringLiteral("frmSplash"));
        windows::show(QStringLiteral("frmmain"));
        QVERIFY(!windows::find(QStringLiteral("frmSplash")));
    }

    void escEndsProgram() {
        windows::show(QStringLiteral("frmVelocity"));
        QTest::keyClick(main, Qt::Key_Escape);
        settle();
        QVERIFY(program::ended());
        QCOMPARE(program::exitStatus(), 0);
        QVERIFY(windows::loaded().isEmpty());
    }

    void otherKeysPass() {
        QTest::keyClick(main, Qt::Key_A);
        QTest::keyClick(main, Qt::Key_F2);
        QVERIFY(!program::ended());
        QVERIFY(openWindows().isEmpty());
    }

    void calculatorStartsFirstInstalled() {
        rec->launcher.installed = {"galculator", "xcalc"};
        main->findChild<QPushButton*>("cmdCalculatorChoice")->click();
        QCOMPARE(rec->launcher.started, QStringList{"galculator"});
    }

    void calculatorMissing() {
        rec->launcher.nothingInstalled = true;
        main->cmdCalculatorChoice_Click();
        QVERIFY(rec->launcher.started.isEmpty());
        const RecordedMessage m = rec->messages.take();
        QCOMPARE(m.title, QStringLiteral("Quellorin"));
        QVERIFY(m.text.contains(QLatin1String("No calculator program was found")));
    }

    void calculatorFailsToStart() {
        struct Broken : RecordingLauncher {
            bool start(const QString&, const QStringList&) override { return false; }
        } broken;
        platform::setLauncher(&broken);
        main->cmdCalculatorChoice_Click();
        platform::setLauncher(&rec->launcher);
        QVERIFY(rec->messages.take().text.contains(QLatin1String("could not be started")));
    }

    void databaseOpens() {
        QVERIFY(OpenReferenceDatabase());
        QVERIFY(ReferenceDatabase.isOpen());
        QVERIFY(ReferenceDatabase.path().endsWith(QLatin1String("QuellorinData.mdb")));
        QVERIFY(!program::ended());
    }

    void missingDatabaseEndsProgram() {
        QTemporaryDir empty;
        rec->folder.folder = empty.path();
        const bool opened = OpenReferenceDatabase();
        rec->folder.folder = QStringLiteral(QUELLORIN_PROGRAM_DIR);
        QVERIFY(!opened);
        const RecordedMessage m = rec->messages.take();
        QCOMPARE(m.title, QStringLiteral("Quellorin"));
        QCOMPARE(m.icon, platform::Icon::Information);
        QVERIFY(m.text.contains(QLatin1String("QuellorinData.mdb")));
        QVERIFY(program::ended());
        QCOMPARE(program::exitStatus(), 1);
        QVERIFY(windows::loaded().isEmpty());
        QVERIFY(QDir(empty.path()).isEmpty()); // no empty database was made in its place
    }

    void windowSize() {
        int bar = 0;
        for (QMenuBar* b : main->findChildren<QMenuBar*>())
            bar += b->height();
        QCOMPARE(main->size(), QSize(794, 517 + bar));
        QCOMPARE(main->windowTitle(), QStringLiteral("Carvido Software - Quellorin"));
    }
};

QUELLORIN_TEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
