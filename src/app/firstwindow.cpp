#include "app/firstwindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

// The "VmHWM:" or "VmRSS:" figure, in kB, from the text of /proc/self/status; -1 when missing.
long statusFigure(const char* text, const char* name) {
    const char* at = std::strstr(text, name);
    return at ? std::strtol(at + std::strlen(name), nullptr, 10) : -1;
}

void report() {
    char text[4096] = {};
    if (std::FILE* f = std::fopen("/proc/self/status", "r")) {
        text[std::fread(text, 1, sizeof text - 1, f)] = '\0';
        std::fclose(f);
    }
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    std::printf("first window: VmHWM %ld kB, VmRSS %ld kB, CPU %ld us\n", statusFigure(text, "VmHWM:"),
                statusFigure(text, "VmRSS:"), long(cpu.tv_sec) * 1000000 + cpu.tv_nsec / 1000);
    std::fflush(stdout);
}

// Sees every event of the application until the first window is exposed, then steps aside.
class FirstExpose : public QObject {
  public:
    bool reporting = false;
    bool exposed = false;
    bool painted = false;
    std::vector<std::function<void()>> waiting;

    void install() {
        if (!m_installed)
            QCoreApplication::instance()->installEventFilter(this);
        m_installed = true;
    }

    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::Expose || !object->isWindowType() ||
            !static_cast<QWindow*>(object)->isExposed())
            return false;
        exposed = true;
        QCoreApplication::instance()->removeEventFilter(this);
        m_installed = false;
        if (reporting) {
            report();
            // Ends the event loop when it runs; before it runs, the entry sees firstWindowExposed().
            QCoreApplication::exit(0);
        }
        // The window paints as this event is delivered; the waiting work comes after, from the
        // event loop.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [this] {
                painted = true;
                const std::vector<std::function<void()>> work = std::move(waiting);
                waiting.clear();
                for (const std::function<void()>& w : work)
                    w();
            },
            Qt::QueuedConnection);
        return false;
    }

  private:
    bool m_installed = false;
};

FirstExpose& watcher() {
    static FirstExpose w;
    return w;
}

} // namespace

bool watchFirstWindow() {
    if (qEnvironmentVariableIsEmpty("QUELLORIN_QUIT_AT_FIRST_WINDOW"))
        return false;
    watcher().reporting = true;
    watcher().install();
    return true;
}

bool firstWindowExposed() {
    return watcher().reporting && watcher().exposed;
}

void afterFirstPaint(std::function<void()> work) {
    if (watcher().painted) {
        work();
        return;
    }
    watcher().waiting.push_back(std::move(work));
    if (!watcher().exposed)
        watcher().install();
}
