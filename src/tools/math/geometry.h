#pragma once
// Areas, surface areas and volumes of the common shapes, and the sides of a right triangle, in
// double precision with pi taken as 3.14159265.

#include "core/numbers.h"

namespace math {

using num::Double;

enum class Shape {
    Rectangle,       // length a, width b
    Circle,          // radius a
    Ellipse,         // half-axes a and b
    SphereSurface,   // radius a
    CylinderSurface, // radius a, height b: the curved side, without the ends
    ConeSurface,     // radius a, height b: the curved side, without the base
    Cube,            // side a
    Sphere,          // radius a
    Cylinder,        // radius a, height b
    Triangle,        // height a, base b
    Cone,            // radius a, height b
};

// The area, surface area or volume of the shape; b is ignored by shapes of one length.
Double measure(Shape shape, Double a, Double b = 0);

// The hypotenuse of a right triangle with these sides.
Double hypotenuse(Double a, Double b);
// The other side of a right triangle with this hypotenuse and side; a side longer than the
// hypotenuse has no triangle (invalid argument).
Double otherSide(Double hypotenuse, Double side);

} // namespace math
