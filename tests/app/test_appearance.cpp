// Every window of the program under a light, a dark and a high-contrast desktop theme: every text
// that is shown reads against what lies behind it, and the edge of every text box, framed list,
// option circle, check box and button stands out from it. A window that fixes a background colour
// must fix a text colour with it; everything else follows the desktop. And every window leaves the
// window manager room for its whole caption.

#include "everywindow.h"
#include "themes.h"
#include "ui/colours.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTextEdit>

namespace {

// What shows where a control stands when the control itself paints no background: the topmost
// filled sibling beneath it that covers it, or else the nearest filled parent (a window always
// is filled).
QColor backgroundBehind(const QWidget* w) {
    for (const QWidget* at = w; at && !at->isWindow(); at = at->parentWidget()) {
        const QWidget* parent = at->parentWidget();
        const QObjectList& siblings = parent->children();
        for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(at)) - 1; i >= 0; --i) {
            const auto* below = qobject_cast<const QWidget*>(siblings[i]);
            if (below && !below->isWindow() && below->isVisible() && below->autoFillBackground() &&
                below->geometry().contains(at->geometry()))
                return below->palette().color(below->backgroundRole());
        }
        if (parent->autoFillBackground() || parent->isWindow())
            return parent->palette().color(parent->backgroundRole());
    }
    return w->palette().color(QPalette::Window);
}

struct Reading {
    QString text;
    QColor ink;
    QColor paper;
    bool large = false;
};

// The text a control shows and the colours it is drawn in, as the style paints it; nothing for a
// control that shows no text.
std::optional<Reading> readingOf(const QWidget* w) {
    const QPalette& p = w->palette();
    const QFont& f = w->font();
    const bool large = f.pointSizeF() >= 18 || (f.bold() && f.pointSizeF() >= 14);
    if (const auto* b = qobject_cast<const QPushButton*>(w)) {
        if (b->text().isEmpty())
            return std::nullopt;
        return Reading{b->text(), p.color(QPalette::ButtonText), p.color(QPalette::Button), large};
    }
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        if (b->text().isEmpty())
            return std::nullopt;
        return Reading{b->text(), p.color(w->foregroundRole()), backgroundBehind(w), large};
    }
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->text().trimmed().isEmpty())
            return std::nullopt;
        const QColor paper = l->autoFillBackground() ? p.color(l->backgroundRole()) : backgroundBehind(w);
        return Reading{l->text(), p.color(l->foregroundRole()), paper, large};
    }
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
        if (g->title().isEmpty())
            return std::nullopt;
        return Reading{g->title(), p.color(QPalette::WindowText), backgroundBehind(w), large};
    }
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
        qobject_cast<const QAbstractItemView*>(w))
        return Reading{w->objectName(), p.color(QPalette::Text), p.color(QPalette::Base), large};
    if (qobject_cast<const QMenuBar*>(w))
        return Reading{w->objectName(), p.color(QPalette::ButtonText), p.color(QPalette::Window), large};
    return std::nullopt;
}

// Every shown, enabled text of the window that reads poorly (disabled controls are meant to
// recede).
QStringList poorlyReadable(QWidget* window) {
    QStringList out;
    QList<QWidget*> all = window->findChildren<QWidget*>();
    for (QWidget* w : std::as_const(all)) {
        if (!w->isVisibleTo(window) || !w->isEnabled())
            continue;
        const std::optional<Reading> r = readingOf(w);
        if (!r)
            continue;
        const double ratio = colours::contrast(r->ink, r->paper);
        if (ratio < (r->large ? 3.0 : 4.5))
            out << QStringLiteral("%1 \"%2\" %3 on %4 (%5:1)")
                       .arg(w->objectName(), r->text.left(30), r->ink.name(), r->paper.name())
                       .arg(ratio, 0, 'f', 1);
    }
    return out;
}

// How far the edge of a control stands out from the colour behind it, as drawn in the window's
// image: along the middle third of each side of the rectangle, the strongest contrast found within
// `depth` pixels inside that side, at the weakest place of all four sides. An edge missing from
// part of a side brings the whole down; a face that itself stands out from the background counts
// as its edge.
double edgeContrast(const QImage& image, const QRect& r, const QColor& behind, int depth) {
    double weakest = 21;
    auto side = [&](QPoint start, QPoint along, QPoint inward, int length) {
        for (int t = length / 3; t <= 2 * length / 3; ++t) {
            double strongest = 1;
            for (int d = 0; d < depth; ++d) {
                const QPoint at = start + along * t + inward * d;
                strongest = std::max(strongest, colours::contrast(image.pixelColor(at), behind));
            }
            weakest = std::min(weakest, strongest);
        }
    };
    side(r.topLeft(), {1, 0}, {0, 1}, r.width());
    side(r.bottomLeft(), {1, 0}, {0, -1}, r.width());
    side(r.topLeft(), {0, 1}, {1, 0}, r.height());
    side(r.topRight(), {0, 1}, {-1, 0}, r.height());
    return weakest;
}

// Where a control's edge is drawn, in its own coordinates, and how deep to look for it: a box's
// frame and a button's outline along its rectangle, an option's circle or a check box's square
// around its indicator. Nothing for a control without an edge of its own.
std::optional<std::pair<QRect, int>> edgeOf(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        const bool radio = qobject_cast<const QRadioButton*>(w) != nullptr;
        if (radio || qobject_cast<const QCheckBox*>(w)) {
            QStyleOptionButton option;
            option.initFrom(w);
            option.text = b->text();
            const auto element = radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator;
            return std::pair(w->style()->subElementRect(element, &option, w), 3);
        }
        const auto* push = qobject_cast<const QPushButton*>(w);
        if (push && !push->isFlat())
            return std::pair(w->rect(), 3);
        return std::nullopt;
    }
    if (const auto* e = qobject_cast<const QLineEdit*>(w))
        return e->hasFrame() ? std::optional(std::pair(w->rect(), 2)) : std::nullopt;
    if (const auto* f = qobject_cast<const QAbstractScrollArea*>(w))
        return f->frameShape() != QFrame::NoFrame ? std::optional(std::pair(w->rect(), 2)) : std::nullopt;
    return std::nullopt;
}

// Every shown, enabled control of the window whose edge stands out less than 3:1 from what lies
// behind it (disabled controls are meant to recede).
QStringList faintEdges(QWidget* window) {
    const QImage image = window->grab().toImage();
    QStringList out;
    QList<QWidget*> all = window->findChildren<QWidget*>();
    for (QWidget* w : std::as_const(all)) {
        if (!w->isVisibleTo(window) || !w->isEnabled())
            continue;
        const std::optional<std::pair<QRect, int>> edge = edgeOf(w);
        if (!edge || edge->first.width() < 3 || edge->first.height() < 3)
            continue;
        const QRect r = edge->first.translated(w->mapTo(window, QPoint(0, 0)));
        // A control partly scrolled out of sight (a window larger than the screen) shows no edge there.
        QRect shown = r;
        for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
            shown &= QRect(p->mapTo(window, QPoint(0, 0)), p->size());
        if (shown != r)
            continue;
        const QColor behind = backgroundBehind(w);
        const double ratio = edgeContrast(image, r, behind, edge->second);
        if (ratio < 3.0)
            out << QStringLiteral("%1 %2 on %3 (%4:1)")
                       .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()), behind.name())
                       .arg(ratio, 0, 'f', 1);
    }
    return out;
}

} // namespace

class TestAppearance : public QObject {
    Q_OBJECT

    RecordingPlatform rec;

  private slots:
    void initTestCase() { QVERIFY(prepareEveryWindow()); }
    void cleanup() {
        const QString message = unloadEveryWindow(rec);
        applyTheme(Theme::Light);
        QVERIFY2(message.isEmpty(), qPrintable(message));
    }

    void contrastRatios() {
        QCOMPARE(colours::contrast(Qt::black, Qt::white), 21.0);
        QCOMPARE(colours::contrast(Qt::white, Qt::white), 1.0);
        QCOMPARE(colours::readableOn(QColor(0, 128, 128)), QColor(Qt::white));
        QCOMPARE(colours::readableOn(QColor(192, 192, 192)), QColor(Qt::black));
        QCOMPARE(colours::readableOn(QColor(128, 128, 255)), QColor(Qt::black));
    }

    // An edge is a shade between the background and the ink, as strong as asked and no stronger;
    // where the ink itself is too faint, black or white.
    void edgeColours() {
        const std::pair<QColor, QColor> pairs[] = {{Qt::white, Qt::black},
                                                   {Qt::black, Qt::white},
                                                   {QColor(239, 239, 239), Qt::black},
                                                   {QColor(53, 53, 53), QColor(238, 238, 238)},
                                                   {QColor(0, 128, 128), Qt::white}};
        for (const auto& [paper, ink] : pairs) {
            for (const double ratio : {3.5, 4.5}) {
                const double edge = colours::contrast(colours::edgeOn(paper, ink, ratio), paper);
                QVERIFY2(edge >= ratio && edge < ratio + 1, qPrintable(paper.name()));
            }
        }
        QCOMPARE(colours::edgeOn(QColor(40, 40, 40), QColor(60, 60, 60)), QColor(Qt::white));
        QCOMPARE(colours::edgeOn(QColor(0, 0, 0), QColor(150, 150, 150), 10), QColor(150, 150, 150));
    }

    // A fixed background without a fixed text colour is found: the desktop's dark-theme text on a
    // light grey label.
    void theCheckFindsUnreadableText() {
        applyTheme(Theme::Dark);
        QWidget window;
        auto* label = new QLabel(QStringLiteral("Gases"), &window);
        label->setObjectName(QStringLiteral("Label31"));
        QPalette p = label->palette();
        p.setColor(QPalette::Window, QColor(224, 224, 224));
        label->setPalette(p);
        label->setAutoFillBackground(true);
        window.show();
        QCOMPARE(poorlyReadable(&window).size(), 1);
        colours::fixBackground(label, QColor(224, 224, 224));
        QCOMPARE(poorlyReadable(&window), QStringList());
    }

    // A text box and an option as the Fusion style draws them on a black window: the frame and the
    // circle are shaded from the window colour and vanish. The program's style draws them.
    void theCheckFindsFaintEdges() {
        applyTheme(Theme::HighContrast);
        std::unique_ptr<QStyle> desktop(QStyleFactory::create(QStringLiteral("Fusion")));
        for (QStyle* style : {desktop.get(), QApplication::style()}) {
            QWidget window;
            auto* box = new QLineEdit(&window);
            box->setObjectName(QStringLiteral("Text1"));
            box->setGeometry(10, 10, 120, 24);
            auto* option = new QRadioButton(QStringLiteral("Mass"), &window);
            option->setObjectName(QStringLiteral("opt1"));
            option->setGeometry(10, 40, 120, 24);
            box->setStyle(style);
            option->setStyle(style);
            window.resize(140, 70);
            const QStringList faint = faintEdges(&window);
            if (style == desktop.get())
                QCOMPARE(faint.size(), 2);
            else
                QCOMPARE(faint, QStringList());
        }
    }

    // A theme chosen while the windows are open reaches the main window's menu bars and the
    // equation window's graph: the empty end of a bar shows the window colour, the graph's margin
    // the base colour.
    void themeChangesReachMenuBarsAndGraph() {
        Form* main = windows::show(QStringLiteral("frmmain"));
        Form* equations = windows::show(QStringLiteral("frmEquations"));
        settle();
        applyTheme(Theme::Dark);
        settle();
        const QPalette dark = themePalette(Theme::Dark);
        for (auto* bar : main->findChildren<QMenuBar*>()) {
            const QImage image = bar->grab().toImage();
            QCOMPARE(image.pixelColor(image.width() - 3, image.height() / 2), dark.color(QPalette::Window));
        }
        auto* graph = equations->findChild<QWidget*>(QStringLiteral("MSChart1"));
        QVERIFY(graph);
        QCOMPARE(graph->grab().toImage().pixelColor(4, 4), dark.color(QPalette::Base));
    }

    // Every window is wide enough for the window manager to show its whole caption beside its
    // buttons (the narrow topic windows most of all).
    void everyWindowFitsItsCaption() {
        QVERIFY(Form::captionWidth(QStringLiteral("Miscellaneous Problem Types")) >
                Form::captionWidth(QStringLiteral("Motion")));
        int fitted = 0;
        for (const QString& name : windows::registeredClasses()) {
            Form* window = windows::show(name);
            settle();
            const int needed = Form::captionWidth(window->windowTitle());
            QVERIFY2(window->width() >= needed,
                     qPrintable(QStringLiteral("%1 \"%2\" is %3 pixels wide, its caption needs %4")
                                    .arg(name, window->windowTitle())
                                    .arg(window->width())
                                    .arg(needed)));
            fitted += needed > 0;
            windows::unloadAll();
            settle();
        }
        QVERIFY(fitted >= 30);
    }

    void everyWindowReadsUnderEveryTheme_data() {
        QTest::addColumn<int>("theme");
        QTest::newRow("light") << int(Theme::Light);
        QTest::newRow("dark") << int(Theme::Dark);
        QTest::newRow("high contrast") << int(Theme::HighContrast);
    }
    void everyWindowReadsUnderEveryTheme() {
        QFETCH(int, theme);
        applyTheme(Theme(theme));
        for (const QString& name : windows::registeredClasses()) {
            Form* window = windows::show(name);
            QVERIFY(window);
            settle();
            const QStringList poor = poorlyReadable(window) + faintEdges(window);
            QVERIFY2(poor.isEmpty(),
                     qPrintable(name + QStringLiteral(": ") + poor.join(QStringLiteral("; "))));
            windows::unloadAll();
            settle();
        }
    }
};

QUELLORIN_TEST_MAIN(TestAppearance)
#include "test_appearance.moc"
