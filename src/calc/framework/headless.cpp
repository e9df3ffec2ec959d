#include "calc/framework/headless.h"

namespace calc {

HeadlessCalculator::HeadlessCalculator(Definition definition) : m_runtime(std::move(definition), *this) {
    const Definition& d = m_runtime.definition();
    for (const QString& name : boxNames(d))
        m_boxes.insert(name, {});
    for (const QString& name : labelNames(d))
        m_captions.insert(name, {});
    if (!d.heading.label.isEmpty())
        m_captions.insert(d.heading.label, d.heading.text);
    for (const ChoiceGroup& group : d.choices)
        for (const Option& o : group.options)
            m_options.append({o.caption});
    m_runtime.load();
}

HeadlessCalculator::Box& HeadlessCalculator::box(const QString& name) {
    const auto it = m_boxes.find(name);
    if (it == m_boxes.end())
        qFatal("%s has no box named %s", qPrintable(m_runtime.definition().className), qPrintable(name));
    return *it;
}

const HeadlessCalculator::Box& HeadlessCalculator::box(const QString& name) const {
    return const_cast<HeadlessCalculator*>(this)->box(name);
}

HeadlessCalculator::OptionState& HeadlessCalculator::option(int n) {
    if (n < 1 || n > m_options.size())
        qFatal("%s has no option %d", qPrintable(m_runtime.definition().className), n);
    return m_options[n - 1];
}

const HeadlessCalculator::OptionState& HeadlessCalculator::option(int n) const {
    return const_cast<HeadlessCalculator*>(this)->option(n);
}

QString HeadlessCalculator::text(const QString& name) const {
    return box(name).text;
}

void HeadlessCalculator::setText(const QString& name, const QString& text) {
    Box& b = box(name);
    if (b.text == text)
        return;
    b.text = text;
    m_runtime.boxChanged(name);
}

bool HeadlessCalculator::isShown(const QString& name) const {
    return box(name).shown;
}

bool HeadlessCalculator::isEnabled(const QString& name) const {
    return box(name).enabled;
}

void HeadlessCalculator::describeBox(const QString& name, const QString& description) {
    box(name).description = description;
}

QString HeadlessCalculator::description(const QString& name) const {
    return box(name).description;
}

QString& HeadlessCalculator::label(const QString& name) {
    const auto it = m_captions.find(name);
    if (it == m_captions.end())
        qFatal("%s has no label named %s", qPrintable(m_runtime.definition().className), qPrintable(name));
    return *it;
}

void HeadlessCalculator::setCaption(const QString& name, const QString& caption) {
    label(name) = caption;
}

QString HeadlessCalculator::caption(const QString& name) const {
    return const_cast<HeadlessCalculator*>(this)->label(name);
}

bool HeadlessCalculator::isSelected(int n) const {
    return n >= 1 && n <= m_runtime.optionCount() && option(n).selected;
}

void HeadlessCalculator::setOptionEnabled(int n, bool enabled) {
    if (n >= 1 && n <= m_runtime.optionCount())
        option(n).enabled = enabled;
}

bool HeadlessCalculator::isOptionEnabled(int n) const {
    return option(n).enabled;
}

void HeadlessCalculator::setOptionCaption(int n, const QString& caption) {
    option(n).caption = caption;
}

QString HeadlessCalculator::optionCaption(int n) const {
    return option(n).caption;
}

void HeadlessCalculator::focusBox(const QString& name) {
    box(name);
    m_focus = name;
}

void HeadlessCalculator::click(int n) {
    if (!option(n).enabled)
        return;
    checkOption(n);
    m_runtime.optionClicked(n);
}

void HeadlessCalculator::emptyBoxes() {
    for (const QString& name : m_boxes.keys())
        setText(name, QString());
}

void HeadlessCalculator::showBox(const QString& name, bool shown) {
    box(name).shown = shown;
}

void HeadlessCalculator::enableBox(const QString& name, bool enabled) {
    box(name).enabled = enabled;
}

void HeadlessCalculator::checkOption(int n) {
    for (int i = 1; i <= m_runtime.optionCount(); ++i)
        if (m_runtime.groupOf(i) == m_runtime.groupOf(n))
            option(i).selected = i == n;
}

} // namespace calc
