// The floor bench_first_window measures the program against: a plain Qt main window of the same
// kind as the program's, written the way any Qt program would write it, linked to the same Qt
// modules and to SQLite. A menu bar of 15 menus, 40 push buttons with captions in a grid, the
// window the size of the program's main window, and the reference database opened read-only (and
// its header read, as the program's engine does) before the window comes up. Nothing is tuned:
// what the program does beyond this before its first paint is what it costs above the floor.
//
// Run: build/bench_floor_window [DATABASE]   (QuellorinData.mdb beside it by default). With
// QUELLORIN_QUIT_AT_FIRST_WINDOW set it reports its first window and quits, as the program does.

#include "app/firstwindow.h"

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

#include <sqlite3.h>

#include <cstdio>

namespace {

// Opens the file read-only and reads its schema's size, as a program proves it has a database.
sqlite3* openReadOnly(const QString& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_stmt* probe = nullptr;
    const bool read =
        sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &probe, nullptr) == SQLITE_OK &&
        sqlite3_step(probe) == SQLITE_ROW;
    sqlite3_finalize(probe);
    if (!read) {
        sqlite3_close(db);
        return nullptr;
    }
    return db;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    watchFirstWindow();
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QApplication::applicationDirPath() + "/QuellorinData.mdb";

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor window"));
    const char* const titles[15] = {"&File",  "&Edit",  "&View",   "&Insert", "F&ormat",
                                    "&Tools", "T&able", "&Data",   "&Chart",  "&Units",
                                    "&Graph", "&Notes", "&Window", "&Search", "&Help"};
    for (const char* title : titles)
        window.menuBar()->addMenu(QString::fromLatin1(title));
    auto* buttons = new QWidget;
    auto* grid = new QGridLayout(buttons);
    for (int i = 0; i < 40; ++i)
        grid->addWidget(new QPushButton(QStringLiteral("Button %1").arg(i + 1)), i / 8, i % 8);
    window.setCentralWidget(buttons);
    window.resize(794, 540);
    window.show();

    sqlite3* db = openReadOnly(path);
    if (!db) {
        std::fprintf(stderr, "bench_floor_window: cannot read %s\n", qPrintable(path));
        return 1;
    }
    const int status = firstWindowExposed() ? 0 : app.exec();
    sqlite3_close(db);
    return status;
}
