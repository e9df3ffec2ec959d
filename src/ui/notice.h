#pragma once
// A notice at a box: a message that does not take the keyboard. It stands just below the box (or
// above it, where the window ends), in the colours of a tooltip, with the message's title, icon
// and text, and goes at the next key the box takes, when the focus moves, or after a few seconds.
// Screen readers hear it as the desktop's alert that does not take the focus (a notification).

#include "core/messages.h"

#include <QString>

class QWidget;

namespace notice {

// How long a notice stays up when nothing takes it down.
constexpr int showMs = 5000;

// Shows the notice at the box, in place of any notice shown before.
void show(QWidget* box, const QString& title, const QString& text, msg::Icon icon);
// Takes the notice down, where one is up.
void dismiss();

} // namespace notice
