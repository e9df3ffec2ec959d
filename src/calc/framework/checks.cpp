#include "calc/framework/definition.h"

namespace calc {

QString firstInputBox(const Definition& d) {
    for (const NumberInput& in : d.inputs)
        if (in.box == QLatin1String("Text1"))
            return in.box;
    return d.inputs.empty() ? QString() : d.inputs.front().box;
}

Check required(QStringList boxes, Message message) {
    return [boxes = std::move(boxes), message = std::move(message)](Sheet& w) {
        for (const QString& b : boxes) {
            if (w.isShown(b) && w.isEmpty(b)) {
                w.sayAbout(b, message);
                return false;
            }
        }
        return true;
    };
}

Message invalidData(Icon icon) {
    return {QStringLiteral("You must enter valid data."), QStringLiteral("Quellorin"), icon};
}

Check validData(QStringList boxes, Icon icon) {
    return required(std::move(boxes), invalidData(icon));
}

Check notNegative(QStringList boxes) {
    return [boxes = std::move(boxes)](Sheet& w) {
        for (const QString& b : boxes) {
            if (!w.isShown(b) || !num::isNumeric(w.text(b)))
                continue;
            // Read in double precision, as the widest of the windows read: a box too large for
            // it is left to the formula, which says so.
            bool negative = false;
            try {
                negative = num::toDouble(w.text(b)).value() < 0;
            } catch (const num::CalcError&) {
                continue;
            }
            if (negative) {
                w.sayAbout(b, {QStringLiteral("You must enter a number greater than 0.")});
                return false;
            }
        }
        return true;
    };
}

Check fillIfEmpty(QString box, QString text) {
    return [box = std::move(box), text = std::move(text)](Sheet& w) {
        if (!w.isEmpty(box))
            return true;
        w.setText(box, text);
        return false;
    };
}

Check rule(QString box, std::function<bool(float)> holds, Message message) {
    return [box = std::move(box), holds = std::move(holds), message = std::move(message)](Sheet& w) {
        if (holds(w.single(box).value()))
            return true;
        w.sayAbout(box, message);
        return false;
    };
}

Check atLeastZero(QString box, Message message) {
    return rule(
        std::move(box), [](float v) { return v >= 0; }, std::move(message));
}

Check aboveZero(QString box, Message message) {
    return rule(
        std::move(box), [](float v) { return v > 0; }, std::move(message));
}

Check whenOption(int n, Check check) {
    return [n, check = std::move(check)](Sheet& w) { return w.selectedOption() != n || check(w); };
}

Formula product(QString a, QString b) {
    return [a = std::move(a), b = std::move(b)](Sheet& w) { w.showResult(w.single(a) * w.single(b)); };
}

Formula quotient(QString a, QString b) {
    return [a = std::move(a), b = std::move(b)](Sheet& w) { w.showResult(w.single(a) / w.single(b)); };
}

} // namespace calc
