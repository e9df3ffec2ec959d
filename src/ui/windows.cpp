#include "ui/windows.h"

#include "ui/accesskeys.h"
#include "ui/form.h"
#include "ui/screenfit.h"
#include "ui/tabstops.h"

#include <QGuiApplication>
#include <QHash>
#include <QPointer>

namespace windows {
namespace {

struct Registration {
    Factory factory;
    QString helpTopic;
};

QHash<QString, Registration>& registrations() {
    static QHash<QString, Registration> r;
    return r;
}

QList<QPointer<Form>>& instances() {
    static QList<QPointer<Form>> i;
    return i;
}

std::function<void(Form*)>& helpHandler() {
    static std::function<void(Form*)> h;
    return h;
}

std::function<void(std::function<void()>)>& firstPaintQueue() {
    static std::function<void(std::function<void()>)> q;
    return q;
}

// Runs the work once the program's first window has been painted, or at once.
void onceFirstPainted(std::function<void()> work) {
    if (firstPaintQueue())
        firstPaintQueue()(std::move(work));
    else
        work();
}

} // namespace

void registerClass(const QString& className, Factory factory) {
    // Registered again, a class keeps its help topic.
    registrations()[className].factory = std::move(factory);
}

bool isRegistered(const QString& className) {
    return registrations().contains(className);
}

QStringList registeredClasses() {
    QStringList names = registrations().keys();
    names.sort();
    return names;
}

void setHelpTopic(const QString& className, const QString& topic) {
    const auto it = registrations().find(className);
    if (it == registrations().end())
        qFatal("A help topic for %s, which is not registered", qPrintable(className));
    it->helpTopic = topic;
}

QString helpTopic(const QString& className) {
    return registrations().value(className).helpTopic;
}

Form* find(const QString& className) {
    for (const QPointer<Form>& f : instances())
        if (f && f->className() == className)
            return f;
    return nullptr;
}

Form* load(const QString& className) {
    if (Form* f = find(className))
        return f;
    const auto it = registrations().constFind(className);
    if (it == registrations().constEnd())
        return nullptr;
    Form* f = it->factory();
    instances().append(f);
    f->Form_Load();
    // Its controls are all there now: each button and option takes its access key, and each group
    // of options its one Tab stop.
    accesskeys::assign(f);
    tabstops::onePerGroup(f);
    // Measuring the caption loads the title bar's bold font, which nothing else at start uses; a
    // caption wider than the window widens it only after its first paint, a rare case.
    onceFirstPainted([f = QPointer<Form>(f)] {
        if (f)
            f->fitCaption();
    });
    f->centerOnScreen();
    // A window larger than the screen has room for scrolls, its title bar on the screen.
    screenfit::fit(f);
    f->installKeyPreview();
    return f;
}

Form* show(const QString& className) {
    Form* f = load(className);
    if (!f)
        return nullptr;
    f->show();
    // The offscreen platform (tests, the scenario runner) keeps no stacking order to raise in.
    static const bool stacking = QGuiApplication::platformName() != QLatin1String("offscreen");
    if (stacking)
        f->raise();
    f->activateWindow();
    return f;
}

void hide(const QString& className) {
    if (Form* f = find(className))
        f->hide();
}

void unload(Form* form) {
    if (!form)
        return;
    instances().removeAll(QPointer<Form>(form));
    instances().removeAll(QPointer<Form>());
    form->hide();
    form->deleteLater();
}

void unload(const QString& className) {
    unload(find(className));
}

QList<Form*> loaded() {
    QList<Form*> out;
    for (const QPointer<Form>& f : instances())
        if (f)
            out.append(f);
    return out;
}

void unloadAll() {
    for (Form* f : loaded())
        unload(f);
}

void setHelpHandler(std::function<void(Form*)> handler) {
    helpHandler() = std::move(handler);
}

void setFirstPaintQueue(std::function<void(std::function<void()>)> queue) {
    firstPaintQueue() = std::move(queue);
}

void showHelp(Form* from) {
    if (helpHandler())
        helpHandler()(from);
}

} // namespace windows
