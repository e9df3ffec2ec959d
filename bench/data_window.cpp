// Data window benchmark: how long the window takes over a megabyte of measurements. Three lists:
// short measurements (more than a count box takes: the list is sorted and its median and mode
// shown, and Ok refuses it), 32767 long ones (shown, then Ok writes the exact totals into the
// variation window and that window computes), and one unbroken piece of a megabyte (refused at
// once). Each is pasted into the list as a whole, so the time is that of one change: Qt's text box
// taking the text, then the window's own handling of the change, which is also timed alone.
// Run: build/bench_data_window [runs]. Prints the median and the slowest of the runs, in
// milliseconds.

#include "app/Module1.h"
#include "recorders.h"
#include "tools/statistics/frmData.h"
#include "ui/windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// A megabyte of measurements, each `digits` digits long with a point among them, one a line.
QString measurements(int digits, qsizetype bytes) {
    QRandomGenerator random(12345);
    QString text;
    text.reserve(bytes + digits + 2);
    while (text.size() + digits + 2 <= bytes) {
        QString piece;
        for (int k = 0; k < digits; ++k)
            piece += QChar(u'0' + char16_t(random.bounded(k == 0 ? 1 : 0, 10)));
        piece.insert(digits / 3, u'.');
        text += piece + u'\n';
    }
    return text;
}

void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-52s median %8.2f ms   slowest %8.2f ms\n", what, ms[ms.size() / 2], ms.back());
}

double timed(const std::function<void()>& step) {
    QElapsedTimer t;
    t.start();
    step();
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    RecordingPlatform recording;
    registerWindows();
    constexpr qsizetype megabyte = 1 << 20;
    const QString shortOnes = measurements(7, megabyte);
    const QString longOnes = measurements(30, 32767 * 32);
    const QString unbroken(megabyte, u'7');

    windows::show(QStringLiteral("frmVariation"));
    const auto data = [] {
        statistics::openData({QStringLiteral("frmVariation"), QStringLiteral("Text2"),
                              QStringLiteral("Text3"), QStringLiteral("Text4")});
        return static_cast<statistics::DataWindow*>(windows::find(QStringLiteral("frmData")));
    };
    const auto list = [](statistics::DataWindow* w) {
        return w->findChild<QTextEdit*>(QStringLiteral("Text1"));
    };

    std::vector<double> pasteShort, changeShort, okShort, pasteLong, changeLong, okLong, pasteUnbroken,
        changeUnbroken, okUnbroken;
    for (int i = 0; i < runs; ++i) {
        statistics::DataWindow* w = data();
        pasteShort.push_back(timed([&] { list(w)->setPlainText(shortOnes); }));
        changeShort.push_back(timed([&] { w->Text1_Change(); }));
        okShort.push_back(timed([&] { w->cmdOk_Click(); }));
        pasteUnbroken.push_back(timed([&] { list(w)->setPlainText(unbroken); }));
        changeUnbroken.push_back(timed([&] { w->Text1_Change(); }));
        okUnbroken.push_back(timed([&] { w->cmdOk_Click(); }));
        pasteLong.push_back(timed([&] { list(w)->setPlainText(longOnes); }));
        changeLong.push_back(timed([&] { w->Text1_Change(); }));
        okLong.push_back(timed([&] {
            w->cmdOk_Click();
            windows::find(QStringLiteral("frmVariation"))->findChild<QPushButton*>("cmdOk")->click();
        }));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (recording.messages.messages.size() != 2 || windows::find(QStringLiteral("frmData"))) {
            std::fprintf(stderr, "The lists were not refused and taken as they should be\n");
            return 1;
        }
        recording.messages.messages.clear();
    }
    std::printf("A megabyte of measurements in the data window (%d runs): %lld short ones of 8 characters, "
                "32,767 of 31, one unbroken piece\n",
                runs, static_cast<long long>(shortOnes.count(u'\n')));
    report("short ones pasted: sorted, median, mode", pasteShort);
    report("  of which the window's own change (the rest is Qt's)", changeShort);
    report("  Ok: refused (more than a count box takes)", okShort);
    report("one unbroken piece pasted", pasteUnbroken);
    report("  of which the window's own change", changeUnbroken);
    report("  Ok: refused at once", okUnbroken);
    report("32,767 of 30 digits pasted: sorted, median, mode", pasteLong);
    report("  of which the window's own change", changeLong);
    report("  Ok: exact totals written, Variation's Ok", okLong);
    const auto* result = windows::find(QStringLiteral("frmVariation"))->findChild<QLineEdit*>("Text6");
    std::printf("(the variation of the last list: %s)\n", qPrintable(result->text()));
    return 0;
}
