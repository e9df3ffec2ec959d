#pragma once
// The base of every window of the program. A Form is known by its class name (its objectName, for
// example "frmWork"), lives from its load to its unload, and sees every keystroke before its
// controls do (key preview): Form_KeyDown gets the key code, Form_KeyPress the character, then the
// focused control's own filter (Control_KeyPress). Enter presses the focused button or else the
// default button, and on an item of a list or tree opens it as a double click does; Esc presses
// the cancel button. A box bound to a key filter profile refuses the characters its profile does
// not accept, with the profile's message in a notice at the box that leaves it the keyboard; keys
// that edit rather than type (keys::passesUnfiltered) are never refused. The focused button shows a
// ring, so that the keyboard's place can be seen.

#include "core/keyfilters.h"
#include "core/numbers.h"
#include "ui/platform.h"

#include <QChar>
#include <QHash>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QAbstractButton;
class QHBoxLayout;
class QPushButton;
class QKeyEvent;

class Form : public QWidget {
    Q_OBJECT
  public:
    // How a window is set up: its caption, its frame, and whether F1 opens the help viewer. Every
    // window shows the program's form font.
    struct Setup {
        QString caption;
        Qt::WindowFlags flags = Qt::Window;
        bool helpOnF1 = false;
    };
    explicit Form(const QString& className);
    Form(const QString& className, const Setup& setup);
    QString className() const { return objectName(); }

    // Runs once, right after the window has been created and before it is first shown.
    virtual void Form_Load() {}

    // Unloads this window (see windows::unload).
    void Unload();
    // Unloads this window, then shows the window named (none when the name is empty): the way
    // back to where the student came from.
    void UnloadAndShow(QString next);

    // F1 shows the help viewer (off unless a window asks for it; see windows::setHelpHandler).
    void setHelpOnF1(bool on) { m_helpOnF1 = on; }
    // Key preview: the window's own key handlers (F1 included) see every keystroke first. On by
    // default; without it only Enter and Esc still reach the default and cancel buttons.
    void setKeyPreview(bool on) { m_keyPreview = on; }
    bool keyPreview() const { return m_keyPreview; }

    void setDefaultButton(QPushButton* b) { m_default = b; }
    void setCancelButton(QPushButton* b) { m_cancel = b; }
    QPushButton* defaultButton() const { return m_default; }
    QPushButton* cancelButton() const { return m_cancel; }

    // Places the window in the middle of the screen.
    void centerOnScreen();

    // Widens the window, where need be, until the window manager can show its whole caption.
    void fitCaption();
    // The width a title bar needs for the caption beside the window manager's buttons.
    static int captionWidth(const QString& caption);

    // Installs the key preview on the window and every control it holds now.
    void installKeyPreview();

    // The box's keystrokes pass its profile's filter (while the profile says so) or are refused
    // with the profile's message and title.
    void bindKeyFilter(QWidget* box, keys::Profile profile);

    // Runs a handler under the error trap (msg::underErrorTrap): a failure is shown in a message box
    // with the title and icon given, as the fixed text where one is given, else as its description
    // naming the box by its prompt. A failure about one box then puts the cursor in that box.
    void underErrorTrap(const std::function<void()>& handler,
                        const QString& title = QStringLiteral("Quellorin"),
                        platform::Icon icon = platform::Icon::None, const QString& text = QString());

    // Gives the box the keyboard focus with its text selected, so that what the student types next
    // replaces it: where the cursor goes after a message about the box.
    static void selectBox(QWidget* box);
    // The caption of the label that prompts for the box (its buddy), or an empty one.
    QString promptOf(const QWidget* box) const;
    // Shows the message about the box, with a second line that names the box by its prompt (where
    // the message does not already), then puts the cursor in it (selectBox).
    void sayAbout(QWidget* box, const QString& title, const QString& text,
                  platform::Icon icon = platform::Icon::None);

    // A command button of the window's button row.
    struct Button {
        QString name;
        QString caption;
        std::function<void()> onClick;
    };
    // The buttons side by side, left to right, in a row the caller places.
    QHBoxLayout* buttonRow(const std::vector<Button>& buttons);

    // The character a key press sends, as the program's key handlers see it: printable
    // characters, backspace (8), Enter (13), Esc (27) and the Ctrl+letter codes (1..26); a null
    // character for keys that send none (arrows, Delete, Tab, function keys).
    static QChar keyChar(const QKeyEvent* e);

  protected:
    // Return true to discard the key. By default: F1 shows the help viewer when the window asks;
    // a control bound to a key filter refuses what its profile does not accept.
    virtual bool Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    virtual bool Form_KeyPress(QChar ch);
    virtual bool Control_KeyPress(QWidget* control, QChar ch);
    // Closing by the title bar: return false to keep the window. By default the window unloads.
    virtual bool Form_QueryUnload() { return true; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    // An arrow key on an option of a group selects the next option of the group (Down, Right) or
    // the one before (Up, Left), round at the ends, as on every desktop: the focus moves to it and
    // it is clicked. Options that are disabled or hidden are passed over.
    bool moveInGroup(QAbstractButton* option, int key);
    void closeEvent(QCloseEvent* event) override;

  private:
    QPushButton* m_default = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_helpOnF1 = false;
    bool m_keyPreview = true;
    QHash<const QWidget*, keys::Profile> m_keyFilters;
};
