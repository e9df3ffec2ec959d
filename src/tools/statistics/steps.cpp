#include "tools/statistics/steps.h"

#include "ui/appearance.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace statistics {

StepsWindow::StepsWindow(Steps steps)
    : Form(steps.className, {steps.caption, appearance::toolWindowFlags(), true}), m_steps(std::move(steps)) {
    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    for (const auto& [name, caption] : std::as_const(m_steps.labels)) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(name);
        label->setWordWrap(true);
        label->setFixedWidth(appearance::twips(4470));
        column->addWidget(label);
    }
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addLayout(
        buttonRow({{QStringLiteral("cmdCancel"), QStringLiteral("Close"), [this] { cmdCancel_Click(); }}}));
    row->addStretch();
    column->addLayout(row);
    auto* close = findChild<QPushButton*>(QStringLiteral("cmdCancel"));
    setCancelButton(close);
    close->setFocus();
}

void StepsWindow::cmdCancel_Click() {
    UnloadAndShow(m_steps.returnTo);
}

} // namespace statistics
