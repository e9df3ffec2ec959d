#include "reference/frmHelp.h"

#include "ui/appearance.h"
#include "ui/platform.h"
#include "ui/windows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <QStringDecoder>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <stdexcept>

const std::vector<HelpNode>& helpNodes() {
    static const std::vector<HelpNode> all = {
        {"Quellorin", "r Quellorin", nullptr, 2, 1, nullptr},
        {"Introduction", "s Introduction", "r Quellorin", 2, 1, "Introduction.txt"},
        {"Using", "s Using", "r Quellorin", 2, 1, "Using.txt"},
        {"General Problems", "s General Problems", "r Quellorin", 2, 1, "General.txt"},
        {"Metric Conversions", "t Metrics", "s General Problems", 3, 3, "MetricConversion.txt"},
        {"Significant Figures", "t Significant Figures", "s General Problems", 3, 3, "Significant.txt"},
        {"Temperature Conversions", "t Temperature Conversions", "s General Problems", 3, 3,
         "Temperature Conversions.txt"},
        {"Statistics", "t Statistics", "s General Problems", 3, 3, "Statistics.txt"},
        {"Trig Values", "t Trig Values", "s General Problems", 3, 3, "Trig Values.txt"},
        {"AreasVolumes", "t AreasVolumes", "s General Problems", 3, 3, "AreasVolumes.txt"},
        {"Pythagorean Theorem", "t Pythagorean", "s General Problems", 3, 3, "Pythagorean.txt"},
        {"Equations/Graphs", "t Equations/Graphs", "s General Problems", 3, 3, "EquationsGraphs.txt"},
        {"Motion", "s Motion", "r Quellorin", 2, 1, nullptr},
        {"Displacement", "s Displacement", "s Motion", 3, 3, "Displacement.txt"},
        {"Velocity", "s Velocity", "s Motion", 3, 3, "Velocity.txt"},
        {"Acceleration", "s Acceleration", "r Quellorin", 2, 1, nullptr},
        {"Average Acceleration", "s Average Acceleration", "s Acceleration", 2, 1,
         "Average Acceleration.txt"},
        {"Constant Acceleration", "s Constant Acceleration", "s Acceleration", 2, 1,
         "Constant Acceleration.txt"},
        {"Falling Objects", "s Falling Objects", "s Acceleration", 2, 1, "Falling Objects.txt"},
        {"Projectile Motion", "s Projectile Motion", "s Acceleration", 2, 1, "Projectile Motion.txt"},
        {"Vectors", "s Vectors", "r Quellorin", 2, 1, nullptr},
        {"Determine Resultant", "s Determine Resultant", "s Vectors", 2, 1, "Determine Resultant.txt"},
        {"Resolve Vectors", "s Resolve Vectors", "s Vectors", 2, 1, "Resolve Vectors.txt"},
        {"Add Vectors", "s Add Vectors", "s Vectors", 2, 1, "Add Vectors.txt"},
        {"Newton's Laws", "s Newton's Laws", "r Quellorin", 2, 1, "Newton's Laws.txt"},
        {"Friction", "s Friction", "r Quellorin", 2, 1, "Friction.txt"},
        {"Energy", "s Energy", "r Quellorin", 2, 1, nullptr},
        {"Kinetic Energy", "s Kinetic Energy", "s Energy", 3, 3, "Kinetic Energy.txt"},
        {"Potential Energy", "s Potential Energy", "s Energy", 3, 3, "Potential Energy.txt"},
        {"Work", "s Work", "s Energy", 3, 3, "Work.txt"},
        {"Power", "s Power", "s Energy", 3, 3, "Power.txt"},
        {"Equilibrium", "s Equilibrium", "r Quellorin", 2, 1, "Equilibrium.txt"},
        {"Momentum/Collisions", "s Momentum/Collisions", "r Quellorin", 2, 1, nullptr},
        {"Momentum", "s Momentum", "s Momentum/Collisions", 3, 3, "Momentum.txt"},
        {"Elastic Collisions", "s Elastic Collisions", "s Momentum/Collisions", 3, 3,
         "Elastic Collisions.txt"},
        {"Inelastic Collisions", "s Inelastic Collisions", "s Momentum/Collisions", 3, 3,
         "Inelastic Collisions.txt"},
        {"Gravitation", "s Gravitation", "r Quellorin", 2, 1, "Gravitation.txt"},
        {"Rotational Motion", "s Rotational Motion", "r Quellorin", 2, 1, nullptr},
        {"Angular Displacement", "s Angular Displacement", "s Rotational Motion", 3, 3,
         "Angular Displacement.txt"},
        {"Angular Speed", "s Angular Speed", "s Rotational Motion", 3, 3, "Angular Speed.txt"},
        {"Angular Acceleration", "s Angular Acceleration", "s Rotational Motion", 3, 3,
         "Angular Acceleration.txt"},
        {"Torque", "s Torque", "s Rotational Motion", 3, 3, "Torque.txt"},
        {"Angular Momentum", "s Angular Momentum", "s Rotational Motion", 3, 3, "Angular Momentum.txt"},
        {"Rotational Kinetic Energy", "s Rotational Kinetic Energy", "s Rotational Motion", 3, 3,
         "Rotational Kinetic Energy.txt"},
        {"Circular Motion", "s Circular Motion", "r Quellorin", 2, 1, "Circular Motion.txt"},
        {"Harmonic Motion", "s Harmonic Motion", "r Quellorin", 2, 1, nullptr},
        {"Mass-Spring System", "s Mass-Spring System", "s Harmonic Motion", 3, 3, "Mass-Spring System.txt"},
        {"Simple Pendulum", "s Simple Pendulum", "s Harmonic Motion", 3, 3, "Simple Pendulum.txt"},
        {"Miscellaneous", "s Miscellaneous", "r Quellorin", 2, 1, nullptr},
        {"Archimede's Principle", "s Archimede's Principle", "s Miscellaneous", 3, 3,
         "Archimede's Principle.txt"},
        {"Pascal's Principle", "s Pascal's Principle", "s Miscellaneous", 3, 3, "Pascal's Principle.txt"},
        {"Data Tables", "s Data Tables", "r Quellorin", 2, 1, "Data Tables.txt"},
    };
    return all;
}

void showHelpFor(const Form* from) {
    auto* help = qobject_cast<frmHelp*>(windows::show(QStringLiteral("frmHelp")));
    if (help && from)
        help->showTopic(windows::helpTopic(from->className()));
}

void registerHelpWindow() {
    windows::registerClass(QStringLiteral("frmHelp"), [] { return new frmHelp; });
}

namespace {

// The five node pictures, 13 by 13: an open book, a closed book, a page, a page with a question
// mark and a folder.
QPixmap nodePicture(int index) {
    QPixmap pm(13, 13);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(0, 0, 96));
    switch (index) {
    case 0: // open book
        p.setBrush(QColor(255, 255, 224));
        p.drawPolygon(QPolygon({QPoint(0, 2), QPoint(6, 3), QPoint(6, 11), QPoint(0, 10)}));
        p.drawPolygon(QPolygon({QPoint(12, 2), QPoint(6, 3), QPoint(6, 11), QPoint(12, 10)}));
        p.drawLine(2, 5, 4, 5);
        p.drawLine(8, 5, 10, 5);
        p.drawLine(2, 7, 4, 7);
        p.drawLine(8, 7, 10, 7);
        break;
    case 1: // closed book
        p.setBrush(QColor(128, 0, 0));
        p.drawRect(2, 1, 8, 10);
        p.setPen(QColor(255, 255, 224));
        p.drawLine(4, 3, 8, 3);
        p.drawLine(3, 11, 3, 1);
        break;
    case 2: // page
        p.setBrush(Qt::white);
        p.drawRect(2, 0, 8, 12);
        p.drawLine(4, 3, 8, 3);
        p.drawLine(4, 5, 8, 5);
        p.drawLine(4, 7, 8, 7);
        p.drawLine(4, 9, 7, 9);
        break;
    case 3: // page with a question mark
        p.setBrush(QColor(255, 255, 192));
        p.drawRect(2, 0, 8, 12);
        p.drawArc(4, 2, 4, 4, 0, 180 * 16);
        p.drawLine(8, 4, 6, 7);
        p.drawPoint(6, 9);
        break;
    default: // folder
        p.setBrush(QColor(255, 224, 96));
        p.drawRect(0, 3, 12, 8);
        p.drawRect(0, 1, 5, 2);
        break;
    }
    return pm;
}

QString readTopicFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        throw std::runtime_error(QStringLiteral("Could not find file '%1'.").arg(path).toStdString());
    if (info.isDir())
        throw std::runtime_error(
            QStringLiteral("'%1' is a folder, not a topic file.").arg(path).toStdString());
    // Topic files are a few pages of text; anything far larger is not one.
    constexpr qint64 largest = qint64(4) * 1024 * 1024;
    if (info.size() > largest)
        throw std::runtime_error(
            QStringLiteral("The file '%1' is too large to show.").arg(path).toStdString());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(
            QStringLiteral("Could not open the file '%1': %2").arg(path, file.errorString()).toStdString());
    const QByteArray bytes = file.read(largest + 1);
    if (file.error() != QFileDevice::NoError)
        throw std::runtime_error(
            QStringLiteral("Could not read the file '%1': %2").arg(path, file.errorString()).toStdString());
    // UTF-8 (plain ASCII included); older files in a Western 8-bit code page read as Latin-1.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

} // namespace

frmHelp::frmHelp()
    : Form(QStringLiteral("frmHelp"), {QStringLiteral("Quellorin Help"), appearance::mainWindowFlags()}) {
    // The viewer keeps its keys to its controls: no key preview, no F1 of its own.
    setKeyPreview(false);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setToolTip(QStringLiteral("Double click to open a topic."));
    m_tree->setAccessibleName(QStringLiteral("Help topics"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setIconSize(QSize(13, 13));
    m_tree->setFixedWidth(240);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { TreeView1_DblClick(item); });

    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("RTB1"));
    m_text->setReadOnly(true);
    m_text->setAccessibleName(QStringLiteral("Topic text"));
    m_text->setAcceptRichText(false);
    m_text->setFont(appearance::fixedFont(10));
    m_text->setLineWrapMode(QTextEdit::WidgetWidth);
    const QFontMetrics fm(m_text->font());
    m_text->setMinimumSize(fm.horizontalAdvance(QString(80, u'0')) + 40, 30 * fm.lineSpacing());

    using appearance::commandButton;
    QPushButton* clear = commandButton(this, QStringLiteral("cmdClear"), QStringLiteral("Clear"),
                                       [this] { cmdClear_Click(); });
    QPushButton* print = commandButton(this, QStringLiteral("cmdPrint"), QStringLiteral("Print"),
                                       [this] { cmdPrint_Click(); });
    QPushButton* cancel = commandButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"),
                                        [this] { cmdCancel_Click(); });
    setCancelButton(cancel);

    auto* panes = new QHBoxLayout;
    panes->addWidget(m_tree);
    panes->addWidget(m_text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(clear);
    buttons->addSpacing(12);
    buttons->addWidget(print);
    buttons->addSpacing(12);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);
}

void frmHelp::Form_Load() {
    // Drawn once for the whole run: the style caches each icon's rendering under its picture's
    // identity, and pictures drawn anew at each opening would leave their entries behind.
    static const QList<QPixmap> images = [] {
        QList<QPixmap> drawn;
        for (int index = 0; index <= 4; ++index)
            drawn.append(nodePicture(index));
        return drawn;
    }();
    const auto icon = [](int picture, int selectedPicture) {
        QIcon i(images.at(picture - 1));
        i.addPixmap(images.at(selectedPicture - 1), QIcon::Selected);
        return i;
    };

    QHash<QString, QTreeWidgetItem*> byKey;
    for (const HelpNode& node : helpNodes()) {
        QTreeWidgetItem* parent = node.parent ? byKey.value(QString::fromLatin1(node.parent)) : nullptr;
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        item->setText(0, QString::fromLatin1(node.text));
        item->setData(0, Qt::UserRole, QString::fromLatin1(node.key));
        item->setIcon(0, icon(node.picture, node.selectedPicture));
        byKey.insert(QString::fromLatin1(node.key), item);
    }
    m_tree->collapseAll();
}

void frmHelp::TreeView1_DblClick(QTreeWidgetItem* item) {
    if (!item)
        return;
    const QString text = item->text(0);
    for (const HelpNode& node : helpNodes())
        if (node.file && text == QLatin1String(node.text))
            GetHelp(QString::fromLatin1(node.file));
}

void frmHelp::showTopic(const QString& topic) {
    if (topic.isEmpty())
        return;
    const QList<QTreeWidgetItem*> found = m_tree->findItems(topic, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty())
        return;
    QTreeWidgetItem* item = found.front();
    for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    m_tree->setCurrentItem(item);
    m_tree->scrollToItem(item);
    m_tree->setFocus();
    bool hasFile = false;
    for (const HelpNode& node : helpNodes())
        hasFile = hasFile || (node.file && topic == QLatin1String(node.text));
    if (hasFile)
        TreeView1_DblClick(item);
    else
        item->setExpanded(true);
}

void frmHelp::GetHelp(const QString& file) {
    try {
        const QString path = platform::programFolder().path() + QDir::separator() + file;
        m_text->setPlainText(readTopicFile(QDir::toNativeSeparators(path)));
    } catch (const std::runtime_error& e) {
        platform::message(QStringLiteral("Quellorin"), QString::fromStdString(e.what()),
                          platform::Icon::Information, this);
    }
}

void frmHelp::cmdClear_Click() {
    m_text->clear();
}

void frmHelp::cmdPrint_Click() {
    platform::printWindow(this);
}

void frmHelp::cmdCancel_Click() {
    Unload();
}
