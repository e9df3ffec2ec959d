#pragma once
// The window every calculator is: built from its Definition element by element, it runs the
// calculator's behaviour (CalculatorRuntime) on its widgets, and adds what only a window has: key
// filters, Close, Print and F1.

#include "calc/framework/runtime.h"
#include "ui/form.h"

#include <QHash>
#include <QStringList>

#include <functional>
#include <optional>

class QBoxLayout;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace calc {

// The window of a calculator: its widgets are the runtime's surface.
class CalculatorWindow : public Form, public Surface {
    Q_OBJECT
  public:
    explicit CalculatorWindow(Definition definition);

    const Definition& definition() const { return m_runtime.definition(); }
    CalculatorRuntime& runtime() { return m_runtime; }

    // The window's controls by name; an unknown name is a programming error.
    QLineEdit* box(const QString& name) const;
    QLabel* label(const QString& name) const;
    // Option n, from 1 across all the choice groups; nullptr past the last.
    QRadioButton* option(int n) const;

    // The window's event handlers.
    void opt_Click(int n) { m_runtime.optionClicked(n); }
    // Ok; the answers it writes are said to screen readers, the focus staying where it is.
    void cmdOk_Click();
    void cmdClear_Click() { m_runtime.clear(); }
    void cmdClose_Click();
    void cmdPrint_Click();
    void cmdHelp_Click() { m_runtime.help(); }

    // Surface.
    QString text(const QString& box) const override;
    void setText(const QString& box, const QString& text) override;
    void emptyBoxes() override;
    bool isShown(const QString& box) const override;
    void showBox(const QString& box, bool shown) override;
    void enableBox(const QString& box, bool enabled) override;
    void focusBox(const QString& box) override;
    void describeBox(const QString& box, const QString& description) override;
    QString caption(const QString& label) const override;
    void setCaption(const QString& label, const QString& caption) override;
    bool isSelected(int n) const override;
    void checkOption(int n) override;
    void setOptionEnabled(int n, bool enabled) override;
    void setOptionCaption(int n, const QString& caption) override;
    void enableCommands(bool enabled) override;
    void say(const Message& message) override;
    void sayAbout(const QString& box, const Message& message) override;

  protected:
    void Form_Load() override { m_runtime.load(); }
    bool Form_KeyPress(QChar ch) override;

  private:
    void build();
    void buildChoices(QBoxLayout* outer);
    void buildBoxes(QBoxLayout* outer);
    void buildButtons(QBoxLayout* outer);
    void sizeLabels(const QList<QLabel*>& rowStarts, const QList<QLabel*>& besidePrompts);
    QFrame* separatorLine(const QString& name);
    // A result whose words are empty for now is announced simply as the result.
    void nameResults();
    // Runs what a button does, then has a screen reader say each result row it wrote, as the
    // window shows it: its words, the answer and its unit.
    void answer(const std::function<void()>& press);

    QHash<QString, QLineEdit*> m_boxes;
    QHash<QString, QLabel*> m_labels;
    QList<QRadioButton*> m_options; // every group, in number order
    QPushButton* m_ok = nullptr;
    QPushButton* m_print = nullptr;
    // The result boxes written since Ok (or another button that answers) was pressed, while it runs.
    std::optional<QStringList> m_answered;
    CalculatorRuntime m_runtime;
};

// Registers a calculator's window class with the window registry. The definition is built when
// the window is first opened, not at start-up; it must declare the class it is registered as.
void registerCalculator(const QString& className, Definition (*define)());

} // namespace calc
