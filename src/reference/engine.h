#pragma once
// The reference database engine: the few operations the program needs of the file
// "QuellorinData.mdb" (a SQLite database, opened read-only). Every failure throws EngineError
// with a description a user can read.

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <stdexcept>

struct sqlite3;

namespace reference {

class EngineError : public std::runtime_error {
  public:
    explicit EngineError(const QString& description);
    QString description() const { return QString::fromUtf8(what()); }
};

// NOLINTNEXTLINE(readability-identifier-naming): the database engine's own name and number for it
enum RecordsetType { dbOpenDynaset = 2 };

// The rows of one SELECT, read once when it is opened, positioned on the first row.
class Recordset {
  public:
    Recordset() = default;
    // True once the last row has been passed; true at once for an empty result or a closed set.
    bool atEnd() const;
    void moveFirst();
    // Past the end: EngineError("No current record.").
    void moveNext();
    // The current row's value of the named column (case-insensitive, as the engine names it):
    // a QString for text, a qlonglong or double for numbers, a null QVariant for Null (distinct
    // from empty text). An unknown column: EngineError("Item not found in this collection.");
    // no current row: EngineError("No current record.").
    QVariant field(const QString& column) const;
    QStringList columns() const { return m_columns; }
    void close();

  private:
    friend class Database;
    QStringList m_columns;
    QList<QList<QVariant>> m_rows;
    qsizetype m_row = 0;
};

class Database {
  public:
    Database() = default;
    bool isOpen() const { return bool(m_db); }
    QString path() const { return m_path; }
    // Runs a SELECT. A missing table, a syntax error or a closed database: EngineError.
    Recordset openRecordset(const QString& sql, RecordsetType type = dbOpenDynaset) const;
    // The same with the values of the statement's "?" parameters, in order, bound as text.
    Recordset openRecordset(const QString& sql, const QStringList& parameters,
                            RecordsetType type = dbOpenDynaset) const;

  private:
    friend class Workspace;
    std::shared_ptr<sqlite3> m_db;
    QString m_path;
};

class Workspace {
  public:
    // Opens an existing database file read-only and immutable: nothing is ever written or created
    // beside it, whatever its journal mode, and any readable file opens, also in a read-only
    // folder. A missing file, a file that is not a database or cannot be read: EngineError naming
    // the file.
    Database openDatabase(const QString& path) const;
};

// Workspace number 0 of the engine.
Workspace defaultWorkspace();

} // namespace reference
