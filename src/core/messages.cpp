#include "core/messages.h"

namespace msg {

std::optional<num::CalcError> errorTrap(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const num::CalcError& e) {
        return e;
    }
    return std::nullopt;
}

std::optional<Caught> underErrorTrap(const std::function<void()>& handler, const Trap& trap,
                                     const std::function<QString(const QString& box)>& promptOf) {
    const std::optional<num::CalcError> failure = errorTrap(handler);
    if (!failure)
        return std::nullopt;
    const QString box = failure->box();
    const QString text =
        trap.text.isEmpty() ? num::describe(*failure, box.isEmpty() ? QString() : promptOf(box)) : trap.text;
    return Caught{{text, trap.title, trap.icon}, box};
}

} // namespace msg
