#include "calc/physics/energy.h"

namespace physics {

num::Double kineticEnergyOfBoth(num::Single m1, num::Double v1, num::Single m2, num::Double v2) {
    using num::Double;
    return v1 * v1 * Double((m1 * 0.5f).value()) + v2 * v2 * Double((m2 * 0.5f).value());
}

} // namespace physics
