#pragma once
// The window every calculator is: built from its Definition, with the shared behaviour of load,
// option clicks, the Ok/Print enabling rule, key filters, Ok's checks and error trap, the result
// rule, Clear, Close, Print, the topic explanation and F1. Formulas reach the window's boxes
// through the small API below.

#include "app/form.h"
#include "calc/framework/definition.h"

#include <QHash>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace calc {

class CalculatorWindow : public Form {
    Q_OBJECT
  public:
    explicit CalculatorWindow(Definition definition);
    const Definition& definition() const { return m_def; }

    // For formulas and checks.
    QString text(const QString& box) const;
    void setText(const QString& box, const QString& text);
    bool isEmpty(const QString& box) const { return text(box).isEmpty(); }
    bool isShown(const QString& box) const;
    num::Single single(const QString& box) const { return num::toSingle(text(box)); }
    num::Double real(const QString& box) const { return num::toDouble(text(box)); }
    // Writes the value into the result box by the result rule (three decimals, regional format).
    void showResult(num::Single value);
    void showResult(num::Double value);
    // The same into another result box.
    void showResult(const QString& box, num::Single value);
    void setCaption(const QString& label, const QString& caption);
    void showFormula(const QString& formula);
    // The selected solve-for option of the first group, from 1; 0 when none is selected.
    int selectedOption() const;
    bool isSelected(int n) const;
    // Selects option n; when that changes the selection, its click behaviour runs.
    void select(int n);
    void setOptionEnabled(int n, bool enabled);
    // Shows the layout: prompts, visible boxes, result prefix.
    void applyLayout(const Layout& layout);
    void say(const Message& message);

    QLineEdit* box(const QString& name) const;
    QLabel* label(const QString& name) const;
    QRadioButton* option(int n) const;

    // The window's event handlers.
    void opt_Click(int n);
    void cmdOk_Click();
    void cmdClear_Click();
    void cmdClose_Click();
    void cmdPrint_Click();
    void cmdHelp_Click();

  protected:
    void Form_Load() override;
    bool Control_KeyPress(QWidget* control, QChar ch) override;

  private:
    void build();
    void buildOptions(QBoxLayout* outer);
    void buildBoxes(QBoxLayout* outer);
    void buildButtons(QBoxLayout* outer);
    const Option& optionDefinition(int n) const;
    int optionCount() const { return int(m_def.options.size() + m_def.options2.size()); }
    void emptyAllBoxes();
    const Input* inputFor(const QWidget* control) const;
    // The selection's layout: the definition's layout hook, or the selected option's.
    Layout currentLayout() const;
    QStringList extraLabels() const;

    Definition m_def;
    QHash<QString, QLineEdit*> m_boxes;
    QHash<QString, QLabel*> m_labels;
    QList<QRadioButton*> m_options; // both groups, in number order
    QPushButton* m_ok = nullptr;
    QPushButton* m_print = nullptr;
};

// Registers the window class of a definition with the window registry.
void registerCalculator(Definition (*define)());

} // namespace calc
