#include "calc/framework/calculator.h"

namespace calc {

Check required(QStringList boxes, Message message) {
    return [boxes = std::move(boxes), message = std::move(message)](CalculatorWindow& w) {
        for (const QString& b : boxes) {
            if (w.isEmpty(b)) {
                w.say(message);
                return false;
            }
        }
        return true;
    };
}

Check fillIfEmpty(QString box, QString text) {
    return [box = std::move(box), text = std::move(text)](CalculatorWindow& w) {
        if (!w.isEmpty(box))
            return true;
        w.setText(box, text);
        return false;
    };
}

Check whenOption(int n, Check check) {
    return [n, check = std::move(check)](CalculatorWindow& w) { return w.selectedOption() != n || check(w); };
}

} // namespace calc
