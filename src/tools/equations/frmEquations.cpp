#include "tools/equations/frmEquations.h"

#include "core/numbers.h"
#include "ui/accessible.h"
#include "ui/appearance.h"
#include "ui/colours.h"
#include "ui/platform.h"
#include "ui/windows.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using equations::Point;
using platform::Icon;

namespace {

const QString equationsTitle = QStringLiteral("Equations");
const QString quellorin = QStringLiteral("Quellorin");

// An axis from lo to hi with ticks at whole numbers: the step is 1, 2 or 5 times a power of ten,
// never below 1, at most about `steps` steps across. The ends fall on ticks, except that a point
// lying on or just inside the last tick gets half a step of room beyond it, so that its mark is
// drawn whole inside the plot.
void scaleAxis(QValueAxis* axis, double lo, double hi, int steps) {
    if (lo == hi) {
        lo -= 1;
        hi += 1;
    }
    const double raw = (hi - lo) / steps;
    double step = 1;
    if (raw > 1) {
        const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
        step = magnitude;
        for (const double m : {2.0, 5.0, 10.0})
            if (step < raw)
                step = m * magnitude;
    }
    double from = std::floor(lo / step) * step;
    double to = std::ceil(hi / step) * step;
    if (lo - from < step / 4)
        from -= step / 2;
    if (to - hi < step / 4)
        to += step / 2;
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setRange(from, to);
    // Long whole numbers in the exponent form, so that a tick label stays short.
    axis->setLabelFormat(std::max(std::fabs(lo), std::fabs(hi)) < 1e7 ? QStringLiteral("%.0f")
                                                                      : QStringLiteral("%.3g"));
}

// Every whole X labelled up to ten of them; Y, drawn in a shorter axis, in fewer steps.
constexpr int xSteps = 10;
constexpr int ySteps = 8;

QValueAxis* makeAxis(const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setMinorTickCount(0);
    return axis;
}

} // namespace

void registerEquationsWindow() {
    windows::registerClass(QStringLiteral("frmEquations"), [] { return new frmEquations; });
}

frmEquations::frmEquations()
    : Form(QStringLiteral("frmEquations"),
           {QStringLiteral("Equations and Graphs"), appearance::toolWindowFlags(), true}) {
    const auto makeLabel = [this](const QString& name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        return l;
    };
    const auto makeBox = [this](int number, const QString& tooltip) {
        auto* b = new QLineEdit(this);
        b->setObjectName(QStringLiteral("Text%1").arg(number));
        b->setToolTip(tooltip);
        b->setFixedWidth(appearance::twips(1700));
        return b;
    };

    QLabel* instructions = makeLabel(QStringLiteral("Label1"), QString());
    QLabel* yEquals = makeLabel(QStringLiteral("Label2"), QStringLiteral("Y ="));
    QLineEdit* equation =
        makeBox(1, QStringLiteral("Use only 1 and 2 digit numbers. Maximum of 30 characters in equation."));
    equation->setFixedWidth(appearance::twips(3400));
    QLabel* example = makeLabel(QStringLiteral("Label3"), QStringLiteral("eg.   3X^3 + 2X^2 + 3X - 2"));
    QLabel* startLabel = makeLabel(QStringLiteral("Label4"), QStringLiteral("Starting value for X"));
    QLineEdit* start = makeBox(2, QStringLiteral("Smallest value that X can have."));
    QLabel* endLabel = makeLabel(QStringLiteral("Label5"), QStringLiteral("Ending value for X"));
    QLineEdit* end =
        makeBox(3, QStringLiteral("Largest value that X can have. Limited to a maximum range of 100."));
    QLabel* xLabel = makeLabel(QStringLiteral("Label6"), QStringLiteral("Enter a value for X"));
    QLineEdit* x = makeBox(4, QString());
    QLineEdit* y = makeBox(5, QString());
    QLineEdit* slope = makeBox(6, QString());
    for (QLineEdit* shown : {y, slope})
        shown->setReadOnly(true);
    accessible::labelFor(yEquals, equation);
    accessible::labelFor(startLabel, start);
    accessible::labelFor(endLabel, end);
    accessible::labelFor(xLabel, x);
    y->setAccessibleName(QStringLiteral("Y at X"));
    slope->setAccessibleName(QStringLiteral("Slope at X"));
    bindKeyFilter(equation, keys::Profile::K23);
    for (QLineEdit* number : {start, end, x})
        bindKeyFilter(number, keys::Profile::K18);

    QPushButton* calculateY =
        appearance::commandButton(this, QStringLiteral("cmdCalculateY"), QStringLiteral("Calculate Y"),
                                  [this] { cmdCalculateY_Click(); });
    QPushButton* slopeButton = appearance::commandButton(
        this, QStringLiteral("cmdSlope"), QStringLiteral("Slope at X"), [this] { cmdSlope_Click(); });

    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    m_series = new QLineSeries;
    m_series->setPointsVisible(true);
    chart->addSeries(m_series);
    m_axisX = makeAxis(QStringLiteral("X"));
    m_axisY = makeAxis(QStringLiteral("Y"));
    chart->addAxis(m_axisX, Qt::AlignBottom);
    chart->addAxis(m_axisY, Qt::AlignLeft);
    m_series->attachAxis(m_axisX);
    m_series->attachAxis(m_axisY);
    m_chart = new QChartView(chart, this);
    m_chart->setObjectName(QStringLiteral("MSChart1"));
    m_chart->setAccessibleName(QStringLiteral("Graph of Y against X"));
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setFocusPolicy(Qt::NoFocus);
    m_chart->setFrameShape(QFrame::StyledPanel);
    m_chart->setFixedSize(appearance::twips(6600), appearance::twips(5400));
    colourChart();

    // The boxes down the left, the graph on the right, the buttons across the foot.
    auto* boxes = new QGridLayout;
    boxes->addWidget(yEquals, 0, 0, Qt::AlignRight);
    boxes->addWidget(equation, 0, 1, 1, 2);
    boxes->addWidget(example, 1, 1, 1, 2);
    boxes->setRowMinimumHeight(2, 8);
    boxes->addWidget(startLabel, 3, 0, 1, 2, Qt::AlignRight);
    boxes->addWidget(start, 3, 2);
    boxes->addWidget(endLabel, 4, 0, 1, 2, Qt::AlignRight);
    boxes->addWidget(end, 4, 2);
    boxes->setRowMinimumHeight(5, 8);
    boxes->addWidget(xLabel, 6, 0, 1, 2, Qt::AlignRight);
    boxes->addWidget(x, 6, 2);
    boxes->addWidget(calculateY, 7, 0, 1, 2, Qt::AlignRight);
    boxes->addWidget(y, 7, 2);
    boxes->addWidget(slopeButton, 8, 0, 1, 2, Qt::AlignRight);
    boxes->addWidget(slope, 8, 2);
    auto* left = new QVBoxLayout;
    left->addWidget(instructions);
    left->addSpacing(8);
    left->addLayout(boxes);
    left->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addSpacing(8);
    top->addWidget(m_chart);

    QHBoxLayout* buttons = buttonRow({
        {QStringLiteral("cmdOk"), QStringLiteral("Ok"), [this] { cmdOk_Click(); }},
        {QStringLiteral("cmdClear"), QStringLiteral("Clear"), [this] { cmdClear_Click(); }},
        {QStringLiteral("cmdCancel"), QStringLiteral("Close"), [this] { cmdCancel_Click(); }},
        {QStringLiteral("cmdPrint"), QStringLiteral("Print"), [this] { cmdPrint_Click(); }},
        {QStringLiteral("cmdHelp"), QStringLiteral("?"), [this] { cmdHelp_Click(); }},
    });
    auto* help = findChild<QPushButton*>(QStringLiteral("cmdHelp"));
    appearance::styleHelpButton(help);
    m_ok = findChild<QPushButton*>(QStringLiteral("cmdOk"));
    m_print = findChild<QPushButton*>(QStringLiteral("cmdPrint"));
    setDefaultButton(m_ok);
    setCancelButton(findChild<QPushButton*>(QStringLiteral("cmdCancel")));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(equation, &QLineEdit::textChanged, this, [this] {
        m_ok->setEnabled(true);
        m_print->setEnabled(true);
    });
}

num::Single frmEquations::single(int number) const {
    return num::inBox(box(number)->objectName(), [&] { return num::toSingle(box(number)->text()); });
}

std::int16_t frmEquations::integer(int number) const {
    return num::inBox(box(number)->objectName(), [&] { return num::toInteger(box(number)->text()); });
}

QLineEdit* frmEquations::box(int number) const {
    return findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
}

void frmEquations::Form_Load() {
    for (int n = 1; n <= 5; ++n)
        box(n)->clear();
    m_ok->setEnabled(false);
    m_print->setEnabled(false);
    // Each line break is LF then CR; a screen reader hears the instructions as one line.
    auto* instructions = findChild<QLabel*>(QStringLiteral("Label1"));
    instructions->setText(
        QStringLiteral("Enter an equation in the form shown \n\rin the example below. Maximum range\n\r"
                       "of 100 for values of X. 1 and 2 digit integers only."));
    accessible::plainName(instructions);
    m_points.clear();
    drawChart();
}

void frmEquations::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && m_chart)
        colourChart();
    Form::changeEvent(event);
}

// The graph is drawn as a text box is: the palette's text on its base, framed like the boxes
// beside it. The line and its points take the palette's link colour where that stands out from
// the base, and the text colour otherwise; the grid is a faint shade between base and text.
void frmEquations::colourChart() {
    const QPalette& p = palette();
    const QColor paper = p.color(QPalette::Base);
    const QColor ink = p.color(QPalette::Text);
    const QColor link = p.color(QPalette::Link);
    QChart* chart = m_chart->chart();
    m_chart->setBackgroundBrush(paper);
    chart->setBackgroundBrush(paper);
    chart->setBackgroundPen(Qt::NoPen);
    chart->setBackgroundRoundness(0);
    QColor grid = paper;
    grid.setRgbF(float(0.8 * paper.redF() + 0.2 * ink.redF()),
                 float(0.8 * paper.greenF() + 0.2 * ink.greenF()),
                 float(0.8 * paper.blueF() + 0.2 * ink.blueF()));
    for (QValueAxis* axis : {m_axisX, m_axisY}) {
        axis->setLabelsColor(ink);
        axis->setTitleBrush(ink);
        axis->setLinePenColor(colours::edgeOn(paper, ink));
        axis->setGridLineColor(grid);
    }
    m_series->setColor(colours::contrast(link, paper) >= 3.0 ? link : ink);
}

void frmEquations::drawChart() {
    QList<QPointF> line;
    for (const Point& p : m_points)
        line.append(QPointF(p.x, p.y.value()));
    m_series->replace(line);
    // A screen reader reads the graph's points from its description.
    m_chart->setAccessibleDescription(equations::describe(m_points));
    if (m_points.empty()) {
        scaleAxis(m_axisX, 0, 10, xSteps);
        scaleAxis(m_axisY, 0, 10, ySteps);
        return;
    }
    const auto [low, high] = std::minmax_element(m_points.begin(), m_points.end(),
                                                 [](const Point& a, const Point& b) { return a.y < b.y; });
    scaleAxis(m_axisX, m_points.front().x, m_points.back().x, xSteps);
    scaleAxis(m_axisY, low->y.value(), high->y.value(), ySteps);
}

// The equation and the range are checked before anything is worked out, and the table and the
// graph are made only when every point has been worked out. Until then there is none: an Ok that
// is refused leaves no other equation's line, nor its Y and slope, beside the equation typed.
void frmEquations::cmdOk_Click() {
    m_points.clear();
    m_madeFrom.clear();
    drawChart();
    box(5)->clear();
    box(6)->clear();
    underErrorTrap([this] {
        const std::optional<equations::Polynomial> polynomial = equations::parse(box(1)->text());
        if (!polynomial) {
            sayAbout(box(1), equationsTitle, QStringLiteral("You must enter a correctly written equation."));
            return;
        }
        if (box(2)->text().isEmpty()) {
            sayAbout(box(2), equationsTitle, QStringLiteral("You must enter a valid starting number."));
            return;
        }
        if (box(3)->text().isEmpty()) {
            sayAbout(box(3), equationsTitle, QStringLiteral("You must enter a valid ending number."));
            return;
        }
        const num::Single start = single(2);
        const num::Single end = single(3);
        equations::Tabulation table = equations::tabulate(*polynomial, start, end);
        switch (table.outcome) {
        case equations::Outcome::RangeTooLarge:
            platform::message(quellorin, QStringLiteral("The range is too large."), Icon::None, this);
            return;
        case equations::Outcome::StartAboveEnd:
            platform::message(quellorin, QStringLiteral("The starting value is above the ending value."),
                              Icon::None, this);
            return;
        case equations::Outcome::TooManyValues:
            platform::message(quellorin, QStringLiteral("Too many values."), Icon::None, this);
            return;
        case equations::Outcome::Written:
            break;
        }
        m_points = std::move(table.points);
        m_madeFrom = source();
        drawChart();
        accessible::announce(
            this, QStringLiteral("The graph has %1 %2, from X %3 to X %4.")
                      .arg(m_points.size())
                      .arg(m_points.size() == 1 ? QStringLiteral("point") : QStringLiteral("points"))
                      .arg(m_points.front().x)
                      .arg(m_points.back().x));
    });
}

QStringList frmEquations::source() const {
    return {box(1)->text(), box(2)->text(), box(3)->text()};
}

bool frmEquations::tableIsCurrent(QLineEdit* answer) {
    if (!m_madeFrom.isEmpty() && m_madeFrom == source())
        return true;
    answer->clear();
    platform::message(quellorin, QStringLiteral("Press Ok first to make the table of this equation."),
                      Icon::None, this);
    return false;
}

void frmEquations::cmdCalculateY_Click() {
    if (box(4)->text().isEmpty()) {
        sayAbout(box(4), QStringLiteral("Equations - Calculate Y"),
                 QStringLiteral("You must enter a valid number."));
        return;
    }
    if (!tableIsCurrent(box(5)))
        return;
    underErrorTrap([this] {
        if (const auto y = equations::yAt(m_points, integer(4)))
            answer(5, QStringLiteral("Y at X = %1 is %2"), num::result(*y));
    });
}

void frmEquations::cmdSlope_Click() {
    underErrorTrap([this] {
        if (box(4)->text().isEmpty()) {
            sayAbout(box(4), quellorin, QStringLiteral("You must enter a valid number."));
            return;
        }
        if (!tableIsCurrent(box(6)))
            return;
        if (const auto slope = equations::slopeAt(m_points, integer(4)))
            answer(6, QStringLiteral("The slope at X = %1 is %2"), num::result(*slope));
    });
}

void frmEquations::answer(int n, const QString& saying, const QString& value) {
    box(n)->setText(value);
    accessible::announce(this, saying.arg(box(4)->text(), value));
}

void frmEquations::cmdClear_Click() {
    for (int n = 1; n <= 6; ++n)
        box(n)->clear();
    box(1)->setFocus();
    m_points.clear();
    m_madeFrom.clear();
    drawChart();
}

void frmEquations::cmdCancel_Click() {
    UnloadAndShow(QStringLiteral("frmGeneralChoice"));
}

void frmEquations::cmdPrint_Click() {
    platform::printWindow(this);
}

void frmEquations::cmdHelp_Click() {
    platform::message(
        quellorin,
        QStringLiteral("Graphing an equation allows you to analyze the motion of an object. For example, "
                       "the shape of the graph will tell you if the velocity is increasing or "
                       "decreasing. The slope of the graph tells you the  acceleration of the object. "
                       "Once you have the equation graphed, you can enter a value for X and determine "
                       "the corresponding for Y. "),
        Icon::Information, this);
}
