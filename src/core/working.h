#pragma once
// The working of an answer, as a student writes it out: the relation in symbols, the numbers put
// into it with their units, and the result with its unit:
//
//     KE = ½ m v² = ½ × 1200 kg × (25 m/s)² = 375,000.000 J
//
// Each relation is declared once, beside the function that computes it, with the unit of each
// quantity it is given and of its result.

#include "core/units.h"

#include <QString>
#include <QStringList>

#include <array>

namespace working {

using units::Unit;

// A quantity a relation is given: its symbol in the relation and its unit.
struct Quantity {
    const char* symbol = nullptr;
    Unit unit = Unit::None;
};

struct Relation {
    // The relation in symbols, as the student writes it: "KE = ½ m v²".
    const char* written = "";
    // Its right-hand side with each given quantity in braces where its number goes:
    // "½ × {m} × {v}²". The operators are ×, / and ÷, + and -, ² and ³, √ and the functions sin,
    // cos, tan and their inverses, with parentheses.
    const char* worked = "";
    // The quantities it is given, in the order the calculator reads them (UTF-8 symbols).
    std::array<Quantity, 8> given{};
    Unit result = Unit::None;

    int givenCount() const;
};

// One line of working: the relation, then its right-hand side with each given quantity's number
// (as the student typed it) and unit, then the result as shown and its unit. A number is put in
// parentheses where an exponent follows it with its unit or its sign, or where its sign follows an
// operator. The numbers are the given quantities', in order.
QString line(const Relation& relation, const QStringList& numbers, const QString& result);

// The worked expression alone: "½ × 1200 kg × (25 m/s)²".
QString substituted(const Relation& relation, const QStringList& numbers);

} // namespace working
