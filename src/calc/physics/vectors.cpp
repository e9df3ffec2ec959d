#include "calc/physics/vectors.h"

namespace physics {

Vector operator+(Vector a, Vector b) {
    return {a.x + b.x, a.y + b.y};
}

Vector fromPolar(Single magnitude, Single degrees) {
    const num::Trig<float> theta = num::trigOfDegrees(degrees);
    return {magnitude * theta.cosine, magnitude * theta.sine};
}

Single magnitude(Vector v) {
    return num::sqrt(v.x * v.x + v.y * v.y);
}

Single direction(Vector v) {
    return num::degrees(num::atan2(v.y, v.x));
}

bool cancels(Vector sum, Single scale) {
    const Single r = magnitude(sum);
    return r.value() == 0.0f || r.value() <= scale.value() * 1e-6f;
}

Resultant resultant(const std::vector<Polar>& vectors) {
    Vector sum{0.0f, 0.0f};
    Single scale = 0.0f;
    for (const Polar& v : vectors) {
        sum = sum + fromPolar(v.magnitude, v.degrees);
        scale += num::abs(v.magnitude);
    }
    Resultant r{magnitude(sum), std::nullopt};
    if (!cancels(sum, scale))
        r.direction = direction(sum);
    return r;
}

const Relation& SumWorking::direction(Single degrees) const {
    const float d = degrees.value();
    if (d > 135.0f)
        return againstXUp;
    if (d < -135.0f)
        return againstXDown;
    if (d > 45.0f)
        return alongYUp;
    if (d < -45.0f)
        return alongYDown;
    return alongX;
}

std::vector<std::optional<Single>> directionOfEachForm() {
    return {0.0f, 180.0f, -180.0f, 90.0f, -90.0f, std::nullopt};
}

} // namespace physics
