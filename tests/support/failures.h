#pragma once
// A failure's short name, for comparing failures in tables.

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
