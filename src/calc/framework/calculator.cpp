#include "calc/framework/calculator.h"

#include "ui/accessible.h"
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

QString captionOf(const Captions& captions, const QString& name) {
    for (const auto& [key, caption] : captions)
        if (key == name)
            return caption;
    return {};
}

bool hasSolveFor(const Definition& d) {
    return std::any_of(d.choices.begin(), d.choices.end(),
                       [](const ChoiceGroup& g) { return g.role == ChoiceGroup::Role::SolveFor; });
}

// Every layout the window can show: each option's, and those the definition's layout hook can give.
std::vector<const Layout*> possibleLayouts(const Definition& d) {
    std::vector<const Layout*> all;
    for (const ChoiceGroup& group : d.choices)
        for (const Option& o : group.options)
            all.push_back(&o.layout);
    for (const Layout& l : d.layouts)
        all.push_back(&l);
    return all;
}

// Every caption each label can show: its own, and whatever any layout gives it.
QHash<QString, QStringList> captionsByLabel(const Definition& d) {
    QHash<QString, QStringList> captions;
    for (const NumberInput& in : d.inputs)
        captions[in.label] << in.prompt;
    for (const ResultRow& r : d.results) {
        captions[r.label] << r.prefix;
        if (!r.unit.isEmpty())
            captions[r.unit] << r.unitCaption;
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
    : Form(definition.className, {definition.caption, appearance::toolWindowFlags(), definition.help.f1}),
      m_def(std::move(definition)) {
    if (m_def.load.firstBox.isEmpty() && !m_def.inputs.empty())
        m_def.load.firstBox = m_def.inputs.front().box;
    build();
    checkNames();
}

void CalculatorWindow::build() {
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    if (!m_def.heading.label.isEmpty()) {
        auto* heading = new QLabel(m_def.heading.text, this);
        heading->setObjectName(m_def.heading.label);
        heading->setWordWrap(true);
        m_labels.insert(m_def.heading.label, heading);
        outer->addWidget(heading);
    }
    buildChoices(outer);
    buildBoxes(outer);
    buildButtons(outer);
}

void CalculatorWindow::buildChoices(QBoxLayout* outer) {
    for (int g = 0; g < int(m_def.choices.size()); ++g) {
        const ChoiceGroup& group = m_def.choices[size_t(g)];
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
            m_groupOf.append(g);
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
        for (const Separator& s : m_def.lines)
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
    for (const NumberInput& in : m_def.inputs) {
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
    for (const ResultRow& r : m_def.results) {
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
        if (!r.unit.isEmpty())
            place(addLabel(r.unit, QString(), false));
        linesAfter(r.box);
    }
    for (QHBoxLayout* strip : std::as_const(strips))
        strip->addStretch();
    // The "?" button stands at the right end of the first result row.
    if (m_def.help.button) {
        if (strips.isEmpty())
            startRow(Place::NewRow);
        QPushButton* help = appearance::commandButton(this, QStringLiteral("cmdHelp"), QStringLiteral("?"),
                                                      [this] { cmdHelp_Click(); });
        appearance::styleHelpButton(help);
        (firstResultStrip ? firstResultStrip : strips.front())->addWidget(help);
    }
    for (const QString& name : m_def.unusedBoxes)
        addBox(name, false)->hide();
    outer->addLayout(grid);
    sizeLabels(rowStarts, besidePrompts);
}

// A label keeps the width of the longest caption any selection gives it, so that the window
// keeps its size when an option changes the captions; the labels that start a row share one
// width, so that their boxes line up, and so do the prompts of the boxes beside them (a second
// column of inputs), right-aligned against their boxes.
void CalculatorWindow::sizeLabels(const QList<QLabel*>& rowStarts, const QList<QLabel*>& besidePrompts) {
    const QHash<QString, QStringList> captions = captionsByLabel(m_def);
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
    const ButtonRow& b = m_def.buttons;
    std::vector<Form::Button> row = {
        {QStringLiteral("cmdPrint"), QStringLiteral("Print"), [this] { cmdPrint_Click(); }},
        {QStringLiteral("cmdClear"), QStringLiteral("Clear"), [this] { cmdClear_Click(); }},
        {b.okName, b.okCaption, [this] { cmdOk_Click(); }},
    };
    if (!b.ok)
        row.pop_back();
    const Form::Button close{b.closeName, b.closeCaption, [this] { cmdClose_Click(); }};
    row.insert(b.closeLeads ? row.begin() : row.begin() + 1, close);
    std::vector<Form::Button> more;
    for (const ExtraButton& extra : b.more)
        more.push_back({extra.name, extra.caption, [this, &extra] { trapped(extra.onClick, extra.trap); }});
    if (b.morePerRow > 0) {
        for (size_t i = 0; i < more.size(); i += size_t(b.morePerRow)) {
            const std::vector<Form::Button> chunk(
                more.begin() + long(i), more.begin() + long(std::min(more.size(), i + size_t(b.morePerRow))));
            outer->addLayout(buttonRow(chunk));
            for (const Separator& s : m_def.lines)
                if (std::ranges::any_of(chunk,
                                        [&](const Form::Button& button) { return button.name == s.after; }))
                    outer->addWidget(separatorLine(s.name));
        }
    } else {
        row.insert(row.end(), more.begin(), more.end());
    }
    outer->addLayout(buttonRow(row));
    m_ok = b.ok ? findChild<QPushButton*>(b.okName) : nullptr;
    m_print = findChild<QPushButton*>(QStringLiteral("cmdPrint"));

    // The worked-formula box across the foot of the window.
    if (!m_def.formulaBox.isEmpty()) {
        auto* formula = new QLineEdit(this);
        formula->setObjectName(m_def.formulaBox);
        formula->setReadOnly(m_def.formulaFilter == Profile::None);
        if (m_def.formulaFilter != Profile::None)
            bindKeyFilter(formula, m_def.formulaFilter);
        formula->setAccessibleName(QStringLiteral("Worked formula"));
        m_boxes.insert(m_def.formulaBox, formula);
        outer->addWidget(formula);
    }

    setDefaultButton(m_ok);
    setCancelButton(findChild<QPushButton*>(b.closeName));

    if (!m_def.load.firstBox.isEmpty() && !m_def.load.okEnabled) {
        connect(box(m_def.load.firstBox), &QLineEdit::textChanged, this, [this] {
            if (m_ok)
                m_ok->setEnabled(true);
            m_print->setEnabled(true);
        });
    }
}

QFrame* CalculatorWindow::separatorLine(const QString& name) {
    auto* line = new QFrame(this);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// Every name the declaration gives its layouts must be one of the window's controls: a misspelt
// name stops the program the first time the window is built, not later as an empty text.
void CalculatorWindow::checkNames() const {
    if (m_def.layout && m_def.layouts.empty())
        qFatal("%s: a layout hook without the list of the layouts it gives", qPrintable(className()));
    QStringList inputs;
    for (const NumberInput& in : m_def.inputs)
        inputs << in.box;
    for (const Separator& s : m_def.lines)
        if (!findChild<QFrame*>(s.name))
            qFatal(
                "%s: the line %s follows %s, which is neither a box nor an extra button in a row of its own",
                qPrintable(className()), qPrintable(s.name), qPrintable(s.after));
    for (const Layout* layout : possibleLayouts(m_def)) {
        for (const auto& [name, prompt] : layout->prompts)
            if (!inputs.contains(name))
                qFatal("%s: a layout prompts \"%s\" for %s, which is not an input box",
                       qPrintable(className()), qPrintable(prompt), qPrintable(name));
        for (const auto& [name, caption] : layout->captions)
            label(name);
        for (const QString& name : layout->hiddenResults)
            box(name);
        for (const QString& name : layout->shown.value_or(QStringList()))
            box(name);
    }
}

void CalculatorWindow::Form_Load() {
    emptyAllBoxes();
    for (const NumberInput& in : m_def.inputs)
        label(in.label)->setText(in.prompt);
    for (const ResultRow& r : m_def.results) {
        if (!r.label.isEmpty())
            label(r.label)->setText(r.prefix);
        if (!r.unit.isEmpty())
            label(r.unit)->setText(r.unitCaption);
    }
    if (m_def.layout || hasSolveFor(m_def))
        applyLayout(currentLayout());
    if (m_ok)
        m_ok->setEnabled(m_def.load.okEnabled);
    m_print->setEnabled(m_def.load.okEnabled);
    // The first option of each group that asks for it, unless selecting in an earlier group has
    // already chosen in this one too.
    for (int g = 0; g < int(m_def.choices.size()); ++g) {
        const int first = int(m_groupOf.indexOf(g));
        if (first < 0 || !m_def.choices[size_t(g)].selectsFirstAtLoad)
            continue;
        bool chosen = false;
        for (int i = first; i < m_options.size() && m_groupOf[i] == g; ++i)
            chosen = chosen || m_options[i]->isChecked();
        if (!chosen)
            select(first + 1);
    }
    // The window opens with the cursor in the first box of the tab order (which need not be the
    // box that enables Ok).
    if (!m_def.inputs.empty())
        box(m_def.inputs.front().box)->setFocus();
    nameResults();
}

void CalculatorWindow::nameResults() {
    for (const ResultRow& r : m_def.results)
        if (!r.label.isEmpty())
            box(r.box)->setAccessibleName(label(r.label)->text().isEmpty() ? QStringLiteral("Result")
                                                                           : QString());
}

void CalculatorWindow::emptyAllBoxes() {
    for (QLineEdit* b : std::as_const(m_boxes))
        b->clear();
}

const ChoiceGroup& CalculatorWindow::groupOf(int n) const {
    return m_def.choices[size_t(m_groupOf[n - 1])];
}

const Option& CalculatorWindow::optionDefinition(int n) const {
    const int first = int(m_groupOf.indexOf(m_groupOf[n - 1]));
    return groupOf(n).options[size_t(n - 1 - first)];
}

void CalculatorWindow::applyLayout(const Layout& layout) {
    for (const NumberInput& in : m_def.inputs) {
        const QString prompt = captionOf(layout.prompts, in.box);
        label(in.label)->setText(prompt);
        const bool shown = layout.shown ? layout.shown->contains(in.box) : !prompt.isEmpty();
        box(in.box)->setVisible(shown);
        if (in.disabledWhileHidden)
            box(in.box)->setEnabled(shown);
    }
    if (!m_def.results.empty() && !m_def.results.front().label.isEmpty())
        label(m_def.results.front().label)->setText(layout.resultPrefix);
    for (const QString& name : extraLabels())
        label(name)->setText(captionOf(layout.captions, name));
    for (size_t i = 1; i < m_def.results.size(); ++i)
        box(m_def.results[i].box)->setVisible(!layout.hiddenResults.contains(m_def.results[i].box));
    nameResults();
}

QStringList CalculatorWindow::extraLabels() const {
    QStringList names;
    for (size_t i = 0; i < m_def.results.size(); ++i) {
        const ResultRow& r = m_def.results[i];
        if (i > 0 && !r.label.isEmpty())
            names << r.label;
        if (!r.unit.isEmpty())
            names << r.unit;
    }
    return names;
}

Layout CalculatorWindow::currentLayout() const {
    if (m_def.layout) {
        Layout layout = m_def.layout(*this);
        if (std::find(m_def.layouts.begin(), m_def.layouts.end(), layout) == m_def.layouts.end())
            qFatal("%s: the layout hook gave a layout its list does not hold", qPrintable(className()));
        return layout;
    }
    for (int n = 1; n <= int(m_options.size()); ++n)
        if (groupOf(n).role == ChoiceGroup::Role::SolveFor && isSelected(n))
            return optionDefinition(n).layout;
    for (const ChoiceGroup& group : m_def.choices)
        if (group.role == ChoiceGroup::Role::SolveFor && !group.options.empty())
            return group.options.front().layout;
    return {};
}

void CalculatorWindow::opt_Click(int n) {
    const ChoiceGroup& group = groupOf(n);
    if (group.clickEmptiesBoxes)
        emptyAllBoxes();
    if (group.role == ChoiceGroup::Role::SolveFor)
        applyLayout(currentLayout());
    if (const Option& o = optionDefinition(n); o.onClick)
        o.onClick(*this);
}

bool CalculatorWindow::isSelected(int n) const {
    const QRadioButton* o = option(n);
    return o && o->isChecked();
}

void CalculatorWindow::setOptionEnabled(int n, bool enabled) {
    if (QRadioButton* o = option(n))
        o->setEnabled(enabled);
}

void CalculatorWindow::select(int n) {
    QRadioButton* o = option(n);
    if (!o || o->isChecked())
        return;
    o->setChecked(true);
    opt_Click(n);
}

int CalculatorWindow::selectedOption() const {
    for (int n = 1; n <= int(m_options.size()) && m_groupOf[n - 1] == 0; ++n)
        if (isSelected(n))
            return n;
    return 0;
}

void CalculatorWindow::trapped(const Formula& formula, const Trap& trap) {
    underErrorTrap([&] { formula(*this); }, trap.title, trap.icon, trap.text);
}

// The checks in order, then the window's own formula, then each selected option's (with none
// selected nothing is computed).
void CalculatorWindow::cmdOk_Click() {
    trapped(
        [this](Sheet&) {
            for (const Check& check : m_def.checks)
                if (!check(*this))
                    return;
            if (m_def.solve)
                m_def.solve(*this);
            for (int n = 1; n <= int(m_options.size()); ++n)
                if (isSelected(n) && optionDefinition(n).solve)
                    optionDefinition(n).solve(*this);
        },
        m_def.trap);
}

void CalculatorWindow::cmdClear_Click() {
    emptyAllBoxes();
    if (m_def.clear.restoresLayout && (m_def.layout || hasSolveFor(m_def)))
        applyLayout(currentLayout());
    const QString cursor = m_def.clear.focus.isEmpty() ? m_def.load.firstBox : m_def.clear.focus;
    if (!cursor.isEmpty() && m_def.clear.focusesFirstBox)
        box(cursor)->setFocus();
    if (m_def.clear.then)
        m_def.clear.then(*this);
}

void CalculatorWindow::cmdClose_Click() {
    UnloadAndShow(m_def.close.show);
}

void CalculatorWindow::cmdPrint_Click() {
    platform::printWindow(this);
}

void CalculatorWindow::cmdHelp_Click() {
    say({m_def.help.text, m_def.help.title, Icon::Information});
}

QString CalculatorWindow::text(const QString& name) const {
    return box(name)->text();
}

void CalculatorWindow::setText(const QString& name, const QString& text) {
    box(name)->setText(text);
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
    o->setText(caption);
    o->setMinimumWidth(std::max(o->minimumWidth(), o->sizeHint().width()));
}

void CalculatorWindow::focusBox(const QString& name) {
    box(name)->setFocus();
}

QString CalculatorWindow::resultBox() const {
    if (m_def.results.empty())
        qFatal("%s has no result box", qPrintable(className()));
    return m_def.results.front().box;
}

ResultFormat CalculatorWindow::resultFormat(const QString& name) const {
    for (const ResultRow& r : m_def.results)
        if (r.box == name)
            return r.format;
    return ResultFormat::ThreeDecimals;
}

void CalculatorWindow::say(const Message& m) {
    platform::message(m.title, m.text, m.icon, this);
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
