#pragma once
// Calculators against worked examples of introductory physics textbooks, as a table: each row a
// window, its option, the numbers typed, the box read and the textbook's answer to the textbook's
// own precision. A test derives from textbook::Test and gives textbookExamples_data(), which adds
// the columns and its rows.

#include "app/Module1.h"
#include "calc/framework/calculator.h"
#include "recorders.h"
#include "uitest.h"

#include <QLocale>
#include <QTest>

#include <cmath>

namespace textbook {

using Entries = QList<QPair<QString, QString>>;

} // namespace textbook

Q_DECLARE_METATYPE(textbook::Entries)

namespace textbook {

inline void columns() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("option"); // 0: the window has no options
    QTest::addColumn<Entries>("inputs");
    QTest::addColumn<QString>("box");
    QTest::addColumn<double>("answer");
    QTest::addColumn<double>("tolerance"); // relative
}

inline void row(const char* tag, const char* window, int option, const Entries& inputs, const char* box,
                double answer, double tolerance = 5e-4) {
    QTest::newRow(tag) << QString::fromLatin1(window) << option << inputs << QString::fromLatin1(box)
                       << answer << tolerance;
}

// The number a result box shows (English grouping), or NaN when it shows none.
inline double shown(const calc::CalculatorWindow* w, const QString& box) {
    bool ok = false;
    const double v = QLocale(QLocale::English, QLocale::UnitedStates).toDouble(w->text(box), &ok);
    return ok ? v : qQNaN();
}

// Opens the row's window, chooses its option, fills in its numbers and presses Ok: the box must
// show the answer, and no message.
inline void check(RecordingPlatform& rec) {
    QFETCH(QString, window);
    QFETCH(int, option);
    QFETCH(Entries, inputs);
    QFETCH(QString, box);
    QFETCH(double, answer);
    QFETCH(double, tolerance);
    auto* w = qobject_cast<calc::CalculatorWindow*>(windows::show(window));
    QVERIFY(w);
    if (option > 0)
        w->select(option);
    for (const auto& [name, value] : inputs)
        w->setText(name, value);
    w->cmdOk_Click();
    QVERIFY2(rec.messages.messages.isEmpty(), qPrintable(rec.messages.take().text));
    const double value = shown(w, box);
    QVERIFY2(std::abs(value - answer) <= std::abs(answer) * tolerance + 0.0005,
             qPrintable(QStringLiteral("%1 shows %2").arg(box, w->text(box))));
}

// Every window registered, English regional settings, message boxes recorded, and every window
// closed after each row.
class Test : public QObject {
    Q_OBJECT

    RecordingPlatform* m_rec = nullptr;

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
    void textbookExamples() { check(*m_rec); }
};

} // namespace textbook
