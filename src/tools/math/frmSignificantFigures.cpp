// Significant figures: the count of significant digits of a number, judged on its text as typed.
#include "tools/math/calculators.h"
#include "tools/math/sigfigs.h"

namespace calc {
namespace {

constexpr auto number = "Text1", count = "Text2", working = "Text3";

} // namespace

Definition frmSignificantFigures() {
    Definition d{.className = "frmSignificantFigures", .caption = "Significant Figures"};
    d.inputs = {{number, "Label1", Profile::K19, "Enter a number"}};
    // The count reads as one sentence: "There are 3 Significant digits".
    d.results = {{.label = "Label2",
                  .box = count,
                  .prefix = "There are ",
                  .unitLabel = "Label3",
                  .unitLabelCaption = "Significant digits"}};
    d.formula = QString::fromLatin1(working);
    d.checks = {required({number}, {"You must enter valid data into the input box.", "Significant Figures"})};
    d.solve = [](Sheet& w) {
        const math::SigFigCount counted = math::CalculateSigFigs(w.text(number));
        // A character that is no digit ends the counting; the count reached so far is shown.
        if (!counted.failure.isEmpty())
            w.sayAbout(number, {counted.failure, "frmSignificantFigures", Icon::Information});
        w.setText(count, QString::number(counted.count));
        // The working: the digits that count, one by one ("0.00450: 4 5 0 = 3").
        if (counted.failure.isEmpty()) {
            QStringList digits;
            for (const QChar digit : counted.digits)
                digits << QString(digit);
            w.showFormula(w.text(number) + QStringLiteral(": ") + digits.join(QLatin1Char(' ')) +
                          QStringLiteral(" = ") + QString::number(counted.count));
        }
    };
    d.trap = {"Significant Figures", Icon::Information, "Data Entry Error"};
    d.buttons.ok.name = QStringLiteral("cmdCalculate");
    d.buttons.ok.caption = QStringLiteral("OK");
    d.buttons.close.caption = QStringLiteral("Cancel");
    d.close.show = QStringLiteral("frmGeneralChoice");
    d.help->title = QStringLiteral("Tamborell");
    d.help->text = concat({
        "A significant figure is one that you can have a high degree of confidence in. It is not a guess. "
        "Calculations in ",
        "chemistry depend upon numbers that are real , dependable numbers and not guesses or estimates. ",
        "Rules have been set up to guarantee that numbers are accurate and reliable.",
    });
    return d;
}

} // namespace calc
