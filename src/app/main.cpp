#include "app/Module1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quellorin"));
    // The program ends when its main window closes, whatever else is still open.
    app.setQuitOnLastWindowClosed(false);
    Main();
    if (program::ended())
        return program::exitStatus();
    return app.exec();
}
