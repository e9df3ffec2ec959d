#pragma once
// Vectors in the plane, as the calculators add them: forces and displacements given by a
// magnitude and a direction in degrees, measured counterclockwise from the positive X axis. Beside
// each function stands its relation, as the working of an answer writes it out.

#include "core/numbers.h"
#include "core/working.h"

#include <list>
#include <optional>
#include <string>
#include <vector>

namespace physics {

using num::Single;
using units::Unit;
using working::Relation;

struct Vector {
    Single x, y;
};

Vector operator+(Vector a, Vector b);

// The components of a vector of this magnitude and direction.
Vector fromPolar(Single magnitude, Single degrees);
inline constexpr Relation xComponentRelation{
    "X = A cos θ", "{A} × cos({θ})", {{{"A", Unit::None}, {"θ", Unit::Degree}}}, Unit::None};
inline constexpr Relation yComponentRelation{
    "Y = A sin θ", "{A} × sin({θ})", {{{"A", Unit::None}, {"θ", Unit::Degree}}}, Unit::None};

// The length of the vector.
Single magnitude(Vector v);
// Of two perpendicular vectors, A along Y and B along X.
inline constexpr Relation perpendicularSumRelation{
    "R = √(A² + B²)", "√({A}² + {B}²)", {{{"A", Unit::None}, {"B", Unit::None}}}, Unit::None};

// The direction in degrees, in the quadrant the components lie in: from -180 to 180. The zero
// vector has no direction (invalid argument).
Single direction(Vector v);
// Of two perpendicular vectors, measured from B towards A; both positive, it lies between 0 and 90.
inline constexpr Relation perpendicularAngleRelation{
    "θ = atan(A / B)", "atan({A} / {B})", {{{"A", Unit::None}, {"B", Unit::None}}}, Unit::Degree};

// Whether the sum of vectors whose magnitudes add up to scale is zero but for the rounding of
// their components: forces that cancel have no direction to show.
bool cancels(Vector sum, Single scale);

// A vector given as the student types it: a magnitude (negative reverses it) and a direction.
struct Polar {
    Single magnitude, degrees;
};

// The sum of vectors as the calculators report it: its magnitude, and its direction from -180 to
// 180 unless the vectors cancel (then it has none).
struct Resultant {
    Single magnitude;
    std::optional<Single> direction;
};
Resultant resultant(const std::vector<Polar>& vectors);

// The working of a sum of vectors, in the components ΣX = Σ A cos θ and ΣY = Σ A sin θ: its
// magnitude, and its direction in the form that suits the quadrant. Near the X axis the direction
// is atan(ΣY / ΣX), turned half a turn where ΣX is negative; near the Y axis it is 90° (or -90°)
// less atan(ΣX / ΣY), which stays exact where ΣX is nearly 0. Its relations are written out once,
// for the number of terms and the quantity summed, when it is made.
class SumWorking {
  public:
    // The sum of `terms` quantities written `symbol` (A₁ at θ₁, A₂ at θ₂, ...) in `unit`.
    SumWorking(int terms, const char* symbol, Unit unit);
    SumWorking(const SumWorking&) = delete;
    SumWorking& operator=(const SumWorking&) = delete;

    const Relation& magnitude() const { return m_magnitude; }
    // The relation that works out this direction (in degrees, from -180 to 180).
    const Relation& direction(Single degrees) const;

  private:
    // Keeps the text for the life of the working; the relations point into it.
    const char* kept(std::string text);

    std::list<std::string> m_text;
    Relation m_magnitude;
    Relation m_alongX;       // atan(ΣY / ΣX), ΣX positive
    Relation m_againstXUp;   // atan(ΣY / ΣX) + 180°, ΣX negative and ΣY positive
    Relation m_againstXDown; // atan(ΣY / ΣX) - 180°, ΣX and ΣY negative
    Relation m_alongYUp;     // 90° - atan(ΣX / ΣY), ΣY positive
    Relation m_alongYDown;   // -90° - atan(ΣX / ΣY), ΣY negative
};
// A direction of each form of the working (along X, against X above and below, along Y up and
// down), and none, for a sum that cancels: what a calculator lists its workings by.
std::vector<std::optional<Single>> directionOfEachForm();

// Vectors as typed, A₁ at θ₁ and so on, and forces, F₁ at θ₁.
const SumWorking& twoVectors();
const SumWorking& threeVectors();
const SumWorking& threeForces();
const SumWorking& fourForces();

} // namespace physics
