#include "calc/framework/calculators.h"

#include "calc/framework/calculator.h"

namespace calc {

const std::vector<DefineFunction>& allCalculators() {
    static const std::vector<DefineFunction> all = {
        frmCalculateDisplacement,
        frmVelocity,
        frmConstantAcceleration,
        frmAcceleration,
        frmFallingObject,
        frmProjectile,
        frmForces,
        frmFriction,
        frmEquilibrium,
        frmGravitation,
        frmHookes,
        frmPascal,
        frmArchimedes,
    };
    return all;
}

void registerCalculators() {
    for (DefineFunction define : allCalculators())
        registerCalculator(define);
}

} // namespace calc
