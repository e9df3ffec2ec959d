#pragma once
// What the program asks of the desktop it runs on: message boxes, printing a window's image,
// starting another program, and the program's own folder. Each facility is a small interface with
// the real implementation behind it by default; tests and the scenario runner put recording ones in
// its place, so that nothing blocks or reaches a real printer.

#include "core/messages.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

using msg::Icon;

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // A modal box with an OK button; returns once it has been closed.
    virtual void show(QWidget* owner, const QString& title, const QString& text, Icon icon) = 0;
    // The same, with a second line that says what the message is about (the prompt of a box);
    // none when it is empty. Stand-ins that record messages record the message alone.
    virtual void showAbout(QWidget* owner, const QString& title, const QString& text, Icon icon,
                           const QString& about) {
        Q_UNUSED(about);
        show(owner, title, text, icon);
    }
    // The same title, text and icon as a notice at the box that leaves the keyboard where it is:
    // it goes at the next key the box takes, when the focus moves, or after a few seconds.
    // Stand-ins that record messages record it as a message.
    virtual void notice(QWidget* box, const QString& title, const QString& text, Icon icon);
};

class Printer {
  public:
    virtual ~Printer() = default;
    // Sends the window's image, as shown on screen, to the default printer without a dialog.
    // Returns false with a description when it could not be printed.
    virtual bool printWindow(QWidget* window, QString* error) = 0;
};

class Launcher {
  public:
    virtual ~Launcher() = default;
    // The full path of an installed program (a name looked up on the PATH, or a path that exists
    // and can be run), or an empty string.
    virtual QString locate(const QString& program) = 0;
    // Starts the program without waiting for it; false when it could not be started.
    virtual bool start(const QString& path, const QStringList& arguments = {}) = 0;
};

class ProgramFolder {
  public:
    virtual ~ProgramFolder() = default;
    // The folder of the program, where its database and help files live; no trailing separator.
    // It is the folder of the program file itself, links followed, wherever it was started from.
    virtual QString path() = 0;
};

MessageBoxes& messages();
Printer& printer();
Launcher& launcher();
ProgramFolder& programFolder();

// Replace a facility (nullptr puts the real one back). The caller keeps ownership.
void setMessages(MessageBoxes* m);
void setPrinter(Printer* p);
void setLauncher(Launcher* l);
void setProgramFolder(ProgramFolder* f);

// Prints the window's image; when that fails, says why in a box titled "Quellorin".
void printWindow(QWidget* window);

// Shortcut for the commonest call.
void message(const QString& title, const QString& text, Icon icon = Icon::None, QWidget* owner = nullptr);

// The real implementations, for tests that exercise them directly.
class DesktopPrinter : public Printer {
  public:
    // Asks first whether the print service answers at all, waiting at most this long; a service
    // that does not answer is named as such, apart from having no printer.
    static constexpr int serviceTimeoutMs = 3000;
    // The print service's client library, which the first print loads (a start of the program
    // does not); tests name one that is not there.
    explicit DesktopPrinter(const char* clientLibrary = "libcups.so.2");
    bool printWindow(QWidget* window, QString* error) override;

  private:
    const char* m_clientLibrary;
};

} // namespace platform
