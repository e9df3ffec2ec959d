#pragma once
// Helpers for tests of the program's windows: the offscreen platform, a stand-in window for
// classes a test only needs to see opened, and letting pending events (deferred deletes) run.

#include "ui/appearance.h"
#include "ui/form.h"
#include "ui/windows.h"

#include <QApplication>
#include <QTest>

class StubForm : public Form {
    Q_OBJECT
  public:
    explicit StubForm(const QString& name) : Form(name) {}
};

// Registers a stand-in for a window class the program does not provide here.
inline void registerStub(const QString& name) {
    windows::registerClass(name, [name] { return new StubForm(name); });
}

// Lets pending events run and destroys the windows unloaded meanwhile, then lets what their
// going posted run too.
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Like QTEST_MAIN, on the offscreen platform, with the program's own style and quit rule.
#define QUELLORIN_TEST_MAIN(TestObject)                                                                      \
    int main(int argc, char* argv[]) {                                                                       \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                             \
        QApplication app(argc, argv);                                                                        \
        appearance::useProgramStyle();                                                                       \
        app.setQuitOnLastWindowClosed(false);                                                                \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
