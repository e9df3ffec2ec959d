// Metric conversions: a measurement from one metric prefix to another, nano to giga, for a
// distance, a mass or a volume.
#include "tools/math/calculators.h"
#include "tools/math/conversions.h"

#include <array>

namespace calc {
namespace {

constexpr auto measurement = "Text1", converted = "Text2", working = "Text3";

// The quantity choice (a row without a frame), then the From and To groups of ten prefixes each.
// Both groups list the prefixes in the order they stand, two rows of five: Nano, Milli, Deci,
// Deka, Mega above, Micro, Centi, the base unit (the eighth), Kilo, Giga below.
constexpr auto quantityGroup = "Quantity", fromGroup = "Frame1", toGroup = "Frame2";
constexpr int Prefixes = 10, Base = 8;
constexpr std::array<int, Prefixes> exponent = {-9, -3, -1, 1, 6, -6, -2, 0, 3, 9};
constexpr std::array<const char*, Prefixes> prefix = {"Nano",  "Milli", "Deci",  "Deka", "Mega",
                                                      "Micro", "Centi", nullptr, "Kilo", "Giga"};
constexpr std::array<int, Prefixes> fromName = {1, 3, 5, 7, 9, 2, 4, 6, 8, 10}; // Option1 ... Option10

// The power of ten of the prefix chosen in the group (Ok's checks have made sure there is one).
int chosenExponent(const Sheet& w, const char* group) {
    return exponent[size_t(w.chosen(group) - 1)];
}

// The unit chosen in the group, in words: "Kilometers", "Milligrams", "Liters".
QString unitName(const Sheet& w, const char* group) {
    static constexpr std::array<const char*, 3> base = {"Meters", "Grams", "Liters"};
    const QString quantity = QString::fromLatin1(base[size_t(w.chosen(quantityGroup) - 1)]);
    const char* chosen = prefix[size_t(w.chosen(group) - 1)];
    return chosen ? QString::fromLatin1(chosen) + quantity.toLower() : quantity;
}

// The base unit's caption in both groups.
void baseUnit(Sheet& w, const QString& caption) {
    w.setOptionCaption(fromGroup, Base, caption);
    w.setOptionCaption(toGroup, Base, caption);
}

// Every target prefix but the one excepted (0: none) is enabled.
void enableTo(Sheet& w, int except) {
    for (int k = 1; k <= Prefixes; ++k)
        if (k != except)
            w.setOptionEnabled(toGroup, k, true);
}

// The From or the To group: the ten prefixes in two rows of five, none chosen at first.
ChoiceGroup prefixGroup(bool from) {
    std::vector<Option> options;
    for (int i = 0; i < Prefixes; ++i) {
        Option o{.caption = prefix[size_t(i)] ? prefix[size_t(i)] : "Meters",
                 .name = QStringLiteral("Option%1").arg(from ? fromName[size_t(i)] : 11 + i)};
        if (from) {
            // The same prefix cannot be the target; every other prefix can be chosen.
            o.onClick = [k = i + 1](Sheet& w) {
                for (int j = 1; j <= Prefixes; ++j)
                    if (j != k)
                        w.setOptionEnabled(fromGroup, j, true);
                enableTo(w, k);
                w.setOptionEnabled(toGroup, k, false);
            };
        } else {
            o.onClick = [k = i + 1](Sheet& w) { enableTo(w, k); };
        }
        options.push_back(std::move(o));
    }
    return {.frame = from ? fromGroup : toGroup,
            .caption = from ? "From" : "To",
            .options = std::move(options),
            .role = ChoiceGroup::Role::Setting,
            .perRow = 5,
            .chosenAtLoad = 0,
            .clickEmptiesBoxes = false};
}

} // namespace

Definition frmMetrics() {
    Definition d{.className = "frmMetrics", .caption = "Metric Conversion"};
    d.inputs = {{measurement, "Label1", Profile::K21, "Enter a metric measurement."}};
    d.results = {{.label = "Label2", .box = converted, .prefix = "The new measurement is"}};
    d.formula = QString::fromLatin1(working);
    const auto quantity = [](const char* caption, const char* base) {
        return Option{.caption = caption, .onClick = [base](Sheet& w) { baseUnit(w, base); }};
    };
    d.choices = {
        {.frame = "",
         .name = quantityGroup,
         .options = {quantity("Distance", "Meters"), quantity("Mass", "Grams"), quantity("Volume", "Liters")},
         .role = ChoiceGroup::Role::Setting,
         .perRow = 3,
         .clickEmptiesBoxes = false},
        prefixGroup(true),
        prefixGroup(false),
    };
    const auto demand = [](const char* text, const char* group) -> Check {
        return [text, group](Sheet& w) {
            if (w.chosen(group))
                return true;
            w.say({text});
            return false;
        };
    };
    d.checks = {
        required({measurement}, {"You must enter a valid number."}),
        demand("You must select one of the three options.", quantityGroup),
        demand("You must select one of the FROM options", fromGroup),
        demand("You must select one of the TO options", toGroup),
    };
    // The same prefix in both groups gives the measurement itself.
    d.solve = [](Sheet& w) {
        const num::Double value = w.real(measurement);
        const int from = chosenExponent(w, fromGroup), to = chosenExponent(w, toGroup);
        const QString answer = num::plain(math::convertMetric(value, from, to));
        w.setText(converted, answer);
        // The working: "5 Kilometers = 5 × 10^3 Meters = 5000 Meters".
        const QString typed = w.text(measurement), toName = unitName(w, toGroup);
        w.showFormula(typed + ' ' + unitName(w, fromGroup) + " = " + typed + " × 10^" +
                      QString::number(from - to) + ' ' + toName + " = " + answer + ' ' + toName);
    };
    // Clear keeps the quantity and its base unit, and makes every target prefix available again.
    d.clear.then = [](Sheet& w) { enableTo(w, 0); };
    d.buttons.ok.name = QStringLiteral("cmdOK");
    d.close.show = QStringLiteral("frmGeneralChoice");
    d.help->text = concat({
        "All measurements in chemistry must be in the metric system. To convert from metric measurement to  ",
        "another involves multiplying or dividing by 10 or a multiple of 10. ",
    });
    return d;
}

} // namespace calc
