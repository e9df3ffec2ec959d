#include "tools/statistics/frmData.h"

#include "tools/statistics/statistics.h"
#include "ui/accessible.h"
#include "ui/appearance.h"
#include "ui/windows.h"

#include <QAccessible>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTextEdit>
#include <QVBoxLayout>

namespace statistics {

namespace {

// ---- Outputs reported once the typing pauses -----------------------------------------------------
//
// Qt reports every text written into a box to assistive technology as it is written. The data
// window's outputs change with every key, so their reports are held back here and the window
// makes one report for each when the typing pauses.

QSet<const QObject*>& quietBoxes() {
    static QSet<const QObject*> boxes;
    return boxes;
}
bool reportingNow = false;
QAccessible::UpdateHandler before = nullptr;

bool isTextChange(QAccessible::Event type) {
    switch (type) {
    case QAccessible::TextUpdated:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::ValueChanged:
        return true;
    default:
        return false;
    }
}

void holdBackQuietBoxes(QAccessibleEvent* event) {
    if (!reportingNow && isTextChange(event->type()) && quietBoxes().contains(event->object()))
        return;
    // Delivered as it would have been without this handler: by the handler installed before it,
    // or by Qt itself where there was none.
    const QAccessible::UpdateHandler current = QAccessible::installUpdateHandler(before);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(current);
}

void keepQuiet(QLineEdit* box) {
    static const bool installed = [] {
        before = QAccessible::installUpdateHandler(holdBackQuietBoxes);
        return true;
    }();
    Q_UNUSED(installed);
    quietBoxes().insert(box);
    QObject::connect(box, &QObject::destroyed, [box] { quietBoxes().remove(box); });
}

// The list last typed for a window that opens this one is kept with that window, and goes with it.
const char* const listTyped = "quellorinDataList";

// ---- What the outputs show ----------------------------------------------------------------------

// Values written as the region writes its numbers (its decimal separator, no grouping), one list
// separator between them: a comma, or a semicolon where the comma is the decimal separator. A box
// shows a limited number of characters: a list longer than that ends in "…".
QString listed(const std::vector<Decimal>& values, const QLocale& locale, qsizetype room) {
    const QString point = locale.decimalPoint();
    const QString between = point == QLatin1String(",") ? QStringLiteral("; ") : QStringLiteral(", ");
    QString s;
    for (const Decimal& v : values) {
        if (!s.isEmpty())
            s += between;
        s += written(v, point);
        if (s.size() >= room)
            return s.left(room - 1) + QChar(u'…');
    }
    return s;
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
        QStringLiteral("Type or paste the measurements, separated by %1.").arg(separators()), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    prompt->setWordWrap(true);
    prompt->setFixedWidth(appearance::twips(4470));
    column->addWidget(prompt);
    m_list = new QTextEdit(this);
    m_list->setObjectName(QStringLiteral("Text1"));
    m_list->setAcceptRichText(false);
    // Lines break between words only: breaking a long piece anywhere makes the layout of a huge
    // unbroken piece take minutes.
    m_list->setWordWrapMode(QTextOption::WordWrap);
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
        keepQuiet(b);
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
    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMs);
    connect(&m_pause, &QTimer::timeout, this, [this] { reportOutputs(); });
    connect(m_list, &QTextEdit::textChanged, this, [this] { Text1_Change(); });
    m_list->setFocus();
}

void DataWindow::setTarget(DataTarget target) {
    const bool another = target.window != m_target.window;
    m_target = std::move(target);
    if (another) {
        const Form* window = windows::find(m_target.window);
        m_list->setPlainText(window ? window->property(listTyped).toString() : QString());
        m_list->moveCursor(QTextCursor::End);
    }
}

void DataWindow::Text1_Change() {
    const QString text = m_list->toPlainText();
    if (Form* window = m_target.window.isEmpty() ? nullptr : windows::find(m_target.window))
        window->setProperty(listTyped, text);
    const Measurements m = readMeasurements(text);
    const std::vector<Decimal> values = sorted(m.values);
    const QLocale locale;
    m_sorted->setText(listed(values, locale, m_sorted->maxLength()));
    const std::optional<Decimal> middle = median(values);
    m_median->setText(middle ? written(*middle, locale.decimalPoint()) : QString());
    const std::vector<Decimal> most = modes(values);
    m_mode->setText(values.empty() ? QString()
                    : most.empty() ? QStringLiteral("no mode")
                                   : listed(most, locale, m_mode->maxLength()));
    m_pause.start();
}

void DataWindow::reportOutputs() {
    for (QLineEdit* box : {m_sorted, m_median, m_mode}) {
        const QString reported = box->property("reportedText").toString();
        if (box->text() == reported)
            continue;
        box->setProperty("reportedText", box->text());
        if (!QAccessible::isActive())
            continue;
        QAccessibleTextUpdateEvent event(box, 0, reported, box->text());
        reportingNow = true;
        QAccessible::updateAccessibility(&event);
        reportingNow = false;
    }
}

void DataWindow::cmdOk_Click() {
    const QString text = m_list->toPlainText();
    const Measurements m = readMeasurements(text);
    // A refusal selects the measurement it is about, so that what the student types replaces it.
    const auto refuse = [&](const QString& why, const Piece& piece) {
        say(this, why);
        QTextCursor at(m_list->document());
        at.setPosition(int(piece.start));
        at.setPosition(int(piece.start + piece.length), QTextCursor::KeepAnchor);
        m_list->setTextCursor(at);
        m_list->setFocus();
    };
    if (const QString why = refusal(m, text); !why.isEmpty()) {
        refuse(why, m.faulty);
        return;
    }
    const Totals t = totalsOf(m, text, !m_target.sumOfSquares.isEmpty());
    if (!t.refusal.isEmpty()) {
        refuse(t.refusal, t.faulty);
        return;
    }
    // The calling window takes the totals (opened again if it was closed meanwhile); each box's
    // change runs as if the student had typed it. The keyboard goes to its Ok.
    QPointer<Form> window = m_target.window.isEmpty() ? nullptr : windows::show(m_target.window);
    if (window) {
        const auto write = [&](const QString& box, const QString& total) {
            if (auto* edit = box.isEmpty() ? nullptr : window->findChild<QLineEdit*>(box))
                edit->setText(total);
        };
        write(m_target.sum, t.sum);
        write(m_target.count, QString::number(t.count));
        write(m_target.sumOfSquares, t.sumOfSquares);
    }
    Unload();
    if (window)
        if (auto* ok = window->findChild<QPushButton*>(QStringLiteral("cmdOk"))) {
            window->activateWindow();
            ok->setFocus();
        }
}

Form* newDataWindow() {
    return new DataWindow;
}

void openData(const DataTarget& target) {
    if (auto* window = qobject_cast<DataWindow*>(windows::show(QStringLiteral("frmData"))))
        window->setTarget(target);
}

} // namespace statistics
