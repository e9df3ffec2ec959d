#pragma once
// The names tests and scenarios give the icon of a message: none, info, warning or critical.

#include "core/messages.h"

#include <QString>

inline QString iconName(msg::Icon icon) {
    switch (icon) {
    case msg::Icon::None:
        return QStringLiteral("none");
    case msg::Icon::Information:
        return QStringLiteral("info");
    case msg::Icon::Exclamation:
        return QStringLiteral("warning");
    case msg::Icon::Critical:
        return QStringLiteral("critical");
    }
    return {};
}
