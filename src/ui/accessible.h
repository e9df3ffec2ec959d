#pragma once
// Names for screen readers and other assistive technology. A box is announced by the label that
// prompts for it: Qt names a control after the label whose buddy it is, and the name follows the
// label's text whenever that changes. Controls without such a label are given a name of their own.
// The program's windows are presented as frames named by their titles, output boxes as read-only
// text (Qt reports each text written into a box, so a result is heard as it is written), and
// pictures that only decorate are left out. Notices and answers are said as notifications, which
// screen readers speak without the focus moving to them.

class QLabel;
class QString;
class QWidget;

namespace accessible {

// The label prompts for the box: the box's accessible name is the label's text. Both must have
// the same parent (Qt looks for the label among the box's siblings); anything else is a
// programming error. A "&" in the label's text marks the access key that moves to the box.
void labelFor(QLabel* label, QWidget* box);

// The text as one line, as a name is read aloud: each run of line breaks, with the spaces around
// it, becomes one space, and the ends are trimmed.
QString plainText(const QString& text);

// The label is announced by its text as one line, while the screen keeps its line breaks. Called
// again after each change of the label's text.
void plainName(QLabel* label);

// A picture that only decorates its window: assistive technology does not see it. The picture
// must be a child of the window itself.
void decorative(QWidget* picture);

// The widget is presented as a notification: the desktop's alert that does not take the keyboard,
// which screen readers speak when it shows, by its name (the title) and then the description (the
// text). Set before the widget is first shown.
void notification(QWidget* widget, const QString& title, const QString& text);

// Says the text to screen readers without moving the focus or changing what the window shows: the
// window holds an invisible notification that is shown anew with the text each time.
void announce(QWidget* window, const QString& text);

// From the first call on, every window of the program is presented as a frame named by its title,
// without its decorative pictures, and every box that is read-only when it is first presented (a
// result, a worked formula) as text that can be read but not edited. Later calls do nothing.
void presentWindows();

} // namespace accessible
