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

namespace {

// "₁", "₂", ...: the subscript of term k (from 1).
std::string subscript(int k) {
    static const char* const digits[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
    return digits[k];
}

} // namespace

const char* SumWorking::kept(std::string text) {
    return m_text.emplace_back(std::move(text)).c_str();
}

SumWorking::SumWorking(int terms, const char* symbol, Unit unit) {
    std::string sumX, sumY;
    std::array<working::Quantity, 8> given{};
    for (int k = 1; k <= terms; ++k) {
        const std::string a = symbol + subscript(k), theta = "θ" + subscript(k);
        const std::string sep = k > 1 ? " + " : "";
        sumX += sep + "{" + a + "} × cos({" + theta + "})";
        sumY += sep + "{" + a + "} × sin({" + theta + "})";
        given[size_t(2 * k - 2)] = {kept(a), unit};
        given[size_t(2 * k - 1)] = {kept(theta), Unit::Degree};
    }
    const std::string yOverX = "atan((" + sumY + ") / (" + sumX + "))";
    const std::string xOverY = "atan((" + sumX + ") / (" + sumY + "))";
    const auto relation = [&](const char* written, const std::string& worked, Unit result) {
        return Relation{written, kept(worked), given, result};
    };
    m_magnitude = relation("R = √(ΣX² + ΣY²)", "√((" + sumX + ")² + (" + sumY + ")²)", unit);
    m_alongX = relation("θ = atan(ΣY / ΣX)", yOverX, Unit::Degree);
    m_againstXUp = relation("θ = atan(ΣY / ΣX) + 180°", yOverX + " + 180°", Unit::Degree);
    m_againstXDown = relation("θ = atan(ΣY / ΣX) - 180°", yOverX + " - 180°", Unit::Degree);
    m_alongYUp = relation("θ = 90° - atan(ΣX / ΣY)", "90° - " + xOverY, Unit::Degree);
    m_alongYDown = relation("θ = -90° - atan(ΣX / ΣY)", "-90° - " + xOverY, Unit::Degree);
}

const Relation& SumWorking::direction(Single degrees) const {
    const float d = degrees.value();
    if (d > 135.0f)
        return m_againstXUp;
    if (d < -135.0f)
        return m_againstXDown;
    if (d > 45.0f)
        return m_alongYUp;
    if (d < -45.0f)
        return m_alongYDown;
    return m_alongX;
}

const SumWorking& twoVectors() {
    static const SumWorking sum(2, "A", Unit::None);
    return sum;
}

const SumWorking& threeVectors() {
    static const SumWorking sum(3, "A", Unit::None);
    return sum;
}

const SumWorking& threeForces() {
    static const SumWorking sum(3, "F", Unit::Newton);
    return sum;
}

const SumWorking& fourForces() {
    static const SumWorking sum(4, "F", Unit::Newton);
    return sum;
}

std::vector<std::optional<Single>> directionOfEachForm() {
    return {0.0f, 180.0f, -180.0f, 90.0f, -90.0f, std::nullopt};
}

} // namespace physics
