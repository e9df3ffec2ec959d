#include "calc/framework/calculators.h"

#include "calc/framework/calculator.h"

namespace calc {

void registerCalculators() {
    registerCalculator(frmCalculateDisplacement);
    registerCalculator(frmVelocity);
}

} // namespace calc
