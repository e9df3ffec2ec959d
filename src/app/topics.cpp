#include "app/topics.h"

#include "ui/appearance.h"
#include "ui/windows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

const std::vector<TopicDefinition>& topicDefinitions() {
    using L = Leave;
    static const std::vector<TopicDefinition> all = {
        {.className = "frmGeneralChoice",
         .caption = "General",
         .helpTopic = "General Problems",
         .frameCaption = "Select one of the problem types",
         .buttons = {{"cmdCancel", "Close", "frmmain", L::Close},
                     {"cmdMetrics", "Metrics", "frmMetrics", L::UnloadFirst},
                     {"cmdStatistics", "Statistics", "frmStatistics", L::UnloadFirst},
                     {"frmSigfigs", "Significant Figures", "frmSignificantFigures", L::UnloadFirst},
                     {"cmdTrigValues", "Trig values", "frmTrigValues", L::UnloadFirst},
                     {"Command9", "Areas/Volumes", "frmAreaFormulas", L::UnloadFirst},
                     {"Command10", "Pythagorean", "frmPythagorean", L::UnloadFirst},
                     {"Command11", "Temperatures", "frmTemperatures", L::UnloadFirst},
                     {"Command12", "Equations/Graphs", "frmEquations", L::UnloadFirst}},
         .columns = 2,
         .cancelButton = "cmdCancel",
         .minimizeButton = false},
        {.className = "frmMotion",
         .caption = "Motion",
         .helpTopic = "Motion",
         .frameCaption = "Select one of the following",
         .buttons = {{"cmdDisplacement", "Displacement", "frmCalculateDisplacement", L::UnloadFirst},
                     {"cmdVelocity", "Velocity", "frmVelocity", L::UnloadFirst},
                     {"cmdCancel", "Close", nullptr, L::Close}},
         .defaultButton = "cmdDisplacement",
         .cancelButton = "cmdCancel"},
        // No F1 here, and Esc presses nothing.
        {.className = "frmAccelerationChoice",
         .caption = "Acceleration",
         .helpTopic = "Acceleration",
         .frameCaption = "",
         .buttons = {{"cmdAcceleration", "Average Acceleration", "frmConstantAcceleration"},
                     {"cmdConAcceleration", "Constant Acceleration", "frmAcceleration"},
                     {"cmdFalling", "Falling Objects", "frmFallingObject"},
                     {"cmdProjectile", "Projectile Motion", "frmProjectile"},
                     {"cmdCancel", "Cancel", nullptr, L::Close}},
         .helpKey = false},
        {.className = "frmVectors",
         .caption = "Vectors",
         .helpTopic = "Vectors",
         .buttons = {{"cmdResultant", "Determine Resultant", "frmResultant"},
                     {"cmdResolve", "Resolve Vectors", "FRMrESOLVING"},
                     {"cmdAddVectors", "Add Vectors", "frmAddingVectors"},
                     {"cmdClose", "Close", nullptr, L::Close}},
         .defaultButton = "cmdResultant",
         .cancelButton = "cmdClose"},
        {.className = "frmEnergyChoice",
         .caption = "Energy Choices",
         .helpTopic = "Energy",
         .buttons = {{"cmdKineticEnergy", "Kinetic Energy", "frmKineticEnergy"},
                     {"cmdwork", "Work", "frmWork"},
                     {"cmdPotentialEnergy", "Potential Energy", "frmPotentialenergy"},
                     {"cmdPower", "Power", "frmPower"},
                     {"cmdClose", "Close", nullptr, L::Close}},
         .defaultButton = "cmdKineticEnergy",
         .cancelButton = "cmdClose"},
        // Enter and Esc both close this one.
        {.className = "frmMomentumChoices",
         .caption = "Momentum / Collisions",
         .helpTopic = "Momentum/Collisions",
         .buttons = {{"cmdMomentum", "Momentum", "frmMomentum", L::HideFirst},
                     {"cmdCollisions", "Elastic Collisions", "frmCollisions"},
                     {"cmdCancel", "Close", nullptr, L::Close},
                     {"cmdInelastic", "Inelastic Collisions", "frmInelastic"}},
         .columns = 3,
         .defaultButton = "cmdCancel",
         .cancelButton = "cmdCancel"},
        {.className = "frmRotationChoice",
         .caption = "Rotational Motion",
         .helpTopic = "Rotational Motion",
         .buttons = {{"cmdAngularDisplacement", "Angular Displacement", "frmAngularDisplacement"},
                     {"cmdAngularVelocity", "Angular Speed", "frmAngularSpeed"},
                     {"cmdAngularAcceleration", "Angular Acceleration", "frmAngularAcceleration"},
                     {"cmdTorque", "Torque", "frmTorque"},
                     {"cmdAngularMomentum", "Angular Momentum", "frmAngularMomentum"},
                     {"cmdRotationalKE", "Kinetic Energy", "frmAngularEnergy"},
                     {"cmdCancel", "Close", nullptr, L::Close}},
         .columns = 2,
         .cancelButton = "cmdCancel"},
        {.className = "frmStatistics",
         .caption = "Statistics",
         .helpTopic = "Statistics",
         .buttons = {{"cmdMean", "Mean", "frmMean", L::UnloadFirst},
                     {"cmdMedian", "Median", "frmMedian", L::UnloadFirst},
                     {"cmdMode", "Mode", "frmMode", L::UnloadFirst},
                     {"cmdSD", "Stan. Dev.", "frmDeviations", L::UnloadFirst},
                     {"cmdVariation", "Variation", "frmVariation", L::UnloadFirst},
                     {"cmdError", "Error", "frmError", L::UnloadFirst},
                     {"cmdCancel", "Close", "frmGeneralChoice", L::Close}},
         .columns = 3,
         .cancelButton = "cmdCancel"},
        {.className = "frmMiscellaneous",
         .caption = "Miscellaneous Problem Types",
         .helpTopic = "Miscellaneous",
         .buttons = {{"cmdArchimedes", "Archimede's Principle", "frmArchimedes"},
                     {"cmdPascal", "Pascal's Principle", "frmPascal"},
                     {"cmdCancel", "Close", nullptr, L::Close}},
         .cancelButton = "cmdCancel"},
        {.className = "frmHarmonicMotion",
         .caption = "Harmonic Motion",
         .helpTopic = "Harmonic Motion",
         .buttons = {{"cmdCancel", "Close", nullptr, L::Close},
                     {"cmdHookes", "Mass - Spring System", "frmHookes"},
                     {"cmdPendulum", "Simple Pendulum", "frmPendulum"}},
         .cancelButton = "cmdCancel"},
    };
    return all;
}

void registerTopicWindows() {
    for (const TopicDefinition& d : topicDefinitions()) {
        const QString className = QString::fromLatin1(d.className);
        windows::registerClass(className, [&d] { return new TopicWindow(d); });
        windows::setHelpTopic(className, QString::fromLatin1(d.helpTopic));
    }
}

TopicWindow::TopicWindow(const TopicDefinition& definition)
    : Form(QString::fromLatin1(definition.className),
           {QString::fromUtf8(definition.caption),
            appearance::toolWindowFlags() |
                (definition.minimizeButton ? Qt::WindowMinimizeButtonHint : Qt::WindowFlags()),
            definition.helpKey}),
      m_def(definition) {

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    QWidget* holder = this;
    auto* grid = new QGridLayout;
    if (m_def.frameCaption) {
        auto* frame = new QGroupBox(QString::fromUtf8(m_def.frameCaption), this);
        frame->setObjectName(QStringLiteral("Frame1"));
        frame->setLayout(grid);
        outer->addWidget(frame);
        holder = frame;
    } else {
        outer->addLayout(grid);
    }
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    outer->addLayout(closeRow);

    QWidget* previous = nullptr;
    int placed = 0;
    for (const TopicButton& entry : m_def.buttons) {
        const bool isClose = entry.leave == Leave::Close;
        auto* b = new QPushButton(QString::fromUtf8(entry.caption), isClose ? this : holder);
        b->setObjectName(QString::fromLatin1(entry.name));
        b->setAutoDefault(false);
        b->setMinimumWidth(150);
        if (isClose) {
            closeRow->addWidget(b);
        } else {
            grid->addWidget(b, placed / m_def.columns, placed % m_def.columns);
            ++placed;
        }
        connect(b, &QPushButton::clicked, this, [this, &entry] { click(entry); });
        if (previous)
            setTabOrder(previous, b);
        previous = b;
        if (m_def.defaultButton && entry.name == std::string_view(m_def.defaultButton))
            setDefaultButton(b);
        if (m_def.cancelButton && entry.name == std::string_view(m_def.cancelButton))
            setCancelButton(b);
    }
    closeRow->addStretch();
    // The window opens with the focus on its default button, so that Enter presses it.
    if (defaultButton())
        defaultButton()->setFocus();
}

void TopicWindow::click(const TopicButton& button) {
    const QString target = button.opens ? QString::fromLatin1(button.opens) : QString();
    switch (button.leave) {
    case Leave::Stay:
        break;
    case Leave::UnloadFirst:
    case Leave::Close:
        Unload();
        break;
    case Leave::HideFirst:
        hide();
        break;
    }
    if (!target.isEmpty())
        windows::show(target);
}
