#pragma once
// Every calculator of the program, once: its window class, which is also the name of the
// function in its family's header that declares it. registerWindows() registers each from this
// list, and the tests walk the same list.

#include <QString>

#include <vector>

namespace calc {
struct Definition;
}

// clang-format off
#define QUELLORIN_CALCULATORS(X)                                                                   \
    /* Motion */                                                                                   \
    X(frmCalculateDisplacement) X(frmVelocity) X(frmConstantAcceleration) X(frmAcceleration)       \
    X(frmFallingObject) X(frmProjectile)                                                           \
    /* Forces and fluids */                                                                        \
    X(frmForces) X(frmFriction) X(frmEquilibrium) X(frmGravitation) X(frmHookes) X(frmPascal)      \
    X(frmArchimedes)                                                                               \
    /* Vectors */                                                                                  \
    X(frmResultant) X(FRMrESOLVING) X(frmAddingVectors)                                            \
    /* Rotation and oscillation */                                                                 \
    X(frmAngularDisplacement) X(frmAngularSpeed) X(frmAngularAcceleration) X(frmTorque)            \
    X(frmAngularMomentum) X(frmAngularEnergy) X(frmCircularMotion) X(frmPendulum)                  \
    /* Statistics */                                                                               \
    X(frmMean) X(frmDeviations) X(frmVariation) X(frmError)                                        \
    /* Energy and momentum */                                                                      \
    X(frmWork) X(frmPower) X(frmKineticEnergy) X(frmPotentialenergy) X(frmMomentum)                \
    X(frmCollisions) X(frmInelastic)                                                               \
    /* Mathematics tools */                                                                        \
    X(frmSignificantFigures) X(frmMetrics) X(frmTemperatures) X(frmTrigValues) X(frmAreaFormulas)  \
    X(frmPythagorean)
// clang-format on

// A calculator of the list: its window class and the function that declares it.
struct Calculator {
    QString className;
    calc::Definition (*define)();
};
// QUELLORIN_CALCULATORS, in its order.
const std::vector<Calculator>& calculators();
