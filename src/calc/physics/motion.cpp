#include "calc/physics/motion.h"

namespace physics {

namespace {

const Single g = 9.8f, halfG = 4.9f;

} // namespace

Single velocityAfter(Single v0, Single a, Single t) {
    return t * a + v0;
}

Single acceleration(Single v0, Single v, Single t) {
    return (v - v0) / t;
}

Single displacement(Single v0, Single v, Single t) {
    return (v + v0) * t / 2.0f;
}

Single timeFromRest(Single s, Single a) {
    return num::sqrt(2.0f * s / a);
}

Single averageVelocity(Single x0, Single x, Single t0, Single t) {
    return (x - x0) / (t - t0);
}

Single speedAfterFall(Single v0, Single a, Single s) {
    return num::sqrt(v0 * v0 + 2.0f * a * s);
}

Single timeOfFall(Single v0, Single a, Single s) {
    return (speedAfterFall(v0, a, s) - v0) / a;
}

Single distanceOfFall(Single v0, Single a, Single t) {
    return t * t * (a * 0.5f) + t * v0;
}

Single fallTime(Single h) {
    return timeFromRest(h, g);
}

Single horizontalLaunchSpeed(Single x, Single h) {
    return x / fallTime(h);
}

Single launchHeight(Single x, Single v) {
    const Single q = x / v;
    return q * q * halfG;
}

Single range(Single v, Single degrees) {
    const num::Trig<float> r = num::trigOfDegrees(degrees);
    return (v * r.cosine) * 2.0f * (v * r.sine / g);
}

Single launchSpeed(Single range, Single degrees) {
    const num::Trig<float> r = num::trigOfDegrees(degrees);
    return num::sqrt(range * g / (r.sine * 2.0f * r.cosine));
}

Single launchAngle(Single t, Single range) {
    return num::degrees(num::atan(t * t * halfG / range));
}

Single flightTime(Single v, Single degrees) {
    return v * num::trigOfDegrees(degrees).sine * 2.0f / g;
}

Single peakHeight(Single v, Single degrees) {
    const Single q = v * num::trigOfDegrees(degrees).sine / g;
    return q * q * halfG;
}

} // namespace physics
