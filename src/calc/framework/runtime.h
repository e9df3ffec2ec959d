#pragma once
// What a calculator does, whatever shows it: load, option clicks, the layouts, Ok's checks and
// formulas under the error trap, Clear, the extra buttons and the topic explanation. It is
// written once against a Surface, the few things the runtime changes in what the student sees:
// the calculator window's widgets (CalculatorWindow), or plain values in memory
// (HeadlessCalculator). The runtime is the Sheet the calculator's formulas and checks see.

#include "calc/framework/definition.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace calc {

// The caption the list gives the name, or an empty one.
QString captionOf(const Captions& captions, const QString& name);
// The names of a calculator's boxes (inputs, results, the worked-formula box, the unused boxes)
// and of its labels (the heading, the prompts, the result prefixes and unit labels), in that order.
QStringList boxNames(const Definition& d);
QStringList labelNames(const Definition& d);
// The unit label the window adds after a result box that has a unit (on its row or in a layout)
// and no unit label of its own ("Text4Unit"); empty where it adds none.
QString unitLabelOf(const Definition& d, const ResultRow& row);
// The result box the step answers in.
QString answerBox(const Definition& d, const Step& step);
// The name formulas give the choice group: its frame's, or its own where it has no frame.
QString nameOf(const ChoiceGroup& group);

// What the student sees of a calculator, as the runtime reads and changes it. Boxes and labels
// are named as the definition names them; options are numbered from 1 across all the choice
// groups. An unknown name is a programming error and stops the program.
class Surface {
  public:
    virtual ~Surface() = default;

    virtual QString text(const QString& box) const = 0;
    // The student's typing or a formula's writing; a change of text is reported to the runtime
    // (CalculatorRuntime::boxChanged).
    virtual void setText(const QString& box, const QString& text) = 0;
    virtual void emptyBoxes() = 0;
    // Whether the box is shown in the window's current layout.
    virtual bool isShown(const QString& box) const = 0;
    virtual void showBox(const QString& box, bool shown) = 0;
    virtual void enableBox(const QString& box, bool enabled) = 0;
    // Moves the keyboard focus to the box, with its text selected.
    virtual void focusBox(const QString& box) = 0;
    // What assistive technology says of the box besides its name (a result's unit).
    virtual void describeBox(const QString& box, const QString& description) = 0;

    // The caption the label shows now.
    virtual QString caption(const QString& label) const = 0;
    virtual void setCaption(const QString& label, const QString& caption) = 0;

    virtual bool isSelected(int option) const = 0;
    // Option n is selected, and the other options of its group are not (no click runs).
    virtual void checkOption(int option) = 0;
    virtual void setOptionEnabled(int option, bool enabled) = 0;
    // Changes the caption of the option (its button keeps the width of the widest caption it had).
    virtual void setOptionCaption(int option, const QString& caption) = 0;

    // Ok (where the window has one) and Print.
    virtual void enableCommands(bool enabled) = 0;
    virtual void say(const Message& message) = 0;
    // A message about one box, then the cursor in the box (focusBox); a window names the box in
    // the message by its prompt.
    virtual void sayAbout(const QString& box, const Message& message) {
        say(message);
        focusBox(box);
    }
};

class CalculatorRuntime : public Sheet {
  public:
    // Stops the program when the definition names what it does not have (see problems()). The
    // surface must outlive the runtime; nothing is shown before load().
    CalculatorRuntime(Definition definition, Surface& surface);
    const Definition& definition() const { return m_def; }
    // The options of all the choice groups, numbered from 1 in the order the window lists them, as
    // it names their controls (opt1, opt2, ...).
    int optionCount() const { return int(m_groupOf.size()); }

    // The load step: every box empty, the captions and layout of the first selection, Ok and
    // Print disabled, each group's first option selected, the cursor in the first input box,
    // then what the definition does besides.
    void load();
    // Selects option n; its click runs only when that changes the selection.
    void selectNumbered(int n);
    // Option n's click (the option is already selected): the boxes emptied where its group says
    // so (and the result rows and worked formula whenever the click changes what is solved for),
    // its layout shown, then its own click behaviour.
    void optionClicked(int n);
    // Ok: the checks in order, then the definition's formula, then each selected option's (with
    // none selected nothing is computed), all under the definition's error trap.
    void ok();
    // Clear: every box emptied, the layout put back where the definition asks, the cursor put in
    // its box, then what the definition does besides.
    void clear();
    // The extra button of that name, under its own error trap.
    void press(const QString& button);
    // The topic explanation.
    void help();
    // A box's text has changed, typed or written: the first change of the first box enables Ok
    // and Print.
    void boxChanged(const QString& box);

    // The selection's layout: the definition's layout hook, or the selected solve-for option's.
    Layout currentLayout() const;
    // The unit of the result row for the selection (none while its box is hidden).
    Unit unitOf(const ResultRow& row) const;
    // The input boxes that hold magnitudes in the selection: those marked on their input, and
    // those its layout marks.
    QStringList magnitudes() const;

    // Sheet: what formulas and checks read and write, on the surface.
    QString text(const QString& box) const override { return m_surface.text(box); }
    // A result written beside a unit label of the window's own that says nothing brings its
    // unit's symbol there.
    void setText(const QString& box, const QString& text) override;
    bool isShown(const QString& box) const override { return m_surface.isShown(box); }
    void setCaption(const QString& label, const QString& caption) override {
        m_surface.setCaption(label, caption);
    }
    int chosen(const QString& group) const override { return chosenIn(size_t(groupNamed(group))); }
    using Sheet::select;
    void select(const QString& group, int option) override { selectNumbered(numberOf(group, option)); }
    void setOptionEnabled(const QString& group, int option, bool enabled) override {
        m_surface.setOptionEnabled(numberOf(group, option), enabled);
    }
    void setOptionCaption(const QString& group, int option, const QString& caption) override {
        m_surface.setOptionCaption(numberOf(group, option), caption);
    }
    void say(const Message& message) override {
        m_said = true;
        m_surface.say(message);
    }
    void sayAbout(const QString& box, const Message& message) override {
        m_said = true;
        m_surface.sayAbout(box, message);
    }
    QString resultBox() const override;
    QString formulaBox() const override { return m_def.formula.box; }
    ResultFormat resultFormat(const QString& box) const override;
    void focusBox(const QString& box) override { m_surface.focusBox(box); }
    void showUnit(const QString& box, Unit unit) override;
    void enableCommands(bool enabled) override { m_surface.enableCommands(enabled); }

    // The group of option n, numbered from 0.
    int groupOf(int n) const { return m_groupOf[size_t(n - 1)]; }

  private:
    // The group of that name, numbered from 0, and the number of its option; an unknown group or
    // option stops the program.
    int groupNamed(const QString& name) const;
    int numberOf(const QString& group, int option) const;
    // The option chosen in the group, from 1 within it; 0: none.
    int chosenIn(size_t group) const;
    const Option& optionDefinition(int n) const;
    bool hasLayouts() const;
    // Shows the layout: prompts, visible boxes, result prefix, captions, units.
    void applyLayout(const Layout& layout);
    // Each result's unit for the layout shown, in its unit label and as its box's description.
    void showUnits(const Layout& layout);
    Unit unitOf(const ResultRow& row, const Layout& layout) const;
    // Runs a formula under the error trap: a failing calculation says its description, and one
    // about a box puts the cursor in that box.
    void trapped(const Formula& formula, const Trap& trap);
    // The working, step by step, in the worked-formula box (where every step has its answer).
    void showWorking(const std::vector<Step>& working);
    // The prompt the box shows now; empty for a box without one.
    QString promptOf(const QString& box) const;
    // The selected options of the solve-for groups: what Ok computes.
    std::vector<int> solvedFor() const;

    Definition m_def;
    Surface& m_surface;
    QString m_firstBox;            // firstInputBox()
    std::vector<int> m_groupOf;    // the choice group of each option, in number order
    std::vector<int> m_before;     // the number of the options before each group
    std::vector<int> m_solvedFor;  // solvedFor() at the last option click
    bool m_said = false;           // whether a message was said since Ok was pressed
    bool m_formulaWritten = false; // whether the worked-formula box was written since then
};

} // namespace calc
