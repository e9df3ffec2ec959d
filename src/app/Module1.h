#pragma once
// The program's entry procedure, its start and end. The reference database it opens lives in the
// reference session's globals.

#include "reference/session.h"

#include <QString>

// Registers every window class of the program with the window registry (idempotent).
void registerWindows();

// The entry procedure: shows the main window, then the splash window, then opens the reference
// database. On a failed open the program has ended when it returns.
void Main();

// Opens "QuellorinData.mdb" in the program's folder into the globals. On failure it shows the
// failure's description in a box titled "Quellorin" and ends the program; returns false then.
bool OpenReferenceDatabase();

namespace program {
// Unloads every loaded window and asks the event loop to quit with this exit status.
void end(int status = 0);
bool ended();
int exitStatus();
// Back to the state before Main ran (for the scenario runner and the tests).
void reset();
} // namespace program
