// Start-up benchmark: how long the entry procedure takes to put the main window up and open the
// reference database, and how long a calculator takes to open the first time and again.
// Run: build/bench_startup [runs]. Prints the median and the slowest of the runs, in milliseconds.

#include "app/Module1.h"
#include "recorders.h"
#include "ui/form.h"
#include "ui/windows.h"
#include "uitest.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Series {
    const char* what;
    std::vector<double> ms;
    void print() {
        std::sort(ms.begin(), ms.end());
        std::printf("%-34s median %7.2f ms   slowest %7.2f ms\n", what, ms[ms.size() / 2], ms.back());
    }
};

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    RecordingPlatform recording;

    Series start{"start (main window, database)"}, first{"first opening of a calculator"},
        again{"showing it again"};
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        Main();
        QWidget* main = windows::find(QStringLiteral("frmmain"));
        main->grab(); // one full paint
        start.ms.push_back(t.nsecsElapsed() / 1e6);

        t.restart();
        windows::show(QStringLiteral("frmProjectile"))->grab();
        first.ms.push_back(t.nsecsElapsed() / 1e6);

        t.restart();
        windows::show(QStringLiteral("frmProjectile"));
        again.ms.push_back(t.nsecsElapsed() / 1e6);

        program::reset();
        settle();
    }
    start.print();
    first.print();
    again.print();
    return 0;
}
