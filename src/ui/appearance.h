#pragma once
// The look the program's windows share.

#include <QFont>
#include <QPushButton>
#include <QString>

#include <Qt>
#include <functional>

class QWidget;

namespace appearance {

// Times New Roman 9.75 pt (a metric-compatible serif where that face is not installed).
QFont formFont(double pointSize = 9.75);
// Courier, fixed pitch, for lists whose fields line up in columns.
QFont fixedFont(double pointSize = 9.75);
// Makes the program's style the application's: the desktop's own style, with the edge of every text
// box, framed list, option circle, check box and button drawn over in a colour that stands out at
// least 3:1 from the background behind the control (colours::edgeOn), under any palette. Call once,
// right after the application object is made and before any window is.
void useProgramStyle();
// A length given in twips (1/1440 inch) in pixels at the program's 96 dots per inch.
constexpr int twips(int t) {
    return (t + 7) / 15;
}
// A fixed window with a title but no system menu, close or maximise button.
Qt::WindowFlags toolWindowFlags();
// A fixed window with a title, a minimise and a close button, no maximise button.
Qt::WindowFlags mainWindowFlags();
// The program's push button. The style keeps the face of each button it draws in the application's
// pixmap cache, under the identity of the palette it is drawn with. A window with colours of its
// own (the main window's teal, the periodic table's grey and element colours) hands each of its
// controls a palette copy made anew at every opening, so a plain button there would leave a face
// and its key in the cache at every opening, never to be asked for again. This one is drawn with
// an equal palette that lasts for the whole run, so its face is found again at the next opening.
class PushButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A command button of the usual width that runs onClick; it is never pressed by Enter on its own
// (the window's default button is).
QPushButton* commandButton(QWidget* parent, const QString& name, const QString& caption,
                           std::function<void()> onClick);
// The calculators' help button: "?" in bold 18 pt beside a small picture, "Press for help",
// known to a screen reader as "Help".
void styleHelpButton(QPushButton* button);

} // namespace appearance
