// Archimedes' principle: the buoyant force is the weight of the fluid displaced,
// F = density * volume * 9.8, solved for any of its three quantities.
#include "calc/framework/calculator.h"
#include "calc/framework/calculators.h"

namespace calc {

Definition frmArchimedes() {
    using num::Single;
    const Single g = 9.8f;
    Definition d;
    d.className = QStringLiteral("frmArchimedes");
    d.caption = QStringLiteral("Archimede's Principle");
    d.inputs = {
        {"Text1", "Label1", Profile::K1},
        {"Text2", "Label2", Profile::K1,
         "Volume depends on whether all or only part of the object is submerged."},
    };
    d.resultLabel = QStringLiteral("Label3");
    d.resultBox = QStringLiteral("Text3");
    d.formulaBox = QStringLiteral("Text4");
    d.optionColumns = 3;
    d.options = {
        {.caption = "Buoyant Force",
         .prompts = {"Enter the density.", "Enter the volume."},
         .resultPrefix = "The buoyant force is ",
         .solve = [g](CalculatorWindow& w) { w.showResult(w.single("Text2") * w.single("Text1") * g); }},
        {.caption = "Density",
         .prompts = {"Enter the buoyant force.", "Enter the volume."},
         .resultPrefix = "The density is ",
         .solve = [g](CalculatorWindow& w) { w.showResult(w.single("Text1") / (w.single("Text2") * g)); }},
        {.caption = "Volume",
         .prompts = {"Enter the buoyant force.", "Enter the density."},
         .resultPrefix = "The volume is ",
         .solve = [g](CalculatorWindow& w) { w.showResult(w.single("Text1") / (w.single("Text2") * g)); }},
    };
    const Message invalid{"You must enter valid data.", QStringLiteral("Quellorin"), Icon::Information};
    d.checks = {required({"Text1", "Text2"}, invalid)};
    d.trap.icon = Icon::Information;
    d.closeButton = QStringLiteral("cmdCancel");
    d.help = concat({
        "Archimede's Principle states that any object completely or partially submerged in a fluid ",
        "experiences an upward buoyant force equal in magnitude to the weight of the fluid displaced by the ",
        "object. Objects float because of this upward force. That force is equal to the weight of the object. ",
    });
    return d;
}

} // namespace calc
