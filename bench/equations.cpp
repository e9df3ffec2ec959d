// Equation evaluator benchmark: how long Ok takes on a range of 100 whole X values, from the click
// to the graph drawn again (the chart painted on the offscreen platform).
// Run: build/bench_equations [runs]. Prints the median and the slowest of the runs, in milliseconds.

#include "app/Module1.h"
#include "recorders.h"
#include "tools/equations/frmEquations.h"
#include "ui/windows.h"
#include "uitest.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    RecordingPlatform recording;
    registerWindows();

    auto* window = static_cast<frmEquations*>(windows::show(QStringLiteral("frmEquations")));
    auto* chart = window->findChild<QChartView*>(QStringLiteral("MSChart1"));
    const auto box = [window](const char* name) {
        return window->findChild<QLineEdit*>(QLatin1String(name));
    };
    box("Text2")->setText(QStringLiteral("-50"));
    box("Text3")->setText(QStringLiteral("49"));
    // Two equations in turn, so that every Ok changes every point.
    const QString equations[] = {QStringLiteral("3X^3 + 2X^2 + 3X - 2"), QStringLiteral("-X^2 + 12X + 5")};
    chart->grab();

    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        box("Text1")->setText(equations[i % 2]);
        QElapsedTimer t;
        t.start();
        window->cmdOk_Click();
        chart->grab(); // the graph drawn with its new points and axes
        ms.push_back(t.nsecsElapsed() / 1e6);
        if (window->points().size() != 100 || !recording.messages.messages.isEmpty()) {
            std::fprintf(stderr, "Ok did not write 100 points\n");
            return 1;
        }
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %7.2f ms   slowest %7.2f ms\n", "Ok on 100 points, chart redrawn",
                ms[ms.size() / 2], ms.back());
    return 0;
}
