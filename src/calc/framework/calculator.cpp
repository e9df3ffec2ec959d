#include "calc/framework/calculator.h"

#include "app/windows.h"
#include "app/appearance.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace calc {

CalculatorWindow::CalculatorWindow(Definition definition) : Form(definition.className), m_def(std::move(definition)) {
    if (m_def.firstBox.isEmpty() && !m_def.inputs.empty())
        m_def.firstBox = m_def.inputs.front().box;
    build();
}

void CalculatorWindow::build() {
    setWindowTitle(m_def.caption);
    setWindowFlags(appearance::toolWindowFlags());
    setFont(appearance::formFont());

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    if (!m_def.options.empty()) {
        auto* frame = new QGroupBox(m_def.frameCaption, this);
        frame->setObjectName(QStringLiteral("Frame1"));
        auto* grid = new QGridLayout(frame);
        const int perColumn = m_def.options.size() > 4 ? int(m_def.options.size() + 1) / 2 : int(m_def.options.size());
        for (int i = 0; i < int(m_def.options.size()); ++i) {
            auto* opt = new QRadioButton(m_def.options[size_t(i)].caption, frame);
            opt->setObjectName(QStringLiteral("opt%1").arg(i + 1));
            grid->addWidget(opt, i % perColumn, i / perColumn);
            connect(opt, &QRadioButton::toggled, this, [this, i](bool on) {
                if (on)
                    opt_Click(i + 1);
            });
            m_options.append(opt);
        }
        outer->addWidget(frame);
    }

    // Prompt labels are right-aligned against their boxes and as wide as their longest caption.
    auto* grid = new QGridLayout;
    const QFontMetrics metrics(font());
    auto widest = [&](int inputIndex) {
        int w = metrics.horizontalAdvance(m_def.inputs[size_t(inputIndex)].prompt);
        for (const Option& o : m_def.options)
            if (inputIndex < o.prompts.size())
                w = std::max(w, metrics.horizontalAdvance(o.prompts[inputIndex]));
        return w;
    };
    int labelWidth = 0;
    for (int i = 0; i < int(m_def.inputs.size()); ++i)
        labelWidth = std::max(labelWidth, widest(i));
    int prefixWidth = metrics.horizontalAdvance(m_def.resultPrefix);
    for (const Option& o : m_def.options)
        prefixWidth = std::max(prefixWidth, metrics.horizontalAdvance(o.resultPrefix));
    labelWidth = std::max(labelWidth, prefixWidth) + 8;

    auto addBox = [&](const QString& name, QWidget* parent) {
        auto* box = new QLineEdit(parent);
        box->setObjectName(name);
        QSizePolicy p = box->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        box->setSizePolicy(p);
        box->setMinimumWidth(140);
        m_boxes.insert(name, box);
        return box;
    };
    auto addLabel = [&](const QString& name, const QString& caption) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(labelWidth);
        m_labels.insert(name, label);
        return label;
    };

    int row = 0;
    for (const Input& in : m_def.inputs) {
        grid->addWidget(addLabel(in.label, in.prompt), row, 0);
        QLineEdit* box = addBox(in.box, this);
        if (!in.tooltip.isEmpty())
            box->setToolTip(in.tooltip);
        grid->addWidget(box, row, 1);
        ++row;
    }
    if (!m_def.resultBox.isEmpty()) {
        if (!m_def.resultLabel.isEmpty())
            grid->addWidget(addLabel(m_def.resultLabel, m_def.resultPrefix), row, 0);
        QLineEdit* result = addBox(m_def.resultBox, this);
        result->setReadOnly(true);
        grid->addWidget(result, row, 1);
        ++row;
    }
    if (!m_def.formulaBox.isEmpty()) {
        QLineEdit* formula = addBox(m_def.formulaBox, this);
        formula->setReadOnly(true);
        grid->addWidget(formula, row, 0, 1, 2);
        ++row;
    }
    for (const QString& name : m_def.unusedBoxes)
        addBox(name, this)->hide();
    outer->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    auto addButton = [&](const QString& name, const QString& caption, void (CalculatorWindow::*handler)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        buttons->addWidget(b);
        return b;
    };
    m_ok = addButton(QStringLiteral("cmdOk"), QStringLiteral("Ok"), &CalculatorWindow::cmdOk_Click);
    addButton(QStringLiteral("cmdClear"), QStringLiteral("Clear"), &CalculatorWindow::cmdClear_Click);
    QPushButton* close = addButton(m_def.closeButton, m_def.closeCaption, &CalculatorWindow::cmdClose_Click);
    m_print = addButton(QStringLiteral("cmdPrint"), QStringLiteral("Print"), &CalculatorWindow::cmdPrint_Click);
    QPushButton* help = addButton(QStringLiteral("cmdHelp"), QStringLiteral("?"), &CalculatorWindow::cmdHelp_Click);
    appearance::styleHelpButton(help);
    outer->addLayout(buttons);

    setDefaultButton(m_ok);
    setCancelButton(close);

    if (QLineEdit* first = box(m_def.firstBox)) {
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
        applyOptionLayout(1);
    m_ok->setEnabled(false);
    m_print->setEnabled(false);
    if (!m_options.isEmpty() && m_def.selectFirstOption)
        m_options.front()->setChecked(true);
    if (QLineEdit* first = box(m_def.firstBox))
        first->setFocus();
}

void CalculatorWindow::emptyAllBoxes() {
    for (QLineEdit* b : std::as_const(m_boxes))
        b->clear();
}

void CalculatorWindow::applyOptionLayout(int n) {
    const Option& o = m_def.options[size_t(n - 1)];
    for (int i = 0; i < int(m_def.inputs.size()); ++i) {
        const Input& in = m_def.inputs[size_t(i)];
        const QString prompt = i < o.prompts.size() ? o.prompts[i] : QString();
        label(in.label)->setText(prompt);
        const bool shown = o.shown ? o.shown->contains(in.box) : !prompt.isEmpty();
        box(in.box)->setVisible(shown);
    }
    if (!m_def.resultLabel.isEmpty())
        label(m_def.resultLabel)->setText(o.resultPrefix);
}

void CalculatorWindow::opt_Click(int n) {
    emptyAllBoxes();
    applyOptionLayout(n);
}

void CalculatorWindow::cmdOk_Click() {
    try {
        for (const Check& check : m_def.checks)
            if (!check(*this))
                return;
        if (m_def.options.empty()) {
            if (m_def.solve)
                m_def.solve(*this);
            return;
        }
        // Each option is tested in turn: with none selected nothing is computed.
        for (int n = 1; n <= int(m_def.options.size()); ++n)
            if (option(n)->isChecked() && m_def.options[size_t(n - 1)].solve)
                m_def.options[size_t(n - 1)].solve(*this);
    } catch (const num::CalcError& e) {
        say({e.description(), m_def.trap.title, m_def.trap.icon});
    }
}

void CalculatorWindow::cmdClear_Click() {
    emptyAllBoxes();
    if (QLineEdit* first = box(m_def.firstBox))
        first->setFocus();
}

void CalculatorWindow::cmdClose_Click() {
    const QString next = m_def.showAfterClose;
    Unload();
    if (!next.isEmpty())
        windows::show(next);
}

void CalculatorWindow::cmdPrint_Click() {
    QString error;
    if (!platform::printer().printWindow(this, &error))
        say({error, QStringLiteral("Quellorin"), Icon::Information});
}

void CalculatorWindow::cmdHelp_Click() { say({m_def.help, m_def.helpTitle, Icon::Information}); }

bool CalculatorWindow::Form_KeyDown(int key, Qt::KeyboardModifiers) {
    if (key != Qt::Key_F1)
        return false;
    windows::show(QStringLiteral("frmHelp"));
    return true;
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

void CalculatorWindow::showResult(num::Single value) { setText(m_def.resultBox, num::result(value)); }
void CalculatorWindow::showResult(num::Double value) { setText(m_def.resultBox, num::result(value)); }
void CalculatorWindow::showFormula(const QString& formula) { setText(m_def.formulaBox, formula); }

int CalculatorWindow::selectedOption() const {
    for (int i = 0; i < m_options.size(); ++i)
        if (m_options[i]->isChecked())
            return i + 1;
    return 0;
}

void CalculatorWindow::say(const Message& m) { platform::message(m.title, m.text, m.icon, this); }

QLineEdit* CalculatorWindow::box(const QString& name) const { return m_boxes.value(name); }
QLabel* CalculatorWindow::label(const QString& name) const { return m_labels.value(name); }
QRadioButton* CalculatorWindow::option(int n) const { return n >= 1 && n <= m_options.size() ? m_options[n - 1] : nullptr; }

void registerCalculator(Definition (*define)()) {
    const QString name = define().className;
    windows::registerClass(name, [define] { return new CalculatorWindow(define()); });
}

} // namespace calc
