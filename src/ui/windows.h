#pragma once
// The window-instance rule: every window class exists at most once. Its one instance is created
// (and loaded) on first use and shown modeless; showing it again only brings it to the front with
// its contents unchanged; unloading destroys it, and the next showing loads it afresh.
// Windows are known by class name. A name no window has been registered for (a window the
// program does not have yet) is shown as nothing.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class Form;

namespace windows {

using Factory = std::function<Form*()>;

void registerClass(const QString& className, Factory factory);
bool isRegistered(const QString& className);
// The class names of every registered window, sorted.
QStringList registeredClasses();

// The help topic of a registered window: the node of the help viewer's tree that F1 opens there.
// Set after the class is registered (setting one for a class not registered is a mistake of the
// program, which stops it). Empty for a window without a topic of its own.
void setHelpTopic(const QString& className, const QString& topic);
QString helpTopic(const QString& className);

// The loaded instance, or nullptr.
Form* find(const QString& className);
// The loaded instance, created and loaded if need be (not shown). nullptr for an unknown class.
Form* load(const QString& className);
// Loads if need be, shows, brings to the front. nullptr for an unknown class.
Form* show(const QString& className);
// Hides without unloading.
void hide(const QString& className);
// Destroys the window (its contents are gone). Safe to call from the window's own handlers.
void unload(Form* form);
void unload(const QString& className);
// Every loaded window, in the order they were loaded.
QList<Form*> loaded();
void unloadAll();

// F1's help viewer is a window of the program above this layer: the program installs what opens
// it for a window. Without a handler, F1 opens nothing.
void setHelpHandler(std::function<void(Form*)> handler);
// Opens the help viewer for the window, through the handler installed.
void showHelp(Form* from);

// Work of a window's load that can wait until the program's first window has been painted: the
// program installs what runs it then (or at once, once that has happened). Without one, the work
// is done as the window loads.
void setFirstPaintQueue(std::function<void(std::function<void()>)> queue);

} // namespace windows
