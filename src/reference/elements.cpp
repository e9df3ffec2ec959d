#include "reference/elements.h"

#include <QStringList>

namespace reference {
namespace {

struct Period {
    int row;
    int firstColumn;
    const char* symbols; // blank-separated; ">N" moves on to column N
};

ElementClass classOf(const QString& symbol) {
    static const QStringList gases = {"H", "He", "N", "O", "F", "Ne", "Cl", "Ar", "Kr", "Xe", "Rn"};
    static const QStringList liquids = {"Br", "Hg"};
    static const QStringList metalloids = {"B", "Si", "Ge", "As", "Sb", "Te", "At", "Po"};
    static const QStringList synthetic = {"Pm", "Np", "Pu", "Am", "Cm", "Bk",  "Cf",  "Es",  "Fm",
                                          "Md", "No", "Lr", "Rf", "Ha", "Unh", "Uns", "Uno", "Une"};
    if (gases.contains(symbol))
        return ElementClass::Gas;
    if (liquids.contains(symbol))
        return ElementClass::Liquid;
    if (metalloids.contains(symbol))
        return ElementClass::Metalloid;
    if (synthetic.contains(symbol))
        return ElementClass::Synthetic;
    return ElementClass::Solid;
}

QString captionOf(const QString& symbol) {
    if (symbol == QLatin1String("Rf"))
        return QStringLiteral("Unq");
    if (symbol == QLatin1String("Ha"))
        return QStringLiteral("Unp");
    return symbol;
}

std::vector<ElementButton> build() {
    // In order of atomic number: the lanthanides follow La and the actinides follow Ac.
    static const Period periods[] = {
        {1, 1, "H >18 He"},
        {2, 1, "Li Be >13 B C N O F Ne"},
        {3, 1, "Na Mg >13 Al Si P S Cl Ar"},
        {4, 1, "K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga Ge As Se Br Kr"},
        {5, 1, "Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe"},
        {6, 1, "Cs Ba La"},
        {8, 5, "Ce Pr Nd Pm Sm Eu Gd Tb Dy Ho Er Tm Yb Lu"},
        {6, 4, "Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn"},
        {7, 1, "Fr Ra Ac"},
        {9, 5, "Th Pa U Np Pu Am Cm Bk Cf Es Fm Md No Lr"},
        {7, 4, "Rf Ha Unh Uns Uno Une"},
    };
    std::vector<ElementButton> out;
    for (const Period& p : periods) {
        int column = p.firstColumn;
        for (const QString& word : QString::fromLatin1(p.symbols).split(u' ')) {
            if (word.startsWith(u'>')) {
                column = word.mid(1).toInt();
                continue;
            }
            out.push_back({word, captionOf(word), column, p.row, classOf(word)});
            ++column;
        }
    }
    return out;
}

} // namespace

const std::vector<ElementButton>& elementButtons() {
    static const std::vector<ElementButton> all = build();
    return all;
}

QColor classColour(ElementClass kind) {
    switch (kind) {
    case ElementClass::Gas:
        return {0, 255, 0};
    case ElementClass::Liquid:
        return {0, 192, 192};
    case ElementClass::Metalloid:
        return {128, 128, 255};
    case ElementClass::Synthetic:
        return {255, 255, 0};
    case ElementClass::Solid:
        break;
    }
    return {224, 224, 224};
}

bool hasDataSheet(const QString& symbol) {
    static const QStringList ten = {"H", "He", "Li", "Be", "B", "C", "N", "O", "F", "Ne"};
    return ten.contains(symbol);
}

} // namespace reference
