#pragma once
// The elements of the periodic-table window: where each button stands and how it is coloured.

#include <QColor>
#include <QString>

#include <vector>

namespace reference {

enum class ElementClass { Solid, Liquid, Gas, Metalloid, Synthetic };

struct ElementButton {
    QString symbol;  // the button is named "cmd" + symbol
    QString caption; // the symbol, except for the six newest elements
    int column;      // 1 to 18
    int row;         // the periods 1 to 7, then 8 for the lanthanides and 9 for the actinides
    ElementClass kind;
};

// All 109, in order of atomic number.
const std::vector<ElementButton>& elementButtons();
QColor classColour(ElementClass kind);
// The ten elements whose data sheet can be opened.
bool hasDataSheet(const QString& symbol);

} // namespace reference
