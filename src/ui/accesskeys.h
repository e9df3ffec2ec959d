#pragma once
// Access keys: Alt and a character of a control's caption, underlined on the control, presses the
// button or selects the option. Every command button and option of a window gets one when the
// window is loaded, each different from every other access key of the window. A caption keeps its
// wording: the mark that underlines the key is the program's, and the caption reads (to the
// program's own checks, and to screen readers, which announce the key apart) without it.

#include <QChar>
#include <QString>

class QAbstractButton;
class QWidget;

namespace accesskeys {

// The key a text marks with "&": the character after the first single "&", in upper case; a null
// character for a text without a mark ("&&" is an ampersand, not a mark).
QChar keyOf(const QString& text);

// Gives every command button, option and check box of the window that has no access key one,
// marked in its caption: a character of the caption, a letter where it has one, the first letter
// first, then the first letters of its words, then the others. The keys are different from one
// another and from the keys the window's captions already mark, its menus' and those of the labels
// that move the focus to a box; a button whose letters are all taken by a menu shares a menu's key
// rather than have none (Alt then moves between the two), and where a window's buttons outnumber
// the letters of their captions, one shares another button's key the same way. Buttons left out
// (leaveOut) get none.
void assign(QWidget* window);

// The caption as the program wrote it: the button's text without the mark assign() added.
QString caption(const QAbstractButton* button);

// Changes the button's caption and keeps it an access key: the same key where the new caption holds
// it, else another that the window does not use yet.
void setCaption(QAbstractButton* button, const QString& caption);

// The button takes no access key: one of a table of many alike, whose captions are data (the
// periodic table's element symbols). Call before the window is loaded.
void leaveOut(QAbstractButton* button);
bool isLeftOut(const QAbstractButton* button);

// Whether the control is one that takes an access key: a command button, an option or a check box
// of the program (not a button of Qt's own making, such as a menu bar's overflow arrow).
bool takesKey(const QWidget* control);

} // namespace accesskeys
