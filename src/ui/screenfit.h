#pragma once
// Windows that fit the screen. A window is laid out at the size its contents need; on a small
// screen, or under a large scaling of the desktop, that can be more than the screen has room for.
// Such a window is still usable whole: it opens at the top left of the screen's free area, no
// larger than that area, its title bar on screen, and its contents scroll inside it (to wherever
// the keyboard's focus goes, as well). It can be resized up to its full size.

class QPixmap;
class QWidget;

namespace screenfit {

// Called once the window is built, before it is first shown: a window that fits the screen's free
// area is left as it is; one that does not is made to scroll and placed as above.
void fit(QWidget* window);

// Whether the window scrolls its contents because the screen is too small for them.
bool scrolls(const QWidget* window);

// The window as a picture, whole: a scrolling window's contents at their full size, the parts
// scrolled out of view with the rest (what Print prints).
QPixmap picture(QWidget* window);

} // namespace screenfit
