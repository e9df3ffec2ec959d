// scenario-runner [--program-dir DIR] FILE.scn...
#include "runner.h"

#include <QApplication>

#include <cstdio>

namespace {
QtMessageHandler standardHandler = nullptr;
// The offscreen platform says so each time a window is brought forward; that is noise here.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support raise()")))
        return;
    standardHandler(type, context, message);
}
} // namespace

int main(int argc, char* argv[]) {
    standardHandler = qInstallMessageHandler(quietHandler);
    // The real windows, without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    QString programDir = QStringLiteral(QUELLORIN_PROGRAM_DIR);
    QStringList files;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--program-dir")) {
            if (i + 1 >= args.size()) {
                std::fprintf(stderr, "usage: scenario-runner [--program-dir DIR] FILE.scn...\n");
                return 2;
            }
            programDir = args[++i];
        } else {
            files.append(args[i]);
        }
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: scenario-runner [--program-dir DIR] FILE.scn...\n");
        return 2;
    }

    ScenarioRunner runner(programDir);
    int passed = 0;
    int failed = 0;
    for (const QString& file : files)
        (runner.runFile(file) ? passed : failed) += 1;
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
