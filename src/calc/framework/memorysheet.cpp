#include "calc/framework/memorysheet.h"

namespace calc {

MemorySheet::MemorySheet(Definition definition) : Runtime(std::move(definition)) {
    const Definition& d = this->definition();
    for (const QString& name : boxNames(d))
        m_boxes.insert(name, {});
    for (const QString& name : d.unusedBoxes)
        m_boxes[name].shown = false;
    for (const QString& name : labelNames(d))
        m_captions.insert(name, {});
    if (!d.heading.label.isEmpty())
        m_captions.insert(d.heading.label, d.heading.text);
    for (const ChoiceGroup& group : d.choices)
        for (const Option& o : group.options)
            m_options.append({o.caption});
    load();
}

MemorySheet::Box& MemorySheet::box(const QString& name) {
    const auto it = m_boxes.find(name);
    if (it == m_boxes.end())
        qFatal("%s has no box named %s", qPrintable(definition().className), qPrintable(name));
    return *it;
}

const MemorySheet::Box& MemorySheet::box(const QString& name) const {
    return const_cast<MemorySheet*>(this)->box(name);
}

MemorySheet::OptionState& MemorySheet::option(int n) {
    if (n < 1 || n > m_options.size())
        qFatal("%s has no option %d", qPrintable(definition().className), n);
    return m_options[n - 1];
}

const MemorySheet::OptionState& MemorySheet::option(int n) const {
    return const_cast<MemorySheet*>(this)->option(n);
}

QString MemorySheet::text(const QString& name) const {
    return box(name).text;
}

void MemorySheet::setText(const QString& name, const QString& text) {
    Box& b = box(name);
    if (b.text == text)
        return;
    b.text = text;
    boxChanged(name);
}

bool MemorySheet::isShown(const QString& name) const {
    return box(name).shown;
}

bool MemorySheet::isEnabled(const QString& name) const {
    return box(name).enabled;
}

void MemorySheet::describeBox(const QString& name, const QString& description) {
    box(name).description = description;
}

QString MemorySheet::description(const QString& name) const {
    return box(name).description;
}

QString& MemorySheet::label(const QString& name) {
    const auto it = m_captions.find(name);
    if (it == m_captions.end())
        qFatal("%s has no label named %s", qPrintable(definition().className), qPrintable(name));
    return *it;
}

void MemorySheet::setCaption(const QString& name, const QString& caption) {
    label(name) = caption;
}

QString MemorySheet::caption(const QString& name) const {
    return const_cast<MemorySheet*>(this)->label(name);
}

bool MemorySheet::isSelected(int n) const {
    return n >= 1 && n <= optionCount() && option(n).selected;
}

void MemorySheet::setOptionEnabled(int n, bool enabled) {
    if (n >= 1 && n <= optionCount())
        option(n).enabled = enabled;
}

bool MemorySheet::isOptionEnabled(int n) const {
    return option(n).enabled;
}

void MemorySheet::setOptionCaption(int n, const QString& caption) {
    option(n).caption = caption;
}

QString MemorySheet::optionCaption(int n) const {
    return option(n).caption;
}

void MemorySheet::say(const Message& message) {
    messages.append(message);
}

void MemorySheet::focusBox(const QString& name) {
    box(name);
    m_focus = name;
}

void MemorySheet::click(int n) {
    if (!option(n).enabled)
        return;
    checkOption(n);
    optionClicked(n);
}

void MemorySheet::emptyBoxes() {
    for (const QString& name : m_boxes.keys())
        setText(name, QString());
}

void MemorySheet::showBox(const QString& name, bool shown) {
    box(name).shown = shown;
}

void MemorySheet::enableBox(const QString& name, bool enabled) {
    box(name).enabled = enabled;
}

void MemorySheet::checkOption(int n) {
    for (int i = 1; i <= optionCount(); ++i)
        if (groupOf(i) == groupOf(n))
            option(i).selected = i == n;
}

} // namespace calc
