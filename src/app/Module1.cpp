#include "app/Module1.h"

#include "ui/platform.h"
#include "ui/windows.h"

#include <QCoreApplication>
#include <QDir>

namespace {
bool programEnded = false;
int programStatus = 0;
} // namespace

void Main() {
    registerWindows();
    windows::show(QStringLiteral("frmmain"));
    windows::show(QStringLiteral("frmSplash"));
    OpenReferenceDatabase();
}

bool OpenReferenceDatabase() {
    try {
        ReferenceWorkspace = reference::defaultWorkspace();
        const QString path = platform::programFolder().path() + QDir::separator() + ReferenceDatabaseFile;
        ReferenceDatabase = ReferenceWorkspace.openDatabase(QDir::toNativeSeparators(path));
        return true;
    } catch (const reference::EngineError& e) {
        platform::message(QStringLiteral("Quellorin"), e.description(), platform::Icon::Information);
        program::end(1);
        return false;
    }
}

namespace program {

void end(int status) {
    windows::unloadAll();
    programEnded = true;
    programStatus = status;
    QCoreApplication::exit(status);
}

bool ended() {
    return programEnded;
}
int exitStatus() {
    return programStatus;
}

void reset() {
    windows::unloadAll();
    reference::resetSession();
    programEnded = false;
    programStatus = 0;
}

} // namespace program
