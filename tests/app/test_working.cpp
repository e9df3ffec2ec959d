// Every calculator shows how it got its answer. For each calculator of the program's list and each
// selection of what it solves for, the test types ordinary numbers, presses Ok and reads the
// worked-formula box: it must hold the relation with the numbers typed and the answer as shown
// with its unit, and the worked expression, read back by a small reader of the working's notation,
// must compute the answer to its shown digits.

#include "app/calculatorlist.h"
#include "calc/framework/headless.h"

#include <QLocale>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using calc::Definition;
using calc::HeadlessCalculator;

// The selections whose worked formula is the window's own fixed text (a difference, a sum of
// squares, a conversion, a substitution in its own notation), kept word for word: only that it is
// written is checked. A window's name alone stands for all of its selections.
const QStringList ownFormulas = {
    QStringLiteral("frmCalculateDisplacement"),
    QStringLiteral("frmTemperatures"),
    QStringLiteral("frmAreaFormulas"),
    QStringLiteral("frmPythagorean"),
    QStringLiteral("frmMean"),
    QStringLiteral("frmError"),
    QStringLiteral("frmVariation"),
    QStringLiteral("frmDeviations"),
    QStringLiteral("frmMomentum opt4"),
    QStringLiteral("frmCollisions opt8"),
    QStringLiteral("frmMetrics"),
    QStringLiteral("frmSignificantFigures"),
};

bool hasOwnFormula(const QString& tag) {
    return std::any_of(ownFormulas.begin(), ownFormulas.end(), [&](const QString& own) {
        return tag == own || tag.startsWith(own + QLatin1Char(' '));
    });
}

// A reader of the working's notation: numbers with an optional unit after them, × · / ÷ + -, the
// exponents ² ³ and ^, ½, π, √, |x| and the trigonometric functions of degrees, with parentheses.
class Reader {
  public:
    explicit Reader(QString text) : m_text(std::move(text)) {}

    std::optional<double> value() {
        const double v = sum();
        skipSpaces();
        if (m_failed || m_at != m_text.size())
            return std::nullopt;
        return v;
    }

  private:
    static constexpr double pi = 3.14159265;

    void skipSpaces() {
        while (m_at < m_text.size() && m_text[m_at].isSpace())
            ++m_at;
    }
    bool take(const QString& token) {
        skipSpaces();
        if (!m_text.mid(m_at).startsWith(token))
            return false;
        m_at += token.size();
        return true;
    }
    double sum() {
        double v = product();
        for (;;) {
            if (take(QStringLiteral("+")))
                v += product();
            else if (take(QStringLiteral("-")))
                v -= product();
            else
                return v;
        }
    }
    double product() {
        double v = power();
        for (;;) {
            if (take(QStringLiteral("×")) || take(QStringLiteral("·")) || take(QStringLiteral("*")))
                v *= power();
            else if (take(QStringLiteral("/")) || take(QStringLiteral("÷")))
                v /= power();
            else
                return v;
        }
    }
    double power() {
        double v = unary();
        for (;;) {
            if (take(QStringLiteral("²")))
                v *= v;
            else if (take(QStringLiteral("³")))
                v = v * v * v;
            else if (take(QStringLiteral("^")))
                v = std::pow(v, unary());
            else
                return v;
        }
    }
    double unary() {
        if (take(QStringLiteral("-")))
            return -power();
        if (take(QStringLiteral("√")))
            return std::sqrt(power());
        static const QList<std::pair<QString, double (*)(double)>> functions = {
            {QStringLiteral("asin"), [](double x) { return std::asin(x) * 180 / pi; }},
            {QStringLiteral("acos"), [](double x) { return std::acos(x) * 180 / pi; }},
            {QStringLiteral("atan"), [](double x) { return std::atan(x) * 180 / pi; }},
            {QStringLiteral("sin"), [](double x) { return std::sin(x * pi / 180); }},
            {QStringLiteral("cos"), [](double x) { return std::cos(x * pi / 180); }},
            {QStringLiteral("tan"), [](double x) { return std::tan(x * pi / 180); }},
        };
        for (const auto& [name, function] : functions)
            if (take(name))
                return function(power());
        return atom();
    }
    double atom() {
        if (take(QStringLiteral("("))) {
            const double v = sum();
            if (!take(QStringLiteral(")")))
                m_failed = true;
            return v;
        }
        if (take(QStringLiteral("|"))) {
            const double v = sum();
            if (!take(QStringLiteral("|")))
                m_failed = true;
            return std::abs(v);
        }
        if (take(QStringLiteral("½")))
            return 0.5;
        if (take(QStringLiteral("π")))
            return pi;
        return number();
    }
    // A number as the program writes one (English grouping), then its unit, which the reader skips.
    double number() {
        skipSpaces();
        static const QRegularExpression form(QStringLiteral(R"(^\d[\d,]*(\.\d*)?([Ee][+-]?\d+)?)"));
        const auto match = form.match(m_text.mid(m_at));
        if (!match.hasMatch()) {
            m_failed = true;
            return 0;
        }
        m_at += match.capturedLength();
        bool ok = false;
        const double v = QLocale(QLocale::English, QLocale::UnitedStates).toDouble(match.captured(), &ok);
        m_failed = m_failed || !ok;
        skipUnit();
        return v;
    }
    void skipUnit() {
        QString longest;
        for (int u = int(calc::Unit::Metre); u <= int(calc::Unit::Kelvin); ++u) {
            const QString written = units::after(calc::Unit(u));
            if (m_text.mid(m_at).startsWith(written) && written.size() > longest.size())
                longest = written;
        }
        m_at += longest.size();
    }

    QString m_text;
    qsizetype m_at = 0;
    bool m_failed = false;
};

// The numbers typed, box by box, tried in turn until Ok gives an answer without a message.
const QList<QStringList> tries = {
    {"3", "4", "2", "5", "6", "7", "8", "9"},
    {"30", "2", "4", "5", "6", "7", "8", "9"},
    {"0.5", "0.25", "0.2", "0.3", "0.4", "0.1", "0.6", "0.7"},
    {"2", "3", "4", "5", "6", "7", "8", "9"},
    {"10", "20", "30", "40", "50", "60", "70", "80"},
    {"5", "3", "4", "2", "1", "6", "7", "8"},
    {"4", "3", "2", "1", "6", "5", "8", "7"},
};

// Each selection of what a calculator solves for: its solve-for options, one from each group.
QList<QList<int>> selections(const Definition& d) {
    QList<QList<int>> all = {{}};
    int before = 0;
    for (const calc::ChoiceGroup& group : d.choices) {
        const int count = int(group.options.size());
        if (group.role == calc::ChoiceGroup::Role::SolveFor) {
            QList<QList<int>> next;
            for (const QList<int>& chosen : all)
                for (int k = 1; k <= count; ++k)
                    next << chosen + QList<int>{before + k};
            all = next;
        }
        before += count;
    }
    return all;
}

// "frmWork opt2": the window and the controls of the options chosen.
QString tagOf(const Definition& d, const QList<int>& chosen) {
    QStringList names;
    int n = 0;
    for (const calc::ChoiceGroup& group : d.choices)
        for (const calc::Option& option : group.options) {
            ++n;
            if (chosen.contains(n))
                names << (option.name.isEmpty() ? QStringLiteral("opt%1").arg(n) : option.name);
        }
    return names.isEmpty() ? d.className : d.className + QLatin1Char(' ') + names.join(QLatin1Char('+'));
}

} // namespace

class TestWorking : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void everyAnswerIsWorked_data() {
        QTest::addColumn<int>("calculator");
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<QString>("button"); // the button that computes; empty: Ok
        const auto& list = calculators();
        for (int c = 0; c < int(list.size()); ++c) {
            const Definition d = list[size_t(c)].define();
            if (d.results.empty())
                continue;
            if (!d.buttons.hasOk()) {
                for (const calc::ExtraButton& extra : d.buttons.more)
                    QTest::newRow(qPrintable(d.className + ' ' + extra.name))
                        << c << QList<int>() << extra.name;
                continue;
            }
            for (const QList<int>& chosen : selections(d))
                QTest::newRow(qPrintable(tagOf(d, chosen))) << c << chosen << QString();
        }
    }

    void everyAnswerIsWorked() {
        QFETCH(int, calculator);
        QFETCH(QList<int>, chosen);
        QFETCH(QString, button);
        const Definition d = calculators()[size_t(calculator)].define();
        QVERIFY2(!d.formula.box.isEmpty(), "the window has no worked-formula box");
        for (const QStringList& numbers : tries) {
            HeadlessCalculator s(d);
            for (int n : chosen) {
                // A window may disable an option under another choice (no angle is sought for a
                // horizontal launch): that pair is no selection the student can make.
                if (!s.isOptionEnabled(n))
                    QSKIP("the option is disabled under the other choice");
                s.select(n);
            }
            // A group of settings that starts with none chosen gets one, a different one in each.
            for (size_t g = 0; g < d.choices.size(); ++g) {
                const calc::ChoiceGroup& group = d.choices[g];
                if (group.role == calc::ChoiceGroup::Role::Setting &&
                    s.sheet().chosen(calc::nameOf(group)) == 0)
                    s.sheet().select(calc::nameOf(group), int(g % group.options.size()) + 1);
            }
            int k = 0;
            for (const calc::NumberInput& in : d.inputs)
                if (s.isShown(in.box) && s.isEnabled(in.box))
                    s.setText(in.box, numbers[k++ % numbers.size()]);
            if (button.isEmpty())
                s.ok();
            else
                s.press(button);
            if (!s.messages.isEmpty())
                continue;
            const QString working = s.text(d.formula.box);
            QVERIFY2(!working.isEmpty(), "no working after an answer");
            if (hasOwnFormula(QString::fromUtf8(QTest::currentDataTag())))
                return;
            std::vector<calc::Step> steps = s.sheet().currentLayout().working;
            for (const calc::ExtraButton& extra : d.buttons.more)
                if (extra.name == button)
                    steps = extra.working;
            QVERIFY2(!steps.empty(), "the selection declares no working");
            const QStringList lines = working.split(QStringLiteral("; "));
            QCOMPARE(lines.size(), qsizetype(steps.size()));
            for (size_t i = 0; i < steps.size(); ++i) {
                const calc::Step& step = steps[i];
                const QString& line = lines[qsizetype(i)];
                for (const QString& box : step.from)
                    QVERIFY2(line.contains(s.text(box)), qPrintable(s.text(box) + " is not in " + line));
                const QString answer = s.text(calc::answerBox(d, step));
                const QString unit = units::after(step.relation->result);
                QVERIFY2(line.endsWith(QStringLiteral(" = ") + answer + unit), qPrintable(line));
                // The worked expression computes the answer shown, to its last digit.
                const QStringList sides = line.split(QStringLiteral(" = "));
                // The relation (with its symbol where it names one), the numbers, the answer.
                QVERIFY(sides.size() >= 3);
                const std::optional<double> worked = Reader(sides[sides.size() - 2]).value();
                const std::optional<double> shown = Reader(sides.back()).value();
                QVERIFY2(worked && shown, qPrintable("unreadable: " + line));
                const double digit = answer.contains(QLatin1Char('E')) ? std::abs(*shown) * 5e-4 : 5e-4;
                QVERIFY2(std::abs(*worked - *shown) <= digit + std::abs(*shown) * 1e-6, qPrintable(line));
            }
            return;
        }
        QFAIL("no ordinary numbers gave an answer");
    }

    // The reader itself, on the working the program writes, and on a wrong one.
    void readerReadsTheNotation() {
        QCOMPARE(Reader(QStringLiteral("½ × 1200 kg × (25 m/s)²")).value(), 375000.0);
        QCOMPARE(Reader(QStringLiteral("√(2 × 50 J / 0.25 kg)")).value(), 20.0);
        QCOMPARE(Reader(QStringLiteral("10 N × 2 m × cos(60°)")).value().value_or(0),
                 10.0 * 2 * std::cos(60 * 3.14159265 / 180));
        QCOMPARE(Reader(QStringLiteral("1,500.000")).value(), 1500.0);
        QVERIFY(!Reader(QStringLiteral("½ × × 2")).value());
    }
};

QTEST_MAIN(TestWorking)
#include "test_working.moc"
