#include "app/frmmain.h"

#include "app/Module1.h"
#include "ui/accessible.h"
#include "ui/appearance.h"
#include "ui/colours.h"
#include "ui/platform.h"
#include "ui/windows.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <algorithm>

namespace {

// Sizes are laid out in twips, as the window was drawn.
using appearance::twips;

struct ButtonEntry {
    const char* name;
    const char* caption;
    const char* opens; // a window class, or nullptr for a button with its own handler
};

// Row by row, left to right: the tab order.
const ButtonEntry topicButtons[2][7] = {
    {{"cmdGeneral", "General", "frmGeneralChoice"},
     {"cmdMotion", "Motion", "frmMotion"},
     {"cmdAcceleration", "Acceleration", "frmAccelerationChoice"},
     {"cmdVectors", "Vectors", "frmVectors"},
     {"Command5", "Newton's Laws", "frmForces"},
     {"Command14", "Friction", "frmFriction"},
     {"Command9", "Energy", "frmEnergyChoice"}},
    {{"Command8", "Equilibrium", "frmEquilibrium"},
     {"Command12", "Momentum", "frmMomentumChoices"},
     {"Command7", "Gravitation", "frmGravitation"},
     {"Command10", "Rotational Motion", "frmRotationChoice"},
     {"Command6", "Circular Motion", "frmCircularMotion"},
     {"Command13", "Harmonic Motion", "frmHarmonicMotion"},
     {"cmdMiscellaneous", "Miscellaneous", "frmMiscellaneous"}},
};
const ButtonEntry toolButtons[7] = {
    {"cmdConstants", "Constants", "frmConstants"},          {"cmdPeriodic", "Periodic Table", "frmPeriodic"},
    {"Command17", "Coeff. of Friction", "frmCoefficients"}, {"Command18", "Conversion Data", "frmUnits"},
    {"Command20", "Refraction Indices", "frmIndex"},        {"Command23", "Help", nullptr},
    {"cmdCalculatorChoice", "Calculator", nullptr},
};

struct MenuItem {
    const char* name;
    const char* caption;
    const char* opens; // nullptr: no action of its own
};
struct MenuTitle {
    const char* name;
    const char* caption;
    std::vector<MenuItem> items;
};

const std::vector<MenuTitle>& menuTitles() {
    static const std::vector<MenuTitle> titles = {
        {"mnuGeneral",
         "&General",
         {{"mnuMetrics", "Metrics", "frmMetrics"},
          {"mnuSignificant", "Significant Figures", "frmSignificantFigures"},
          {"mnuTemperatures", "Temperatures", "frmTemperatures"},
          {"mnuStatistics", "Statistics", "frmStatistics"},
          {"mnuTrigValues", "Trig Values", "frmTrigValues"},
          {"mnuAreas", "Areas/Volumes", "frmAreaFormulas"},
          {"mnuPythagorean", "Pythagorean", "frmPythagorean"},
          {"mnuEquations", "Equations/Graphs", "frmEquations"}}},
        {"mnuMotion",
         "&Motion",
         {{"mnuDisplacement", "Displacement", "frmCalculateDisplacement"},
          {"mnuVelocity", "Velocity", "frmVelocity"}}},
        // The average-acceleration window is the class frmConstantAcceleration, and the
        // constant-acceleration window frmAcceleration.
        {"mnuAcceleration",
         "&Acceleration",
         {{"mnuAverageAcceleration", "Average Acceleration", "frmConstantAcceleration"},
          {"mnuConstantAcceleration", "Constant Acceleration", "frmAcceleration"},
          {"mnuFallingObject", "Falling Object", "frmFallingObject"},
          {"mnuProjectileMotion", "Projectile Motion", "frmProjectile"}}},
        {"mnuVector",
         "&Vectors",
         {{"mnuResultant", "Determine Resultant", "frmResultant"},
          {"mnuResolveVectors", "Resolve Vectors", "FRMrESOLVING"},
          {"mnuAddVectors", "Add Vectors", "frmAddingVectors"}}},
        {"mnuNewton", "&Newton's Laws", {}},
        {"mnuFriction", "&Friction", {}},
        {"mnuEnergy",
         "&Energy",
         {{"mnuKineticEnergy2", "Kinetic Energy", "frmKineticEnergy"},
          {"mnuWork", "Work", "frmWork"},
          {"mnuPotentialEnergy", "Potential Energy", "frmPotentialenergy"},
          {"mnuPower", "Power", "frmPower"}}},
        {"mnuEquilibrium", "E&quilibrium", {}},
        {"mnuMomentum",
         "M&omentum",
         {{"mnuMomentum2", "Momentum", nullptr},
          {"mnuElasticCollisions", "Elastic Collisions", "frmCollisions"},
          {"mnuInelasticCollisions", "Inelastic Collisions", "frmInelastic"}}},
        {"mnuGravitation", "Grav&itation", {}},
        {"mnuRotational",
         "&Rotational Energy",
         {{"mnuAngularDisplacement", "Angular Displacement", "frmAngularDisplacement"},
          {"mnuAngularSpeed", "Angular Speed", "frmAngularSpeed"},
          {"mnuAngularAcceleration", "Angular Acceleration", "frmAngularAcceleration"},
          {"mnuTorque", "Torque", "frmTorque"},
          {"mnuAngularMomentum", "Angular Momentum", "frmAngularMomentum"},
          {"mnuKineticEnergy", "Kinetic Energy", "frmAngularEnergy"}}},
        {"mnuCircular", "&Circular Motion", {}},
        {"mnuHarmonic",
         "&Harmonic Motion",
         {{"mnuMassSpringSystem", "Mass-Spring System", "frmHookes"},
          {"mnusimplePendulum", "Simple Pendulum", "frmPendulum"}}},
        {"mnuMiscellaneous",
         "Misce&llaneous ",
         {{"mnuArchimedesPrinciple", "Archimede's Principle", "frmArchimedes"},
          {"mnuPascalsPrinciple", "Pascal's Principle", "frmPascal"}}},
        {"mnuAbout",
         "&About",
         {{"mnuQuellorin", "Quellorin", "frmAbout"},
          {"mnuHelp", "Help", "frmHelp"},
          {"mnuExit", "Exit", nullptr}}},
    };
    return titles;
}

// The window's colour below the menu bar.
const QColor teal(0, 128, 128);

// The decorative picture tiled between the button rows: a launched ball's path, a pendulum, a
// block on a slope and a pair of force arrows, in light lines on the window's teal.
QPixmap decoration() {
    QPixmap pm(300, 150);
    pm.fill(teal);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(200, 240, 235);
    p.setPen(QPen(ink, 1.5));
    // A projectile's parabola with a few positions of the ball.
    QPainterPath path;
    path.moveTo(12, 130);
    path.quadTo(80, -20, 148, 130);
    p.setPen(QPen(ink, 1.2, Qt::DashLine));
    p.drawPath(path);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(255, 210, 120));
    for (double t : {0.15, 0.5, 0.85}) {
        const QPointF at = path.pointAtPercent(t);
        p.drawEllipse(at, 4, 4);
    }
    p.drawLine(QPointF(4, 134), QPointF(156, 134));
    // A pendulum.
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(190, 14), QPointF(250, 14));
    p.drawLine(QPointF(220, 14), QPointF(244, 70));
    p.setPen(QPen(ink, 1, Qt::DotLine));
    p.drawLine(QPointF(220, 14), QPointF(220, 76));
    p.drawArc(QRectF(160, -46, 120, 120), -90 * 16, 23 * 16);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(255, 210, 120));
    p.drawEllipse(QPointF(244, 70), 7, 7);
    // A block on a slope with its weight and normal force.
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({QPointF(170, 138), QPointF(292, 138), QPointF(292, 94)}));
    p.save();
    p.translate(250, 111);
    p.rotate(-19.8);
    p.setBrush(QColor(120, 200, 255));
    p.drawRect(QRectF(-12, -14, 24, 14));
    p.restore();
    auto arrow = [&](QPointF from, QPointF to) {
        p.drawLine(from, to);
        const QLineF l(to, from);
        QLineF a = l;
        a.setLength(6);
        a.setAngle(l.angle() + 25);
        p.drawLine(a);
        a.setAngle(l.angle() - 25);
        p.drawLine(a);
    };
    p.setPen(QPen(QColor(255, 235, 160), 1.5));
    arrow(QPointF(248, 104), QPointF(248, 134));
    arrow(QPointF(248, 104), QPointF(237, 75));
    return pm;
}

} // namespace

frmmain::frmmain()
    : Form(QStringLiteral("frmmain"),
           {QStringLiteral("Carvido Software - Quellorin"), appearance::mainWindowFlags(), true}) {
    // The menu bar wraps onto a second line when its titles do not fit the window's width. The
    // titles are laid out once, side by side: those that would end beyond the width go, in order,
    // onto a second bar below the first.
    auto makeBar = [this](const char* name, const char* spoken) {
        auto* bar = new QMenuBar(this);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setAccessibleName(QString::fromLatin1(spoken));
        bar->setFont(appearance::formFont(9));
        return bar;
    };
    QMenuBar* first = makeBar("menuBar", "Menu bar");
    buildMenus(first);
    const int width = twips(11910);
    const QList<QAction*> titles = first->actions();
    // The bar's width is where its last title ends, and its margins.
    const int margins = first->sizeHint().width() - first->actionGeometry(titles.last()).right() - 1;
    QList<QAction*> wrapped;
    for (QAction* title : titles)
        if (!wrapped.isEmpty() || first->actionGeometry(title).right() + 1 + margins > width)
            wrapped.append(title);
    QMenuBar* second = nullptr;
    if (!wrapped.isEmpty()) {
        second = makeBar("menuBar2", "Menu bar, second row");
        for (QAction* title : wrapped)
            first->removeAction(title);
        second->addActions(wrapped);
    }
    int top = first->sizeHint().height();
    first->setGeometry(0, 0, width, top);
    if (second) {
        const int h = second->sizeHint().height();
        second->setGeometry(0, top, width, h);
        top += h;
    }

    // Below the menu bar the window is teal, with light text on it; the menu bar and the buttons
    // keep the desktop's colours, the buttons with an outline that stands out from the teal. The
    // teal first, then the pictures, so that the buttons lie above them.
    auto* desk = new QWidget(this);
    desk->setGeometry(0, top, width, twips(7755));
    colours::fixBackground(desk, teal);
    const QPixmap picture = decoration();
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            auto* image = new QLabel(this);
            image->setObjectName(QStringLiteral("Image%1").arg(row * 3 + col + 1));
            image->setPixmap(picture);
            accessible::decorative(image);
            image->setGeometry(twips(col * 4500), top + twips(695 + row * 2250), twips(4500), twips(2250));
        }
    }
    buildButtons(top);
    setFixedSize(twips(11910), top + twips(7755));
}

void frmmain::buildButtons(int top) {
    QWidget* previous = nullptr;
    auto add = [&](const ButtonEntry& entry, int x, int y, int w, int h, double pointSize) {
        auto* b = new appearance::PushButton(QString::fromUtf8(entry.caption), this);
        b->setObjectName(QString::fromLatin1(entry.name));
        b->setAutoDefault(false);
        b->setFont(appearance::formFont(pointSize));
        b->setGeometry(x, y, w, h);
        // The button lies on the teal: its outline is drawn to stand out from that.
        QPalette palette = b->palette();
        palette.setColor(QPalette::Window, teal);
        b->setPalette(palette);
        if (entry.opens) {
            const QString target = QString::fromLatin1(entry.opens);
            connect(b, &QPushButton::clicked, this, [target] { windows::show(target); });
        }
        if (previous)
            setTabOrder(previous, b);
        previous = b;
        return b;
    };
    // The last column is drawn 1730 wide, but ends at the window's right edge rather than beyond it.
    auto columnWidth = [](int col) { return twips(col == 6 ? std::min(1730, 11910 - col * 1710) : 1690); };
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 7; ++col)
            add(topicButtons[row][col], twips(col * 1710), top + twips(row * 345), columnWidth(col),
                twips(350), 9.75);
    for (int col = 0; col < 7; ++col) {
        QPushButton* b = add(toolButtons[col], twips(col * 1710), top + twips(7755 - 400), columnWidth(col),
                             twips(400), 9.0);
        if (b->objectName() == QLatin1String("Command23"))
            connect(b, &QPushButton::clicked, this, &frmmain::Command23_Click);
        else if (b->objectName() == QLatin1String("cmdCalculatorChoice"))
            connect(b, &QPushButton::clicked, this, &frmmain::cmdCalculatorChoice_Click);
    }
}

void frmmain::buildMenus(QMenuBar* bar) {
    for (const MenuTitle& t : menuTitles()) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(t.caption));
        menu->setObjectName(QString::fromLatin1(t.name));
        for (const MenuItem& item : t.items) {
            QAction* a = menu->addAction(QString::fromUtf8(item.caption));
            a->setObjectName(QString::fromLatin1(item.name));
            if (item.opens) {
                const QString target = QString::fromLatin1(item.opens);
                connect(a, &QAction::triggered, this, [target] { windows::show(target); });
            }
        }
    }
    // Clicking the M&omentum title opens the momentum calculator as its drop-down opens.
    if (auto* momentum = findChild<QMenu*>(QStringLiteral("mnuMomentum")))
        connect(momentum, &QMenu::aboutToShow, this, [] { windows::show(QStringLiteral("frmMomentum")); });
    if (auto* exit = findChild<QAction*>(QStringLiteral("mnuExit")))
        connect(exit, &QAction::triggered, this, &frmmain::mnuExit_Click);
}

void frmmain::Form_Load() {
    // The splash window goes if it is still up; then the window gets one chance to paint.
    windows::unload(QStringLiteral("frmSplash"));
    QCoreApplication::processEvents();
}

bool frmmain::Form_KeyPress(QChar ch) {
    if (ch != QChar(27))
        return false;
    close();
    return true;
}

bool frmmain::Form_QueryUnload() {
    // Closing the main window ends the program, every other window with it, without a question.
    program::end(0);
    return true;
}

void frmmain::mnuExit_Click() {
    program::end(0);
}

void frmmain::Command23_Click() {
    platform::message(QStringLiteral("Quellorin"),
                      QStringLiteral("For help you can read the User Manual.\r\n"
                                     "Or you can press the  ?  button. \r\n"
                                     "Or you can press the  F1  button. "),
                      platform::Icon::Information, this);
}

const QStringList& frmmain::calculatorPrograms() {
    static const QStringList programs = {"gnome-calculator", "kcalc",       "galculator",
                                         "qalculate-gtk",    "speedcrunch", "xcalc"};
    return programs;
}

void frmmain::cmdCalculatorChoice_Click() {
    for (const QString& name : calculatorPrograms()) {
        const QString path = platform::launcher().locate(name);
        if (path.isEmpty())
            continue;
        if (platform::launcher().start(path))
            return;
        platform::message(QStringLiteral("Quellorin"),
                          QStringLiteral("The calculator program \"%1\" could not be started.").arg(path),
                          platform::Icon::Information, this);
        return;
    }
    platform::message(
        QStringLiteral("Quellorin"),
        QStringLiteral("No calculator program was found on this computer. Install a desktop calculator "
                       "(for example gnome-calculator or galculator) to use this button."),
        platform::Icon::Information, this);
}
