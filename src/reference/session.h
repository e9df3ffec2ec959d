#pragma once
// The program's session with the reference database: the engine's default workspace and the open
// database, set once at start-up and kept for the whole run, and what the reference windows share
// while they read it.

#include "reference/engine.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The database engine's default workspace and the open reference database, set once at start-up.
extern reference::Workspace ReferenceWorkspace;
extern reference::Database ReferenceDatabase;
// The text of the reference query being run and its rows; each reference window overwrites them.
extern QString ReferenceQuery;
extern reference::Recordset ReferenceRecordset;
// The symbol of the element last clicked in the periodic table.
extern QString SelectedElementSymbol;

inline const char* const ReferenceDatabaseFile = "QuellorinData.mdb";

namespace reference {
// Back to the state before the database was opened: nothing open, nothing selected.
void resetSession();

// Runs the query (with its values bound to its "?" marks) into ReferenceQuery and
// ReferenceRecordset and lets read walk the rows. However read ends, the rows are closed; a
// failure of the engine or of read shows its description in a box with this title and the
// information icon, and what read had done before it stays.
void readRows(const QString& query, const QStringList& values, const std::function<void()>& read,
              const QString& failureTitle, QWidget* owner);
} // namespace reference
