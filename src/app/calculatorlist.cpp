// The program's one list of calculators. A calculator is added here, with its file, its family's
// CMakeLists.txt and its family's calculators.h (the README's checklist gives every step).

#include "app/calculatorlist.h"

#include "calc/energy/calculators.h"
#include "calc/forces/calculators.h"
#include "calc/motion/calculators.h"
#include "calc/rotation/calculators.h"
#include "calc/vectors/calculators.h"
#include "tools/math/calculators.h"
#include "tools/statistics/calculators.h"

// The window class, named once: it is also the name of the function that declares it.
#define QUELLORIN_CALCULATOR(name) .className = QStringLiteral(#name), .define = &calc::name

const std::vector<Calculator>& calculators() {
    static const std::vector<Calculator> list = {
        // Motion
        {QUELLORIN_CALCULATOR(frmCalculateDisplacement), .family = "calc/motion", .helpTopic = "Displacement",
         .offeredBy = {"frmMotion.cmdDisplacement", "frmmain.mnuDisplacement"}},
        {QUELLORIN_CALCULATOR(frmVelocity), .family = "calc/motion", .helpTopic = "Velocity",
         .offeredBy = {"frmMotion.cmdVelocity", "frmmain.mnuVelocity"}},
        // The average-acceleration window is the class frmConstantAcceleration, and the
        // constant-acceleration window frmAcceleration.
        {QUELLORIN_CALCULATOR(frmConstantAcceleration), .family = "calc/motion",
         .helpTopic = "Average Acceleration",
         .offeredBy = {"frmAccelerationChoice.cmdAcceleration", "frmmain.mnuAverageAcceleration"}},
        {QUELLORIN_CALCULATOR(frmAcceleration), .family = "calc/motion", .helpTopic = "Constant Acceleration",
         .offeredBy = {"frmAccelerationChoice.cmdConAcceleration", "frmmain.mnuConstantAcceleration"}},
        {QUELLORIN_CALCULATOR(frmFallingObject), .family = "calc/motion", .helpTopic = "Falling Objects",
         .offeredBy = {"frmAccelerationChoice.cmdFalling", "frmmain.mnuFallingObject"}},
        {QUELLORIN_CALCULATOR(frmProjectile), .family = "calc/motion", .helpTopic = "Projectile Motion",
         .offeredBy = {"frmAccelerationChoice.cmdProjectile", "frmmain.mnuProjectileMotion"}},
        // Forces and fluids
        {QUELLORIN_CALCULATOR(frmForces), .family = "calc/forces", .helpTopic = "Newton's Laws",
         .offeredBy = {"frmmain.Command5"}},
        {QUELLORIN_CALCULATOR(frmFriction), .family = "calc/forces", .helpTopic = "Friction",
         .offeredBy = {"frmmain.Command14"}},
        {QUELLORIN_CALCULATOR(frmEquilibrium), .family = "calc/forces", .helpTopic = "Equilibrium",
         .offeredBy = {"frmmain.Command8"}},
        {QUELLORIN_CALCULATOR(frmGravitation), .family = "calc/forces", .helpTopic = "Gravitation",
         .offeredBy = {"frmmain.Command7"}},
        {QUELLORIN_CALCULATOR(frmHookes), .family = "calc/forces", .helpTopic = "Mass-Spring System",
         .offeredBy = {"frmHarmonicMotion.cmdHookes", "frmmain.mnuMassSpringSystem"}},
        {QUELLORIN_CALCULATOR(frmPascal), .family = "calc/forces", .helpTopic = "Pascal's Principle",
         .offeredBy = {"frmMiscellaneous.cmdPascal", "frmmain.mnuPascalsPrinciple"}},
        {QUELLORIN_CALCULATOR(frmArchimedes), .family = "calc/forces", .helpTopic = "Archimede's Principle",
         .offeredBy = {"frmMiscellaneous.cmdArchimedes", "frmmain.mnuArchimedesPrinciple"}},
        // Vectors
        {QUELLORIN_CALCULATOR(frmResultant), .family = "calc/vectors", .helpTopic = "Determine Resultant",
         .offeredBy = {"frmVectors.cmdResultant", "frmmain.mnuResultant"}},
        {QUELLORIN_CALCULATOR(FRMrESOLVING), .family = "calc/vectors", .helpTopic = "Resolve Vectors",
         .offeredBy = {"frmVectors.cmdResolve", "frmmain.mnuResolveVectors"}},
        {QUELLORIN_CALCULATOR(frmAddingVectors), .family = "calc/vectors", .helpTopic = "Add Vectors",
         .offeredBy = {"frmVectors.cmdAddVectors", "frmmain.mnuAddVectors"}},
        // Rotation and oscillation
        {QUELLORIN_CALCULATOR(frmAngularDisplacement), .family = "calc/rotation",
         .helpTopic = "Angular Displacement",
         .offeredBy = {"frmRotationChoice.cmdAngularDisplacement", "frmmain.mnuAngularDisplacement"}},
        {QUELLORIN_CALCULATOR(frmAngularSpeed), .family = "calc/rotation", .helpTopic = "Angular Speed",
         .offeredBy = {"frmRotationChoice.cmdAngularVelocity", "frmmain.mnuAngularSpeed"}},
        {QUELLORIN_CALCULATOR(frmAngularAcceleration), .family = "calc/rotation",
         .helpTopic = "Angular Acceleration",
         .offeredBy = {"frmRotationChoice.cmdAngularAcceleration", "frmmain.mnuAngularAcceleration"}},
        {QUELLORIN_CALCULATOR(frmTorque), .family = "calc/rotation", .helpTopic = "Torque",
         .offeredBy = {"frmRotationChoice.cmdTorque", "frmmain.mnuTorque"}},
        {QUELLORIN_CALCULATOR(frmAngularMomentum), .family = "calc/rotation", .helpTopic = "Angular Momentum",
         .offeredBy = {"frmRotationChoice.cmdAngularMomentum", "frmmain.mnuAngularMomentum"}},
        {QUELLORIN_CALCULATOR(frmAngularEnergy), .family = "calc/rotation",
         .helpTopic = "Rotational Kinetic Energy",
         .offeredBy = {"frmRotationChoice.cmdRotationalKE", "frmmain.mnuKineticEnergy"}},
        {QUELLORIN_CALCULATOR(frmCircularMotion), .family = "calc/rotation", .helpTopic = "Circular Motion",
         .offeredBy = {"frmmain.Command6"}},
        {QUELLORIN_CALCULATOR(frmPendulum), .family = "calc/rotation", .helpTopic = "Simple Pendulum",
         .offeredBy = {"frmHarmonicMotion.cmdPendulum", "frmmain.mnusimplePendulum"}},
        // Statistics
        {QUELLORIN_CALCULATOR(frmMean), .family = "tools/statistics", .helpTopic = "Statistics",
         .offeredBy = {"frmStatistics.cmdMean"}},
        {QUELLORIN_CALCULATOR(frmDeviations), .family = "tools/statistics", .helpTopic = "Statistics",
         .offeredBy = {"frmStatistics.cmdSD"}},
        {QUELLORIN_CALCULATOR(frmVariation), .family = "tools/statistics", .helpTopic = "Statistics",
         .offeredBy = {"frmStatistics.cmdVariation"}},
        {QUELLORIN_CALCULATOR(frmError), .family = "tools/statistics", .helpTopic = "Statistics",
         .offeredBy = {"frmStatistics.cmdError"}},
        // Energy and momentum
        {QUELLORIN_CALCULATOR(frmWork), .family = "calc/energy", .helpTopic = "Work",
         .offeredBy = {"frmEnergyChoice.cmdwork", "frmmain.mnuWork"}},
        {QUELLORIN_CALCULATOR(frmPower), .family = "calc/energy", .helpTopic = "Power",
         .offeredBy = {"frmEnergyChoice.cmdPower", "frmmain.mnuPower"}},
        {QUELLORIN_CALCULATOR(frmKineticEnergy), .family = "calc/energy", .helpTopic = "Kinetic Energy",
         .offeredBy = {"frmEnergyChoice.cmdKineticEnergy", "frmmain.mnuKineticEnergy2"}},
        {QUELLORIN_CALCULATOR(frmPotentialenergy), .family = "calc/energy", .helpTopic = "Potential Energy",
         .offeredBy = {"frmEnergyChoice.cmdPotentialEnergy", "frmmain.mnuPotentialEnergy"}},
        // The main window's M&omentum menu opens it as its drop-down opens.
        {QUELLORIN_CALCULATOR(frmMomentum), .family = "calc/energy", .helpTopic = "Momentum",
         .offeredBy = {"frmMomentumChoices.cmdMomentum", "frmmain.mnuMomentum"}},
        {QUELLORIN_CALCULATOR(frmCollisions), .family = "calc/energy", .helpTopic = "Elastic Collisions",
         .offeredBy = {"frmMomentumChoices.cmdCollisions", "frmmain.mnuElasticCollisions"}},
        {QUELLORIN_CALCULATOR(frmInelastic), .family = "calc/energy", .helpTopic = "Inelastic Collisions",
         .offeredBy = {"frmMomentumChoices.cmdInelastic", "frmmain.mnuInelasticCollisions"}},
        // Mathematics tools
        {QUELLORIN_CALCULATOR(frmSignificantFigures), .family = "tools/math",
         .helpTopic = "Significant Figures",
         .offeredBy = {"frmGeneralChoice.frmSigfigs", "frmmain.mnuSignificant"}},
        {QUELLORIN_CALCULATOR(frmMetrics), .family = "tools/math", .helpTopic = "Metric Conversions",
         .offeredBy = {"frmGeneralChoice.cmdMetrics", "frmmain.mnuMetrics"}},
        {QUELLORIN_CALCULATOR(frmTemperatures), .family = "tools/math",
         .helpTopic = "Temperature Conversions",
         .offeredBy = {"frmGeneralChoice.Command11", "frmmain.mnuTemperatures"}},
        {QUELLORIN_CALCULATOR(frmTrigValues), .family = "tools/math", .helpTopic = "Trig Values",
         .offeredBy = {"frmGeneralChoice.cmdTrigValues", "frmmain.mnuTrigValues"}},
        {QUELLORIN_CALCULATOR(frmAreaFormulas), .family = "tools/math", .helpTopic = "AreasVolumes",
         .offeredBy = {"frmGeneralChoice.Command9", "frmmain.mnuAreas"}},
        {QUELLORIN_CALCULATOR(frmPythagorean), .family = "tools/math", .helpTopic = "Pythagorean Theorem",
         .offeredBy = {"frmGeneralChoice.Command10", "frmmain.mnuPythagorean"}},
    };
    return list;
}
