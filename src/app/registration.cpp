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

#include <utility>

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
// Vectors
Definition frmResultant();
Definition FRMrESOLVING();
Definition frmAddingVectors();
// Rotation and oscillation
Definition frmAngularDisplacement();
Definition frmAngularSpeed();
Definition frmAngularAcceleration();
Definition frmTorque();
Definition frmAngularMomentum();
Definition frmAngularEnergy();
Definition frmCircularMotion();
Definition frmPendulum();
// Statistics
Definition frmMean();
Definition frmDeviations();
Definition frmVariation();
Definition frmError();
// Energy and momentum
Definition frmWork();
Definition frmPower();
Definition frmKineticEnergy();
Definition frmPotentialenergy();
Definition frmMomentum();
Definition frmCollisions();
Definition frmInelastic();
// Mathematics tools
Definition frmSignificantFigures();
Definition frmMetrics();
Definition frmTemperatures();
Definition frmTrigValues();
Definition frmAreaFormulas();
Definition frmPythagorean();
} // namespace calc

// The windows that explain a procedure step by step.
namespace statistics {
Form* frmMedian();
Form* frmMode();
} // namespace statistics

void registerWindows() {
    windows::registerClass(QStringLiteral("frmmain"), [] { return new frmmain; });
    registerSplashAndAbout();
    registerTopicWindows();
    // Each calculator is registered under the name of the function that declares it, which is its
    // window class's name.
#define QUELLORIN_CALCULATOR(name) std::pair(QStringLiteral(#name), &calc::name)
    for (const auto& [name, define] : {
             QUELLORIN_CALCULATOR(frmCalculateDisplacement),
             QUELLORIN_CALCULATOR(frmVelocity),
             QUELLORIN_CALCULATOR(frmConstantAcceleration),
             QUELLORIN_CALCULATOR(frmAcceleration),
             QUELLORIN_CALCULATOR(frmFallingObject),
             QUELLORIN_CALCULATOR(frmProjectile),
             QUELLORIN_CALCULATOR(frmForces),
             QUELLORIN_CALCULATOR(frmFriction),
             QUELLORIN_CALCULATOR(frmEquilibrium),
             QUELLORIN_CALCULATOR(frmGravitation),
             QUELLORIN_CALCULATOR(frmHookes),
             QUELLORIN_CALCULATOR(frmPascal),
             QUELLORIN_CALCULATOR(frmArchimedes),
             QUELLORIN_CALCULATOR(frmResultant),
             QUELLORIN_CALCULATOR(FRMrESOLVING),
             QUELLORIN_CALCULATOR(frmAddingVectors),
             QUELLORIN_CALCULATOR(frmAngularDisplacement),
             QUELLORIN_CALCULATOR(frmAngularSpeed),
             QUELLORIN_CALCULATOR(frmAngularAcceleration),
             QUELLORIN_CALCULATOR(frmTorque),
             QUELLORIN_CALCULATOR(frmAngularMomentum),
             QUELLORIN_CALCULATOR(frmAngularEnergy),
             QUELLORIN_CALCULATOR(frmCircularMotion),
             QUELLORIN_CALCULATOR(frmPendulum),
             QUELLORIN_CALCULATOR(frmMean),
             QUELLORIN_CALCULATOR(frmDeviations),
             QUELLORIN_CALCULATOR(frmVariation),
             QUELLORIN_CALCULATOR(frmError),
             QUELLORIN_CALCULATOR(frmWork),
             QUELLORIN_CALCULATOR(frmPower),
             QUELLORIN_CALCULATOR(frmKineticEnergy),
             QUELLORIN_CALCULATOR(frmPotentialenergy),
             QUELLORIN_CALCULATOR(frmMomentum),
             QUELLORIN_CALCULATOR(frmCollisions),
             QUELLORIN_CALCULATOR(frmInelastic),
             QUELLORIN_CALCULATOR(frmSignificantFigures),
             QUELLORIN_CALCULATOR(frmMetrics),
             QUELLORIN_CALCULATOR(frmTemperatures),
             QUELLORIN_CALCULATOR(frmTrigValues),
             QUELLORIN_CALCULATOR(frmAreaFormulas),
             QUELLORIN_CALCULATOR(frmPythagorean),
         })
        calc::registerCalculator(name, define);
#undef QUELLORIN_CALCULATOR
    windows::registerClass(QStringLiteral("frmMedian"), statistics::frmMedian);
    windows::registerClass(QStringLiteral("frmMode"), statistics::frmMode);
    registerEquationsWindow();
    reference::registerListWindows();
    registerPeriodicWindows();
    registerHelpWindow();
    // F1, wherever a window takes it, shows the help viewer.
    windows::setHelpHandler([](Form*) { windows::show(QStringLiteral("frmHelp")); });
}
