#include "Module1.h"

#include "app/frmmain.h"
#include "app/platform.h"
#include "app/topics.h"
#include "app/windows.h"
#include "calc/framework/calculators.h"

#include <QCoreApplication>
#include <QDir>

reference::Workspace ReferenceWorkspace;
reference::Database ReferenceDatabase;

namespace {
bool programEnded = false;
int programStatus = 0;
} // namespace

void registerWindows() {
    windows::registerClass(QStringLiteral("frmmain"), [] { return new frmmain; });
    registerTopicWindows();
    calc::registerCalculators();
}

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
    ReferenceDatabase = {};
    ReferenceWorkspace = {};
    programEnded = false;
    programStatus = 0;
}

} // namespace program
