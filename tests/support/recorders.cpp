#include "recorders.h"

#include <QFileInfo>
#include <QWidget>

void RecordingMessages::show(QWidget*, const QString& title, const QString& text, platform::Icon icon) {
    messages.append({title, text, icon});
}

RecordedMessage RecordingMessages::take() {
    if (messages.isEmpty())
        return {{}, {}, platform::Icon::None};
    return messages.takeFirst();
}

bool RecordingPrinter::printWindow(QWidget* window, QString*) {
    printed[window->objectName()] += 1;
    return true;
}

QString RecordingLauncher::locate(const QString& program) {
    if (nothingInstalled)
        return {};
    if (installed.isEmpty() || installed.contains(program))
        return program;
    return {};
}

bool RecordingLauncher::start(const QString& path, const QStringList&) {
    started.append(path);
    return true;
}

RecordingPlatform::RecordingPlatform() {
#ifdef QUELLORIN_PROGRAM_DIR
    folder.folder = QStringLiteral(QUELLORIN_PROGRAM_DIR);
#endif
    platform::setMessages(&messages);
    platform::setPrinter(&printer);
    platform::setLauncher(&launcher);
    platform::setProgramFolder(&folder);
}

RecordingPlatform::~RecordingPlatform() {
    platform::setMessages(nullptr);
    platform::setPrinter(nullptr);
    platform::setLauncher(nullptr);
    platform::setProgramFolder(nullptr);
}
