#pragma once
// A calculator is a declaration: its caption, the elements the window is built from (number
// inputs with their prompts and key filters, choice groups, result rows, a worked-formula box,
// buttons), its checks and its formulas. CalculatorWindow builds a Definition element by element
// and CalculatorRuntime carries out its behaviour; a calculator's own file only declares one.
//
// Formulas and checks see the window through Sheet: they read and write boxes by name. A
// calculator file names its boxes once, so that its formulas read as physics.

#include "calc/framework/units.h"
#include "core/keyfilters.h"
#include "core/messages.h"
#include "core/numbers.h"
#include "core/working.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace calc {

using keys::Profile;
using msg::Icon;
using msg::Message;
using msg::Trap;

// How a result box writes its numbers: by the result rule (three decimals), or for quantities
// that span many powers of ten, in the scientific form wherever three decimals would hide them.
enum class ResultFormat { ThreeDecimals, WideRange };

// What formulas and checks may do with the window. Every name must be one of the window's
// controls: an unknown name is a programming error and stops the program at once.
class Sheet {
  public:
    virtual ~Sheet() = default;

    virtual QString text(const QString& box) const = 0;
    virtual void setText(const QString& box, const QString& text) = 0;
    // Whether the box is shown in the window's current layout.
    virtual bool isShown(const QString& box) const = 0;
    virtual void setCaption(const QString& label, const QString& caption) = 0;
    // A choice group is named by its frame ("Frame2"), or by its own name where it has no frame;
    // an empty name is the window's first group. Its options are numbered from 1 within it.
    // The option chosen in the group; 0 when none is.
    virtual int chosen(const QString& group) const = 0;
    // Selects the option; when that changes the selection, its click behaviour runs.
    virtual void select(const QString& group, int option) = 0;
    virtual void setOptionEnabled(const QString& group, int option, bool enabled) = 0;
    // Changes the option's caption (its button keeps the width of the widest caption it had).
    virtual void setOptionCaption(const QString& group, int option, const QString& caption) = 0;
    virtual void say(const Message& message) = 0;
    // The first result box and the worked-formula box.
    virtual QString resultBox() const = 0;
    virtual QString formulaBox() const = 0;
    // How the box writes its results.
    virtual ResultFormat resultFormat(const QString& box) const = 0;
    // Moves the keyboard focus to the box, with its text selected.
    virtual void focusBox(const QString& box) = 0;
    // Shows the unit of the result box's answer, where the window's own buttons decide it; it must
    // be one the declaration's layouts give the box.
    virtual void showUnit(const QString& box, Unit unit) = 0;
    // Ok (where the window has one) and Print.
    virtual void enableCommands(bool enabled) = 0;

    // The first group's chosen option, and selecting one of its options (a window with one group
    // need not name it).
    int selectedOption() const { return chosen(QString()); }
    void select(int option) { select(QString(), option); }

    bool isEmpty(const QString& box) const { return text(box).isEmpty(); }
    // The box's text as a number (text that is not a number fails, as the box's failure).
    num::Single single(const QString& box) const {
        return num::inBox(box, [&] { return num::toSingle(text(box)); });
    }
    num::Double real(const QString& box) const {
        return num::inBox(box, [&] { return num::toDouble(text(box)); });
    }
    // A message about one box: said, then the cursor is put in the box with its text selected.
    virtual void sayAbout(const QString& box, const Message& message) {
        say(message);
        focusBox(box);
    }
    // Writes a value in the box's result format (the result rule: three decimals, regional format)
    // into the first result box, or into the one named.
    void showResult(num::Single value) { showResult(resultBox(), value); }
    void showResult(num::Double value) { showResult(resultBox(), value); }
    void showResult(const QString& box, num::Single value) {
        setText(box,
                resultFormat(box) == ResultFormat::WideRange ? num::wideResult(value) : num::result(value));
    }
    void showResult(const QString& box, num::Double value) {
        setText(box,
                resultFormat(box) == ResultFormat::WideRange ? num::wideResult(value) : num::result(value));
    }
    void showFormula(const QString& formula) { setText(formulaBox(), formula); }
    // The box's number read in single precision and widened, for windows that work in double
    // precision from single-precision inputs.
    num::Double widened(const QString& box) const { return num::Double(single(box).value()); }
    // Writes a value that may not exist (the direction of forces that cancel): without one the box
    // is emptied.
    void showResultIfAny(const QString& box, std::optional<num::Single> value) {
        if (value)
            showResult(box, *value);
        else
            setText(box, QString());
    }
};

// What Ok (or another button) computes.
using Formula = std::function<void(Sheet&)>;
// One step of Ok before the formula: returns false to end Ok there (after saying why).
using Check = std::function<bool(Sheet&)>;

// Captions keyed by the name of what they belong to: an input box (its prompt) or a label.
using Captions = QList<std::pair<QString, QString>>;

// Where an element stands: on a row of its own, or after the one before it on the same row.
enum class Place { NewRow, Beside };

// A box the student types a number into, with the label that prompts for it.
struct NumberInput {
    QString box;   // "Text1"
    QString label; // its prompt, "Label1"
    Profile filter = Profile::None;
    QString prompt; // the prompt's caption where no option gives one
    QString tooltip;
    Place place = Place::NewRow;
    // A magnitude whatever is chosen (a mass, a length, a period...), which Ok refuses negative.
    // A box whose quantity depends on the selection is marked by each layout (Layout::magnitudes).
    bool magnitude = false;
};

// A read-only box a result is written into: a prefix label before it and a unit after it, both
// optional. The first result row of a definition is the one showResult writes.
//
// The result's unit is the row's own where it is the same whatever is selected (unit), or the one
// the selection's layout gives the box (Layout::units). It is the box's accessible description,
// and its symbol is shown in a small label right of the box, named after the box ("Text4Unit").
// A row with a unit label of the window's own (unitLabel) shows that one instead, in the words
// the layouts and formulas write into it ("Newtons"); its unit is still the description.
struct ResultRow {
    QString label;
    QString box;
    QString prefix; // the label's caption where no option gives one
    QString tooltip;
    Place place = Place::NewRow;
    ResultFormat format = ResultFormat::ThreeDecimals;
    // A result box with a key filter takes typing through it, as an input box does (nothing reads
    // what is typed there); without one it is read-only.
    Profile filter = Profile::None;
    // The unit whatever is selected; Unit::None where the layouts give it, or where there is none.
    Unit unit = Unit::None;
    // The window's own label after the box, which shows the unit in words.
    QString unitLabel;
    QString unitLabelCaption; // its caption where no option gives one
};

// The unit of each result box named, keyed by the box.
using Units = QList<std::pair<QString, Unit>>;

// One step of how an answer is worked out: the relation, the boxes its given quantities are read
// from (in the relation's order), and the result box it answers in (the first one where empty).
// After a successful Ok the worked-formula box shows each step as a line of working, and the
// result box shows the relation's unit.
struct Step {
    Step(const working::Relation& relation, QStringList from, QString result = QString())
        : relation(&relation), from(std::move(from)), result(std::move(result)) {}
    const working::Relation* relation;
    QStringList from;
    QString result;

    friend bool operator==(const Step&, const Step&) = default;
};

// What the window shows for a selection.
struct Layout {
    // The prompt of each input box that is shown; an input not named here is hidden.
    Captions prompts;
    QString resultPrefix;
    // The visible input boxes, where they are not exactly the prompted ones.
    std::optional<QStringList> shown;
    // The unit of each result row whose unit depends on the selection, where no step of the
    // working gives it (a step's relation gives the unit of the box it answers in); a row named by
    // neither has none.
    Units units;
    // The captions of the window's other labels (its own unit labels, the prefixes of further
    // result rows); every such label not named here is emptied.
    Captions captions;
    QStringList hiddenResults; // result boxes of further rows that this selection hides
    // The input boxes that hold magnitudes in this selection, besides the inputs marked as such.
    QStringList magnitudes;
    // How Ok's answer is worked out, step by step.
    std::vector<Step> working;

    friend bool operator==(const Layout&, const Layout&) = default;
};

struct Option {
    QString caption;
    Layout layout;
    Formula solve;   // what Ok computes while the option is selected
    Formula onClick; // runs after the option's own click behaviour
    QString tooltip;
    QString name; // the control's name; opt1, opt2, ... by its number where empty
};

// A group of option buttons in a frame. A solve-for group decides the layout and the formula; a
// group of settings only holds a choice that formulas read.
struct ChoiceGroup {
    enum class Role { SolveFor, Setting };
    QString frame = QStringLiteral("Frame1");
    // The group's name where it has no frame (formulas name the others by their frame).
    QString name;
    QString caption = QStringLiteral("Select one of the following");
    std::vector<Option> options;
    Role role = Role::SolveFor;
    // Options to a row, filled left to right; 0: in columns of up to four, top to bottom.
    int perRow = 0;
    // The option chosen when the window opens, from 1 within the group; 0: none.
    int chosenAtLoad = 1;
    // A click on an option empties every box (the new question starts afresh); false: the inputs
    // stay, and only the answer goes when the click changes what is solved for.
    bool clickEmptiesBoxes = true;
};

// A description across the top of the window.
struct Heading {
    QString label;
    QString text;
};

// A horizontal line across the window that sets groups of rows apart: below the row of the named
// box, or below the row of extra buttons that holds the named button.
struct Separator {
    QString name;  // "Line1"
    QString after; // "Text2", or "cmdTan"
};

// A button of the row besides the standard ones, with its own handler and error trap.
struct ExtraButton {
    QString name;
    QString caption;
    Formula onClick;
    Trap trap;
    // How its answer is worked out, step by step, as a layout's is for Ok.
    std::vector<Step> working;
};

// A standard button: its control's name and its caption.
struct Command {
    QString name;
    QString caption;
};

// The standard buttons of a calculator.
enum class Standard { Print, Close, Clear, Ok };

// The button row: the standard buttons in the order given, then the extra buttons.
struct ButtonRow {
    Command ok{QStringLiteral("cmdOk"), QStringLiteral("Ok")};
    Command close{QStringLiteral("cmdCancel"), QStringLiteral("Close")};
    // Left to right. A window whose buttons each compute at once leaves Ok out: the first change
    // of the first box then enables Print alone, and Enter presses the extra button pressed last
    // (before one has been, it moves the focus to the first extra button).
    std::vector<Standard> order = {Standard::Print, Standard::Close, Standard::Clear, Standard::Ok};
    std::vector<ExtraButton> more; // after the standard ones
    // The extra buttons in rows of this many above the standard row; 0: in the row, after Ok.
    int morePerRow = 0;

    bool hasOk() const { return std::find(order.begin(), order.end(), Standard::Ok) != order.end(); }
};

struct OnLoad {
    // What loading does besides, once the window shows its first selection.
    Formula then;
};

struct OnClear {
    bool focusesFirstBox = true;
    // Puts back the selected option's layout (prompts, shown boxes, units).
    bool restoresLayout = false;
    Formula then; // what Clear does besides
    // The box Clear puts the cursor in, where it is not the first input box (firstInputBox()).
    QString focus;
};

struct OnClose {
    QString show; // the window shown again once this one is closed
};

// A calculator's help: the "?" button with its topic explanation, and F1, which opens the help
// viewer at the calculator's topic. A calculator without help has neither.
struct Help {
    QString text; // the topic explanation of the "?" button
    QString title = QStringLiteral("Quellorin");
};

// The box across the foot of the window where a formula is written out with the student's
// numbers.
struct FormulaBox {
    FormulaBox() = default;
    FormulaBox(const char* box) : box(QString::fromLatin1(box)) {}
    FormulaBox(QString box, Profile filter = Profile::None) : box(std::move(box)), filter(filter) {}
    QString box;
    // With a key filter it takes typing through it, as an input box does (nothing reads what is
    // typed there); without one it is read-only.
    Profile filter = Profile::None;
};

struct Definition {
    QString className;
    QString caption;
    Heading heading;
    std::vector<NumberInput> inputs;
    std::vector<ResultRow> results;
    std::vector<Separator> lines;
    FormulaBox formula; // the worked-formula box, if the window has one
    std::vector<ChoiceGroup> choices;
    // Where the layout depends on more than the clicked option (two solve-for groups).
    std::function<Layout(const Sheet&)> layout;
    // Every layout that hook can give, and the captions the window's own buttons write into its
    // labels. The window sizes its labels for all of them, so that it keeps one width whatever is
    // chosen; a layout the hook gives that is not listed here is a programming error.
    std::vector<Layout> layouts;

    std::vector<Check> checks; // Ok's checks, in order
    Formula solve;             // the formula of a window without solve-for options
    // How the answer of a window without solve-for options is worked out, step by step.
    std::vector<Step> working;
    Trap trap;

    ButtonRow buttons;
    OnLoad load;
    OnClear clear;
    OnClose close;
    std::optional<Help> help = Help{};
};

// The first input box, whose first change enables Ok and Print and where Clear puts the cursor:
// the input named Text1 wherever it stands in the tab order, else the first input (where Text1 is
// the worked-formula box); empty for a calculator without inputs.
QString firstInputBox(const Definition& d);

// Text assembled from literal pieces, in order, with nothing between them.
inline QString concat(std::initializer_list<const char*> pieces) {
    QString text;
    for (const char* piece : pieces)
        text += QString::fromUtf8(piece);
    return text;
}

// Check builders.

// The first of these boxes that is shown and empty shows the message and ends Ok. (A hidden box
// is never demanded: the student cannot fill it.)
Check required(QStringList boxes, Message message);
// The message most calculators show for a box left empty: "You must enter valid data." under the
// program's title, with the icon the window gives it.
Message invalidData(Icon icon = Icon::None);
// The check most calculators make: every shown box filled, or that message.
Check validData(QStringList boxes, Icon icon = Icon::None);
// The box's number (read as single precision; text that is not a number reaches the error trap)
// must satisfy the rule, or the message is shown and Ok ends.
Check rule(QString box, std::function<bool(float)> holds, Message message);
Check atLeastZero(QString box, Message message);
Check aboveZero(QString box, Message message);
// Magnitudes (masses, lengths, areas, periods...): the first of these boxes that is shown and
// holds a negative number shows "You must enter a number greater than 0." and ends Ok. A box that
// is empty or not a number is left to what reads it. Ok makes this check after the window's own,
// on the magnitudes of the selection (CalculatorRuntime::magnitudes()).
Check notNegative(QStringList boxes);
// An empty box receives the default text and Ok ends there (the next Ok uses it).
Check fillIfEmpty(QString box, QString text);
// A check that applies only while option n of the first choice group is selected.
Check whenOption(int n, Check check);

// Formula builders: the result is the product (F = m a) or the quotient (m = F / a) of two boxes,
// read in single precision.
Formula product(QString a, QString b);
Formula quotient(QString a, QString b);

} // namespace calc
