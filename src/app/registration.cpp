// The one place that knows every window of the program: each is registered here by class name
// with the window registry. A new window is declared in its own file and added here; a new
// calculator is added to the list in calculators.h.

#include "app/Module1.h"
#include "app/calculators.h"
#include "app/frmmain.h"
#include "app/splash.h"
#include "app/topics.h"
#include "calc/energy/calculators.h"
#include "calc/forces/calculators.h"
#include "calc/window/calculator.h"
#include "calc/motion/calculators.h"
#include "calc/rotation/calculators.h"
#include "calc/vectors/calculators.h"
#include "reference/frmHelp.h"
#include "reference/frmPeriodic.h"
#include "reference/lists.h"
#include "tools/equations/frmEquations.h"
#include "tools/math/calculators.h"
#include "tools/statistics/calculators.h"
#include "tools/statistics/frmData.h"
#include "ui/windows.h"

void registerWindows() {
    windows::registerClass(QStringLiteral("frmmain"), [] { return new frmmain; });
    registerSplashAndAbout();
    registerTopicWindows();
    // Each calculator is registered under the name of the function that declares it, which is its
    // window class's name.
    for (const Calculator& c : calculators())
        calc::registerCalculator(c.className, c.define);
    windows::registerClass(QStringLiteral("frmMedian"), statistics::frmMedian);
    windows::registerClass(QStringLiteral("frmMode"), statistics::frmMode);
    windows::registerClass(QStringLiteral("frmData"), statistics::frmData);
    registerEquationsWindow();
    reference::registerListWindows();
    registerPeriodicWindows();
    registerHelpWindow();
    // F1, wherever a window takes it, shows the help viewer at the window's own topic.
    windows::setHelpHandler(showHelpFor);
}

const std::vector<Calculator>& calculators() {
#define QUELLORIN_ENTRY(name) {QStringLiteral(#name), &calc::name},
    static const std::vector<Calculator> list = {QUELLORIN_CALCULATORS(QUELLORIN_ENTRY)};
#undef QUELLORIN_ENTRY
    return list;
}
