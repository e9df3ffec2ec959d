// Window memory benchmark: opens and closes every registered window many times and reports, for
// each, the heap it keeps per opening once it is closed, and the widgets it leaves behind.
// Run: build/bench_window_memory [openings] [class...]. By default every registered class, 1000
// openings each after a warm-up of 20 (so that fonts, glyphs and the style's pixmaps a window
// legitimately shares with the next opening are already in place).
//
// The heap in use (glibc's mallinfo2) is measured, not the resident size, which never shrinks; in
// a build with the sanitizers the figures mean nothing, as their allocator keeps its own account.
// Deferred deletes run after each closing, so what is counted is memory something still holds.

#include "app/Module1.h"
#include "recorders.h"
#include "ui/form.h"
#include "ui/windows.h"
#include "uitest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int warmUp = 20;

long long heapInUse() {
    return static_cast<long long>(mallinfo2().uordblks);
}

// One opening as a person makes it: shown, painted, closed as its Close or Cancel button does.
void openAndClose(const QString& className, RecordingPlatform& recording) {
    if (Form* f = windows::show(className)) {
        settle();
        windows::unload(f);
    }
    settle();
    // A window that tells something on opening would otherwise grow the recorder's list.
    recording.messages.messages.clear();
    recording.printer.printed.clear();
    recording.launcher.started.clear();
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    const int openings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    RecordingPlatform recording;

    Main();
    windows::unloadAll();
    settle();
    // The data sheet shows the element last clicked in the table.
    SelectedElementSymbol = QStringLiteral("He");

    QStringList classes;
    for (int i = 2; i < argc; ++i)
        classes.append(QString::fromLocal8Bit(argv[i]));
    if (classes.isEmpty())
        classes = windows::registeredClasses();

    std::printf("%-24s %8s %14s %13s %8s\n", "window", "openings", "kept/opening", "widgets left", "ms/open");
    for (const QString& name : classes) {
        for (int i = 0; i < warmUp; ++i)
            openAndClose(name, recording);
        const qsizetype widgetsBefore = QApplication::allWidgets().size();
        const long long before = heapInUse();
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < openings; ++i)
            openAndClose(name, recording);
        const double ms = t.nsecsElapsed() / 1e6 / openings;
        const long long kept = heapInUse() - before;
        const qsizetype widgetsLeft = QApplication::allWidgets().size() - widgetsBefore;
        std::printf("%-24s %8d %11.2f KB %13lld %8.2f\n", qPrintable(name), openings,
                    kept / 1024.0 / openings, static_cast<long long>(widgetsLeft), ms);
        std::fflush(stdout);
    }
    program::reset();
    settle();
    return 0;
}
