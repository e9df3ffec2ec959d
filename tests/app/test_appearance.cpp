// Every window of the program under a light, a dark and a high-contrast desktop theme: every text
// that is shown reads against what lies behind it. A window that fixes a background colour must
// fix a text colour with it; everything else follows the desktop. And every window leaves the
// window manager room for its whole caption.

#include "everywindow.h"
#include "themes.h"
#include "ui/colours.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
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
            const QStringList poor = poorlyReadable(window);
            QVERIFY2(poor.isEmpty(),
                     qPrintable(name + QStringLiteral(": ") + poor.join(QStringLiteral("; "))));
            windows::unloadAll();
            settle();
        }
    }
};

QUELLORIN_TEST_MAIN(TestAppearance)
#include "test_appearance.moc"
