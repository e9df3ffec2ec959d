#pragma once
// Turning the values of the reference database into the text the reference windows show.

#include <QString>
#include <QVariant>

namespace reference {

enum class NamedFormat { None, Scientific, Standard };

// A value as text, unformatted: text as it is, whole numbers as digits, other numbers by the plain
// conversion of a double (4.002602, 1.602176634E-19). Null is not a value: EngineError
// ("Invalid use of Null").
QString valueText(const QVariant& value);

// A value in a named format: numbers are formatted, text is shown as it is. Null: EngineError.
QString formatted(const QVariant& value, NamedFormat format);

// True when the value is Null or the empty text.
bool isEmptyValue(const QVariant& value);

// The text brought to exactly width characters: blanks added on the right, or cut.
QString fixedWidth(const QString& text, int width);

} // namespace reference
