#pragma once
// What a calculator does, whatever shows it: load, option clicks, the layouts, Ok's checks and
// formulas under the error trap, Clear, the extra buttons and the topic explanation. It is
// written once against a surface, the few things the runtime changes in what the student sees:
// the calculator window's widgets (CalculatorWindow), or plain values in memory (MemorySheet).
//
// The surface is what a subclass implements: the Sheet's reading and writing of boxes, labels and
// options (text, setText, isShown, setCaption, isSelected, setOptionEnabled, setOptionCaption,
// focusBox, say) and the protected functions below.

#include "calc/framework/definition.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace calc {

// The caption the list gives the name, or an empty one.
QString captionOf(const Captions& captions, const QString& name);
// The names of a calculator's boxes (inputs, results, the worked-formula box, the unused boxes)
// and of its labels (the heading, the prompts, the result prefixes and units), in that order.
QStringList boxNames(const Definition& d);
QStringList labelNames(const Definition& d);
// The unit label the window adds after a result box that declares units and has no unit label of
// its own ("Text4Unit"); empty where it adds none.
QString unitLabelOf(const ResultRow& row);

class Runtime : public Sheet {
  public:
    // Stops the program when the definition names what it does not have (see problems()).
    explicit Runtime(Definition definition);
    const Definition& definition() const { return m_def; }
    // The options of all the choice groups, numbered from 1.
    int optionCount() const { return int(m_groupOf.size()); }

    // The load step: every box empty, the captions and layout of the first selection, Ok and
    // Print disabled (unless the definition enables them), the first options selected, the
    // cursor in the first input box.
    void load();
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
    // Shows the layout: prompts, visible boxes, result prefix, captions, units.
    void applyLayout(const Layout& layout);
    // The unit of the result row for the selection (none while its box is hidden).
    Unit unitOf(const ResultRow& row) const;

    // Sheet.
    void select(int n) override;
    int selectedOption() const override;
    QString resultBox() const override;
    QString formulaBox() const override { return m_def.formulaBox; }
    ResultFormat resultFormat(const QString& box) const override;

  protected:
    // The surface besides the Sheet's own.
    virtual void emptyBoxes() = 0;
    virtual void showBox(const QString& box, bool shown) = 0;
    virtual void enableBox(const QString& box, bool enabled) = 0;
    // Option n is selected, and the other options of its group are not.
    virtual void checkOption(int n) = 0;
    // Ok (where the window has one) and Print.
    virtual void enableCommands(bool enabled) = 0;
    // The caption the label shows now.
    virtual QString labelText(const QString& label) const = 0;
    // What assistive technology says of the box besides its name (a result's unit).
    virtual void describeBox(const QString& box, const QString& description) = 0;

    // The group of option n, and its definition.
    int groupOf(int n) const { return m_groupOf[size_t(n - 1)]; }
    const Option& optionDefinition(int n) const;

  private:
    bool hasLayouts() const;
    // Each result's unit, in its unit label and as its box's description.
    void showUnits();
    // Runs a formula under an error trap: a failing calculation says its description, and one
    // about a box puts the cursor in that box.
    void trapped(const Formula& formula, const Trap& trap);
    // The prompt the box shows now; empty for a box without one.
    QString promptOf(const QString& box) const;
    // The selected options of the solve-for groups: what Ok computes.
    std::vector<int> solvedFor() const;

    Definition m_def;
    std::vector<int> m_groupOf;   // the choice group of each option, in number order
    std::vector<int> m_solvedFor; // solvedFor() at the last option click
};

} // namespace calc
