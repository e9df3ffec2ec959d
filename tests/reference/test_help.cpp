// The help viewer: its tree, which file each topic opens, failures, and the topic files the
// build puts beside the program.

#include "app/Module1.h"
#include "freshprogram.h"
#include "reference/frmHelp.h"
#include "uitest.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeWidget>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QTreeWidgetItem* node(QTreeWidget* tree, const QString& text) {
    const QList<QTreeWidgetItem*> found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

    FreshProgram m_program;
    RecordingPlatform* m_rec = nullptr;
    QTemporaryDir m_dir;
    frmHelp* m_help = nullptr;
    QTreeWidget* m_tree = nullptr;
    QTextEdit* m_text = nullptr;

    void dblclick(const QString& text) {
        QTreeWidgetItem* item = node(m_tree, text);
        QVERIFY2(item, qPrintable(text));
        m_tree->setCurrentItem(item);
        emit m_tree->itemDoubleClicked(item, 0);
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        for (const HelpNode& n : helpNodes())
            if (n.file)
                QVERIFY(
                    writeFile(m_dir.filePath(QString::fromLatin1(n.file)), QByteArray("topic ") + n.file));
        registerWindows();
    }
    void init() {
        m_rec = m_program.begin(m_dir.path());
        m_help = static_cast<frmHelp*>(windows::show(QStringLiteral("frmHelp")));
        m_tree = m_help->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        m_text = m_help->findChild<QTextEdit*>(QStringLiteral("RTB1"));
        QVERIFY(m_tree && m_text);
    }
    void cleanup() { m_program.end(); }

    void tree() {
        QCOMPARE(m_help->windowTitle(), QStringLiteral("Quellorin Help"));
        QCOMPARE(m_tree->toolTip(), QStringLiteral("Double click to open a topic."));
        QCOMPARE(helpNodes().size(), size_t(52));
        QCOMPARE(m_tree->topLevelItemCount(), 1);
        QTreeWidgetItem* root = m_tree->topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("Quellorin"));
        QCOMPARE(root->childCount(), 17);
        QVERIFY(!root->isExpanded());

        QSet<QString> keys, texts;
        int files = 0;
        QTreeWidgetItemIterator it(m_tree);
        for (const HelpNode& n : helpNodes()) {
            // Nodes come in the order they were added, each under its parent.
            QVERIFY(*it);
            QCOMPARE((*it)->text(0), QString::fromLatin1(n.text));
            QCOMPARE((*it)->data(0, Qt::UserRole).toString(), QString::fromLatin1(n.key));
            if (n.parent)
                QCOMPARE((*it)->parent()->data(0, Qt::UserRole).toString(), QString::fromLatin1(n.parent));
            QVERIFY(!(*it)->isExpanded());
            keys.insert(QString::fromLatin1(n.key));
            texts.insert(QString::fromLatin1(n.text));
            files += n.file != nullptr;
            ++it;
        }
        QCOMPARE(keys.size(), 52);
        QCOMPARE(texts.size(), 52);
        QCOMPARE(files, 43);
        QCOMPARE(node(m_tree, QStringLiteral("Metric Conversions"))->parent()->text(0),
                 QStringLiteral("General Problems"));
    }

    void topicFiles_data() {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("file");
        QTest::newRow("Velocity") << "Velocity"
                                  << "Velocity.txt";
        QTest::newRow("AreasVolumes") << "AreasVolumes"
                                      << "AreasVolumes.txt";
        QTest::newRow("Equations/Graphs") << "Equations/Graphs"
                                          << "EquationsGraphs.txt";
        QTest::newRow("General Problems") << "General Problems"
                                          << "General.txt";
        QTest::newRow("Metric Conversions") << "Metric Conversions"
                                            << "MetricConversion.txt";
        QTest::newRow("Pythagorean Theorem") << "Pythagorean Theorem"
                                             << "Pythagorean.txt";
        QTest::newRow("Archimede's Principle") << "Archimede's Principle"
                                               << "Archimede's Principle.txt";
        QTest::newRow("Data Tables") << "Data Tables"
                                     << "Data Tables.txt";
    }
    void topicFiles() {
        QFETCH(QString, topic);
        QFETCH(QString, file);
        dblclick(topic);
        QCOMPARE(m_text->toPlainText(), QStringLiteral("topic ") + file);
        QVERIFY(m_rec->messages.messages.isEmpty());
    }

    void sectionsLoadNothing() {
        dblclick(QStringLiteral("Velocity"));
        for (const char* section : {"Motion", "Quellorin", "Energy", "Harmonic Motion", "Rotational Motion"})
            dblclick(QString::fromLatin1(section));
        QCOMPARE(m_text->toPlainText(), QStringLiteral("topic Velocity.txt"));
        QVERIFY(m_rec->messages.messages.isEmpty());
    }

    void missingFileKeepsTheText() {
        dblclick(QStringLiteral("Work"));
        QVERIFY(QFile::remove(m_dir.filePath(QStringLiteral("Torque.txt"))));
        dblclick(QStringLiteral("Torque"));
        QVERIFY(writeFile(m_dir.filePath(QStringLiteral("Torque.txt")), "topic Torque.txt"));
        QCOMPARE(m_text->toPlainText(), QStringLiteral("topic Work.txt"));
        const RecordedMessage m = m_rec->messages.take();
        QCOMPARE(m.title, QStringLiteral("Quellorin"));
        QCOMPARE(m.icon, platform::Icon::Information);
        QCOMPARE(m.text, QStringLiteral("Could not find file '%1'.")
                             .arg(QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("Torque.txt")))));
    }

    // Topic files are shown as they are written, never read as markup; 8-bit text still shows.
    void filesAreShownAsPlainText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("markup") << QByteArray("<b>F</b> = m * a & <i>more</i>")
                                << "<b>F</b> = m * a & <i>more</i>";
        QTest::newRow("rtf") << QByteArray("{\\rtf1 Hello}") << "{\\rtf1 Hello}";
        QTest::newRow("utf-8") << QByteArray("30 \xc2\xb0"
                                             "C")
                               << QString::fromUtf8("30 \xc2\xb0"
                                                    "C");
        QTest::newRow("latin-1") << QByteArray("30 \xb0"
                                               "C")
                                 << QString::fromUtf8("30 \xc2\xb0"
                                                      "C");
        QTest::newRow("crlf") << QByteArray("one\r\ntwo\r\n") << "one\ntwo\n";
        QTest::newRow("empty") << QByteArray() << "";
    }
    void filesAreShownAsPlainText() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QVERIFY(writeFile(m_dir.filePath(QStringLiteral("Power.txt")), bytes));
        dblclick(QStringLiteral("Power"));
        QVERIFY(writeFile(m_dir.filePath(QStringLiteral("Power.txt")), "topic Power.txt"));
        QCOMPARE(m_text->toPlainText(), shown);
    }

    void folderInPlaceOfAFile() {
        QVERIFY(QFile::remove(m_dir.filePath(QStringLiteral("Friction.txt"))));
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("Friction.txt")));
        m_help->GetHelp(QStringLiteral("Friction.txt"));
        QVERIFY(QDir(m_dir.path()).rmdir(QStringLiteral("Friction.txt")));
        QVERIFY(writeFile(m_dir.filePath(QStringLiteral("Friction.txt")), "topic Friction.txt"));
        QCOMPARE(m_rec->messages.messages.size(), 1);
        QVERIFY(m_text->toPlainText().isEmpty());
        m_rec->messages.messages.clear();
    }

    void buttons() {
        dblclick(QStringLiteral("Torque"));
        QTreeWidgetItem* torque = node(m_tree, QStringLiteral("Torque"));
        // Every node, with whether it is open.
        const auto shape = [this] {
            QStringList nodes;
            for (QTreeWidgetItemIterator it(m_tree); *it; ++it)
                nodes << (*it)->text(0) + ((*it)->isExpanded() ? QStringLiteral(" +") : QString());
            return nodes;
        };
        const QStringList before = shape();
        m_help->findChild<QPushButton*>(QStringLiteral("cmdClear"))->click();
        QVERIFY(m_text->toPlainText().isEmpty());
        // The tree is left as it was.
        QCOMPARE(shape(), before);
        QCOMPARE(m_tree->currentItem(), torque);
        m_help->findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
        QCOMPARE(m_rec->printer.printed.value(QStringLiteral("frmHelp")), 1);
        QTest::keyClick(m_tree, Qt::Key_Escape);
        settle();
        QVERIFY(!windows::find(QStringLiteral("frmHelp")));
    }

    // F1 opens the viewer at the window's own topic, registered with it: every window of the
    // program but the main window and those without F1 has one, and it is a node of the tree.
    void everyWindowHasItsTopic() {
        const QStringList atRoot = {"frmmain", "frmSplash", "frmAbout", "frmHelp"};
        for (const QString& className : windows::registeredClasses()) {
            const QString topic = windows::helpTopic(className);
            if (atRoot.contains(className))
                QVERIFY2(topic.isEmpty(),
                         qPrintable(className + ": the help opens at its root, not at " + topic));
            else if (topic.isEmpty())
                QFAIL(qPrintable(className + ": no help topic"));
            else
                QVERIFY2(node(m_tree, topic),
                         qPrintable(className + ": no topic \"" + topic + "\" in the tree"));
        }
    }

    // The viewer has no F1 of its own, and Enter in the tree presses nothing.
    void keysStayWithTheControls() {
        QVERIFY(!m_help->keyPreview());
        QTest::keyClick(m_tree, Qt::Key_F1);
        QTest::keyClick(m_tree, Qt::Key_Return);
        QTest::keyClick(m_text, Qt::Key_F1);
        settle();
        QCOMPARE(windows::find(QStringLiteral("frmHelp")), m_help);
        QVERIFY(m_rec->messages.messages.isEmpty());
    }

    // The build puts every topic file beside the program, written to be read in the viewer.
    void installedTopicFiles() {
        const QDir program(QStringLiteral(QUELLORIN_PROGRAM_DIR));
        for (const HelpNode& n : helpNodes()) {
            if (!n.file)
                continue;
            QFile f(program.filePath(QString::fromLatin1(n.file)));
            QVERIFY2(f.open(QIODevice::ReadOnly), n.file);
            const QByteArray bytes = f.readAll();
            QVERIFY2(bytes.size() > 2000, n.file);
            const QList<QByteArray> lines = bytes.split('\n');
            for (const QByteArray& line : lines) {
                QVERIFY2(line.size() <= 72, qPrintable(QString::fromLatin1(n.file) + QStringLiteral(": ") +
                                                       QString::fromLatin1(line)));
                for (const char c : line)
                    QVERIFY2(c >= 32 && c < 127, n.file);
            }
        }
    }
};

QUELLORIN_TEST_MAIN(TestHelp)
#include "test_help.moc"
