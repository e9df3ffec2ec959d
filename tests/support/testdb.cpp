#include "testdb.h"

#include <QFile>
#include <QtGlobal>

#include <sqlite3.h>

bool makeDatabase(const QString& path, const char* script) {
    sqlite3* db = nullptr;
    const QByteArray name = QFile::encodeName(path);
    int code = sqlite3_open_v2(name.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    char* error = nullptr;
    if (code == SQLITE_OK)
        code = sqlite3_exec(db, script, nullptr, nullptr, &error);
    if (code != SQLITE_OK)
        qWarning("cannot build %s: %s", name.constData(), error ? error : sqlite3_errmsg(db));
    sqlite3_free(error);
    sqlite3_close(db);
    return code == SQLITE_OK;
}
