// makedb SCRIPT.sql OUT.mdb: builds the reference database from its SQL script.
// The output is written afresh in one transaction; on any failure it is removed again.

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

void removeOutput(const std::string& out) {
    std::error_code ignored;
    std::filesystem::remove(out, ignored);
    std::filesystem::remove(out + "-journal", ignored);
}

int fail(sqlite3* db, const std::string& out, const std::string& message) {
    std::cerr << "makedb: " << message << '\n';
    sqlite3_close(db);
    removeOutput(out);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: makedb SCRIPT.sql OUT.mdb\n";
        return 2;
    }
    const std::string scriptPath = argv[1];
    const std::string out = argv[2];

    std::ifstream in(scriptPath, std::ios::binary);
    if (!in) {
        std::cerr << "makedb: cannot read '" << scriptPath << "'\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const std::string script = text.str();

    removeOutput(out);
    if (std::filesystem::exists(out)) {
        std::cerr << "makedb: cannot replace '" << out << "'\n";
        return 1;
    }

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(out.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        return fail(db, out, "cannot create '" + out + "': " + sqlite3_errmsg(db));

    char* error = nullptr;
    if (sqlite3_exec(db, "BEGIN", nullptr, nullptr, &error) != SQLITE_OK ||
        sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error) != SQLITE_OK ||
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = scriptPath + ": " + (error ? error : sqlite3_errmsg(db));
        sqlite3_free(error);
        return fail(db, out, message);
    }
    if (sqlite3_close(db) != SQLITE_OK)
        return fail(db, out, "cannot finish '" + out + "'");
    return 0;
}
