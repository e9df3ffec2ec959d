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
             calc::frmResultant,
             calc::FRMrESOLVING,
             calc::frmAddingVectors,
             calc::frmAngularDisplacement,
             calc::frmAngularSpeed,
             calc::frmAngularAcceleration,
             calc::frmTorque,
             calc::frmAngularMomentum,
             calc::frmAngularEnergy,
             calc::frmCircularMotion,
             calc::frmPendulum,
             calc::frmMean,
             calc::frmDeviations,
             calc::frmVariation,
             calc::frmError,
             calc::frmWork,
             calc::frmPower,
             calc::frmKineticEnergy,
             calc::frmPotentialenergy,
             calc::frmMomentum,
             calc::frmCollisions,
             calc::frmInelastic,
             calc::frmSignificantFigures,
             calc::frmMetrics,
             calc::frmTemperatures,
             calc::frmTrigValues,
             calc::frmAreaFormulas,
             calc::frmPythagorean,
         })
        calc::registerCalculator(define);
    windows::registerClass(QStringLiteral("frmMedian"), statistics::frmMedian);
    windows::registerClass(QStringLiteral("frmMode"), statistics::frmMode);
    registerEquationsWindow();
    reference::registerListWindows();
    registerPeriodicWindows();
    registerHelpWindow();
}
