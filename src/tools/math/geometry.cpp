#include "tools/math/geometry.h"

namespace math {

using num::Pi;

Double measure(Shape shape, Double a, Double b) {
    switch (shape) {
    case Shape::Rectangle:
        return a * b;
    case Shape::Circle:
        return a * a * Pi;
    case Shape::Ellipse:
        return a * Pi * b;
    case Shape::SphereSurface:
        return a * a * (Pi * 4.0);
    case Shape::CylinderSurface:
        return a * (Pi * 2.0) * b;
    case Shape::ConeSurface:
        return a * Pi * num::sqrt(a * a + b * b);
    case Shape::Cube:
        return a * a * a;
    case Shape::Sphere:
        return a * a * a * (Double(4) / 3.0 * Pi);
    case Shape::Cylinder:
        return a * a * Pi * b;
    case Shape::Triangle:
        return b * 0.5 * a;
    case Shape::Cone:
        return a * a * Pi * b / 3.0;
    }
    return 0;
}

Double hypotenuse(Double a, Double b) {
    return num::sqrt(a * a + b * b);
}

Double otherSide(Double hypotenuse, Double side) {
    return num::sqrt(hypotenuse * hypotenuse - side * side);
}

} // namespace math
