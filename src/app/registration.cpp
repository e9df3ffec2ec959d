// The one place that knows every window of the program: each is registered here by class name
// with the window registry. A new window is declared in its own file and added here.

#include "app/Module1.h"
#include "app/frmmain.h"
#include "app/splash.h"
#include "app/topics.h"
#include "calc/framework/calculator.h"
#include "reference/frmHelp.h"
#include "reference/frmPeriodic.h"
#include "reference/lists.h"
#include "tools/equations/frmEquations.h"
#include "ui/windows.h"

// The calculators: each file defines one declaration function named after its window class.
namespace calc {
// Motion
Definition frmCalculateDisplacement();
Definition frmVelocity();
Definition frmConstantAcceleration();
Definition frmAcceleration();
Definition frmFallingObject();
Definition frmProjectile();
// Forces and fluids
Definition frmForces();
Definition frmFriction();
Definition frmEquilibrium();
Definition frmGravitation();
Definition frmHookes();
Definition frmPascal();
Definition frmArchimedes();
} // namespace calc

void registerWindows() {
    windows::registerClass(QStringLiteral("frmmain"), [] { return new frmmain; });
    registerSplashAndAbout();
    registerTopicWindows();
    for (auto define : {
             calc::frmCalculateDisplacement,
             calc::frmVelocity,
             calc::frmConstantAcceleration,
             calc::frmAcceleration,
             calc::frmFallingObject,
             calc::frmProjectile,
             calc::frmForces,
             calc::frmFriction,
             calc::frmEquilibrium,
             calc::frmGravitation,
             calc::frmHookes,
             calc::frmPascal,
             calc::frmArchimedes,
         })
        calc::registerCalculator(define);
    registerEquationsWindow();
    reference::registerListWindows();
    registerPeriodicWindows();
    registerHelpWindow();
}
