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
    QString prompt; // the prompt's caption in a window without options
};

using Formula = std::function<void(CalculatorWindow&)>;

// One step of Ok before the formula: returns false to end Ok there (after saying why).
using Check = std::function<bool(CalculatorWindow&)>;

struct Option {
    QString caption;
    // The prompt captions, in the order of the definition's inputs; an input whose prompt is
    // empty is hidden while this option is selected, unless `shown` says otherwise.
    QStringList prompts;
    QString resultPrefix;
    Formula solve;
    std::optional<QStringList> shown; // the visible input boxes, when not the prompted ones
};

struct Definition {
    QString className;
    QString caption;
    std::vector<Input> inputs;

    QString resultLabel;  // the result-prefix label, "Label3"
    QString resultPrefix; // its caption in a window without options
    QString resultBox;    // "Text3"
    QString formulaBox;   // the worked-formula box, if the window has one
    QStringList unusedBoxes; // boxes the window has but never shows or writes

    QString frameCaption = QStringLiteral("Select one of the following");
    std::vector<Option> options;
    bool selectFirstOption = true;

    std::vector<Check> checks; // Ok's checks, in order
    Formula solve;             // the formula of a window without options
    Trap trap;

    QString closeButton = QStringLiteral("cmdClose");
    QString closeCaption = QStringLiteral("Close");
    QString showAfterClose; // the window shown again once this one is closed

    QString help; // the topic explanation
    QString helpTitle = QStringLiteral("Quellorin");

    // The box whose first change enables Ok and Print, and where Clear puts the cursor;
    // by default the first input.
    QString firstBox;
};

// Check builders.

// The first of these boxes that is empty shows the message and ends Ok.
Check required(QStringList boxes, Message message);
// An empty box receives the default text and Ok ends there (the next Ok uses it).
Check fillIfEmpty(QString box, QString text);
// A check that applies only while option n (1-based) is selected.
Check whenOption(int n, Check check);

} // namespace calc
