#include "calc/physics/momentum.h"

namespace physics {

Single netForce(Single mass, Single initial, Single final, Single time) {
    return (mass * final - mass * initial) / time;
}

Single momentumOfBoth(Single m1, Single v1, Single m2, Single v2) {
    return v1 * m1 + v2 * m2;
}

Single velocityFromMomentum(Single momentum, Single mass, Single otherMass, Single otherVelocity) {
    return (momentum - otherMass * otherVelocity) / mass;
}

FinalVelocities elasticFinalVelocities(Single m1, Single v1, Single m2, Single v2) {
    // Each value widened to double precision.
    const num::Double wm1 = m1.value(), wv1 = v1.value(), wm2 = m2.value(), wv2 = v2.value();
    const num::Double total = wm1 + wm2;
    return {num::narrow(((wm1 - wm2) * wv1 + 2.0 * wm2 * wv2) / total),
            num::narrow(((wm2 - wm1) * wv2 + 2.0 * wm1 * wv1) / total)};
}

Single commonVelocity(Single m1, Single v1, Single m2, Single v2) {
    return momentumOfBoth(m1, v1, m2, v2) / (m1 + m2);
}

Single velocityBeforeSticking(Single m1, Single m2, Single v2, Single vf) {
    return velocityFromMomentum(vf * (m1 + m2), m1, m2, v2);
}

Single massBeforeSticking(Single v1, Single m2, Single v2, Single vf) {
    return m2 * (vf - v2) / (v1 - vf);
}

} // namespace physics
