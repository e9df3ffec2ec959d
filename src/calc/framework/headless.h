#pragma once
// A calculator without its window: the same runtime as the window's, over plain values in memory,
// for tests of a calculator's behaviour. It is loaded as it is made, as a window is when it opens.
//
//     HeadlessCalculator s(frmWork());
//     s.select(2);
//     s.setText("Text1", "10");
//     s.ok();
//     s.text("Text4"); s.messages;
//
// setText is the student's typing (no key filter: as a paste) as well as a formula's writing; the
// handlers (ok, clear, press, help, click) run whether or not their button is enabled. Every name
// must be one of the calculator's boxes, labels or options, as in the window. Options are numbered
// from 1 across all the choice groups, as the window names their controls (opt1, opt2, ...).

#include "calc/framework/runtime.h"

#include <QHash>
#include <QList>
#include <QString>

namespace calc {

class HeadlessCalculator : public Surface {
  public:
    explicit HeadlessCalculator(Definition definition);

    const Definition& definition() const { return m_runtime.definition(); }
    // What the calculator's formulas see.
    CalculatorRuntime& sheet() { return m_runtime; }

    // The student's actions.
    // A click on option n: it is selected, and its click runs even when it already was. A
    // disabled option takes no click.
    void click(int n);
    // Selects option n; its click runs only when that changes the selection.
    void select(int n) { m_runtime.selectNumbered(n); }
    void ok() { m_runtime.ok(); }
    void clear() { m_runtime.clear(); }
    void press(const QString& button) { m_runtime.press(button); }
    void help() { m_runtime.help(); }

    // What the window would show.
    int selectedOption() const { return m_runtime.selectedOption(); }
    bool isEnabled(const QString& box) const;
    bool isOptionEnabled(int n) const;
    QString description(const QString& box) const;
    QString optionCaption(int n) const;
    // Ok (where there is one) and Print.
    bool commandsEnabled() const { return m_commandsEnabled; }
    // The box that has the cursor; empty before any box was given it.
    QString focus() const { return m_focus; }
    // Every message said, oldest first.
    QList<Message> messages;

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
    void enableCommands(bool enabled) override { m_commandsEnabled = enabled; }
    // Recorded in messages.
    void say(const Message& message) override { messages.append(message); }

  private:
    struct Box {
        QString text;
        bool shown = true;
        bool enabled = true;
        QString description;
    };
    struct OptionState {
        QString caption;
        bool selected = false;
        bool enabled = true;
    };
    Box& box(const QString& name);
    const Box& box(const QString& name) const;
    // The caption of the label of that name.
    QString& label(const QString& name);
    OptionState& option(int n);
    const OptionState& option(int n) const;

    QHash<QString, Box> m_boxes;
    QHash<QString, QString> m_captions;
    QList<OptionState> m_options;
    bool m_commandsEnabled = false;
    QString m_focus;
    CalculatorRuntime m_runtime; // last: it runs on the state above
};

} // namespace calc
