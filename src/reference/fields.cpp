#include "reference/fields.h"

#include "core/numbers.h"
#include "reference/engine.h"

#include <QMetaType>

namespace reference {
namespace {

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::LongLong:
    case QMetaType::Int:
        return true;
    default:
        return false;
    }
}

void refuseNull(const QVariant& value) {
    if (value.isNull())
        throw EngineError(QStringLiteral("Invalid use of Null"));
}

} // namespace

QString valueText(const QVariant& value) {
    refuseNull(value);
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return num::plain(num::Double(value.toDouble()));
    default:
        return value.toString();
    }
}

QString formatted(const QVariant& value, NamedFormat format) {
    refuseNull(value);
    if (!isNumber(value) || format == NamedFormat::None)
        return valueText(value);
    const double v = value.toDouble();
    return format == NamedFormat::Scientific ? num::scientific(v) : num::standard(v);
}

bool isEmptyValue(const QVariant& value) {
    return value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty());
}

QString fixedWidth(const QString& text, int width) {
    return text.left(width).leftJustified(width, u' ');
}

} // namespace reference
