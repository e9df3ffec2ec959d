#include "calc/physics/energy.h"

namespace physics {

using num::Double;

Single work(Single force, Single displacement, Single degrees) {
    return (force * displacement) * num::trigOfDegrees(degrees).cosine;
}

Single workFactor(Single work, Single known, Single degrees) {
    return work / (known * num::trigOfDegrees(degrees).cosine);
}

Single power(Single force, Single distance, Single time) {
    return (force * distance) / time;
}

Single kineticEnergy(Single mass, Single velocity) {
    return velocity * velocity * (mass * 0.5f);
}

Single massFromKineticEnergy(Single energy, Single velocity) {
    return energy * 2.0f / (velocity * velocity);
}

Single speedFromKineticEnergy(Single energy, Single mass) {
    return num::sqrt(energy * 2.0f / mass);
}

Double kineticEnergyOfBoth(Single m1, Double v1, Single m2, Double v2) {
    return v1 * v1 * Double((m1 * 0.5f).value()) + v2 * v2 * Double((m2 * 0.5f).value());
}

Single gravitationalEnergy(Single mass, Single g, Single height) {
    return mass * g * height;
}

Single elasticEnergy(Single k, Single x) {
    return x * x * (k * 0.5f);
}

} // namespace physics
