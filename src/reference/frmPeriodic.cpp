#include "reference/frmPeriodic.h"

#include "core/numbers.h"
#include "reference/elements.h"
#include "reference/engine.h"
#include "reference/fields.h"
#include "reference/session.h"
#include "ui/accesskeys.h"
#include "ui/appearance.h"
#include "ui/colours.h"
#include "ui/platform.h"
#include "ui/windows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

using appearance::twips;

namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
              int height) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(twips(left), twips(top), twips(width), twips(height));
    return l;
}

int columnLeft(int column) {
    return 540 + 510 * (column - 1);
}

int rowTop(int row) {
    switch (row) {
    case 8:
        return 4380;
    case 9:
        return 4890;
    default:
        return 630 + 510 * (row - 1);
    }
}

} // namespace

void registerPeriodicWindows() {
    windows::registerClass(QStringLiteral("frmPeriodic"), [] { return new frmPeriodic; });
    windows::registerClass(QStringLiteral("frmPeriodicData"), [] { return new frmPeriodicData; });
}

// ----- the table --------------------------------------------------------------------------------

frmPeriodic::frmPeriodic()
    : Form(QStringLiteral("frmPeriodic"), {QString(), appearance::mainWindowFlags(), true}) {
    // The title bar is blank; a screen reader announces the window by the button that opens it.
    setAccessibleName(QStringLiteral("Periodic Table"));
    // The table's own colours, each with a text colour that reads on it under any desktop theme.
    colours::fixBackground(this, QColor(192, 192, 192));

    QFont symbolFont = appearance::formFont();
    symbolFont.setBold(true);
    for (const reference::ElementButton& e : reference::elementButtons()) {
        auto* b = new appearance::PushButton(e.caption, this);
        b->setObjectName(QStringLiteral("cmd") + e.symbol);
        b->setGeometry(twips(columnLeft(e.column)), twips(rowTop(e.row)), twips(500), twips(495));
        b->setFont(symbolFont);
        b->setAutoDefault(false);
        // A table of a hundred symbols: Tab and the mouse reach them, Alt and a letter do not.
        accesskeys::leaveOut(b);
        colours::fixBackground(b, reference::classColour(e.kind));
        if (reference::hasDataSheet(e.symbol))
            connect(b, &QPushButton::clicked, this, [this, b] { element_Click(b->text()); });
    }

    QFont titleFont = appearance::formFont(14);
    titleFont.setBold(true);
    QLabel* title = label(this, QStringLiteral("Label28"), QStringLiteral("Periodic Table Of The Elements"),
                          540, 60, 9170, 360);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    title->setToolTip(QStringLiteral("Click on an element to see its vital data."));

    QFont numberFont = appearance::formFont();
    numberFont.setBold(true);
    for (int period = 1; period <= 7; ++period) {
        QLabel* l = label(this, QStringLiteral("Label%1").arg(period + 2), QString::number(period), 180,
                          rowTop(period), 300, 495);
        l->setFont(numberFont);
        l->setAlignment(Qt::AlignCenter);
    }
    for (int group = 1; group <= 18; ++group) {
        QLabel* l = label(this, QStringLiteral("Label%1").arg(group + 9), QString::number(group),
                          columnLeft(group), 400, 500, 230);
        l->setFont(numberFont);
        l->setAlignment(Qt::AlignCenter);
    }
    label(this, QStringLiteral("Label1"), QStringLiteral("*Lanthanide Series"), 540, rowTop(8), 1900, 495)
        ->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    label(this, QStringLiteral("Label2"), QStringLiteral("#Actinide Series"), 540, rowTop(9), 1900, 495)
        ->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);

    // The colour legend, in the first period's gap between hydrogen and helium.
    struct Legend {
        const char* name;
        const char* text;
        reference::ElementClass kind;
    };
    static const Legend legend[] = {
        {"Label29", "Gray = solids", reference::ElementClass::Solid},
        {"Label30", "Liquids", reference::ElementClass::Liquid},
        {"Label31", "Gases", reference::ElementClass::Gas},
        {"Label32", "Synthetic", reference::ElementClass::Synthetic},
        {"Label33", "Metalloids", reference::ElementClass::Metalloid},
    };
    int left = columnLeft(3) + 120;
    for (const Legend& entry : legend) {
        QLabel* l = label(this, QString::fromLatin1(entry.name), QString::fromLatin1(entry.text), left, 730,
                          1140, 300);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Box);
        colours::fixBackground(l, reference::classColour(entry.kind));
        left += 1200;
    }

    QPushButton* cancel = appearance::commandButton(this, QStringLiteral("cmdCancel"),
                                                    QStringLiteral("Cancel"), [this] { cmdCancel_Click(); });
    cancel->setToolTip(QStringLiteral("Close the screen and return to the main screen."));
    cancel->setGeometry(twips(columnLeft(15)), twips(5520), twips(1530), twips(400));
    setCancelButton(cancel);

    setFixedSize(twips(columnLeft(18) + 500 + 360), twips(5520 + 400 + 240));
}

void frmPeriodic::element_Click(const QString& caption) {
    SelectedElementSymbol = caption;
    windows::show(QStringLiteral("frmPeriodicData"));
}

void frmPeriodic::cmdCancel_Click() {
    Unload();
}

// ----- the data sheet ---------------------------------------------------------------------------

namespace {

const char* const dataLabels[14] = {
    "Name",       "Symbol",  "Atomic Number", "Atomic Weight", "State",   "Charge",         "Configuration",
    "Group Name", "Protons", "Electrons",     "Neutrons",      "Density", "Freezing Point", "Boiling Point"};

} // namespace

frmPeriodicData::frmPeriodicData()
    : Form(QStringLiteral("frmPeriodicData"),
           {QStringLiteral("Periodic Table Data"), appearance::mainWindowFlags(), true}) {

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    for (int i = 0; i < 14; ++i) {
        const int number = i + 1;
        auto* l = new QLabel(QString::fromLatin1(dataLabels[i]), this);
        l->setObjectName(QStringLiteral("Label%1").arg(number));
        auto* t = new QLineEdit(this);
        t->setObjectName(QStringLiteral("Text%1").arg(number));
        t->setReadOnly(true);
        t->setFixedWidth(twips(2400));
        l->setBuddy(t);
        const int column = i < 7 ? 0 : 2;
        grid->addWidget(l, i % 7, column, Qt::AlignRight);
        grid->addWidget(t, i % 7, column + 1);
    }
    grid->setColumnMinimumWidth(2, twips(1500));

    QPushButton* print = appearance::commandButton(this, QStringLiteral("cmdPrint"), QStringLiteral("Print"),
                                                   [this] { cmdPrint_Click(); });
    QPushButton* cancel = appearance::commandButton(this, QStringLiteral("cmdCancel"),
                                                    QStringLiteral("Cancel"), [this] { cmdCancel_Click(); });
    setCancelButton(cancel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addSpacing(20);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

QLineEdit* frmPeriodicData::box(int number) const {
    return findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
}

void frmPeriodicData::Form_Load() {
    using reference::valueText;
    // The symbol is passed as a value of the query, never spliced into its text.
    const auto read = [this] {
        const auto field = [](const char* column) {
            return ReferenceRecordset.field(QString::fromLatin1(column));
        };
        const auto fillIfNotEmpty = [this, &field](int number, const char* column) {
            const QVariant v = field(column);
            if (!reference::isEmptyValue(v))
                box(number)->setText(valueText(v));
        };
        box(1)->setText(valueText(field("ElementName")));
        box(2)->setText(valueText(field("Symbol")));
        box(3)->setText(valueText(field("AtomicNumber")));
        box(4)->setText(valueText(field("AtomicWeight")));
        box(5)->setText(valueText(field("State")));
        fillIfNotEmpty(6, "Charge");
        fillIfNotEmpty(7, "Configuration");
        box(8)->setText(valueText(field("GroupName")));
        box(9)->setText(valueText(field("AtomicNumber")));
        box(10)->setText(valueText(field("AtomicNumber")));
        // The mass number (the atomic weight to the nearest whole number) less the protons.
        const num::Double weight = num::toDouble(valueText(field("AtomicWeight")));
        const num::Double protons = num::toDouble(valueText(field("AtomicNumber")));
        box(11)->setText(num::plain(num::Double(std::round(weight.value())) - protons));
        fillIfNotEmpty(12, "Density");
        fillIfNotEmpty(13, "FreezingPoint");
        fillIfNotEmpty(14, "BoilingPoint");
    };
    reference::readRows(QStringLiteral("SELECT * FROM GeneralInfo WHERE Symbol = ?"), {SelectedElementSymbol},
                        read, QStringLiteral("Periodic Data"), this);
}

void frmPeriodicData::cmdPrint_Click() {
    platform::printWindow(this);
}

void frmPeriodicData::cmdCancel_Click() {
    Unload();
}
