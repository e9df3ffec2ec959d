// Temperature conversions between the Celsius, Fahrenheit and Kelvin scales, one button for each
// direction, each with the formula worked out with the student's number.
#include "tools/math/calculators.h"
#include "tools/math/conversions.h"

namespace calc {
namespace {

using num::Double;
using num::plain;
constexpr auto temperature = "Text1", converted = "Text2", formula = "Text3";

// The refusal of a temperature colder than anything can be, naming the limit in the scale typed.
QString belowAbsoluteZero(math::Scale from) {
    const char* const unit = from == math::Scale::Celsius      ? " C"
                             : from == math::Scale::Fahrenheit ? " F"
                                                               : " K";
    return "A temperature cannot be below absolute zero, " + plain(Double(math::absoluteZero(from))) + unit +
           ".";
}

// A conversion button: the converted temperature in the unit of its scale, and the worked formula
// made of T and R.
ExtraButton conversion(const char* name, const char* caption, math::Scale from, Unit to,
                       Double (*convert)(Double), QString (*worked)(Double t, Double r),
                       bool threeDecimals = true) {
    return {name,
            caption,
            [=](Sheet& w) {
                if (w.isEmpty(temperature)) {
                    w.sayAbout(temperature,
                               {"You must enter a valid temperature.", "Temperatures", Icon::Information});
                    return;
                }
                const Double t = w.real(temperature);
                if (math::belowAbsoluteZero(t, from)) {
                    w.say({belowAbsoluteZero(from), "Temperatures", Icon::Information});
                    return;
                }
                const Double r = convert(t);
                w.setText(converted, threeDecimals ? num::result(r) : plain(r));
                w.showUnit(converted, to);
                w.setText(formula, worked(t, r));
            },
            {"Temperatures", Icon::Exclamation}};
}

} // namespace

Definition frmTemperatures() {
    Definition d{.className = "frmTemperatures", .caption = "Temperature Conversion"};
    d.inputs = {{temperature, "Label1", Profile::K20, "Enter a temperature value."}};
    d.results = {{.label = "Label2", .box = converted, .prefix = "The new temperature is"}};
    d.formula = QStringLiteral("Text3");
    // The answer's unit is the scale converted to.
    d.layouts = {{.units = {{converted, Unit::DegreeCelsius}}},
                 {.units = {{converted, Unit::DegreeFahrenheit}}},
                 {.units = {{converted, Unit::Kelvin}}}};
    d.buttons.order = {Standard::Print, Standard::Close, Standard::Clear};
    d.buttons.morePerRow = 3;
    d.buttons.more = {
        conversion("cmdCToF", "C To F", math::Scale::Celsius, Unit::DegreeFahrenheit,
                   math::celsiusToFahrenheit,
                   [](Double t, Double r) {
                       return concat({"9/5 ", " x "}) + plain(t) + " + " + "32  =  " + plain(r);
                   }),
        conversion(
            "cmdCToK", "C To K", math::Scale::Celsius, Unit::Kelvin, math::celsiusToKelvin,
            [](Double t, Double r) { return plain(t) + " + 273   =  " + plain(r); }, false),
        conversion("cmdFToC", "F To C", math::Scale::Fahrenheit, Unit::DegreeCelsius,
                   math::fahrenheitToCelsius,
                   [](Double t, Double r) {
                       return concat({"5/9 ", " x ", " ("}) + plain(t) + "- " + "32)  =  " + plain(r);
                   }),
        conversion("cmdFToK", "F To K", math::Scale::Fahrenheit, Unit::Kelvin, math::fahrenheitToKelvin,
                   [](Double t, Double r) {
                       return concat({"5/9 ", " x ", " ("}) + plain(t) + "- " + "32)   + 273  = " + plain(r);
                   }),
        conversion("cmdKToC", "K To C", math::Scale::Kelvin, Unit::DegreeCelsius, math::kelvinToCelsius,
                   [](Double t, Double r) { return plain(t) + " - 273  = " + plain(r); }),
        // This worked formula stops after "+ 32", without the result.
        conversion("cmdKToF", "K To F", math::Scale::Kelvin, Unit::DegreeFahrenheit, math::kelvinToFahrenheit,
                   [](Double t, Double) { return "9/5  * (" + plain(t) + " - 273 ) + 32  "; }),
    };
    // Clear leaves the cursor where it is, and the answer goes with its unit.
    d.clear.focusesFirstBox = false;
    d.clear.then = [](Sheet& w) { w.showUnit(converted, Unit::None); };
    d.close.show = QStringLiteral("frmGeneralChoice");
    d.help->title = QStringLiteral("Tamborell");
    d.help->text = concat({
        "You are familiar with Fahrenheit temperatures. 32 is freezing and 212 is boiling. However, in "
        "chemistry, temperatures ",
        "must be in Celsius or Kelvin. Chemical laws and principles are set up to use the Celsius scale most of "
        "the ",
        "time. There are some cases, gases in particular, where the temperatures must be Kelvin. Gas calculations ",
        "just work better mathematically when the temperatures are in Celsius or Kelvin. ",
    });
    return d;
}

} // namespace calc
