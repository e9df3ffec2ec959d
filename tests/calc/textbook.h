#pragma once
// Calculators against worked examples of introductory physics textbooks, as a table: each row a
// calculator, its option, the numbers typed, the box read and the textbook's answer to the
// textbook's own precision. Each row runs the calculator's declaration on an in-memory sheet, as
// its window would run it, without a window. A test derives from textbook::Test and gives
// textbookExamples_data(), which adds the columns and its rows.

#include "calc/framework/headless.h"

#include <QLocale>
#include <QTest>

#include <cmath>

namespace textbook {

using Entries = QList<QPair<QString, QString>>;

// The function that declares a calculator, and the option of another group chosen before the
// row's own (a projectile's launch, say); 0: none.
struct Calculator {
    Calculator(calc::Definition (*define)() = nullptr, int first = 0) : define(define), first(first) {}
    calc::Definition (*define)();
    int first;
};

} // namespace textbook

Q_DECLARE_METATYPE(textbook::Entries)
Q_DECLARE_METATYPE(textbook::Calculator)

namespace textbook {

inline void columns() {
    QTest::addColumn<Calculator>("calculator");
    QTest::addColumn<int>("option"); // 0: the calculator has no options
    QTest::addColumn<Entries>("inputs");
    QTest::addColumn<QString>("box");
    QTest::addColumn<double>("answer");
    QTest::addColumn<double>("tolerance"); // relative
}

inline void row(const char* tag, Calculator calculator, int option, const Entries& inputs, const char* box,
                double answer, double tolerance = 5e-4) {
    QTest::newRow(tag) << calculator << option << inputs << QString::fromLatin1(box) << answer << tolerance;
}

// Chooses the row's options and fills in its numbers.
inline void fill(calc::HeadlessCalculator& sheet, const Calculator& calculator, int option,
                 const Entries& inputs) {
    for (int n : {calculator.first, option})
        if (n > 0)
            sheet.select(n);
    for (const auto& [name, value] : inputs)
        sheet.setText(name, value);
}

// Chooses the row's options, fills in its numbers and presses Ok: the box must show the answer
// (English grouping), and no message.
inline void check() {
    QFETCH(Calculator, calculator);
    QFETCH(int, option);
    QFETCH(Entries, inputs);
    QFETCH(QString, box);
    QFETCH(double, answer);
    QFETCH(double, tolerance);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    calc::HeadlessCalculator sheet(calculator.define());
    fill(sheet, calculator, option, inputs);
    sheet.ok();
    QVERIFY2(sheet.messages.isEmpty(), qPrintable(sheet.messages.value(0).text));
    bool ok = false;
    const double value = QLocale().toDouble(sheet.text(box), &ok);
    QVERIFY2(ok && std::abs(value - answer) <= std::abs(answer) * tolerance + 0.0005,
             qPrintable(QStringLiteral("%1 shows %2").arg(box, sheet.text(box))));
}

// A magnitude typed negative: rows of a calculator, its option, the numbers typed and the box
// whose negative number Ok refuses.
inline void refusalColumns() {
    QTest::addColumn<Calculator>("calculator");
    QTest::addColumn<int>("option");
    QTest::addColumn<Entries>("inputs");
    QTest::addColumn<QString>("box");
}
inline void refusal(const char* tag, Calculator calculator, int option, const Entries& inputs,
                    const char* box) {
    QTest::newRow(tag) << calculator << option << inputs << QString::fromLatin1(box);
}

// Ok refuses the negative number with the one message, the cursor in its box and no answer; the
// same number without its sign is answered.
inline void checkRefusal() {
    QFETCH(Calculator, calculator);
    QFETCH(int, option);
    QFETCH(Entries, inputs);
    QFETCH(QString, box);
    calc::HeadlessCalculator sheet(calculator.define());
    fill(sheet, calculator, option, inputs);
    sheet.ok();
    QCOMPARE(sheet.messages.size(), 1);
    QCOMPARE(sheet.messages[0].text, QStringLiteral("You must enter a number greater than 0."));
    QCOMPARE(sheet.messages[0].title, QStringLiteral("Quellorin"));
    QCOMPARE(sheet.messages[0].icon, calc::Icon::None);
    QCOMPARE(sheet.focus(), box);
    QVERIFY(sheet.text(sheet.sheet().resultBox()).isEmpty());
    sheet.setText(box, sheet.text(box).mid(1));
    sheet.ok();
    QVERIFY2(sheet.messages.size() == 1, qPrintable(sheet.messages.last().text));
    QVERIFY(!sheet.text(sheet.sheet().resultBox()).isEmpty());
}

class Test : public QObject {
    Q_OBJECT

  private slots:
    void textbookExamples() { check(); }
};

} // namespace textbook
