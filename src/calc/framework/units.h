#pragma once
// The units of the calculators' results (they are the program's, in core).

#include "core/units.h"

namespace calc {
using units::symbol;
using units::Unit;
} // namespace calc
