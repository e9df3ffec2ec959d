#include "calc/framework/problems.h"

#include "calc/framework/runtime.h"

namespace calc {

std::vector<const Layout*> possibleLayouts(const Definition& d) {
    std::vector<const Layout*> all;
    for (const ChoiceGroup& group : d.choices)
        for (const Option& o : group.options)
            all.push_back(&o.layout);
    for (const Layout& l : d.layouts)
        all.push_back(&l);
    return all;
}

std::vector<const std::vector<Step>*> possibleWorkings(const Definition& d) {
    std::vector<const std::vector<Step>*> all = {&d.working};
    for (const Layout* layout : possibleLayouts(d))
        all.push_back(&layout->working);
    for (const ExtraButton& extra : d.buttons.more)
        all.push_back(&extra.working);
    return all;
}

std::vector<Unit> possibleUnits(const Definition& d, const ResultRow& row) {
    if (row.unit != Unit::None)
        return {row.unit};
    std::vector<Unit> units;
    for (const Layout* layout : possibleLayouts(d))
        for (const auto& [box, unit] : layout->units)
            if (box == row.box)
                units.push_back(unit);
    for (const std::vector<Step>* working : possibleWorkings(d))
        for (const Step& step : *working)
            if (answerBox(d, step) == row.box && step.relation->result != Unit::None)
                units.push_back(step.relation->result);
    return units;
}

QStringList problems(const Definition& d) {
    QStringList found;
    const QStringList boxes = boxNames(d);
    const QStringList labels = labelNames(d);
    QStringList inputs;
    for (const NumberInput& in : d.inputs)
        inputs << in.box;

    if (d.layout && d.layouts.empty())
        found << QStringLiteral("a layout hook without the list of the layouts it gives");
    if (!d.clear.focus.isEmpty() && !boxes.contains(d.clear.focus))
        found << QStringLiteral("Clear puts the cursor in %1, which is not a box").arg(d.clear.focus);

    // A line stands below the row of an input or result box, or below a row of extra buttons.
    QStringList lineHolders = inputs;
    for (const ResultRow& r : d.results)
        lineHolders << r.box;
    if (d.buttons.morePerRow > 0)
        for (const ExtraButton& extra : d.buttons.more)
            lineHolders << extra.name;
    for (const Separator& s : d.lines)
        if (!lineHolders.contains(s.after))
            found
                << QStringLiteral(
                       "the line %1 follows %2, which is neither a box nor an extra button in a row of its own")
                       .arg(s.name, s.after);

    QStringList groups;
    for (const ChoiceGroup& group : d.choices) {
        // Formulas name a group by its frame, or by its own name where it has none.
        if (!group.frame.isEmpty() && !group.name.isEmpty())
            found << QStringLiteral("the group %1 is also named %2").arg(group.frame, group.name);
        if (!nameOf(group).isEmpty() && groups.contains(nameOf(group)))
            found << QStringLiteral("two groups are named %1").arg(nameOf(group));
        groups << nameOf(group);
        if (group.chosenAtLoad < 0 || group.chosenAtLoad > int(group.options.size()))
            found << QStringLiteral("the group %1 starts with option %2 of %3")
                         .arg(nameOf(group))
                         .arg(group.chosenAtLoad)
                         .arg(group.options.size());
    }
    QStringList results, ownUnits;
    for (const ResultRow& r : d.results) {
        results << r.box;
        if (r.unit != Unit::None)
            ownUnits << r.box;
    }

    for (const Layout* layout : possibleLayouts(d)) {
        for (const auto& [name, prompt] : layout->prompts)
            if (!inputs.contains(name))
                found << QStringLiteral("a layout prompts \"%1\" for %2, which is not an input box")
                             .arg(prompt, name);
        for (const auto& [name, caption] : layout->captions)
            if (!labels.contains(name))
                found << QStringLiteral("a layout captions %1, which is not a label").arg(name);
        for (const auto& [name, unit] : layout->units) {
            if (!results.contains(name))
                found << QStringLiteral("a layout gives a unit to %1, which is not a result box").arg(name);
            else if (ownUnits.contains(name))
                found << QStringLiteral("a layout gives a unit to %1, which has a unit of its own").arg(name);
        }
        for (const QString& name : layout->magnitudes)
            if (!inputs.contains(name))
                found << QStringLiteral("a layout marks %1 as a magnitude, which is not an input box")
                             .arg(name);
        for (const QString& name : layout->hiddenResults)
            if (!boxes.contains(name))
                found << QStringLiteral("a layout hides %1, which is not a box").arg(name);
        for (const QString& name : layout->shown.value_or(QStringList()))
            if (!boxes.contains(name))
                found << QStringLiteral("a layout shows %1, which is not a box").arg(name);
    }
    for (const std::vector<Step>* working : possibleWorkings(d))
        for (const Step& step : *working) {
            if (d.formula.box.isEmpty())
                found << QStringLiteral("an answer is worked out, but there is no worked-formula box");
            if (!results.contains(answerBox(d, step)))
                found << QStringLiteral("a step answers in %1, which is not a result box")
                             .arg(answerBox(d, step));
            if (step.from.size() != step.relation->givenCount())
                found << QStringLiteral("a step reads %1 boxes for the %2 quantities of %3")
                             .arg(step.from.size())
                             .arg(step.relation->givenCount())
                             .arg(QString::fromUtf8(step.relation->written));
            for (const QString& name : step.from)
                if (!boxes.contains(name))
                    found << QStringLiteral("a step reads %1, which is not a box").arg(name);
        }
    found.removeDuplicates();
    return found;
}

} // namespace calc
