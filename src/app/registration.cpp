// The one place that knows every window of the program: each is registered here by class name
// with the window registry, with its help topic. A new window is declared in its own file and
// added here; a new calculator is added to the list in calculatorlist.cpp.

#include "app/Module1.h"
#include "app/calculatorlist.h"
#include "app/frmmain.h"
#include "app/splash.h"
#include "app/topics.h"
#include "calc/window/calculator.h"
#include "reference/frmHelp.h"
#include "reference/frmPeriodic.h"
#include "reference/lists.h"
#include "tools/equations/frmEquations.h"
#include "tools/statistics/frmData.h"
#include "tools/statistics/steps.h"
#include "ui/windows.h"

namespace {

// The help topics of the windows that are neither calculators nor topic windows (those declare
// theirs with them). The main window, the splash and About windows and the help viewer have none:
// F1 there opens the viewer at the root of its tree.
const struct {
    const char* className;
    const char* topic;
} otherHelpTopics[] = {
    {"frmMedian", "Statistics"},          {"frmMode", "Statistics"},       {"frmData", "Statistics"},
    {"frmEquations", "Equations/Graphs"}, {"frmConstants", "Data Tables"}, {"frmCoefficients", "Data Tables"},
    {"frmIndex", "Data Tables"},          {"frmUnits", "Data Tables"},     {"frmPeriodic", "Data Tables"},
    {"frmPeriodicData", "Data Tables"},
};

} // namespace

void registerWindows() {
    windows::registerClass(QStringLiteral("frmmain"), [] { return new frmmain; });
    registerSplashAndAbout();
    registerTopicWindows();
    // Each calculator is registered under the name of the function that declares it, which is its
    // window class's name; its declaration is built when its window is first opened.
    for (const Calculator& c : calculators()) {
        calc::registerCalculator(c.className, c.define);
        windows::setHelpTopic(c.className, QString::fromLatin1(c.helpTopic));
    }
    windows::registerClass(QStringLiteral("frmMedian"), statistics::newMedianWindow);
    windows::registerClass(QStringLiteral("frmMode"), statistics::newModeWindow);
    windows::registerClass(QStringLiteral("frmData"), statistics::newDataWindow);
    registerEquationsWindow();
    reference::registerListWindows();
    registerPeriodicWindows();
    registerHelpWindow();
    for (const auto& [className, topic] : otherHelpTopics)
        windows::setHelpTopic(QString::fromLatin1(className), QString::fromLatin1(topic));
    // F1, wherever a window takes it, shows the help viewer at the window's own topic.
    windows::setHelpHandler(showHelpFor);
}
