#pragma once
// Small SQLite databases built by the tests themselves.

#include <QString>

// Writes a new database at path from an SQL script; false (with a warning) on failure.
bool makeDatabase(const QString& path, const char* script);
