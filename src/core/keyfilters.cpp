#include "core/keyfilters.h"

#include <QHash>

namespace keys {
namespace {

const QString validNumber = QStringLiteral("You must enter a valid number");
const QString validExpression = QStringLiteral("You must enter a valid numerical expression");
const QString validAngle = QStringLiteral("You must enter a valid angle");
const QString quellorin = QStringLiteral("Quellorin");

const QHash<Profile, KeyProfile>& profiles() {
    static const QHash<Profile, KeyProfile> table = {
        {Profile::None, {}},
        {Profile::K1, {".-+E", validNumber, quellorin}},
        {Profile::K2, {".+E", validNumber, quellorin}},
        {Profile::K3, {".-+E", validExpression, quellorin}},
        {Profile::K3e, {".-+E", validExpression, quellorin, true}},
        {Profile::K4, {".+E", validExpression, quellorin}},
        {Profile::K5, {".-+E", validAngle, quellorin}},
        {Profile::K6, {".-+E", "You must enter a valid label", quellorin}},
        {Profile::K7, {".-+E", "You must enter a valid number.", quellorin}},
        {Profile::K8, {".-+E", "You must enter a valid angle.", quellorin}},
        {Profile::K9, {".-", validAngle, quellorin}},
        {Profile::K10, {".", validExpression, "Mean"}},
        {Profile::K11, {"", validExpression, "Mean"}},
        {Profile::K12, {".E", validExpression, "Mean"}},
        {Profile::K13, {".-+E", validExpression, "Standard Deviation"}},
        {Profile::K14, {".-+E", validExpression, "Percent Error"}},
        {Profile::K15, {" ^.+-Xx", validExpression, "Equations"}},
        {Profile::K16, {" ^.+-EXx", validExpression, "Equations"}},
        {Profile::K17, {" ^.+-E", validExpression, "Equations"}},
        {Profile::K18, {" -.", validExpression, "Equations"}},
        {Profile::K19, {".", validExpression, quellorin}},
        {Profile::K20, {".-", validExpression, "Temperatures"}},
        {Profile::K21, {".-+E", validExpression, "Pythagorean"}},
        {Profile::K22, {".", validExpression, "Pythagorean"}},
        {Profile::K23, {" ^.+-X", validExpression, "Equations"}},
    };
    return table;
}

} // namespace

const KeyProfile& keyProfile(Profile p) {
    return *profiles().constFind(p);
}

bool accepts(Profile p, QChar ch, bool boxEnabled) {
    if (p == Profile::None)
        return true;
    const KeyProfile& k = keyProfile(p);
    if (k.onlyWhileEnabled && !boxEnabled)
        return true;
    if (ch >= u'0' && ch <= u'9')
        return true;
    if (ch == QChar(8) || ch == QChar(13))
        return true;
    return k.extras.contains(ch);
}

bool passesUnfiltered(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return true;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return true;
    default:
        return false;
    }
}

} // namespace keys
