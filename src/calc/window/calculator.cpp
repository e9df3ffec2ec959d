#include "calc/window/calculator.h"

#include "calc/framework/problems.h"
#include "ui/accessible.h"
#include "ui/accesskeys.h"
#include "ui/appearance.h"
#include "ui/windows.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace calc {

namespace {

// Every caption each label can show: its own, and whatever any layout gives it.
QHash<QString, QStringList> captionsByLabel(const Definition& d) {
    QHash<QString, QStringList> captions;
    for (const NumberInput& in : d.inputs)
        captions[in.label] << in.prompt;
    for (const ResultRow& r : d.results) {
        captions[r.label] << r.prefix;
        if (!r.unitLabel.isEmpty())
            captions[r.unitLabel] << r.unitLabelCaption;
        if (const QString label = unitLabelOf(d, r); !label.isEmpty())
            for (Unit unit : possibleUnits(d, r))
                captions[label] << symbol(unit);
    }
    const QString resultLabel = d.results.empty() ? QString() : d.results.front().label;
    for (const Layout* layout : possibleLayouts(d)) {
        for (const NumberInput& in : d.inputs)
            captions[in.label] << captionOf(layout->prompts, in.box);
        captions[resultLabel] << layout->resultPrefix;
        for (const auto& [label, caption] : layout->captions)
            captions[label] << caption;
    }
    return captions;
}

} // namespace

CalculatorWindow::CalculatorWindow(Definition definition)
    : Form(definition.className,
           {definition.caption, appearance::toolWindowFlags(), definition.help.has_value()}),
      m_runtime(std::move(definition), *this) {
    build();
}

void CalculatorWindow::build() {
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    if (const Heading& h = definition().heading; !h.label.isEmpty()) {
        auto* heading = new QLabel(h.text, this);
        heading->setObjectName(h.label);
        heading->setWordWrap(true);
        m_labels.insert(h.label, heading);
        outer->addWidget(heading);
    }
    buildChoices(outer);
    buildBoxes(outer);
    buildButtons(outer);
}

void CalculatorWindow::buildChoices(QBoxLayout* outer) {
    for (const ChoiceGroup& group : definition().choices) {
        if (group.options.empty())
            continue;
        QWidget* frame = nullptr;
        if (group.frame.isEmpty()) {
            frame = new QWidget(this);
        } else {
            frame = new QGroupBox(group.caption, this);
            frame->setObjectName(group.frame);
        }
        auto* grid = new QGridLayout(frame);
        const int count = int(group.options.size());
        const int perColumn = count > 4 ? (count + 1) / 2 : count;
        for (int i = 0; i < count; ++i) {
            const Option& o = group.options[size_t(i)];
            const int number = int(m_options.size()) + 1;
            auto* opt = new QRadioButton(o.caption, frame);
            opt->setObjectName(o.name.isEmpty() ? QStringLiteral("opt%1").arg(number) : o.name);
            opt->setToolTip(o.tooltip);
            if (group.perRow > 0)
                grid->addWidget(opt, i / group.perRow, i % group.perRow);
            else
                grid->addWidget(opt, i % perColumn, i / perColumn);
            // Every click runs the option's click, also on the option already selected (it
            // empties the boxes and puts its layout back); arrow keys moving the selection click too.
            connect(opt, &QRadioButton::clicked, this, [this, number] { opt_Click(number); });
            m_options.append(opt);
        }
        outer->addWidget(frame);
    }
}

// Prompt labels, right-aligned against their boxes; the result rows with their units; the
// worked-formula box across the foot. The first label and box of each row line up with the
// rows above and below; what stands beside them (an angle, a unit, the "?") follows on in the
// row's own strip, so a long row never spreads the short ones apart.
void CalculatorWindow::buildBoxes(QBoxLayout* outer) {
    auto* grid = new QGridLayout;
    QList<QLabel*> rowStarts;
    QList<QLabel*> besidePrompts;
    QList<QHBoxLayout*> strips;
    auto addBox = [&](const QString& name, bool beside) {
        auto* box = new QLineEdit(this);
        box->setObjectName(name);
        QSizePolicy p = box->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        box->setSizePolicy(p);
        // A box beside another holds an angle or a second short value.
        if (beside)
            box->setFixedWidth(80);
        else
            box->setMinimumWidth(140);
        m_boxes.insert(name, box);
        return box;
    };
    auto addLabel = [&](const QString& name, const QString& caption, bool startsRow) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(name);
        label->setAlignment((startsRow ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        if (startsRow)
            rowStarts << label;
        m_labels.insert(name, label);
        return label;
    };

    int row = -1;
    int column = 0;         // 0: the row's label, 1: its box, 2 and on: its strip
    bool rowClosed = false; // a separator line ends the row above it
    const auto startRow = [&](Place place) {
        if (place == Place::Beside && row >= 0 && !rowClosed)
            return;
        ++row;
        column = 0;
        rowClosed = false;
        strips << new QHBoxLayout;
        grid->addLayout(strips.back(), row, 2);
    };
    const auto linesAfter = [&](const QString& box) {
        for (const Separator& s : definition().lines)
            if (s.after == box) {
                grid->addWidget(separatorLine(s.name), ++row, 0, 1, 3);
                rowClosed = true;
            }
    };
    const auto place = [&](QWidget* w) {
        if (column < 2)
            grid->addWidget(w, row, column);
        else
            strips.back()->addWidget(w);
        ++column;
    };
    // Each box is announced by its prompt, and by the prompt of the current option as it changes.
    for (const NumberInput& in : definition().inputs) {
        startRow(in.place);
        QLabel* prompt = addLabel(in.label, in.prompt, column == 0);
        if (column > 1)
            besidePrompts << prompt;
        place(prompt);
        QLineEdit* box = addBox(in.box, column > 1);
        accessible::labelFor(prompt, box);
        if (!in.tooltip.isEmpty())
            box->setToolTip(in.tooltip);
        if (in.filter != Profile::None)
            bindKeyFilter(box, in.filter);
        place(box);
        linesAfter(in.box);
    }
    QHBoxLayout* firstResultStrip = nullptr;
    for (const ResultRow& r : definition().results) {
        startRow(r.place);
        if (!firstResultStrip)
            firstResultStrip = strips.back();
        QLabel* prefix = nullptr;
        if (r.label.isEmpty()) {
            ++column;
        } else {
            prefix = addLabel(r.label, r.prefix, column == 0);
            place(prefix);
        }
        QLineEdit* result = addBox(r.box, column > 1);
        result->setReadOnly(r.filter == Profile::None);
        if (r.filter != Profile::None)
            bindKeyFilter(result, r.filter);
        result->setToolTip(r.tooltip);
        // A result is announced by the words before it; one without them is simply the result.
        if (prefix)
            accessible::labelFor(prefix, result);
        else
            result->setAccessibleName(QStringLiteral("Result"));
        place(result);
        if (!r.unitLabel.isEmpty())
            place(addLabel(r.unitLabel, QString(), false));
        else if (const QString unit = unitLabelOf(definition(), r); !unit.isEmpty())
            place(addLabel(unit, QString(), false));
        linesAfter(r.box);
    }
    for (QHBoxLayout* strip : std::as_const(strips))
        strip->addStretch();
    // The "?" button stands at the right end of the first result row.
    if (definition().help) {
        if (strips.isEmpty())
            startRow(Place::NewRow);
        QPushButton* help = appearance::commandButton(this, QStringLiteral("cmdHelp"), QStringLiteral("?"),
                                                      [this] { cmdHelp_Click(); });
        appearance::styleHelpButton(help);
        (firstResultStrip ? firstResultStrip : strips.front())->addWidget(help);
    }
    outer->addLayout(grid);
    sizeLabels(rowStarts, besidePrompts);
}

// A label keeps the width of the longest caption any selection gives it, so that the window
// keeps its size when an option changes the captions; the labels that start a row share one
// width, so that their boxes line up, and so do the prompts of the boxes beside them (a second
// column of inputs), right-aligned against their boxes.
void CalculatorWindow::sizeLabels(const QList<QLabel*>& rowStarts, const QList<QLabel*>& besidePrompts) {
    const QHash<QString, QStringList> captions = captionsByLabel(definition());
    const QFontMetrics metrics(font());
    const auto widest = [&](const QString& name) {
        int width = 0;
        for (const QString& caption : captions.value(name))
            width = std::max(width, metrics.horizontalAdvance(caption));
        return width;
    };
    int rowStartWidth = 0;
    for (const QLabel* l : rowStarts)
        rowStartWidth = std::max(rowStartWidth, widest(l->objectName()));
    int besideWidth = 0;
    for (QLabel* l : besidePrompts) {
        besideWidth = std::max(besideWidth, widest(l->objectName()));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (QLabel* l : std::as_const(m_labels)) {
        if (rowStarts.contains(l))
            l->setMinimumWidth(rowStartWidth + 8);
        else if (besidePrompts.contains(l))
            l->setMinimumWidth(besideWidth + 4);
        else
            l->setMinimumWidth(widest(l->objectName()) + 4);
    }
}

void CalculatorWindow::buildButtons(QBoxLayout* outer) {
    const ButtonRow& b = definition().buttons;
    std::vector<Form::Button> row;
    for (const Standard standard : b.order) {
        switch (standard) {
        case Standard::Print:
            row.push_back(
                {QStringLiteral("cmdPrint"), QStringLiteral("Print"), [this] { cmdPrint_Click(); }});
            break;
        case Standard::Close:
            row.push_back({b.close.name, b.close.caption, [this] { cmdClose_Click(); }});
            break;
        case Standard::Clear:
            row.push_back(
                {QStringLiteral("cmdClear"), QStringLiteral("Clear"), [this] { cmdClear_Click(); }});
            break;
        case Standard::Ok:
            row.push_back({b.ok.name, b.ok.caption, [this] { cmdOk_Click(); }});
            break;
        }
    }
    std::vector<Form::Button> more;
    for (const ExtraButton& extra : b.more)
        more.push_back({extra.name, extra.caption,
                        [this, name = extra.name] { answer([this, &name] { m_runtime.press(name); }); }});
    if (b.morePerRow > 0) {
        for (size_t i = 0; i < more.size(); i += size_t(b.morePerRow)) {
            const std::vector<Form::Button> chunk(
                more.begin() + long(i), more.begin() + long(std::min(more.size(), i + size_t(b.morePerRow))));
            outer->addLayout(buttonRow(chunk));
            for (const Separator& s : definition().lines)
                if (std::ranges::any_of(chunk,
                                        [&](const Form::Button& button) { return button.name == s.after; }))
                    outer->addWidget(separatorLine(s.name));
        }
    } else {
        row.insert(row.end(), more.begin(), more.end());
    }
    outer->addLayout(buttonRow(row));
    m_ok = b.hasOk() ? findChild<QPushButton*>(b.ok.name) : nullptr;
    m_print = findChild<QPushButton*>(QStringLiteral("cmdPrint"));

    // The worked-formula box across the foot of the window.
    if (const FormulaBox& f = definition().formula; !f.box.isEmpty()) {
        auto* formula = new QLineEdit(this);
        formula->setObjectName(f.box);
        formula->setReadOnly(f.filter == Profile::None);
        if (f.filter != Profile::None)
            bindKeyFilter(formula, f.filter);
        formula->setAccessibleName(QStringLiteral("Worked formula"));
        m_boxes.insert(f.box, formula);
        outer->addWidget(formula);
    }

    setDefaultButton(m_ok);
    setCancelButton(findChild<QPushButton*>(b.close.name));
    // The extra button pressed last is the one Enter presses.
    if (!b.hasOk())
        for (const ExtraButton& extra : b.more)
            if (auto* button = findChild<QPushButton*>(extra.name))
                connect(button, &QPushButton::clicked, this, [this, button] { setDefaultButton(button); });

    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it)
        connect(it.value(), &QLineEdit::textChanged, this,
                [this, name = it.key()] { m_runtime.boxChanged(name); });
}

QFrame* CalculatorWindow::separatorLine(const QString& name) {
    auto* line = new QFrame(this);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

void CalculatorWindow::nameResults() {
    for (const ResultRow& r : definition().results)
        if (!r.label.isEmpty())
            box(r.box)->setAccessibleName(label(r.label)->text().isEmpty() ? QStringLiteral("Result")
                                                                           : QString());
}

void CalculatorWindow::describeBox(const QString& name, const QString& description) {
    // The unit is read first, then the hint the box's tooltip gives (without a unit, screen
    // readers read the tooltip alone).
    QLineEdit* b = box(name);
    const QString hint = b->toolTip();
    b->setAccessibleDescription(
        description.isEmpty() || hint.isEmpty() ? description : description + QStringLiteral(". ") + hint);
}

void CalculatorWindow::emptyBoxes() {
    for (QLineEdit* b : std::as_const(m_boxes))
        b->clear();
}

void CalculatorWindow::showBox(const QString& name, bool shown) {
    box(name)->setVisible(shown);
}

void CalculatorWindow::enableBox(const QString& name, bool enabled) {
    box(name)->setEnabled(enabled);
}

void CalculatorWindow::checkOption(int n) {
    option(n)->setChecked(true);
}

void CalculatorWindow::enableCommands(bool enabled) {
    if (m_ok)
        m_ok->setEnabled(enabled);
    m_print->setEnabled(enabled);
}

bool CalculatorWindow::isSelected(int n) const {
    const QRadioButton* o = option(n);
    return o && o->isChecked();
}

void CalculatorWindow::setOptionEnabled(int n, bool enabled) {
    if (QRadioButton* o = option(n))
        o->setEnabled(enabled);
}

bool CalculatorWindow::Form_KeyPress(QChar ch) {
    // Enter before any extra button has been pressed: the keyboard goes to the first of them.
    const ButtonRow& b = definition().buttons;
    if (ch == QChar(13) && !b.hasOk() && !defaultButton() && !b.more.empty())
        if (auto* first = findChild<QPushButton*>(b.more.front().name); first && first->isEnabled()) {
            first->setFocus(Qt::OtherFocusReason);
            return true;
        }
    return Form::Form_KeyPress(ch);
}

void CalculatorWindow::cmdClose_Click() {
    UnloadAndShow(definition().close.show);
}

void CalculatorWindow::cmdPrint_Click() {
    platform::printWindow(this);
}

QString CalculatorWindow::text(const QString& name) const {
    return box(name)->text();
}

void CalculatorWindow::setText(const QString& name, const QString& text) {
    QLineEdit* edit = box(name);
    edit->setText(text);
    // A working longer than its box reads from its start, as it is written; the whole of it is
    // its tooltip.
    if (name == definition().formula.box && edit->isReadOnly()) {
        edit->setCursorPosition(0);
        edit->setToolTip(text);
    }
    if (m_answered)
        m_answered->append(name);
}

void CalculatorWindow::setCaption(const QString& name, const QString& caption) {
    label(name)->setText(caption);
    nameResults();
}

void CalculatorWindow::setOptionCaption(int n, const QString& caption) {
    QRadioButton* o = option(n);
    if (!o)
        qFatal("%s has no option %d", qPrintable(className()), n);
    // The button keeps the width of its widest caption, so that the window keeps its size.
    o->setMinimumWidth(std::max(o->minimumWidth(), o->sizeHint().width()));
    accesskeys::setCaption(o, caption);
    o->setMinimumWidth(std::max(o->minimumWidth(), o->sizeHint().width()));
}

void CalculatorWindow::focusBox(const QString& name) {
    selectBox(box(name));
}

QString CalculatorWindow::caption(const QString& name) const {
    return label(name)->text();
}

void CalculatorWindow::say(const Message& m) {
    platform::message(m.title, m.text, m.icon, this);
}

void CalculatorWindow::sayAbout(const QString& name, const Message& m) {
    Form::sayAbout(box(name), m.title, m.text, m.icon);
}

void CalculatorWindow::cmdOk_Click() {
    answer([this] { m_runtime.ok(); });
}

void CalculatorWindow::answer(const std::function<void()>& press) {
    m_answered.emplace();
    press();
    QStringList rows;
    for (const ResultRow& r : definition().results) {
        const QLineEdit* b = box(r.box);
        if (!m_answered->contains(r.box) || b->text().isEmpty() || !b->isVisibleTo(this))
            continue;
        QString unit = r.unitLabel.isEmpty() ? unitLabelOf(definition(), r) : r.unitLabel;
        unit = unit.isEmpty() ? QString() : label(unit)->text();
        const QString words = r.label.isEmpty() ? QString() : label(r.label)->text();
        rows << QStringList{words, b->text(), unit}.join(u' ').simplified();
    }
    m_answered.reset();
    if (!rows.isEmpty())
        accessible::announce(this, rows.join(QStringLiteral(". ")));
}

QLineEdit* CalculatorWindow::box(const QString& name) const {
    QLineEdit* b = m_boxes.value(name);
    if (!b)
        qFatal("%s has no box named %s", qPrintable(className()), qPrintable(name));
    return b;
}

bool CalculatorWindow::isShown(const QString& name) const {
    return box(name)->isVisibleTo(this);
}

QLabel* CalculatorWindow::label(const QString& name) const {
    QLabel* l = m_labels.value(name);
    if (!l)
        qFatal("%s has no label named %s", qPrintable(className()), qPrintable(name));
    return l;
}

QRadioButton* CalculatorWindow::option(int n) const {
    return n >= 1 && n <= m_options.size() ? m_options[n - 1] : nullptr;
}

void registerCalculator(const QString& className, Definition (*define)()) {
    windows::registerClass(className, [className, define] {
        Definition d = define();
        if (d.className != className)
            qFatal("%s is registered as %s", qPrintable(d.className), qPrintable(className));
        return new CalculatorWindow(std::move(d));
    });
}

} // namespace calc
