#pragma once
// For tests that open every registered window in turn: the program's windows registered, the
// reference database open, and an element chosen for the windows that show one.

#include "app/Module1.h"
#include "recorders.h"
#include "uitest.h"

inline bool prepareEveryWindow() {
    registerWindows();
    SelectedElementSymbol = QStringLiteral("He");
    return OpenReferenceDatabase();
}

// Unloads what a test left open. A message box it showed is the failure: its text is returned.
inline QString unloadEveryWindow(RecordingPlatform& rec) {
    windows::unloadAll();
    settle();
    if (rec.messages.messages.isEmpty())
        return {};
    return QStringLiteral("a message box: \"%1\"").arg(rec.messages.messages.first().text);
}
