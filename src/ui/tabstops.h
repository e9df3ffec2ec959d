#pragma once
// One Tab stop per group of options: Tab and Shift+Tab land on the group's selected option (on its
// first option that can take the focus, while none selected can), and the arrow keys move the
// selection within the group (Form::moveInGroup). A screen reader then hears the option that is
// selected as the group is entered.

class QWidget;

namespace tabstops {

// Keeps one Tab stop in every group of options of the window, now and as the selection, or an
// option's being enabled or shown, changes. Options of one group are those of a button group, or
// the auto-exclusive options of one parent.
void onePerGroup(QWidget* window);

} // namespace tabstops
