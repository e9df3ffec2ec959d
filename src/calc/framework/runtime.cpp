#include "calc/framework/runtime.h"

#include "calc/framework/problems.h"

#include <algorithm>

namespace calc {
namespace {

// The value the list gives the name; the value type's default where it names none.
template <typename Value> Value valueIn(const QList<std::pair<QString, Value>>& list, const QString& name) {
    for (const auto& [key, value] : list)
        if (key == name)
            return value;
    return Value{};
}

} // namespace

QString captionOf(const Captions& captions, const QString& name) {
    return valueIn(captions, name);
}

QStringList boxNames(const Definition& d) {
    QStringList names;
    for (const NumberInput& in : d.inputs)
        names << in.box;
    for (const ResultRow& r : d.results)
        names << r.box;
    if (!d.formula.box.isEmpty())
        names << d.formula.box;
    return names;
}

QStringList labelNames(const Definition& d) {
    QStringList names;
    if (!d.heading.label.isEmpty())
        names << d.heading.label;
    for (const NumberInput& in : d.inputs)
        names << in.label;
    for (const ResultRow& r : d.results) {
        if (!r.label.isEmpty())
            names << r.label;
        if (!r.unitLabel.isEmpty())
            names << r.unitLabel;
        if (const QString unit = unitLabelOf(d, r); !unit.isEmpty())
            names << unit;
    }
    return names;
}

QString unitLabelOf(const Definition& d, const ResultRow& row) {
    return row.unitLabel.isEmpty() && !possibleUnits(d, row).empty() ? row.box + QStringLiteral("Unit")
                                                                     : QString();
}

QString answerBox(const Definition& d, const Step& step) {
    if (!step.result.isEmpty() || d.results.empty())
        return step.result;
    return d.results.front().box;
}

QString nameOf(const ChoiceGroup& group) {
    return group.frame.isEmpty() ? group.name : group.frame;
}

CalculatorRuntime::CalculatorRuntime(Definition definition, Surface& surface)
    : m_def(std::move(definition)), m_surface(surface) {
    if (const QStringList found = problems(m_def); !found.isEmpty())
        qFatal("%s: %s", qPrintable(m_def.className), qPrintable(found.join(QStringLiteral("; "))));
    m_firstBox = firstInputBox(m_def);
    for (int g = 0; g < int(m_def.choices.size()); ++g) {
        m_before.push_back(optionCount());
        m_groupOf.insert(m_groupOf.end(), m_def.choices[size_t(g)].options.size(), g);
    }
}

int CalculatorRuntime::groupNamed(const QString& name) const {
    for (int g = 0; g < int(m_def.choices.size()); ++g)
        if (name.isEmpty() || nameOf(m_def.choices[size_t(g)]) == name)
            return g;
    qFatal("%s has no choice group named %s", qPrintable(m_def.className), qPrintable(name));
}

int CalculatorRuntime::numberOf(const QString& group, int option) const {
    const int g = groupNamed(group);
    if (option < 1 || option > int(m_def.choices[size_t(g)].options.size()))
        qFatal("%s has no option %d in the group %s", qPrintable(m_def.className), option,
               qPrintable(nameOf(m_def.choices[size_t(g)])));
    return m_before[size_t(g)] + option;
}

int CalculatorRuntime::chosenIn(size_t group) const {
    for (int option = 1; option <= int(m_def.choices[group].options.size()); ++option)
        if (m_surface.isSelected(m_before[group] + option))
            return option;
    return 0;
}

const Option& CalculatorRuntime::optionDefinition(int n) const {
    return m_def.choices[size_t(groupOf(n))].options[size_t(n - 1 - m_before[size_t(groupOf(n))])];
}

// Where the window shows more than one selection's prompts: a layout hook or solve-for options.
bool CalculatorRuntime::hasLayouts() const {
    return m_def.layout || std::any_of(m_def.choices.begin(), m_def.choices.end(), [](const ChoiceGroup& g) {
               return g.role == ChoiceGroup::Role::SolveFor;
           });
}

void CalculatorRuntime::load() {
    m_surface.emptyBoxes();
    for (const NumberInput& in : m_def.inputs)
        setCaption(in.label, in.prompt);
    for (const ResultRow& r : m_def.results) {
        if (!r.label.isEmpty())
            setCaption(r.label, r.prefix);
        if (!r.unitLabel.isEmpty())
            setCaption(r.unitLabel, r.unitLabelCaption);
    }
    if (hasLayouts())
        applyLayout(currentLayout());
    else
        showUnits(currentLayout());
    m_surface.enableCommands(false);
    // The option each group starts with, unless selecting in an earlier group has already chosen
    // in this one too.
    for (size_t g = 0; g < m_def.choices.size(); ++g) {
        const int initial = m_def.choices[g].chosenAtLoad;
        if (initial > 0 && chosenIn(g) == 0)
            selectNumbered(m_before[g] + initial);
    }
    // The window opens with the cursor in the first box of the tab order (which need not be the
    // box that enables Ok).
    if (!m_def.inputs.empty())
        focusBox(m_def.inputs.front().box);
    if (m_def.load.then)
        m_def.load.then(*this);
}

void CalculatorRuntime::applyLayout(const Layout& layout) {
    for (const NumberInput& in : m_def.inputs) {
        const QString prompt = captionOf(layout.prompts, in.box);
        setCaption(in.label, prompt);
        const bool shown = layout.shown ? layout.shown->contains(in.box) : !prompt.isEmpty();
        // A hidden box is disabled too, so that nothing reaches it until a layout shows it again.
        m_surface.showBox(in.box, shown);
        m_surface.enableBox(in.box, shown);
    }
    if (!m_def.results.empty() && !m_def.results.front().label.isEmpty())
        setCaption(m_def.results.front().label, layout.resultPrefix);
    // The other labels of the result rows: units, and the prefixes of further rows.
    for (size_t i = 0; i < m_def.results.size(); ++i) {
        const ResultRow& r = m_def.results[i];
        if (i > 0 && !r.label.isEmpty())
            setCaption(r.label, captionOf(layout.captions, r.label));
        if (!r.unitLabel.isEmpty())
            setCaption(r.unitLabel, captionOf(layout.captions, r.unitLabel));
    }
    for (size_t i = 1; i < m_def.results.size(); ++i)
        m_surface.showBox(m_def.results[i].box, !layout.hiddenResults.contains(m_def.results[i].box));
    showUnits(layout);
}

Unit CalculatorRuntime::unitOf(const ResultRow& row) const {
    return unitOf(row, currentLayout());
}

Unit CalculatorRuntime::unitOf(const ResultRow& row, const Layout& layout) const {
    if (!isShown(row.box))
        return Unit::None;
    if (row.unit != Unit::None)
        return row.unit;
    if (const Unit unit = valueIn(layout.units, row.box); unit != Unit::None)
        return unit;
    for (const Step& step : layout.working)
        if (answerBox(m_def, step) == row.box)
            return step.relation->result;
    return Unit::None;
}

void CalculatorRuntime::showUnits(const Layout& layout) {
    for (const ResultRow& r : m_def.results) {
        if (possibleUnits(m_def, r).empty())
            continue;
        const QString unit = symbol(unitOf(r, layout));
        if (const QString label = unitLabelOf(m_def, r); !label.isEmpty())
            setCaption(label, unit);
        m_surface.describeBox(r.box, unit);
    }
}

Layout CalculatorRuntime::currentLayout() const {
    if (m_def.layout) {
        Layout layout = m_def.layout(*this);
        if (std::find(m_def.layouts.begin(), m_def.layouts.end(), layout) == m_def.layouts.end())
            qFatal("%s: the layout hook gave a layout its list does not hold", qPrintable(m_def.className));
        return layout;
    }
    for (int n = 1; n <= optionCount(); ++n)
        if (m_def.choices[size_t(groupOf(n))].role == ChoiceGroup::Role::SolveFor && m_surface.isSelected(n))
            return optionDefinition(n).layout;
    for (const ChoiceGroup& group : m_def.choices)
        if (group.role == ChoiceGroup::Role::SolveFor && !group.options.empty())
            return group.options.front().layout;
    return {.working = m_def.working};
}

std::vector<int> CalculatorRuntime::solvedFor() const {
    std::vector<int> selected;
    for (int n = 1; n <= optionCount(); ++n)
        if (m_def.choices[size_t(groupOf(n))].role == ChoiceGroup::Role::SolveFor && m_surface.isSelected(n))
            selected.push_back(n);
    return selected;
}

void CalculatorRuntime::optionClicked(int n) {
    const ChoiceGroup& group = m_def.choices[size_t(groupOf(n))];
    if (group.clickEmptiesBoxes)
        m_surface.emptyBoxes();
    if (group.role == ChoiceGroup::Role::SolveFor) {
        // A new question: the answer to the old one goes with it, even where the inputs stay.
        if (std::vector<int> now = solvedFor(); now != m_solvedFor) {
            m_solvedFor = std::move(now);
            for (const ResultRow& r : m_def.results)
                setText(r.box, QString());
            if (!m_def.formula.box.isEmpty())
                setText(m_def.formula.box, QString());
        }
        applyLayout(currentLayout());
    }
    if (const Option& o = optionDefinition(n); o.onClick)
        o.onClick(*this);
}

void CalculatorRuntime::selectNumbered(int n) {
    if (n < 1 || n > optionCount())
        qFatal("%s has no option %d", qPrintable(m_def.className), n);
    if (m_surface.isSelected(n))
        return;
    m_surface.checkOption(n);
    optionClicked(n);
}

void CalculatorRuntime::trapped(const Formula& formula, const Trap& trap) {
    const auto caught = msg::underErrorTrap([&] { formula(*this); }, trap,
                                            [this](const QString& box) { return promptOf(box); });
    if (!caught)
        return;
    // A box that could not be read is named and gets the cursor, ready to be typed over; a
    // failure of the formula itself leaves the cursor where it was.
    if (caught->box.isEmpty())
        say(caught->message);
    else
        sayAbout(caught->box, caught->message);
}

QString CalculatorRuntime::promptOf(const QString& box) const {
    for (const NumberInput& in : m_def.inputs)
        if (in.box == box)
            return m_surface.caption(in.label);
    return {};
}

void CalculatorRuntime::ok() {
    m_said = false;
    m_formulaWritten = false;
    trapped(
        [this](Sheet&) {
            for (const Check& check : m_def.checks)
                if (!check(*this))
                    return;
            if (!notNegative(magnitudes())(*this))
                return;
            if (m_def.solve)
                m_def.solve(*this);
            for (int n = 1; n <= optionCount(); ++n)
                if (m_surface.isSelected(n) && optionDefinition(n).solve)
                    optionDefinition(n).solve(*this);
            // An answer that a formula refused to give (and said why) has no working; one whose
            // selection declares none and whose formula wrote none leaves no old working beside it.
            if (m_said)
                return;
            showWorking(currentLayout().working);
            if (!m_formulaWritten && !m_def.formula.box.isEmpty())
                m_surface.setText(m_def.formula.box, QString());
        },
        m_def.trap);
}

void CalculatorRuntime::showWorking(const std::vector<Step>& working) {
    if (working.empty())
        return;
    QStringList lines;
    for (const Step& step : working) {
        const QString answer = text(answerBox(m_def, step));
        if (answer.isEmpty())
            return;
        QStringList numbers;
        for (const QString& box : step.from)
            numbers << text(box);
        lines << working::line(*step.relation, numbers, answer);
    }
    showFormula(lines.join(QStringLiteral("; ")));
}

void CalculatorRuntime::clear() {
    m_surface.emptyBoxes();
    if (m_def.clear.restoresLayout && hasLayouts())
        applyLayout(currentLayout());
    const QString cursor = m_def.clear.focus.isEmpty() ? m_firstBox : m_def.clear.focus;
    if (!cursor.isEmpty() && m_def.clear.focusesFirstBox)
        focusBox(cursor);
    if (m_def.clear.then)
        m_def.clear.then(*this);
}

void CalculatorRuntime::press(const QString& button) {
    for (const ExtraButton& extra : m_def.buttons.more)
        if (extra.name == button) {
            m_said = false;
            return trapped(
                [&](Sheet& sheet) {
                    extra.onClick(sheet);
                    if (!m_said)
                        showWorking(extra.working);
                },
                extra.trap);
        }
    qFatal("%s has no button named %s", qPrintable(m_def.className), qPrintable(button));
}

void CalculatorRuntime::boxChanged(const QString& box) {
    if (box == m_firstBox)
        m_surface.enableCommands(true);
}

void CalculatorRuntime::help() {
    if (m_def.help)
        say({m_def.help->text, m_def.help->title, Icon::Information});
}

QString CalculatorRuntime::resultBox() const {
    if (m_def.results.empty())
        qFatal("%s has no result box", qPrintable(m_def.className));
    return m_def.results.front().box;
}

void CalculatorRuntime::showUnit(const QString& box, Unit unit) {
    for (const ResultRow& r : m_def.results) {
        if (r.box != box)
            continue;
        const std::vector<Unit> possible = possibleUnits(m_def, r);
        if (unit != Unit::None && std::find(possible.begin(), possible.end(), unit) == possible.end())
            qFatal("%s: no layout gives %s the unit %s", qPrintable(m_def.className), qPrintable(box),
                   qPrintable(symbol(unit)));
        if (const QString label = unitLabelOf(m_def, r); !label.isEmpty())
            setCaption(label, symbol(unit));
        m_surface.describeBox(r.box, symbol(unit));
        return;
    }
    qFatal("%s has no result box named %s", qPrintable(m_def.className), qPrintable(box));
}

QStringList CalculatorRuntime::magnitudes() const {
    QStringList boxes;
    for (const NumberInput& in : m_def.inputs)
        if (in.magnitude)
            boxes << in.box;
    if (hasLayouts())
        boxes << currentLayout().magnitudes;
    return boxes;
}

void CalculatorRuntime::setText(const QString& box, const QString& text) {
    m_surface.setText(box, text);
    if (box == m_def.formula.box)
        m_formulaWritten = true;
    if (text.isEmpty())
        return;
    for (const ResultRow& r : m_def.results)
        if (r.box == box && !r.unitLabel.isEmpty() && m_surface.caption(r.unitLabel).isEmpty() &&
            unitOf(r) != Unit::None)
            m_surface.setCaption(r.unitLabel, symbol(unitOf(r)));
}

ResultFormat CalculatorRuntime::resultFormat(const QString& name) const {
    for (const ResultRow& r : m_def.results)
        if (r.box == name)
            return r.format;
    return ResultFormat::ThreeDecimals;
}

} // namespace calc
