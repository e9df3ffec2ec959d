// The data window's outputs are heard once the typing pauses: what assistive technology is told
// while a student types a list, counted through Qt's accessibility updates. Qt reports nothing on
// the offscreen platform, so this test runs on a virtual display with the accessibility bridge on
// (see CMakeLists.txt).

#include "tools/statistics/frmData.h"
#include "uitest.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTextEdit>

namespace {

// The text changes reported, by the object they are about.
QHash<const QObject*, int>& reported() {
    static QHash<const QObject*, int> counts;
    return counts;
}
void count(QAccessibleEvent* event) {
    if (event->type() == QAccessible::TextUpdated || event->type() == QAccessible::TextInserted ||
        event->type() == QAccessible::TextRemoved)
        ++reported()[event->object()];
}

} // namespace

class TestDataWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // What Qt reports goes here, as it would go to the desktop's accessibility bus.
        QAccessible::installUpdateHandler(count);
        // The bridge turns on once it has found the accessibility bus.
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 20000);
    }

    void outputsReportedOnceTypingPauses() {
        statistics::DataWindow window;
        window.show();
        auto* list = window.findChild<QTextEdit*>(QStringLiteral("Text1"));
        const QList<QLineEdit*> outputs = {window.findChild<QLineEdit*>(QStringLiteral("Text2")),
                                           window.findChild<QLineEdit*>(QStringLiteral("Text3")),
                                           window.findChild<QLineEdit*>(QStringLiteral("Text4"))};
        reported().clear();
        QTest::keyClicks(list, QStringLiteral("2 4 4 4 5 5 7 9"));
        // Every key changed the outputs at once, and nothing of them was reported yet; what is
        // typed is.
        QCOMPARE(outputs[0]->text(), QStringLiteral("2, 4, 4, 4, 5, 5, 7, 9"));
        QVERIFY(reported().value(list) > 0);
        for (QLineEdit* box : outputs)
            QCOMPARE(reported().value(box), 0);
        // The pause: one report each.
        QTest::qWait(statistics::DataWindow::PauseMs * 2);
        for (QLineEdit* box : outputs)
            QCOMPARE(reported().value(box), 1);
        // One more measurement changes the list and the median, not the mode: only what changed
        // is reported again.
        QTest::keyClicks(list, QStringLiteral(" 4"));
        QTest::qWait(statistics::DataWindow::PauseMs * 2);
        QCOMPARE(outputs[1]->text(), QStringLiteral("4"));
        QCOMPARE(reported().value(outputs[0]), 2);
        QCOMPARE(reported().value(outputs[1]), 2);
        QCOMPARE(reported().value(outputs[2]), 1);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    appearance::useProgramStyle();
    TestDataWindow tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "test_data_window.moc"
