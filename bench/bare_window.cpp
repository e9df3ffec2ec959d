// The yardstick for bench_first_window: a bare Qt window, linked to the same Qt modules as the
// program, the size of the main window, that does nothing but come up; with --text it shows one
// line of text, and so loads the fonts as every window with words on it does. With
// QUELLORIN_QUIT_AT_FIRST_WINDOW set it reports its first window exactly as the program does.

#include "app/firstwindow.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    watchFirstWindow();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(794, 517);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        (new QLabel(QStringLiteral("A bare window with a line of text"), &window))->move(12, 12);
    window.show();
    return firstWindowExposed() ? 0 : app.exec();
}
