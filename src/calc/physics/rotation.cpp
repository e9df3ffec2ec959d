#include "calc/physics/rotation.h"

namespace physics {

namespace {

const Double pi = 3.14159265;

Double radians(Double degrees) {
    return degrees * pi / 180.0;
}

} // namespace

Double torque(Double force, Double arm, Double degrees) {
    return force * arm * num::sin(radians(degrees));
}

Double torqueFactor(Double torque, Double known, Double degrees) {
    return torque / (num::sin(radians(degrees)) * known);
}

Double leverAngle(Double torque, Double force, Double arm) {
    return num::asin(torque / (force * arm)) * 180.0 / pi;
}

Double pendulumPeriod(Double length, Double g) {
    return num::sqrt(length / g) * 6.2831853;
}

Double pendulumLength(Double period, Double g) {
    return period * period * g / (pi * pi * 4.0);
}

Double pendulumGravity(Double period, Double length) {
    return pi * pi * 4.0 * length / (period * period);
}

} // namespace physics
