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

namespace {

// A book of the tree, closed and open while selected: a section, with a topic file of its own or
// none. The root has no parent.
HelpNode book(const char* text, const char* key, const char* parent, const char* file = nullptr) {
    return {.text = text,
            .key = key,
            .parent = parent,
            .picture = NodePicture::ClosedBook,
            .selectedPicture = NodePicture::OpenBook,
            .file = file};
}

// A page of a book: one topic file.
HelpNode page(const char* text, const char* key, const char* parent, const char* file) {
    return {.text = text,
            .key = key,
            .parent = parent,
            .picture = NodePicture::Page,
            .selectedPicture = NodePicture::Page,
            .file = file};
}

} // namespace

const std::vector<HelpNode>& helpNodes() {
    // Each node: its text, its key, its parent's key, and its topic file.
    static const std::vector<HelpNode> all = {
        book("Quellorin", "r Quellorin", nullptr),
        book("Introduction", "s Introduction", "r Quellorin", "Introduction.txt"),
        book("Using", "s Using", "r Quellorin", "Using.txt"),
        book("General Problems", "s General Problems", "r Quellorin", "General.txt"),
        page("Metric Conversions", "t Metrics", "s General Problems", "MetricConversion.txt"),
        page("Significant Figures", "t Significant Figures", "s General Problems", "Significant.txt"),
        page("Temperature Conversions", "t Temperature Conversions", "s General Problems",
             "Temperature Conversions.txt"),
        page("Statistics", "t Statistics", "s General Problems", "Statistics.txt"),
        page("Trig Values", "t Trig Values", "s General Problems", "Trig Values.txt"),
        page("AreasVolumes", "t AreasVolumes", "s General Problems", "AreasVolumes.txt"),
        page("Pythagorean Theorem", "t Pythagorean", "s General Problems", "Pythagorean.txt"),
        page("Equations/Graphs", "t Equations/Graphs", "s General Problems", "EquationsGraphs.txt"),
        book("Motion", "s Motion", "r Quellorin"),
        page("Displacement", "s Displacement", "s Motion", "Displacement.txt"),
        page("Velocity", "s Velocity", "s Motion", "Velocity.txt"),
        book("Acceleration", "s Acceleration", "r Quellorin"),
        book("Average Acceleration", "s Average Acceleration", "s Acceleration", "Average Acceleration.txt"),
        book("Constant Acceleration", "s Constant Acceleration", "s Acceleration",
             "Constant Acceleration.txt"),
        book("Falling Objects", "s Falling Objects", "s Acceleration", "Falling Objects.txt"),
        book("Projectile Motion", "s Projectile Motion", "s Acceleration", "Projectile Motion.txt"),
        book("Vectors", "s Vectors", "r Quellorin"),
        book("Determine Resultant", "s Determine Resultant", "s Vectors", "Determine Resultant.txt"),
        book("Resolve Vectors", "s Resolve Vectors", "s Vectors", "Resolve Vectors.txt"),
        book("Add Vectors", "s Add Vectors", "s Vectors", "Add Vectors.txt"),
        book("Newton's Laws", "s Newton's Laws", "r Quellorin", "Newton's Laws.txt"),
        book("Friction", "s Friction", "r Quellorin", "Friction.txt"),
        book("Energy", "s Energy", "r Quellorin"),
        page("Kinetic Energy", "s Kinetic Energy", "s Energy", "Kinetic Energy.txt"),
        page("Potential Energy", "s Potential Energy", "s Energy", "Potential Energy.txt"),
        page("Work", "s Work", "s Energy", "Work.txt"),
        page("Power", "s Power", "s Energy", "Power.txt"),
        book("Equilibrium", "s Equilibrium", "r Quellorin", "Equilibrium.txt"),
        book("Momentum/Collisions", "s Momentum/Collisions", "r Quellorin"),
        page("Momentum", "s Momentum", "s Momentum/Collisions", "Momentum.txt"),
        page("Elastic Collisions", "s Elastic Collisions", "s Momentum/Collisions", "Elastic Collisions.txt"),
        page("Inelastic Collisions", "s Inelastic Collisions", "s Momentum/Collisions",
             "Inelastic Collisions.txt"),
        book("Gravitation", "s Gravitation", "r Quellorin", "Gravitation.txt"),
        book("Rotational Motion", "s Rotational Motion", "r Quellorin"),
        page("Angular Displacement", "s Angular Displacement", "s Rotational Motion",
             "Angular Displacement.txt"),
        page("Angular Speed", "s Angular Speed", "s Rotational Motion", "Angular Speed.txt"),
        page("Angular Acceleration", "s Angular Acceleration", "s Rotational Motion",
             "Angular Acceleration.txt"),
        page("Torque", "s Torque", "s Rotational Motion", "Torque.txt"),
        page("Angular Momentum", "s Angular Momentum", "s Rotational Motion", "Angular Momentum.txt"),
        page("Rotational Kinetic Energy", "s Rotational Kinetic Energy", "s Rotational Motion",
             "Rotational Kinetic Energy.txt"),
        book("Circular Motion", "s Circular Motion", "r Quellorin", "Circular Motion.txt"),
        book("Harmonic Motion", "s Harmonic Motion", "r Quellorin"),
        page("Mass-Spring System", "s Mass-Spring System", "s Harmonic Motion", "Mass-Spring System.txt"),
        page("Simple Pendulum", "s Simple Pendulum", "s Harmonic Motion", "Simple Pendulum.txt"),
        book("Miscellaneous", "s Miscellaneous", "r Quellorin"),
        page("Archimede's Principle", "s Archimede's Principle", "s Miscellaneous",
             "Archimede's Principle.txt"),
        page("Pascal's Principle", "s Pascal's Principle", "s Miscellaneous", "Pascal's Principle.txt"),
        book("Data Tables", "s Data Tables", "r Quellorin", "Data Tables.txt"),
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
    const auto icon = [](NodePicture picture, NodePicture selectedPicture) {
        QIcon i(images.at(int(picture) - 1));
        i.addPixmap(images.at(int(selectedPicture) - 1), QIcon::Selected);
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
