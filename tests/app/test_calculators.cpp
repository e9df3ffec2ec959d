// Every calculator of the program listed and at one width whatever is chosen, and
// the equation evaluator and the step windows against whatever a keyboard or a paste can send.

#include "app/Module1.h"
#include "app/calculatorlist.h"
#include "calc/window/calculator.h"
#include "hostile.h"
#include "recorders.h"
#include "tools/equations/frmEquations.h"
#include "uitest.h"

#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QXYSeries>

using namespace calc;

class TestCalculators : public QObject {
    Q_OBJECT

    RecordingPlatform rec;

    // The class names of the program's list of calculators.
    static QStringList calculators() {
        QStringList names;
        for (const Calculator& c : ::calculators())
            names << c.className;
        return names;
    }

    // Sends what a keyboard or a paste may send into the box: sometimes a paste, then a few keys.
    static void garble(QLineEdit* b, QRandomGenerator& random) {
        static const QString keys = QStringLiteral("0123456789.-+Ee ,xX^*/()abc\x08");
        const QStringList& pastes = hostileTexts();
        if (random.bounded(2))
            b->setText(pastes[random.bounded(int(pastes.size()))]);
        for (int k = random.bounded(6); k > 0; --k)
            QTest::keyClick(b, keys[random.bounded(int(keys.size()))].toLatin1());
    }

    static void checkMessages(RecordingPlatform& recording) {
        for (const RecordedMessage& m : std::as_const(recording.messages.messages))
            QVERIFY2(!m.text.isEmpty() && !m.title.isEmpty(), "a message without words");
        recording.messages.messages.clear();
    }

  private slots:
    void initTestCase() { registerWindows(); }

    // Every calculator of the list opens as the window of its class, and every registered window
    // that is a calculator is on the list.
    void everyCalculatorIsListed() {
        for (const QString& name : windows::registeredClasses()) {
            const bool isCalculator = qobject_cast<CalculatorWindow*>(windows::load(name)) != nullptr;
            QVERIFY2(isCalculator == calculators().contains(name), qPrintable(name));
            windows::unloadAll();
            settle();
        }
        rec.messages.messages.clear();
    }

    // A calculator keeps one width whatever is chosen: its labels are sized for every caption any
    // choice (or pair of choices, where a window has two groups) can give them.
    void everyCalculatorKeepsOneWidth() {
        for (const QString& name : calculators()) {
            auto* calc = static_cast<CalculatorWindow*>(windows::show(name));
            settle();
            const int width = calc->width();
            QVERIFY(width > 0);
            int count = 0;
            while (calc->option(count + 1))
                ++count;
            for (int first = 1; first <= count; ++first) {
                for (int second = 1; second <= count; ++second) {
                    for (int n : {first, second})
                        if (calc->option(n)->isEnabled())
                            calc->option(n)->click();
                    settle();
                    QVERIFY2(
                        calc->width() == width,
                        qPrintable(QStringLiteral("%1 is %2 pixels wide after options %3 and %4, %5 at load")
                                       .arg(name)
                                       .arg(calc->width())
                                       .arg(first)
                                       .arg(second)
                                       .arg(width)));
                }
            }
            // The buttons that compute at once write their own words: the width stays too.
            for (const NumberInput& in : calc->definition().inputs)
                calc->box(in.box)->setText(QStringLiteral("0.5"));
            for (const ExtraButton& extra : calc->definition().buttons.more) {
                calc->findChild<QPushButton*>(extra.name)->click();
                settle();
                QVERIFY2(calc->width() == width,
                         qPrintable(QStringLiteral("%1 is %2 pixels wide after %3, %4 at load")
                                        .arg(name)
                                        .arg(calc->width())
                                        .arg(extra.name)
                                        .arg(width)));
            }
            windows::unloadAll();
            settle();
        }
        rec.messages.messages.clear();
    }

    // The angle boxes of the first row do not spread the result row apart: "at <angle> degrees"
    // follows the first force and its unit closely, and the window keeps its size from option to
    // option.
    void equilibriumRowsStayCompact() {
        auto* w = static_cast<CalculatorWindow*>(windows::show(QStringLiteral("frmEquilibrium")));
        settle();
        const QSize size = w->size();
        const QWidget* force = w->box("Text6");
        const QWidget* at = w->label("Label5");
        QCOMPARE(at->y() + at->height() / 2, force->y() + force->height() / 2);
        const QWidget* unit = w->label("Text6Unit");
        QVERIFY2(unit->x() - (force->x() + force->width()) < 20, "the unit stands apart from the force");
        QVERIFY2(at->x() - (unit->x() + unit->width()) < 20, "\"at\" stands apart from the force");
        QVERIFY(w->box("Text4")->width() < force->width());
        for (int option : {3, 2, 1}) {
            w->runtime().select(option);
            QCOMPARE(w->size(), size);
        }
        // The weight's row is the widest; nothing stands beyond its last angle box but the "?".
        w->runtime().select(3);
        const QWidget* lastAngle = w->box("Text2");
        QVERIFY(w->width() - (lastAngle->x() + lastAngle->width()) < 40);
        windows::unloadAll();
        settle();
    }

    // The equation evaluator against garbage (every calculator meets it in the soak): garbage into
    // every box, then every button but Close (and now and then Close too), never a crash, a
    // message without words or a graph that disagrees with the table.
    void equationsSurviveGarbage() {
        QRandomGenerator random(20261213);
        for (int round = 0; round < 200; ++round) {
            auto* window = qobject_cast<frmEquations*>(windows::show(QStringLiteral("frmEquations")));
            QVERIFY(window);
            for (QLineEdit* b : window->findChildren<QLineEdit*>())
                garble(b, random);
            for (QPushButton* b : window->findChildren<QPushButton*>())
                if (b->objectName() != QLatin1String("cmdCancel"))
                    b->click();
            const auto* chart = window->findChild<QChartView*>(QStringLiteral("MSChart1"));
            const auto* line = static_cast<QXYSeries*>(chart->chart()->series().front());
            QCOMPARE(line->count(), qsizetype(window->points().size()));
            if (random.bounded(10) == 0) {
                window->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
                windows::unloadAll();
                settle();
            }
        }
        windows::unloadAll();
        settle();
        checkMessages(rec);
    }

    // The windows that only list steps: any key, then Enter or Esc, closes them back to the
    // Statistics window, which is never left hidden or doubled.
    void stepWindowsSurviveKeys() {
        QRandomGenerator random(20261208);
        const QList<int> keys = {Qt::Key_A,    Qt::Key_1,      Qt::Key_Tab,
                                 Qt::Key_Left, Qt::Key_Delete, Qt::Key_Backspace};
        for (const QString& name : {QStringLiteral("frmMedian"), QStringLiteral("frmMode")}) {
            for (int round = 0; round < 10; ++round) {
                Form* w = windows::show(name);
                QVERIFY(w);
                for (int k = random.bounded(6); k > 0; --k)
                    QTest::keyClick(w, Qt::Key(keys[random.bounded(int(keys.size()))]));
                if (QWidget* focus = w->focusWidget())
                    QTest::keyClick(focus, random.bounded(2) ? Qt::Key_Escape : Qt::Key_Return);
                settle();
                QVERIFY(!windows::find(name));
                QVERIFY(windows::find(QStringLiteral("frmStatistics"))->isVisible());
                windows::unloadAll();
                settle();
            }
        }
        QVERIFY(rec.messages.messages.isEmpty());
    }
};

QUELLORIN_TEST_MAIN(TestCalculators)
#include "test_calculators.moc"
