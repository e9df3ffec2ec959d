// Metric conversions: a measurement from one metric prefix to another, nano to giga, for a
// distance, a mass or a volume.
#include "tools/math/calculators.h"
#include "tools/math/conversions.h"

#include <array>

namespace calc {
namespace {

constexpr auto measurement = "Text1", converted = "Text2";

// The quantity choice, then the From and To groups of ten prefixes each. Both groups list the
// prefixes in the order they stand, two rows of five: Nano, Milli, Deci, Deka, Mega above, Micro,
// Centi, the base unit, Kilo, Giga below.
constexpr int Prefixes = 10, FirstFrom = 4, FirstTo = FirstFrom + Prefixes, Base = 7;
constexpr std::array<int, Prefixes> exponent = {-9, -3, -1, 1, 6, -6, -2, 0, 3, 9};
constexpr std::array<const char*, Prefixes> prefix = {"Nano",  "Milli", "Deci",  "Deka", "Mega",
                                                      "Micro", "Centi", nullptr, "Kilo", "Giga"};
constexpr std::array<int, Prefixes> fromName = {1, 3, 5, 7, 9, 2, 4, 6, 8, 10}; // Option1 ... Option10

// The power of ten of the prefix chosen in the group starting at option first (Ok's checks have
// made sure there is one).
int chosenExponent(const Sheet& w, int first) {
    return exponent[size_t(w.selectedIn(first, Prefixes) - first)];
}

// The base unit's caption in both groups.
void baseUnit(Sheet& w, const QString& caption) {
    w.setOptionCaption(FirstFrom + Base, caption);
    w.setOptionCaption(FirstTo + Base, caption);
}

void enableTo(Sheet& w, int except) {
    for (int i = 0; i < Prefixes; ++i)
        if (i != except)
            w.setOptionEnabled(FirstTo + i, true);
}

// The From or the To group: the ten prefixes in two rows of five, none chosen at first.
ChoiceGroup prefixGroup(bool from) {
    std::vector<Option> options;
    for (int i = 0; i < Prefixes; ++i) {
        Option o{.caption = prefix[size_t(i)] ? prefix[size_t(i)] : "Meters",
                 .name = QStringLiteral("Option%1").arg(from ? fromName[size_t(i)] : 11 + i)};
        if (from) {
            // The same prefix cannot be the target; every other prefix can be chosen.
            o.onClick = [i](Sheet& w) {
                for (int j = 0; j < Prefixes; ++j)
                    if (j != i)
                        w.setOptionEnabled(FirstFrom + j, true);
                enableTo(w, i);
                w.setOptionEnabled(FirstTo + i, false);
            };
        } else {
            o.onClick = [i](Sheet& w) { enableTo(w, i); };
        }
        options.push_back(std::move(o));
    }
    return {.frame = from ? "Frame1" : "Frame2",
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
    const auto quantity = [](const char* caption, const char* base) {
        return Option{.caption = caption, .onClick = [base](Sheet& w) { baseUnit(w, base); }};
    };
    d.choices = {
        {.frame = "",
         .options = {quantity("Distance", "Meters"), quantity("Mass", "Grams"), quantity("Volume", "Liters")},
         .role = ChoiceGroup::Role::Setting,
         .perRow = 3,
         .clickEmptiesBoxes = false},
        prefixGroup(true),
        prefixGroup(false),
    };
    const auto demand = [](const char* text, int first, int count) -> Check {
        return [text, first, count](Sheet& w) {
            if (w.selectedIn(first, count))
                return true;
            w.say({text});
            return false;
        };
    };
    d.checks = {
        required({measurement}, {"You must enter a valid number."}),
        demand("You must select one of the three options.", 1, 3),
        demand("You must select one of the FROM options", FirstFrom, Prefixes),
        demand("You must select one of the TO options", FirstTo, Prefixes),
    };
    // The same prefix in both groups gives the measurement itself.
    d.solve = [](Sheet& w) {
        const num::Double value = w.real(measurement);
        const int from = chosenExponent(w, FirstFrom), to = chosenExponent(w, FirstTo);
        w.setText(converted, num::plain(math::convertMetric(value, from, to)));
    };
    // Clear keeps the quantity and its base unit, and makes every target prefix available again.
    d.clear.then = [](Sheet& w) { enableTo(w, -1); };
    d.buttons.ok.name = QStringLiteral("cmdOK");
    d.close.show = QStringLiteral("frmGeneralChoice");
    d.help->text = concat({
        "All measurements in chemistry must be in the metric system. To convert from metric measurement to  ",
        "another involves multiplying or dividing by 10 or a multiple of 10. ",
    });
    return d;
}

} // namespace calc
