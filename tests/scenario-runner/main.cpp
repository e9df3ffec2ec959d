// scenario-runner [--program-dir DIR] FILE.scn...
#include "runner.h"

#include "ui/appearance.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // The real windows, without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    appearance::useProgramStyle();
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
    const int known = runner.knownFailures();
    std::printf("%d known failure%s\n", known, known == 1 ? "" : "s");
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
