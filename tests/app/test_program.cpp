// The program as the desktop starts it: its icon, and the self-check that tells whether the
// program's folder holds what the program needs.

#include "app/Module1.h"
#include "app/program.h"
#include "recorders.h"
#include "uitest.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// A program folder made of links to the build's, without one file.
bool folderWithout(const QTemporaryDir& dir, const QString& missing) {
    const QDir build(QStringLiteral(QUELLORIN_PROGRAM_DIR));
    for (const QFileInfo& fi :
         build.entryInfoList({QStringLiteral("*.txt"), QStringLiteral("*.mdb")}, QDir::Files))
        if (fi.fileName() != missing && !QFile::link(fi.absoluteFilePath(), dir.filePath(fi.fileName())))
            return false;
    return true;
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT

    RecordingPlatform rec;

    int selfCheck(QString* report) {
        QTextStream out(report);
        const int status = SelfCheck(out);
        program::reset();
        settle();
        return status;
    }

  private slots:
    void cleanup() {
        rec.folder.folder = QStringLiteral(QUELLORIN_PROGRAM_DIR);
        QVERIFY(rec.messages.messages.isEmpty());
        // The self-check puts the message boxes back as it found them.
        QCOMPARE(&platform::messages(), static_cast<platform::MessageBoxes*>(&rec.messages));
    }

    void theIconIsDrawnAtEverySize() {
        const QIcon icon = ProgramIcon();
        for (int size : {16, 32, 48, 256}) {
            const QImage image = icon.pixmap(size).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            // Opaque in the middle, clear in the corners.
            QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        }
        QCOMPARE(ProgramVersion(), QStringLiteral(QUELLORIN_VERSION));
    }

    void theBuildFolderHoldsEverything() {
        QString report;
        QCOMPARE(selfCheck(&report), 0);
        QVERIFY2(report.contains(QStringLiteral("Help topics: 43 of 43 read")), qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("Element H: Hydrogen")), qPrintable(report));
        QVERIFY2(report.endsWith(QStringLiteral("Everything was found.\n")), qPrintable(report));
    }

    void aMissingTopicIsNamed() {
        QTemporaryDir dir;
        QVERIFY(folderWithout(dir, QStringLiteral("Torque.txt")));
        rec.folder.folder = dir.path();
        QString report;
        QCOMPARE(selfCheck(&report), 1);
        QVERIFY2(report.contains(QStringLiteral("Torque.txt")), qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("Help topics: 42 of 43 read")), qPrintable(report));
        QVERIFY2(report.endsWith(QStringLiteral("Something is missing.\n")), qPrintable(report));
    }

    void aMissingDatabaseIsNamed() {
        QTemporaryDir dir;
        QVERIFY(folderWithout(dir, QStringLiteral("QuellorinData.mdb")));
        rec.folder.folder = dir.path();
        QString report;
        QCOMPARE(selfCheck(&report), 1);
        QVERIFY2(report.contains(QStringLiteral("QuellorinData.mdb could not be opened")),
                 qPrintable(report));
        QVERIFY2(!report.contains(QStringLiteral("Help topics")), qPrintable(report));
    }
};

QUELLORIN_TEST_MAIN(TestProgram)
#include "test_program.moc"
