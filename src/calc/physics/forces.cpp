#include "calc/physics/forces.h"

namespace physics {

namespace {

const Single g = 9.8f, gFriction = 9.81f;
const Single G = 6.673e-11f;

} // namespace

Single normalForce(Single mass, Single slopeDegrees) {
    return mass * g * num::trigOfDegrees(slopeDegrees).cosine;
}

Single frictionCoefficient(Single force, Single mass) {
    return force / (mass * gFriction);
}

Single frictionForce(Single mu, Single mass) {
    return mass * mu * gFriction;
}

Single massUnderFriction(Single force, Single mu) {
    return force / (mu * gFriction);
}

Single accelerationAgainstFriction(Single force, Single mu, Single mass) {
    return (force - mu * mass * gFriction) / mass;
}

Single equalSupport(Single weight, Single degrees) {
    return weight / 2.0f / num::trigOfDegrees(degrees).sine;
}

Single support(Single weight, const Trig& angle, const Trig& otherAngle) {
    if (!otherAngle.tangent) {
        // The other support is vertical and carries the whole weight; this one, with nothing to
        // balance sideways, carries none. Two vertical supports can share the weight in any
        // proportion: there is no one answer, as in the formula's division by a cosine of 0.
        if (angle.cosine == Single(0.0f))
            throw num::CalcError(num::DivisionByZero);
        return 0.0f;
    }
    return weight / (angle.cosine * *otherAngle.tangent + angle.sine);
}

Single gravitationalForce(Single m1, Single m2, Single distance) {
    return G * m1 / distance * m2 / distance;
}

Single otherMass(Single m1, Single distance, Single force) {
    return force / (G * m1) * distance * distance;
}

Single separation(Single m1, Single m2, Single force) {
    return num::sqrt(G * m1 / force * m2);
}

Single springConstant(Single force, Single x) {
    return -force / x;
}

Single pressForce(Single f1, Single a1, Single a2) {
    return f1 * a2 / a1;
}

Single pressArea(Single f1, Single f2, Single a2) {
    return f1 / f2 * a2;
}

Single buoyantForce(Single density, Single volume) {
    return volume * density * g;
}

Single densityFromBuoyancy(Single force, Single volume) {
    return force / (volume * g);
}

Single volumeFromBuoyancy(Single force, Single density) {
    return force / (density * g);
}

} // namespace physics
