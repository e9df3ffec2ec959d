#pragma once
// Colours a window fixes for itself. Everywhere else the windows follow the desktop's palette,
// light, dark or high contrast; where a window fixes a background, it fixes with it a text colour
// that reads on it, whatever the desktop's text colour is.

#include <QColor>

class QWidget;

namespace colours {

// The contrast ratio of two colours, from 1 (none) to 21 (black on white), from their relative
// luminance as accessibility guidelines measure it.
double contrast(const QColor& a, const QColor& b);

// Black or white, whichever reads better on the background.
QColor readableOn(const QColor& background);

// The colour for an edge drawn on the background (a text box's frame, an option circle, a button's
// outline): the background shaded toward the ink only as far as needed for the edge to stand out
// `ratio` to 1 from the background (3:1 is the least a control's edge may have, and a little more
// leaves room for smoothing); the ink itself where no shade between them does, and black or white
// where not even the ink stands out 3:1.
QColor edgeOn(const QColor& background, const QColor& ink, double ratio = 3.5);

// Gives the control a background of its own and the text colour that reads on it: a command button its
// face and caption, anything else (a window, a label, a frame) its surface and text.
void fixBackground(QWidget* w, const QColor& background);

} // namespace colours
