#pragma once
// What the program says to the student in a message box, and the error trap every window runs
// its handlers under: a calculation that fails (num::CalcError) ends the handler there and is
// said in the student's words, naming the box at fault by its prompt.

#include "core/numbers.h"

#include <QString>

#include <functional>
#include <optional>

namespace msg {

enum class Icon { None, Information, Exclamation, Critical };

struct Message {
    QString text;
    QString title = QStringLiteral("Quellorin");
    Icon icon = Icon::None;
};

// How an error trap shows a failure: the failure's description under this title and icon.
struct Trap {
    QString title = QStringLiteral("Quellorin");
    Icon icon = Icon::None;
    // A fixed message shown instead of the failure's description, where the window has one.
    QString text;
};

// Runs the handler; a calculation that fails in it ends the handler there, and the failure is
// returned. Nothing is returned when the handler ran to its end.
std::optional<num::CalcError> errorTrap(const std::function<void()>& handler);

// A failure the trap caught, as it is said: the message, and the box it is about (empty where the
// formula itself failed). The window says the message, then puts the cursor in that box.
struct Caught {
    Message message;
    QString box;
};
// The error trap of every window: runs the handler under errorTrap and words what it caught by
// the trap's title, icon and text, naming a box by the prompt promptOf gives it.
std::optional<Caught> underErrorTrap(const std::function<void()>& handler, const Trap& trap,
                                     const std::function<QString(const QString& box)>& promptOf);

} // namespace msg
