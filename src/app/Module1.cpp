#include "Module1.h"

#include "app/frmmain.h"
#include "app/platform.h"
#include "app/splash.h"
#include "app/topics.h"
#include "app/windows.h"
#include "calc/framework/calculators.h"
#include "reference/frmHelp.h"
#include "reference/frmPeriodic.h"
#include "reference/lists.h"

#include <QCoreApplication>
#include <QDir>

reference::Workspace ReferenceWorkspace;
reference::Database ReferenceDatabase;
QString ReferenceQuery;
reference::Recordset ReferenceRecordset;
QString SelectedElementSymbol;

namespace {
bool programEnded = false;
int programStatus = 0;
} // namespace

void registerWindows() {
    windows::registerClass(QStringLiteral("frmmain"), [] { return new frmmain; });
    registerSplashAndAbout();
    registerTopicWindows();
    calc::registerCalculators();
    reference::registerListWindows();
    registerPeriodicWindows();
    registerHelpWindow();
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
    ReferenceQuery.clear();
    ReferenceRecordset = {};
    SelectedElementSymbol.clear();
    ReferenceWorkspace = {};
    programEnded = false;
    programStatus = 0;
}

} // namespace program
