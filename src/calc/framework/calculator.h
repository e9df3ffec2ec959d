#pragma once
// The window every calculator is: built from its Definition element by element, with the shared
// behaviour of load, option clicks, the Ok/Print enabling rule, key filters, Ok's checks and error
// trap, the result rule, Clear, Close, Print, the topic explanation and F1.

#include "calc/framework/definition.h"
#include "ui/form.h"

#include <QHash>

class QBoxLayout;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace calc {

class CalculatorWindow : public Form, public Sheet {
    Q_OBJECT
  public:
    explicit CalculatorWindow(Definition definition);
    const Definition& definition() const { return m_def; }

    // Sheet.
    QString text(const QString& box) const override;
    void setText(const QString& box, const QString& text) override;
    bool isShown(const QString& box) const override;
    void setCaption(const QString& label, const QString& caption) override;
    bool isSelected(int n) const override;
    void select(int n) override;
    void setOptionEnabled(int n, bool enabled) override;
    int selectedOption() const override;
    void say(const Message& message) override;
    QString resultBox() const override;
    QString formulaBox() const override { return m_def.formulaBox; }
    ResultFormat resultFormat(const QString& box) const override;
    void setOptionCaption(int n, const QString& caption) override;
    void focusBox(const QString& box) override;

    // Shows the layout: prompts, visible boxes, result prefix, captions.
    void applyLayout(const Layout& layout);

    // The window's controls by name; an unknown name is a programming error.
    QLineEdit* box(const QString& name) const;
    QLabel* label(const QString& name) const;
    // Option n, from 1 across all the choice groups; nullptr past the last.
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

  private:
    struct Rows;
    void build();
    void buildChoices(QBoxLayout* outer);
    void buildBoxes(QBoxLayout* outer);
    void buildButtons(QBoxLayout* outer);
    void sizeLabels(const QList<QLabel*>& rowStarts, const QList<QLabel*>& besidePrompts);
    QFrame* separatorLine(const QString& name);
    void checkNames() const;
    const Option& optionDefinition(int n) const;
    const ChoiceGroup& groupOf(int n) const;
    void emptyAllBoxes();
    // Runs a handler under an error trap: a failing calculation shows its description.
    void trapped(const Formula& formula, const Trap& trap);
    // The selection's layout: the definition's layout hook, or the selected solve-for option's.
    Layout currentLayout() const;
    QStringList extraLabels() const;
    // A result whose words are empty for now is announced simply as the result.
    void nameResults();

    Definition m_def;
    QHash<QString, QLineEdit*> m_boxes;
    QHash<QString, QLabel*> m_labels;
    QList<QRadioButton*> m_options; // every group, in number order
    QList<int> m_groupOf;           // the group of each option
    QPushButton* m_ok = nullptr;
    QPushButton* m_print = nullptr;
};

// Registers a calculator's window class with the window registry. The definition is built when
// the window is first opened, not at start-up; it must declare the class it is registered as.
void registerCalculator(const QString& className, Definition (*define)());

} // namespace calc
