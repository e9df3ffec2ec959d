#pragma once
// Vectors in the plane, as the calculators add them: forces and displacements given by a
// magnitude and a direction in degrees, measured counterclockwise from the positive X axis. Beside
// each function stands its relation, as the working of an answer writes it out.

#include "core/numbers.h"
#include "core/working.h"

#include <optional>
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
// less atan(ΣX / ΣY), which stays exact where ΣX is nearly 0.
struct SumWorking {
    const Relation& magnitude;
    const Relation& alongX;       // atan(ΣY / ΣX), ΣX positive
    const Relation& againstXUp;   // atan(ΣY / ΣX) + 180°, ΣX negative and ΣY positive
    const Relation& againstXDown; // atan(ΣY / ΣX) - 180°, ΣX and ΣY negative
    const Relation& alongYUp;     // 90° - atan(ΣX / ΣY), ΣY positive
    const Relation& alongYDown;   // -90° - atan(ΣX / ΣY), ΣY negative

    // The relation that works out this direction (in degrees, from -180 to 180).
    const Relation& direction(Single degrees) const;
};
// A direction of each form of the working (along X, against X above and below, along Y up and
// down), and none, for a sum that cancels: what a calculator lists its workings by.
std::vector<std::optional<Single>> directionOfEachForm();

// Two vectors and three, as typed: A₁ at θ₁, A₂ at θ₂, A₃ at θ₃.
inline constexpr Relation twoVectorsMagnitude{
    "R = √(ΣX² + ΣY²)",
    "√(({A₁} × cos({θ₁}) + {A₂} × cos({θ₂}))² + ({A₁} × sin({θ₁}) + {A₂} × sin({θ₂}))²)",
    {{{"A₁", Unit::None}, {"θ₁", Unit::Degree}, {"A₂", Unit::None}, {"θ₂", Unit::Degree}}},
    Unit::None};
inline constexpr Relation twoVectorsAlongX{
    "θ = atan(ΣY / ΣX)",
    "atan(({A₁} × sin({θ₁}) + {A₂} × sin({θ₂})) / ({A₁} × cos({θ₁}) + {A₂} × cos({θ₂})))",
    {{{"A₁", Unit::None}, {"θ₁", Unit::Degree}, {"A₂", Unit::None}, {"θ₂", Unit::Degree}}},
    Unit::Degree};
inline constexpr Relation twoVectorsAgainstXUp{
    "θ = atan(ΣY / ΣX) + 180°",
    "atan(({A₁} × sin({θ₁}) + {A₂} × sin({θ₂})) / ({A₁} × cos({θ₁}) + {A₂} × cos({θ₂}))) + 180°",
    {{{"A₁", Unit::None}, {"θ₁", Unit::Degree}, {"A₂", Unit::None}, {"θ₂", Unit::Degree}}},
    Unit::Degree};
inline constexpr Relation twoVectorsAgainstXDown{
    "θ = atan(ΣY / ΣX) - 180°",
    "atan(({A₁} × sin({θ₁}) + {A₂} × sin({θ₂})) / ({A₁} × cos({θ₁}) + {A₂} × cos({θ₂}))) - 180°",
    {{{"A₁", Unit::None}, {"θ₁", Unit::Degree}, {"A₂", Unit::None}, {"θ₂", Unit::Degree}}},
    Unit::Degree};
inline constexpr Relation twoVectorsAlongYUp{
    "θ = 90° - atan(ΣX / ΣY)",
    "90° - atan(({A₁} × cos({θ₁}) + {A₂} × cos({θ₂})) / ({A₁} × sin({θ₁}) + {A₂} × sin({θ₂})))",
    {{{"A₁", Unit::None}, {"θ₁", Unit::Degree}, {"A₂", Unit::None}, {"θ₂", Unit::Degree}}},
    Unit::Degree};
inline constexpr Relation twoVectorsAlongYDown{
    "θ = -90° - atan(ΣX / ΣY)",
    "-90° - atan(({A₁} × cos({θ₁}) + {A₂} × cos({θ₂})) / ({A₁} × sin({θ₁}) + {A₂} × sin({θ₂})))",
    {{{"A₁", Unit::None}, {"θ₁", Unit::Degree}, {"A₂", Unit::None}, {"θ₂", Unit::Degree}}},
    Unit::Degree};
inline constexpr SumWorking twoVectors{twoVectorsMagnitude,    twoVectorsAlongX,   twoVectorsAgainstXUp,
                                       twoVectorsAgainstXDown, twoVectorsAlongYUp, twoVectorsAlongYDown};

inline constexpr Relation threeVectorsMagnitude{
    "R = √(ΣX² + ΣY²)",
    "√(({A₁} × cos({θ₁}) + {A₂} × cos({θ₂}) + {A₃} × cos({θ₃}))² + ({A₁} × sin({θ₁}) + {A₂} × sin({θ₂}) + {A₃} × sin({θ₃}))²)",
    {{{"A₁", Unit::None},
      {"θ₁", Unit::Degree},
      {"A₂", Unit::None},
      {"θ₂", Unit::Degree},
      {"A₃", Unit::None},
      {"θ₃", Unit::Degree}}},
    Unit::None};
inline constexpr Relation threeVectorsAlongX{
    "θ = atan(ΣY / ΣX)",
    "atan(({A₁} × sin({θ₁}) + {A₂} × sin({θ₂}) + {A₃} × sin({θ₃})) / ({A₁} × cos({θ₁}) + {A₂} × cos({θ₂}) + {A₃} × cos({θ₃})))",
    {{{"A₁", Unit::None},
      {"θ₁", Unit::Degree},
      {"A₂", Unit::None},
      {"θ₂", Unit::Degree},
      {"A₃", Unit::None},
      {"θ₃", Unit::Degree}}},
    Unit::Degree};
inline constexpr Relation threeVectorsAgainstXUp{
    "θ = atan(ΣY / ΣX) + 180°",
    "atan(({A₁} × sin({θ₁}) + {A₂} × sin({θ₂}) + {A₃} × sin({θ₃})) / ({A₁} × cos({θ₁}) + {A₂} × cos({θ₂}) + {A₃} × cos({θ₃}))) + 180°",
    {{{"A₁", Unit::None},
      {"θ₁", Unit::Degree},
      {"A₂", Unit::None},
      {"θ₂", Unit::Degree},
      {"A₃", Unit::None},
      {"θ₃", Unit::Degree}}},
    Unit::Degree};
inline constexpr Relation threeVectorsAgainstXDown{
    "θ = atan(ΣY / ΣX) - 180°",
    "atan(({A₁} × sin({θ₁}) + {A₂} × sin({θ₂}) + {A₃} × sin({θ₃})) / ({A₁} × cos({θ₁}) + {A₂} × cos({θ₂}) + {A₃} × cos({θ₃}))) - 180°",
    {{{"A₁", Unit::None},
      {"θ₁", Unit::Degree},
      {"A₂", Unit::None},
      {"θ₂", Unit::Degree},
      {"A₃", Unit::None},
      {"θ₃", Unit::Degree}}},
    Unit::Degree};
inline constexpr Relation threeVectorsAlongYUp{
    "θ = 90° - atan(ΣX / ΣY)",
    "90° - atan(({A₁} × cos({θ₁}) + {A₂} × cos({θ₂}) + {A₃} × cos({θ₃})) / ({A₁} × sin({θ₁}) + {A₂} × sin({θ₂}) + {A₃} × sin({θ₃})))",
    {{{"A₁", Unit::None},
      {"θ₁", Unit::Degree},
      {"A₂", Unit::None},
      {"θ₂", Unit::Degree},
      {"A₃", Unit::None},
      {"θ₃", Unit::Degree}}},
    Unit::Degree};
inline constexpr Relation threeVectorsAlongYDown{
    "θ = -90° - atan(ΣX / ΣY)",
    "-90° - atan(({A₁} × cos({θ₁}) + {A₂} × cos({θ₂}) + {A₃} × cos({θ₃})) / ({A₁} × sin({θ₁}) + {A₂} × sin({θ₂}) + {A₃} × sin({θ₃})))",
    {{{"A₁", Unit::None},
      {"θ₁", Unit::Degree},
      {"A₂", Unit::None},
      {"θ₂", Unit::Degree},
      {"A₃", Unit::None},
      {"θ₃", Unit::Degree}}},
    Unit::Degree};
inline constexpr SumWorking threeVectors{threeVectorsMagnitude,  threeVectorsAlongX,
                                         threeVectorsAgainstXUp, threeVectorsAgainstXDown,
                                         threeVectorsAlongYUp,   threeVectorsAlongYDown};

// Three forces: F₁ at θ₁, F₂ at θ₂, F₃ at θ₃.
inline constexpr Relation threeForcesMagnitude{
    "R = √(ΣX² + ΣY²)",
    "√(({F₁} × cos({θ₁}) + {F₂} × cos({θ₂}) + {F₃} × cos({θ₃}))² + ({F₁} × sin({θ₁}) + {F₂} × sin({θ₂}) + {F₃} × sin({θ₃}))²)",
    {{{"F₁", Unit::Newton},
      {"θ₁", Unit::Degree},
      {"F₂", Unit::Newton},
      {"θ₂", Unit::Degree},
      {"F₃", Unit::Newton},
      {"θ₃", Unit::Degree}}},
    Unit::Newton};
inline constexpr Relation threeForcesAlongX{
    "θ = atan(ΣY / ΣX)",
    "atan(({F₁} × sin({θ₁}) + {F₂} × sin({θ₂}) + {F₃} × sin({θ₃})) / ({F₁} × cos({θ₁}) + {F₂} × cos({θ₂}) + {F₃} × cos({θ₃})))",
    {{{"F₁", Unit::Newton},
      {"θ₁", Unit::Degree},
      {"F₂", Unit::Newton},
      {"θ₂", Unit::Degree},
      {"F₃", Unit::Newton},
      {"θ₃", Unit::Degree}}},
    Unit::Degree};
inline constexpr Relation threeForcesAgainstXUp{
    "θ = atan(ΣY / ΣX) + 180°",
    "atan(({F₁} × sin({θ₁}) + {F₂} × sin({θ₂}) + {F₃} × sin({θ₃})) / ({F₁} × cos({θ₁}) + {F₂} × cos({θ₂}) + {F₃} × cos({θ₃}))) + 180°",
    {{{"F₁", Unit::Newton},
      {"θ₁", Unit::Degree},
      {"F₂", Unit::Newton},
      {"θ₂", Unit::Degree},
      {"F₃", Unit::Newton},
      {"θ₃", Unit::Degree}}},
    Unit::Degree};
inline constexpr Relation threeForcesAgainstXDown{
    "θ = atan(ΣY / ΣX) - 180°",
    "atan(({F₁} × sin({θ₁}) + {F₂} × sin({θ₂}) + {F₃} × sin({θ₃})) / ({F₁} × cos({θ₁}) + {F₂} × cos({θ₂}) + {F₃} × cos({θ₃}))) - 180°",
    {{{"F₁", Unit::Newton},
      {"θ₁", Unit::Degree},
      {"F₂", Unit::Newton},
      {"θ₂", Unit::Degree},
      {"F₃", Unit::Newton},
      {"θ₃", Unit::Degree}}},
    Unit::Degree};
inline constexpr Relation threeForcesAlongYUp{
    "θ = 90° - atan(ΣX / ΣY)",
    "90° - atan(({F₁} × cos({θ₁}) + {F₂} × cos({θ₂}) + {F₃} × cos({θ₃})) / ({F₁} × sin({θ₁}) + {F₂} × sin({θ₂}) + {F₃} × sin({θ₃})))",
    {{{"F₁", Unit::Newton},
      {"θ₁", Unit::Degree},
      {"F₂", Unit::Newton},
      {"θ₂", Unit::Degree},
      {"F₃", Unit::Newton},
      {"θ₃", Unit::Degree}}},
    Unit::Degree};
inline constexpr Relation threeForcesAlongYDown{
    "θ = -90° - atan(ΣX / ΣY)",
    "-90° - atan(({F₁} × cos({θ₁}) + {F₂} × cos({θ₂}) + {F₃} × cos({θ₃})) / ({F₁} × sin({θ₁}) + {F₂} × sin({θ₂}) + {F₃} × sin({θ₃})))",
    {{{"F₁", Unit::Newton},
      {"θ₁", Unit::Degree},
      {"F₂", Unit::Newton},
      {"θ₂", Unit::Degree},
      {"F₃", Unit::Newton},
      {"θ₃", Unit::Degree}}},
    Unit::Degree};
inline constexpr SumWorking threeForces{threeForcesMagnitude,    threeForcesAlongX,   threeForcesAgainstXUp,
                                        threeForcesAgainstXDown, threeForcesAlongYUp, threeForcesAlongYDown};

} // namespace physics
