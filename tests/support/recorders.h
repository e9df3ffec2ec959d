#pragma once
// Recording stand-ins for the desktop facilities: message boxes are written down and answered with
// OK at once, prints and program starts are counted, and the program's folder is whatever the
// caller says. Used by the tests and by the scenario runner.

#include "icons.h"
#include "ui/platform.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

struct RecordedMessage {
    QString title;
    QString text;
    platform::Icon icon;
};

class RecordingMessages : public platform::MessageBoxes {
  public:
    void show(QWidget* owner, const QString& title, const QString& text, platform::Icon icon) override;
    QList<RecordedMessage> messages;
    // Takes the oldest message off the record; an empty title when there is none.
    RecordedMessage take();
};

class RecordingPrinter : public platform::Printer {
  public:
    bool printWindow(QWidget* window, QString* error) override;
    // Prints by window class name (the window's objectName) since the last reset.
    QHash<QString, int> printed;
};

class RecordingLauncher : public platform::Launcher {
  public:
    QString locate(const QString& program) override;
    bool start(const QString& path, const QStringList& arguments) override;
    // Programs that locate() reports as installed; when empty, every program is.
    QStringList installed;
    bool nothingInstalled = false;
    QStringList started;
};

class FixedFolder : public platform::ProgramFolder {
  public:
    explicit FixedFolder(QString path = {}) : folder(std::move(path)) {}
    QString path() override { return folder; }
    QString folder;
};

// Puts all four recorders in place for its lifetime (the program's folder defaults to the build
// folder, where the database is generated).
class RecordingPlatform {
  public:
    RecordingPlatform();
    ~RecordingPlatform();
    RecordingPlatform(const RecordingPlatform&) = delete;
    RecordingPlatform& operator=(const RecordingPlatform&) = delete;
    RecordingMessages messages;
    RecordingPrinter printer;
    RecordingLauncher launcher;
    FixedFolder folder;
};
