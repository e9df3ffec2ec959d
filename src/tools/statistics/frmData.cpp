#include "tools/statistics/frmData.h"

#include "core/messages.h"
#include "tools/statistics/statistics.h"
#include "ui/accessible.h"
#include "ui/appearance.h"
#include "ui/windows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QVBoxLayout>

namespace statistics {

namespace {

// The values written plainly, as the student reads them.
QString listed(const std::vector<double>& values) {
    QStringList pieces;
    for (const double v : values)
        pieces << num::plain(num::Double(v));
    return pieces.join(QStringLiteral(", "));
}

void say(Form* window, const QString& text) {
    platform::message(QStringLiteral("Quellorin"), text, platform::Icon::None, window);
}

} // namespace

DataWindow::DataWindow()
    : Form(QStringLiteral("frmData"),
           {QStringLiteral("Enter the Data"), appearance::toolWindowFlags(), true}) {
    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    auto* prompt = new QLabel(
        QStringLiteral(
            "Type or paste the measurements, separated by blanks, commas, semicolons or new lines."),
        this);
    prompt->setObjectName(QStringLiteral("Label1"));
    prompt->setWordWrap(true);
    prompt->setFixedWidth(appearance::twips(4470));
    column->addWidget(prompt);
    m_list = new QTextEdit(this);
    m_list->setObjectName(QStringLiteral("Text1"));
    m_list->setAcceptRichText(false);
    m_list->setTabChangesFocus(true);
    m_list->setFixedSize(appearance::twips(4470), appearance::twips(1500));
    accessible::labelFor(prompt, m_list);
    column->addWidget(m_list);

    // What the list shows at once: its values in order, the median and the mode.
    auto* grid = new QGridLayout;
    const auto row = [&](int at, const char* label, const char* box, const QString& caption) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(QString::fromLatin1(label));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* b = new QLineEdit(this);
        b->setObjectName(QString::fromLatin1(box));
        b->setReadOnly(true);
        accessible::labelFor(l, b);
        grid->addWidget(l, at, 0);
        grid->addWidget(b, at, 1);
        return b;
    };
    m_sorted = row(0, "Label2", "Text2", QStringLiteral("In ascending order:"));
    m_median = row(1, "Label3", "Text3", QStringLiteral("The median is "));
    m_mode = row(2, "Label4", "Text4", QStringLiteral("The mode is "));
    column->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addLayout(buttonRow({
        {QStringLiteral("cmdOk"), QStringLiteral("Ok"), [this] { cmdOk_Click(); }},
        {QStringLiteral("cmdCancel"), QStringLiteral("Close"), [this] { cmdCancel_Click(); }},
    }));
    buttons->addStretch();
    column->addLayout(buttons);
    // Enter starts a new line of the list; it presses only the button that has the focus.
    setCancelButton(findChild<QPushButton*>(QStringLiteral("cmdCancel")));
    connect(m_list, &QTextEdit::textChanged, this, [this] { Text1_Change(); });
    m_list->setFocus();
}

void DataWindow::Text1_Change() {
    const Measurements m = readMeasurements(m_list->toPlainText());
    const std::vector<double> values = sorted(m.values);
    m_sorted->setText(listed(values));
    const std::optional<double> middle = median(values);
    m_median->setText(middle ? num::plain(num::Double(*middle)) : QString());
    const std::vector<double> most = modes(values);
    m_mode->setText(values.empty() ? QString() : most.empty() ? QStringLiteral("no mode") : listed(most));
}

void DataWindow::cmdOk_Click() {
    const Measurements m = readMeasurements(m_list->toPlainText());
    if (const QString why = refusal(m); !why.isEmpty()) {
        say(this, why);
        return;
    }
    Totals t;
    if (msg::errorTrap([&] { t = totalsOf(m.values); })) {
        say(this, QStringLiteral("The squares of these measurements are too large to add up."));
        return;
    }
    // The calling window takes the totals (opened again if it was closed meanwhile); each box's
    // change runs as if the student had typed it.
    if (!m_target.window.isEmpty())
        if (Form* window = windows::show(m_target.window)) {
            const auto write = [&](const QString& box, const QString& text) {
                if (auto* edit = box.isEmpty() ? nullptr : window->findChild<QLineEdit*>(box))
                    edit->setText(text);
            };
            write(m_target.sum, typed(t.sum.value()));
            write(m_target.count, QString::number(t.count));
            write(m_target.sumOfSquares, typed(t.sumOfSquares.value()));
        }
    Unload();
}

Form* newDataWindow() {
    return new DataWindow;
}

void openData(const DataTarget& target) {
    if (auto* window = qobject_cast<DataWindow*>(windows::show(QStringLiteral("frmData"))))
        window->setTarget(target);
}

} // namespace statistics
