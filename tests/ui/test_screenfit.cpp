// Windows larger than the screen's free area: they open inside it and scroll, with every control
// still there, still hidden where it was hidden, and scrolled into view when the keyboard goes to
// it, and printed whole. A window that fits is left as it was. And a window too narrow for its
// caption is widened, at once or, at start, once the program's first window has been painted.

#include "ui/screenfit.h"
#include "uitest.h"

#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <functional>
#include <vector>

namespace {

QRect freeArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// A column of boxes, each wider than the screen, or a few small ones.
class Column : public Form {
  public:
    Column(const QString& name, int boxes, int width) : Form(name) {
        auto* column = new QVBoxLayout(this);
        column->setSizeConstraint(QLayout::SetFixedSize);
        for (int i = 1; i <= boxes; ++i) {
            auto* box = new QLineEdit(this);
            box->setObjectName(QStringLiteral("Text%1").arg(i));
            box->setFixedSize(width, 24);
            column->addWidget(box);
        }
        findChild<QWidget*>(QStringLiteral("Text2"))->hide();
    }
};

// Controls placed by their own geometry on a window of a fixed size.
class Placed : public Form {
  public:
    explicit Placed(QSize size) : Form(QStringLiteral("frmPlaced")) {
        auto* corner = new QLineEdit(this);
        corner->setObjectName(QStringLiteral("Text1"));
        corner->setGeometry(size.width() - 60, size.height() - 30, 50, 24);
        setFixedSize(size);
    }
};

} // namespace

class TestScreenFit : public QObject {
    Q_OBJECT

  private slots:
    void init() { windows::unloadAll(); }
    void cleanup() {
        windows::unloadAll();
        settle();
    }

    void aWindowThatFitsStaysAsItIs() {
        windows::registerClass(QStringLiteral("frmSmall"),
                               [] { return new Column(QStringLiteral("frmSmall"), 3, 100); });
        Form* w = windows::show(QStringLiteral("frmSmall"));
        settle();
        QVERIFY(!screenfit::scrolls(w));
        QCOMPARE(w->findChild<QWidget*>(QStringLiteral("Text1"))->parentWidget(), w);
        QCOMPARE(w->minimumSize(), w->maximumSize());
    }

    void aCaptionWidensItsWindowWhenTheProgramLetsIt() {
        std::vector<std::function<void()>> waiting;
        windows::setFirstPaintQueue([&](std::function<void()> work) { waiting.push_back(std::move(work)); });
        windows::registerClass(QStringLiteral("frmCaption"), [] {
            auto* w = new Column(QStringLiteral("frmCaption"), 2, 40);
            w->setWindowTitle(QStringLiteral("A caption far wider than one small box"));
            return w;
        });
        Form* w = windows::show(QStringLiteral("frmCaption"));
        settle();
        const int needed = Form::captionWidth(w->windowTitle());
        QVERIFY(w->width() < needed);
        QCOMPARE(waiting.size(), size_t(1));
        waiting.front()();
        windows::setFirstPaintQueue(nullptr);
        settle();
        QVERIFY(w->width() >= needed);
    }

    void aLargerWindowScrollsInsideTheFreeArea() {
        const QRect free = freeArea();
        const int boxes = free.height() / 24 + 10;
        windows::registerClass(QStringLiteral("frmLarge"), [free, boxes] {
            return new Column(QStringLiteral("frmLarge"), boxes, free.width() + 200);
        });
        Form* w = windows::show(QStringLiteral("frmLarge"));
        settle();
        QVERIFY(screenfit::scrolls(w));
        QVERIFY2(free.contains(w->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                   .arg(w->frameGeometry().x())
                                                                   .arg(w->frameGeometry().y())
                                                                   .arg(w->frameGeometry().width())
                                                                   .arg(w->frameGeometry().height())));
        // Every box is there; the one hidden stays hidden, the others show.
        for (int i = 1; i <= boxes; ++i) {
            auto* box = w->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i));
            QVERIFY(box);
            QCOMPARE(box->isVisible(), i != 2);
        }
        // The keyboard's way to the last box scrolls it into view.
        auto* last = w->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(boxes));
        QVERIFY(!QRect(QPoint(), w->size()).contains(QRect(last->mapTo(w, QPoint()), last->size())));
        last->setFocus();
        settle();
        QVERIFY(QRect(QPoint(), w->size()).intersects(QRect(last->mapTo(w, QPoint()), last->size())));
    }

    void aPlacedWindowScrollsToo() {
        const QSize size = freeArea().size() + QSize(300, 300);
        windows::registerClass(QStringLiteral("frmPlaced"), [size] { return new Placed(size); });
        Form* w = windows::show(QStringLiteral("frmPlaced"));
        settle();
        QVERIFY(screenfit::scrolls(w));
        QVERIFY(freeArea().contains(w->frameGeometry()));
        auto* corner = w->findChild<QLineEdit*>(QStringLiteral("Text1"));
        QVERIFY(corner->isVisible());
        // Its picture, what Print prints, is the whole of it, not the part in view.
        QCOMPARE(screenfit::picture(w).deviceIndependentSize().toSize(), size);
        corner->setFocus();
        settle();
        QVERIFY(QRect(QPoint(), w->size()).contains(QRect(corner->mapTo(w, QPoint()), corner->size())));
    }
};

QUELLORIN_TEST_MAIN(TestScreenFit)
#include "test_screenfit.moc"
