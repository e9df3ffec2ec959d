#pragma once
// Vectors in the plane, as the calculators add them: forces and displacements given by a
// magnitude and a direction in degrees, measured counterclockwise from the positive X axis.

#include "core/numbers.h"

#include <optional>
#include <vector>

namespace physics {

using num::Single;

struct Vector {
    Single x, y;
};

Vector operator+(Vector a, Vector b);

// The components of a vector of this magnitude and direction.
Vector fromPolar(Single magnitude, Single degrees);

// The length of the vector.
Single magnitude(Vector v);

// The direction in degrees, in the quadrant the components lie in: from -180 to 180. The zero
// vector has no direction (invalid argument).
Single direction(Vector v);

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

} // namespace physics
