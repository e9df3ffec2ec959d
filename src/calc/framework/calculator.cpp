#include "calc/framework/calculator.h"

#include "app/appearance.h"
#include "app/windows.h"

#include <QFontMetrics>
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

CalculatorWindow::CalculatorWindow(Definition definition)
    : Form(definition.className), m_def(std::move(definition)) {
    if (m_def.firstBox.isEmpty() && !m_def.inputs.empty())
        m_def.firstBox = m_def.inputs.front().box;
    setHelpOnF1(m_def.helpKey);
    build();
}

namespace {

// Every caption each label can show: its own, and whatever any option gives it.
QHash<QString, QStringList> captionsByLabel(const Definition& d) {
    QHash<QString, QStringList> captions;
    for (const Input& in : d.inputs)
        captions[in.label] << in.prompt;
    captions[d.resultLabel] << d.resultPrefix;
    for (const auto* group : {&d.options, &d.options2}) {
        for (const Option& o : *group) {
            for (int i = 0; i < int(o.prompts.size()) && i < int(d.inputs.size()); ++i)
                captions[d.inputs[size_t(i)].label] << o.prompts[i];
            captions[d.resultLabel] << o.resultPrefix;
            for (const auto& [label, caption] : o.captions)
                captions[label] << caption;
        }
    }
    return captions;
}

} // namespace

void CalculatorWindow::build() {
    setWindowTitle(m_def.caption);
    setWindowFlags(appearance::toolWindowFlags());
    setFont(appearance::formFont());

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    if (!m_def.headingLabel.isEmpty()) {
        auto* heading = new QLabel(m_def.heading, this);
        heading->setObjectName(m_def.headingLabel);
        heading->setWordWrap(true);
        m_labels.insert(m_def.headingLabel, heading);
        outer->addWidget(heading);
    }
    buildOptions(outer);
    buildBoxes(outer);
    buildButtons(outer);
}

void CalculatorWindow::buildOptions(QBoxLayout* outer) {
    auto addGroup = [&](const char* frameName, const QString& caption, const std::vector<Option>& options) {
        if (options.empty())
            return;
        auto* frame = new QGroupBox(caption, this);
        frame->setObjectName(QString::fromLatin1(frameName));
        auto* grid = new QGridLayout(frame);
        const int count = int(options.size());
        const int perColumn = count > 4 ? (count + 1) / 2 : count;
        const int perRow = m_def.optionColumns;
        for (int i = 0; i < count; ++i) {
            const int number = int(m_options.size()) + 1;
            auto* opt = new QRadioButton(options[size_t(i)].caption, frame);
            opt->setObjectName(QStringLiteral("opt%1").arg(number));
            opt->setToolTip(options[size_t(i)].tooltip);
            if (perRow > 0)
                grid->addWidget(opt, i / perRow, i % perRow);
            else
                grid->addWidget(opt, i % perColumn, i / perColumn);
            // Every click runs the option's click, also on the option already selected (it
            // empties the boxes and puts its layout back); arrow keys moving the selection click too.
            connect(opt, &QRadioButton::clicked, this, [this, number] { opt_Click(number); });
            m_options.append(opt);
        }
        outer->addWidget(frame);
    };
    addGroup("Frame1", m_def.frameCaption, m_def.options);
    addGroup("Frame2", m_def.frame2Caption, m_def.options2);
}

// Prompt labels, right-aligned against their boxes; the result rows with their units; the
// worked-formula box across the foot. The first label and box of each row line up with the
// rows above and below; what stands beside them (an angle, a unit, the "?") follows on in the
// row's own strip, so a long row never spreads the short ones apart.
void CalculatorWindow::buildBoxes(QBoxLayout* outer) {
    auto* grid = new QGridLayout;
    QList<QLabel*> rowStarts;
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
    int column = 0; // 0: the row's label, 1: its box, 2 and on: its strip
    const auto newRow = [&] {
        ++row;
        column = 0;
        strips << new QHBoxLayout;
        grid->addLayout(strips.back(), row, 2);
    };
    const auto place = [&](QWidget* w) {
        if (column < 2)
            grid->addWidget(w, row, column);
        else
            strips.back()->addWidget(w);
        ++column;
    };
    for (const Input& in : m_def.inputs) {
        if (!in.beside || row < 0)
            newRow();
        place(addLabel(in.label, in.prompt, column == 0));
        QLineEdit* box = addBox(in.box, column > 1);
        if (!in.tooltip.isEmpty())
            box->setToolTip(in.tooltip);
        place(box);
    }
    auto addResult = [&](const ResultRow& r, const QString& prefix, const QString& tooltip) {
        if (!r.beside || row < 0)
            newRow();
        if (r.label.isEmpty())
            ++column;
        else
            place(addLabel(r.label, prefix, column == 0));
        QLineEdit* result = addBox(r.box, column > 1);
        result->setReadOnly(true);
        result->setToolTip(tooltip);
        place(result);
        if (!r.unit.isEmpty())
            place(addLabel(r.unit, QString(), false));
    };
    int resultRow = -1;
    if (!m_def.resultBox.isEmpty()) {
        addResult({m_def.resultLabel, m_def.resultBox, m_def.resultUnit}, m_def.resultPrefix,
                  m_def.resultTooltip);
        resultRow = row;
    }
    for (const ResultRow& r : m_def.moreResults)
        addResult(r, QString(), QString());
    for (QHBoxLayout* strip : std::as_const(strips))
        strip->addStretch();
    // The "?" button stands at the right end of the first result row.
    if (m_def.helpButton) {
        if (strips.isEmpty())
            newRow();
        QPushButton* help = appearance::commandButton(this, QStringLiteral("cmdHelp"), QStringLiteral("?"),
                                                      [this] { cmdHelp_Click(); });
        appearance::styleHelpButton(help);
        strips[std::max(resultRow, 0)]->addWidget(help);
    }
    for (const QString& name : m_def.unusedBoxes)
        addBox(name, false)->hide();
    outer->addLayout(grid);

    // A label keeps the width of the longest caption any selection gives it, so that the window
    // keeps its size when an option changes the captions; the labels that start a row share one
    // width, so that their boxes line up.
    const QHash<QString, QStringList> captions = captionsByLabel(m_def);
    const QFontMetrics metrics(font());
    const auto widest = [&](const QString& name) {
        int width = 0;
        for (const QString& caption : captions.value(name))
            width = std::max(width, metrics.horizontalAdvance(caption));
        return width;
    };
    int rowStartWidth = 0;
    for (const QLabel* l : std::as_const(rowStarts))
        rowStartWidth = std::max(rowStartWidth, widest(l->objectName()));
    for (QLabel* l : std::as_const(m_labels))
        l->setMinimumWidth(rowStarts.contains(l) ? rowStartWidth + 8 : widest(l->objectName()) + 4);
}

void CalculatorWindow::buildButtons(QBoxLayout* outer) {
    auto* buttons = new QHBoxLayout;
    auto addButton = [&](const QString& name, const QString& caption, void (CalculatorWindow::*handler)()) {
        QPushButton* b =
            appearance::commandButton(this, name, caption, [this, handler] { (this->*handler)(); });
        buttons->addWidget(b);
        return b;
    };
    // Left to right: Print, Close, Clear, Ok (or Close first where the window has it so).
    QPushButton* close = nullptr;
    const auto addClose = [&] {
        close = addButton(m_def.closeButton, m_def.closeCaption, &CalculatorWindow::cmdClose_Click);
    };
    if (m_def.closeButtonFirst)
        addClose();
    m_print =
        addButton(QStringLiteral("cmdPrint"), QStringLiteral("Print"), &CalculatorWindow::cmdPrint_Click);
    if (!m_def.closeButtonFirst)
        addClose();
    addButton(QStringLiteral("cmdClear"), QStringLiteral("Clear"), &CalculatorWindow::cmdClear_Click);
    m_ok = addButton(QStringLiteral("cmdOk"), QStringLiteral("Ok"), &CalculatorWindow::cmdOk_Click);
    outer->addLayout(buttons);

    // The worked-formula box across the foot of the window.
    if (!m_def.formulaBox.isEmpty()) {
        auto* formula = new QLineEdit(this);
        formula->setObjectName(m_def.formulaBox);
        formula->setReadOnly(true);
        m_boxes.insert(m_def.formulaBox, formula);
        outer->addWidget(formula);
    }

    setDefaultButton(m_ok);
    setCancelButton(close);

    if (QLineEdit* first = box(m_def.firstBox); first && !m_def.okEnabledAtLoad) {
        connect(first, &QLineEdit::textChanged, this, [this] {
            m_ok->setEnabled(true);
            m_print->setEnabled(true);
        });
    }
}

void CalculatorWindow::Form_Load() {
    emptyAllBoxes();
    for (const Input& in : m_def.inputs)
        label(in.label)->setText(in.prompt);
    if (!m_def.resultLabel.isEmpty())
        label(m_def.resultLabel)->setText(m_def.resultPrefix);
    if (!m_def.options.empty())
        applyLayout(m_def.layout ? m_def.layout(*this) : m_def.options.front().layout());
    m_ok->setEnabled(m_def.okEnabledAtLoad);
    m_print->setEnabled(m_def.okEnabledAtLoad);
    if (!m_options.isEmpty() && m_def.selectFirstOption) {
        select(1);
        const int second = int(m_def.options.size()) + 1;
        if (!m_def.options2.empty() && std::none_of(m_options.begin() + second - 1, m_options.end(),
                                                    [](QRadioButton* o) { return o->isChecked(); }))
            select(second);
    }
    if (QLineEdit* first = box(m_def.firstBox))
        first->setFocus();
}

void CalculatorWindow::emptyAllBoxes() {
    for (QLineEdit* b : std::as_const(m_boxes))
        b->clear();
}

const Option& CalculatorWindow::optionDefinition(int n) const {
    const auto first = int(m_def.options.size());
    return n <= first ? m_def.options[size_t(n - 1)] : m_def.options2[size_t(n - 1 - first)];
}

void CalculatorWindow::applyLayout(const Layout& layout) {
    for (int i = 0; i < int(m_def.inputs.size()); ++i) {
        const Input& in = m_def.inputs[size_t(i)];
        const QString prompt = layout.prompts.value(i);
        label(in.label)->setText(prompt);
        const bool shown = layout.shown ? layout.shown->contains(in.box) : !prompt.isEmpty();
        box(in.box)->setVisible(shown);
    }
    if (!m_def.resultLabel.isEmpty())
        label(m_def.resultLabel)->setText(layout.resultPrefix);
    for (const QString& name : extraLabels()) {
        QString caption;
        for (const auto& [labelName, text] : layout.captions)
            if (labelName == name)
                caption = text;
        label(name)->setText(caption);
    }
    for (const ResultRow& r : m_def.moreResults)
        box(r.box)->setVisible(!layout.hiddenResults.contains(r.box));
}

QStringList CalculatorWindow::extraLabels() const {
    QStringList names;
    if (!m_def.resultUnit.isEmpty())
        names << m_def.resultUnit;
    for (const ResultRow& r : m_def.moreResults)
        for (const QString& name : {r.label, r.unit})
            if (!name.isEmpty())
                names << name;
    return names;
}

Layout CalculatorWindow::currentLayout() const {
    if (m_def.layout)
        return m_def.layout(*this);
    for (int n = 1; n <= optionCount(); ++n)
        if (isSelected(n))
            return optionDefinition(n).layout();
    return m_def.options.empty() ? Layout{} : m_def.options.front().layout();
}

void CalculatorWindow::opt_Click(int n) {
    if (m_def.optionClickEmptiesBoxes)
        emptyAllBoxes();
    const Option& o = optionDefinition(n);
    applyLayout(currentLayout());
    if (o.onClick)
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

void CalculatorWindow::cmdOk_Click() {
    try {
        for (const Check& check : m_def.checks)
            if (!check(*this))
                return;
        if (m_options.isEmpty()) {
            if (m_def.solve)
                m_def.solve(*this);
            return;
        }
        // Each option is tested in turn: with none selected nothing is computed.
        for (int n = 1; n <= optionCount(); ++n)
            if (isSelected(n) && optionDefinition(n).solve)
                optionDefinition(n).solve(*this);
    } catch (const num::CalcError& e) {
        say({e.description(), m_def.trap.title, m_def.trap.icon});
    }
}

void CalculatorWindow::cmdClear_Click() {
    emptyAllBoxes();
    if (m_def.clearRestoresLayout && !m_def.options.empty())
        applyLayout(currentLayout());
    if (QLineEdit* first = box(m_def.firstBox); first && m_def.clearFocusesFirstBox)
        first->setFocus();
    if (m_def.afterClear)
        m_def.afterClear(*this);
}

void CalculatorWindow::cmdClose_Click() {
    const QString next = m_def.showAfterClose;
    Unload();
    if (!next.isEmpty())
        windows::show(next);
}

void CalculatorWindow::cmdPrint_Click() {
    platform::printWindow(this);
}

void CalculatorWindow::cmdHelp_Click() {
    say({m_def.help, m_def.helpTitle, Icon::Information});
}

const Input* CalculatorWindow::inputFor(const QWidget* control) const {
    for (const Input& in : m_def.inputs)
        if (in.box == control->objectName() && box(in.box) == control)
            return &in;
    return nullptr;
}

bool CalculatorWindow::Control_KeyPress(QWidget* control, QChar ch) {
    const Input* in = inputFor(control);
    if (!in || accepts(in->profile, ch, control->isEnabled()))
        return false;
    const KeyProfile& p = keyProfile(in->profile);
    say({p.message, p.title, Icon::None});
    return true;
}

QString CalculatorWindow::text(const QString& name) const {
    const QLineEdit* b = box(name);
    return b ? b->text() : QString();
}

void CalculatorWindow::setText(const QString& name, const QString& text) {
    if (QLineEdit* b = box(name))
        b->setText(text);
}

void CalculatorWindow::showResult(num::Single value) {
    setText(m_def.resultBox, num::result(value));
}
void CalculatorWindow::showResult(num::Double value) {
    setText(m_def.resultBox, num::result(value));
}
void CalculatorWindow::showResult(const QString& name, num::Single value) {
    setText(name, num::result(value));
}
void CalculatorWindow::setCaption(const QString& name, const QString& caption) {
    if (QLabel* l = label(name))
        l->setText(caption);
}
void CalculatorWindow::showFormula(const QString& formula) {
    setText(m_def.formulaBox, formula);
}

int CalculatorWindow::selectedOption() const {
    for (int n = 1; n <= int(m_def.options.size()); ++n)
        if (isSelected(n))
            return n;
    return 0;
}

void CalculatorWindow::say(const Message& m) {
    platform::message(m.title, m.text, m.icon, this);
}

QLineEdit* CalculatorWindow::box(const QString& name) const {
    return m_boxes.value(name);
}
bool CalculatorWindow::isShown(const QString& name) const {
    const QLineEdit* b = box(name);
    return b && b->isVisibleTo(this);
}
QLabel* CalculatorWindow::label(const QString& name) const {
    return m_labels.value(name);
}
QRadioButton* CalculatorWindow::option(int n) const {
    return n >= 1 && n <= m_options.size() ? m_options[n - 1] : nullptr;
}

void registerCalculator(Definition (*define)()) {
    const QString name = define().className;
    windows::registerClass(name, [define] { return new CalculatorWindow(define()); });
}

} // namespace calc
