#pragma once
// A failure's short name, for comparing failures in tables, and the failure a piece of code raises.

#include "core/numbers.h"

#include <QString>

inline QString failureName(num::Failure f) {
    switch (f) {
    case num::Failure::NotANumber:
        return QStringLiteral("not a number");
    case num::Failure::TooLarge:
        return QStringLiteral("too large");
    case num::Failure::DivisionByZero:
        return QStringLiteral("division by zero");
    case num::Failure::NegativeRoot:
        return QStringLiteral("negative root");
    case num::Failure::NoAnswer:
        break;
    }
    return QStringLiteral("no answer");
}

// The short name of the failure that f() raises; "(no failure)" when it raises none.
template <typename F> QString failureOf(F f) {
    try {
        f();
    } catch (const num::CalcError& e) {
        return failureName(e.failure());
    }
    return QStringLiteral("(no failure)");
}
