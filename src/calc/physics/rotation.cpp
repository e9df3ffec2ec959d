#include "calc/physics/rotation.h"

namespace physics {

namespace {

const Double pi = num::Pi;

// The square of a single-precision value, in double precision.
Double squared(Single x) {
    const Double d = x.value();
    return d * d;
}

} // namespace

Single angularAcceleration(Single initial, Single final, Single time) {
    return (final - initial) / time;
}

Single accelerationTime(Single initial, Single final, Single acceleration) {
    return (final - initial) / acceleration;
}

Single finalAngularSpeed(Single initial, Single time, Single acceleration) {
    return time * acceleration + initial;
}

Double torque(Double force, Double arm, Double degrees) {
    return force * arm * num::trigOfDegrees(degrees).sine;
}

Double torqueFactor(Double torque, Double known, Double degrees) {
    return torque / (num::trigOfDegrees(degrees).sine * known);
}

Double leverAngle(Double torque, Double force, Double arm) {
    return num::degrees(num::asin(torque / (force * arm)));
}

Double angularMomentum(Double mass, Double radius, Double speed) {
    return mass * radius * speed;
}

Double inertiaFromMomentum(Double momentum, Double speed, Double radius) {
    return radius * radius * (momentum / speed / radius);
}

Double angularSpeedFromMomentum(Double momentum, Double mass, Double radius) {
    return momentum / (mass * radius * radius);
}

Single rotationalEnergy(Single mass, Single radius, Single angularSpeed) {
    const Single inertia = num::narrow(squared(radius) * mass.value());
    return num::narrow(squared(angularSpeed) * inertia.value() / 2.0);
}

Single discInertia(Single mass, Single radius) {
    return num::narrow(squared(radius) * (mass * 0.5f).value());
}

Single angularSpeedFromEnergy(Single energy, Single radius, Single mass) {
    const Double twice = (energy + energy).value();
    return num::narrow(num::sqrt(twice / (squared(radius) * mass.value())));
}

Double centripetalAcceleration(Double speed, Double radius) {
    return speed * speed / radius;
}

Double centripetalForce(Double mass, Double radius, Double speed) {
    return speed * speed * mass / radius;
}

Double pendulumPeriod(Double length, Double g) {
    return num::sqrt(length / g) * (pi * 2.0);
}

Double pendulumLength(Double period, Double g) {
    return period * period * g / (pi * pi * 4.0);
}

Double pendulumGravity(Double period, Double length) {
    return pi * pi * 4.0 * length / (period * period);
}

} // namespace physics
