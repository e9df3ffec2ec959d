#include "reference/engine.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace reference {

namespace {

const QString kNoCurrentRecord = QStringLiteral("No current record.");

QString sqliteMessage(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

QString damagedFile(const QString& path) {
    return QStringLiteral("'%1' is not a database or is damaged.").arg(path);
}

// Turns the engine's own wording into the program's where a user would meet it; any other
// message is passed on as the engine gave it.
QString describeQueryError(sqlite3* db, const QString& path) {
    const int code = sqlite3_errcode(db) & 0xff;
    if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB)
        return damagedFile(path);
    const QString message = sqliteMessage(db);
    const QString noTable = QStringLiteral("no such table: ");
    if (message.startsWith(noTable))
        return QStringLiteral("The database engine cannot find the table '%1'.")
            .arg(message.mid(noTable.size()));
    return message;
}

// Frees a prepared statement however the function using it is left.
struct Statement {
    sqlite3_stmt* handle = nullptr;
    Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(handle); }
};

QVariant columnValue(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, column));
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        const int bytes = sqlite3_column_bytes(stmt, column);
        // Empty text stays an empty, non-null string: only SQL Null reads as a null value.
        if (!text || bytes == 0)
            return QVariant(QString(QLatin1StringView("")));
        return QVariant(QString::fromUtf8(text, bytes));
    }
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, column));
        const int bytes = sqlite3_column_bytes(stmt, column);
        if (!data || bytes == 0)
            return QVariant(QByteArray(""));
        return QVariant(QByteArray(data, bytes));
    }
    case SQLITE_NULL:
    default:
        return QVariant();
    }
}

// The file as an SQLite URI that opens it read-only and immutable: SQLite then takes no locks and
// never creates a journal, a write-ahead log or its shared-memory index beside the file, so a file
// in write-ahead-log mode opens in a read-only folder too and nothing is ever written.
QByteArray immutableUri(const QString& path) {
    const QByteArray name = QFile::encodeName(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    QByteArray uri = "file:";
    for (const char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '.' || c == '-' || c == '_' || c == '~';
        if (plain)
            uri += c;
        else
            uri += '%' + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
    }
    return uri + "?mode=ro&immutable=1";
}

} // namespace

EngineError::EngineError(const QString& description)
    : std::runtime_error(description.toUtf8().toStdString()) {}

// ---------------------------------------------------------------------------------------------
// Recordset

bool Recordset::atEnd() const {
    return m_row >= m_rows.size();
}

void Recordset::moveFirst() {
    m_row = 0;
}

void Recordset::moveNext() {
    if (atEnd())
        throw EngineError(kNoCurrentRecord);
    ++m_row;
}

QVariant Recordset::field(const QString& column) const {
    qsizetype index = m_columns.indexOf(column);
    if (index < 0) {
        for (qsizetype i = 0; i < m_columns.size(); ++i) {
            if (m_columns.at(i).compare(column, Qt::CaseInsensitive) == 0) {
                index = i;
                break;
            }
        }
    }
    if (index < 0)
        throw EngineError(QStringLiteral("Item not found in this collection."));
    if (atEnd())
        throw EngineError(kNoCurrentRecord);
    return m_rows.at(m_row).value(index);
}

void Recordset::close() {
    m_rows.clear();
    m_row = 0;
}

// ---------------------------------------------------------------------------------------------
// Database

Recordset Database::openRecordset(const QString& sql, RecordsetType type) const {
    return openRecordset(sql, {}, type);
}

Recordset Database::openRecordset(const QString& sql, const QStringList& parameters,
                                  RecordsetType type) const {
    if (!m_db)
        throw EngineError(QStringLiteral("The database is not open."));
    if (type != dbOpenDynaset)
        throw EngineError(QStringLiteral("The recordset type %1 is not supported.").arg(int(type)));

    sqlite3* db = m_db.get();
    const QByteArray text = sql.toUtf8();
    const char* tail = nullptr;
    Statement stmt;
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &stmt.handle, &tail) != SQLITE_OK)
        throw EngineError(describeQueryError(db, m_path));
    if (!stmt.handle)
        throw EngineError(QStringLiteral("The SQL statement is empty."));

    // One statement only: whatever follows it may be blank or a comment, nothing else.
    const char* end = text.constData() + text.size();
    if (tail && tail < end) {
        Statement rest;
        const int restCode = sqlite3_prepare_v2(db, tail, int(end - tail), &rest.handle, nullptr);
        if (restCode != SQLITE_OK || rest.handle)
            throw EngineError(QStringLiteral("The SQL text holds more than one statement."));
    }

    if (sqlite3_bind_parameter_count(stmt.handle) != parameters.size())
        throw EngineError(QStringLiteral("The query expects %1 parameters, %2 were given.")
                              .arg(sqlite3_bind_parameter_count(stmt.handle))
                              .arg(parameters.size()));
    for (int i = 0; i < parameters.size(); ++i) {
        const QByteArray value = parameters[i].toUtf8();
        if (sqlite3_bind_text(stmt.handle, i + 1, value.constData(), int(value.size()), SQLITE_TRANSIENT) !=
            SQLITE_OK)
            throw EngineError(describeQueryError(db, m_path));
    }

    Recordset result;
    const int columnCount = sqlite3_column_count(stmt.handle);
    for (int c = 0; c < columnCount; ++c)
        result.m_columns.append(QString::fromUtf8(sqlite3_column_name(stmt.handle, c)));

    for (;;) {
        const int code = sqlite3_step(stmt.handle);
        if (code == SQLITE_DONE)
            break;
        if (code != SQLITE_ROW)
            throw EngineError(describeQueryError(db, m_path));
        QList<QVariant> row;
        row.reserve(columnCount);
        for (int c = 0; c < columnCount; ++c)
            row.append(columnValue(stmt.handle, c));
        result.m_rows.append(std::move(row));
    }
    result.m_row = 0;
    return result;
}

// ---------------------------------------------------------------------------------------------
// Workspace

Database Workspace::openDatabase(const QString& path) const {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        throw EngineError(QStringLiteral("Could not find file '%1'.").arg(path));

    const QString damaged = damagedFile(path);
    const QString unreadable = QStringLiteral("Could not read file '%1'.").arg(path);
    // An empty file or a folder would pass for a new, empty database: neither is one.
    if (!info.isFile() || info.size() == 0)
        throw EngineError(damaged);

    sqlite3* raw = nullptr;
    const QByteArray uri = immutableUri(path);
    const int openCode =
        sqlite3_open_v2(uri.constData(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    // The handle is closed with the last copy of the Database, even when opening failed.
    std::shared_ptr<sqlite3> handle(raw, sqlite3_close_v2);
    if (openCode != SQLITE_OK || !raw)
        throw EngineError(unreadable);
    sqlite3_busy_timeout(raw, 2000);

    // Opening reads nothing yet; a first query proves the file is a readable database.
    Statement probe;
    int code = sqlite3_prepare_v2(raw, "SELECT count(*) FROM sqlite_master", -1, &probe.handle, nullptr);
    if (code == SQLITE_OK) {
        code = sqlite3_step(probe.handle);
        if (code == SQLITE_ROW)
            code = SQLITE_OK;
    }
    if (code != SQLITE_OK) {
        switch (code & 0xff) {
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
        case SQLITE_FORMAT:
        case SQLITE_EMPTY:
            throw EngineError(damaged);
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_IOERR:
        case SQLITE_AUTH:
            throw EngineError(unreadable);
        default:
            throw EngineError(QStringLiteral("Could not open '%1': %2").arg(path, sqliteMessage(raw)));
        }
    }

    Database database;
    database.m_db = std::move(handle);
    database.m_path = path;
    return database;
}

Workspace defaultWorkspace() {
    return Workspace();
}

} // namespace reference
