#pragma once
// A calculator is described by data: its caption, input boxes with their prompts and key filter
// profiles, its solve-for options, result and worked-formula boxes, checks, messages and formulas.
// CalculatorWindow interprets a Definition; a calculator's own file only declares one.

#include "app/platform.h"
#include "calc/framework/keyfilters.h"
#include "calc/framework/numbers.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

namespace calc {

class CalculatorWindow;
using platform::Icon;

struct Message {
    QString text;
    QString title = QStringLiteral("Quellorin");
    Icon icon = Icon::None;
};

// How the error trap of Ok shows a failure: the failure's description under this title and icon.
struct Trap {
    QString title = QStringLiteral("Quellorin");
    Icon icon = Icon::None;
};

struct Input {
    QString box;   // "Text1"
    QString label; // its prompt label, "Label1"
    Profile profile = Profile::None;
    QString tooltip;
    QString prompt;      // the prompt's caption in a window without options
    bool beside = false; // stands to the right of the previous input, on the same row
};

// A result row beyond the first: a prefix label, a read-only box and a unit label after it.
struct ResultRow {
    QString label;
    QString box;
    QString unit;
    bool beside = false; // continues the previous result row instead of starting a new one
};

using Formula = std::function<void(CalculatorWindow&)>;

// One step of Ok before the formula: returns false to end Ok there (after saying why).
using Check = std::function<bool(CalculatorWindow&)>;

// What a window shows for a selection: the prompt captions, in the order of the definition's
// inputs (an input whose prompt is empty is hidden, unless `shown` says otherwise), and the
// result prefix.
struct Layout {
    QStringList prompts;
    QString resultPrefix;
    std::optional<QStringList> shown; // the visible input boxes, when not the prompted ones
    // Captions of the window's other labels (units, the prefixes of further result rows); every
    // such label not named here is emptied.
    QList<std::pair<QString, QString>> captions;
    QStringList hiddenResults; // result boxes of further rows that this selection hides
};

struct Option {
    QString caption;
    QStringList prompts; // the option's layout, as in Layout
    QString resultPrefix;
    Formula solve; // computed by Ok while the option is selected
    std::optional<QStringList> shown;
    Formula onClick; // runs after the option's own click behaviour
    QString tooltip;
    QList<std::pair<QString, QString>> captions; // as in Layout
    QStringList hiddenResults;
    Layout layout() const { return {prompts, resultPrefix, shown, captions, hiddenResults}; }
};

struct Definition {
    QString className;
    QString caption;
    // A description across the top of the window, above the options.
    QString headingLabel;
    QString heading;
    std::vector<Input> inputs;

    QString resultLabel;  // the result-prefix label, "Label3"
    QString resultPrefix; // its caption in a window without options
    QString resultBox;    // "Text3"
    QString resultTooltip;
    QString resultUnit;                 // a unit label after the result box
    std::vector<ResultRow> moreResults; // further results, below or beside the first
    QString formulaBox;                 // the worked-formula box, if the window has one
    QStringList unusedBoxes;            // boxes the window has but never shows or writes

    QString frameCaption = QStringLiteral("Select one of the following");
    std::vector<Option> options; // opt1, opt2, ... in Frame1
    // Options to a row, filled left to right; 0: in columns of up to four, top to bottom.
    int optionColumns = 0;
    bool selectFirstOption = true;
    // A second, independent group in Frame2; its options are numbered on from the first group's.
    QString frame2Caption;
    std::vector<Option> options2;
    // Where the layout depends on more than the clicked option (two groups), this gives it.
    std::function<Layout(const CalculatorWindow&)> layout;
    bool optionClickEmptiesBoxes = true;

    std::vector<Check> checks; // Ok's checks, in order
    Formula solve;             // the formula of a window without options
    Trap trap;

    Formula afterClear; // what Clear does besides emptying the boxes and focusing the first
    bool clearFocusesFirstBox = true;
    // Clear also puts back the selected option's layout (prompts, shown boxes, units).
    bool clearRestoresLayout = false;

    QString closeButton = QStringLiteral("cmdClose");
    bool closeButtonFirst = false; // the button row starts with Close instead of Print
    QString closeCaption = QStringLiteral("Close");
    QString showAfterClose; // the window shown again once this one is closed

    QString help; // the topic explanation
    QString helpTitle = QStringLiteral("Quellorin");
    bool helpButton = true; // the "?" button showing the explanation
    bool helpKey = true;    // F1 opens the help viewer

    // Ok and Print are enabled from the start instead of by the first change of firstBox.
    bool okEnabledAtLoad = false;

    // The box whose first change enables Ok and Print, and where Clear puts the cursor;
    // by default the first input.
    QString firstBox;
};

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
// The box's number (read as single precision; text that is not a number reaches the error trap)
// must satisfy the rule, or the message is shown and Ok ends.
Check rule(QString box, std::function<bool(float)> holds, Message message);
Check atLeastZero(QString box, Message message);
Check aboveZero(QString box, Message message);
// An empty box receives the default text and Ok ends there (the next Ok uses it).
Check fillIfEmpty(QString box, QString text);
// A check that applies only while option n (1-based) is selected.
Check whenOption(int n, Check check);

} // namespace calc
