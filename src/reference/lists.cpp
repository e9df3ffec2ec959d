#include "reference/lists.h"

#include "reference/engine.h"
#include "reference/session.h"
#include "ui/appearance.h"
#include "ui/platform.h"
#include "ui/windows.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QVBoxLayout>

namespace reference {

const std::vector<ListDefinition>& listDefinitions() {
    using F = NamedFormat;
    static const std::vector<ListDefinition> all = {
        {"frmConstants",
         "Common Physical Constants",
         "Cancel",
         "SELECT * FROM Constants",
         " Constant                                                                     Value",
         {{"Constant", 25, F::None}, {"Value", 17, F::Scientific, 6}},
         true},
        {"frmCoefficients",
         "Coefficients Of Friction",
         "Close",
         "SELECT * FROM CoefficientsOfFriction",
         "Substance                                                       Static  Coefficient     Kinetic Coefficent",
         {{"Materials", 28, F::None},
          {"StaticCoefficient", 10, F::Standard, 3},
          {"KineticCoefficient", 10, F::Standard, 3}}},
        {"frmIndex",
         "Indices Of Refraction",
         "Close",
         "SELECT * FROM IndexOfRefraction",
         "Substance                                                      Index",
         {{"Substance", 20, F::None}, {"Index", 17, F::Standard, 6}}},
        {"frmUnits",
         "Unit Conversions",
         "Close",
         "SELECT * FROM UnitConversions",
         "Unit                                           Conversion 1                                   Conversion 2     ",
         {{"Unit", 12, F::None}, {"Conversion1", 17, F::Standard, 6}, {"Conversion2", 17, F::Standard, 5}}},
    };
    return all;
}

void registerListWindows() {
    for (const ListDefinition& d : listDefinitions())
        windows::registerClass(QString::fromLatin1(d.className), [&d] { return new ReferenceList(d); });
}

QString listLine(const ListDefinition& definition, const std::function<QVariant(const QString&)>& field) {
    QString line;
    for (const ListField& f : definition.fields) {
        line += QString(f.gap, u' ');
        line += fixedWidth(formatted(field(QString::fromLatin1(f.column)), f.format), f.width);
    }
    return line;
}

std::vector<int> fieldColumns(const ListDefinition& definition) {
    std::vector<int> columns;
    int at = 0;
    for (const ListField& f : definition.fields) {
        at += f.gap;
        columns.push_back(at);
        at += f.width;
    }
    return columns;
}

QStringList headings(const QString& header) {
    static const QRegularExpression gaps(QStringLiteral(" {3,}"));
    QStringList out = header.split(gaps, Qt::SkipEmptyParts);
    for (QString& h : out)
        h = h.trimmed();
    out.removeAll(QString());
    return out;
}

// ----- the header ---------------------------------------------------------------------------------

ColumnHeader::ColumnHeader(const QString& text, std::vector<int> columns, QListWidget* list, QWidget* parent)
    : QLabel(text, parent), m_columns(std::move(columns)), m_list(list) {}

int ColumnHeader::textOrigin() const {
    // The list draws its items' text a few pixels inside its viewport.
    const int inset = m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 1;
    return m_list->viewport()->mapTo(window(), QPoint(inset, 0)).x() - mapTo(window(), QPoint(0, 0)).x();
}

int ColumnHeader::columnOffset(int column) const {
    return QFontMetrics(m_list->font()).horizontalAdvance(QString(column, u'0'));
}

int ColumnHeader::columnX(int column) const {
    return textOrigin() + columnOffset(column);
}

QSize ColumnHeader::sizeHint() const {
    // Wide enough for the last heading from where its column starts.
    const QStringList words = headings(text());
    const QFontMetrics fm(font());
    int width = 0;
    for (qsizetype i = 0; i < words.size() && i < qsizetype(m_columns.size()); ++i)
        width = std::max(width, columnOffset(m_columns[i]) + fm.horizontalAdvance(words[i]) + 8);
    return {width, fm.height() + 2};
}

void ColumnHeader::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QStringList words = headings(text());
    const int baseline = (height() + p.fontMetrics().ascent() - p.fontMetrics().descent()) / 2;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const int column = i < qsizetype(m_columns.size()) ? m_columns[i] : m_columns.back();
        p.drawText(columnX(column), baseline, words[i]);
    }
}

// ----- the window -----------------------------------------------------------------------------------

ReferenceList::ReferenceList(const ListDefinition& definition)
    : Form(QString::fromLatin1(definition.className),
           {QString::fromLatin1(definition.caption), appearance::mainWindowFlags(), true}),
      m_def(definition) {

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(QString::fromLatin1(m_def.caption));
    m_list->setFont(appearance::fixedFont());
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* header = new ColumnHeader(QString::fromLatin1(m_def.header), fieldColumns(m_def), m_list, this);
    header->setObjectName(QStringLiteral("Label1"));

    // Wide enough for a whole line and for every heading, sixteen lines high.
    const std::vector<int> columns = fieldColumns(m_def);
    const int chars = columns.back() + m_def.fields.back().width;
    const QFontMetrics fixed(m_list->font());
    const int frame = 2 * m_list->frameWidth() + m_list->verticalScrollBar()->sizeHint().width() + 8;
    m_list->setFixedWidth(
        std::max(fixed.horizontalAdvance(QString(chars, u'0')) + frame, header->sizeHint().width()));
    m_list->setFixedHeight(16 * fixed.lineSpacing() + 2 * m_list->frameWidth() + 4);

    QPushButton* close =
        appearance::commandButton(this, QStringLiteral("cmdCancel"), QString::fromLatin1(m_def.closeCaption),
                                  [this] { cmdCancel_Click(); });
    setCancelButton(close);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(2);
    layout->addWidget(header);
    layout->addWidget(m_list);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addStretch();
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

void ReferenceList::Form_Load() {
    readRows(
        QString::fromLatin1(m_def.query), {},
        [this] {
            for (ReferenceRecordset.moveFirst(); !ReferenceRecordset.atEnd(); ReferenceRecordset.moveNext())
                m_list->addItem(
                    listLine(m_def, [](const QString& column) { return ReferenceRecordset.field(column); }));
        },
        QStringLiteral("Quellorin"), this);
}

void ReferenceList::cmdCancel_Click() {
    if (m_def.closeShowsMain)
        windows::show(QStringLiteral("frmmain"));
    Unload();
}

} // namespace reference
