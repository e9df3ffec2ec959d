// The main window: its tab order and menu bar, the keys, the Help and Calculator buttons, and the
// start and end of the program. Where its buttons and menu items lead is test_reachability's.

#include "app/Module1.h"
#include "app/frmmain.h"
#include "freshprogram.h"
#include "uitest.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>

class TestMainWindow : public QObject {
    Q_OBJECT

    FreshProgram m_program;
    RecordingPlatform* rec = nullptr;
    frmmain* main = nullptr;

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

    // Tab runs through the buttons row by row, left to right, the top row first.
    void tabOrderRowByRow() {
        const QList<QPushButton*> buttons = main->findChildren<QPushButton*>();
        auto before = [](const QPushButton* a, const QPushButton* b) {
            return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
        };
        QPushButton* b = *std::min_element(buttons.begin(), buttons.end(), before);
        for (qsizetype visited = 1; visited < buttons.size(); ++visited) {
            QWidget* w = b->nextInFocusChain();
            while (!qobject_cast<QPushButton*>(w))
                w = w->nextInFocusChain();
            auto* next = static_cast<QPushButton*>(w);
            QVERIFY2(before(b, next), qPrintable(b->objectName() + " is followed by " + next->objectName()));
            // Nothing lies between the two.
            for (const QPushButton* other : buttons)
                QVERIFY2(!(before(b, other) && before(other, next)),
                         qPrintable(b->objectName() + " is followed by " + next->objectName() + ", not by " +
                                    other->objectName()));
            b = next;
        }
    }

    // The titles, on one line or wrapped onto two, in the order the menus were made, and every
    // title within the window's width.
    void menuBarKeepsTheTitlesInOrder() {
        QList<QMenu*> shown;
        for (const char* name : {"menuBar", "menuBar2"})
            if (auto* bar = main->findChild<QMenuBar*>(name)) {
                QVERIFY2(bar->sizeHint().width() <= main->width(), name);
                for (QAction* a : bar->actions())
                    shown.append(a->menu());
            }
        // The menus the window made (the menu bars' overflow menus have no name).
        QList<QMenu*> made = main->findChildren<QMenu*>();
        made.removeIf([](const QMenu* m) { return m->objectName().isEmpty(); });
        QCOMPARE(shown, made);
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

    // Esc in an open drop-down closes the drop-down, and nothing else.
    void escClosesAnOpenMenu() {
        QPointer<QMenu> general = main->findChild<QMenu*>("mnuGeneral");
        auto* bar = main->findChild<QMenuBar*>("menuBar");
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(general->menuAction()).center());
        QVERIFY(general->isVisible());
        QTest::keyClick(general, Qt::Key_Escape);
        settle();
        QVERIFY(!program::ended());
        QVERIFY(!general || !general->isVisible());
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
