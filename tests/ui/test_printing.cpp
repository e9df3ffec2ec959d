// Printing a window's image for real. The test starts a print server of its own in a temporary
// folder, reached only through a socket in that folder, so that nothing is printed on, or changed
// in, the machine's own printing system. With a queue that writes every job to a file, a print
// must arrive in that file as a PDF document; with no printer at all, printing must be refused
// with a description rather than quietly writing a PDF file somewhere.

#include "ui/platform.h"

#include <QByteArray>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString serverProgram = QStringLiteral("/usr/sbin/cupsd");
const QString pdfDriver = QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");
const QString queueName = QStringLiteral("test");

// Longest path a Unix socket address holds, with its terminating zero.
constexpr int socketPathLimit = 108;

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QString& text) {
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The client tools live in /usr/sbin (lpadmin) and /usr/bin (lpstat); an ordinary user's PATH
// may lack the first.
QString findTool(const QString& name) {
    const QString onPath = QStandardPaths::findExecutable(name);
    if (!onPath.isEmpty())
        return onPath;
    return QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                                 QStringLiteral("/sbin"), QStringLiteral("/bin")});
}

// Files below folder (or only in it) written to at or after since that are PDF documents, by
// name or by content.
QStringList pdfFilesWrittenSince(const QString& folder, const QDateTime& since, bool below) {
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    below ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.lastModified() < since)
            continue;
        QFile file(info.filePath());
        const bool startsAsPdf = file.open(QIODevice::ReadOnly) && file.read(1024).contains("%PDF-");
        if (startsAsPdf || info.suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
            found << info.filePath();
    }
    return found;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void refusesWithoutPrinter();
    void printsToDefaultPrinter();

  private:
    QString path(const QString& name) const { return folder->filePath(name); }
    // Runs a client tool against the test's server; its exit code, or -1 when it did not run.
    int runTool(const QString& tool, const QStringList& arguments, QString* output = nullptr);
    bool serverAnswers();
    bool queueExists();
    bool jobsPending();
    QString serverLog();

    std::unique_ptr<QTemporaryDir> folder;
    QProcess server;
    QString lpadmin;
    QString lpstat;
};

int TestPrinting::runTool(const QString& tool, const QStringList& arguments, QString* output) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, arguments);
    if (!process.waitForStarted(5000) || !process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(1000);
        return -1;
    }
    const QString text = QString::fromLocal8Bit(process.readAll());
    if (output)
        *output = text;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool TestPrinting::serverAnswers() {
    QString output;
    return runTool(lpstat, {QStringLiteral("-r")}, &output) == 0 &&
           output.contains(QLatin1String("scheduler is running"));
}

bool TestPrinting::queueExists() {
    return runTool(lpstat, {QStringLiteral("-p"), queueName}) == 0;
}

bool TestPrinting::jobsPending() {
    QString output;
    return runTool(lpstat, {QStringLiteral("-o"), queueName}, &output) != 0 || !output.trimmed().isEmpty();
}

QString TestPrinting::serverLog() {
    return QString::fromLocal8Bit(server.readAll() + fileBytes(path(QStringLiteral("log/error_log"))));
}

void TestPrinting::initTestCase() {
    if (!QFileInfo(serverProgram).isExecutable())
        QSKIP("The print server /usr/sbin/cupsd is not installed.");
    lpadmin = findTool(QStringLiteral("lpadmin"));
    lpstat = findTool(QStringLiteral("lpstat"));
    if (lpadmin.isEmpty() || lpstat.isEmpty())
        QSKIP("The print server's client tools lpadmin and lpstat are not installed.");
    if (!QFileInfo::exists(pdfDriver))
        QSKIP("The generic PDF printer driver of the print filters is not installed.");

    // The socket's path must fit a socket address; a long temporary path falls back to /tmp.
    folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/quellorin-print-XXXXXX"));
    if (!folder->isValid() || path(QStringLiteral("cups.sock")).toLocal8Bit().size() >= socketPathLimit)
        folder = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/quellorin-print-XXXXXX"));
    QVERIFY2(folder->isValid(), qPrintable(folder->errorString()));
    const QString socket = path(QStringLiteral("cups.sock"));
    QVERIFY(socket.toLocal8Bit().size() < socketPathLimit);

    // Run as root the server hands jobs to filters running as an unprivileged user, who must be
    // able to reach the spool folders inside this one.
    QVERIFY(QFile::setPermissions(folder->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                      QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                                      QFile::ExeOther));
    const QDir root(folder->path());
    for (const char* sub : {"spool/tmp", "cache", "state", "log", "home"})
        QVERIFY(root.mkpath(QLatin1String(sub)));

    QVERIFY(writeFile(path(QStringLiteral("cups-files.conf")), QStringLiteral("ServerRoot %1\n"
                                                                              "RequestRoot %1/spool\n"
                                                                              "TempDir %1/spool/tmp\n"
                                                                              "CacheDir %1/cache\n"
                                                                              "StateDir %1/state\n"
                                                                              "AccessLog %1/log/access_log\n"
                                                                              "ErrorLog %1/log/error_log\n"
                                                                              "PageLog %1/log/page_log\n"
                                                                              "Printcap %1/printcap\n"
                                                                              "FileDevice Yes\n"
                                                                              "Sandboxing Relaxed\n")
                                                                   .arg(folder->path())));
    // Only the socket, no network port, no sharing or browsing, and anyone who can reach the
    // socket may manage queues: the socket's folder is the test's own.
    QVERIFY(writeFile(path(QStringLiteral("cupsd.conf")), QStringLiteral("LogLevel warn\n"
                                                                         "Listen %1\n"
                                                                         "Browsing No\n"
                                                                         "WebInterface No\n"
                                                                         "DefaultAuthType None\n"
                                                                         "<Policy default>\n"
                                                                         "  JobPrivateAccess all\n"
                                                                         "  JobPrivateValues none\n"
                                                                         "  SubscriptionPrivateAccess all\n"
                                                                         "  SubscriptionPrivateValues none\n"
                                                                         "  <Limit All>\n"
                                                                         "    Order deny,allow\n"
                                                                         "  </Limit>\n"
                                                                         "</Policy>\n")
                                                              .arg(socket)));

    // Every talk with a print server, the client tools' and the program's own (through Qt's
    // print support, which reads these when it first asks for printers, so before any printer
    // call), goes to this server. The machine's and the user's printer options files, which can
    // name some other default printer, are kept out of it.
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    qputenv("CUPS_SERVERROOT", folder->path().toLocal8Bit());
    qputenv("HOME", path(QStringLiteral("home")).toLocal8Bit());
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");

    server.setProcessChannelMode(QProcess::MergedChannels);
    server.setWorkingDirectory(folder->path());
    server.start(serverProgram,
                 {QStringLiteral("-f"), QStringLiteral("-c"), path(QStringLiteral("cupsd.conf")),
                  QStringLiteral("-s"), path(QStringLiteral("cups-files.conf"))});
    if (!server.waitForStarted(5000))
        QSKIP(qPrintable(
            QStringLiteral("The print server could not be started: %1").arg(server.errorString())));

    QDeadlineTimer deadline(15000);
    bool answers = false;
    while (!(answers = serverAnswers()) && server.state() == QProcess::Running && !deadline.hasExpired())
        QTest::qWait(100);
    QVERIFY2(answers, qPrintable(QStringLiteral("The print server did not answer:\n") + serverLog()));
}

void TestPrinting::cleanupTestCase() {
    if (server.state() == QProcess::NotRunning)
        return;
    server.terminate();
    if (!server.waitForFinished(5000)) {
        server.kill();
        server.waitForFinished(5000);
    }
}

// Printing, or refusing to, goes without a warning from Qt; a refusal that comes from a printer
// that would not start (QPainter::begin) rather than from finding no printer shows up here.
void TestPrinting::init() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
}

void TestPrinting::refusesWithoutPrinter() {
    if (queueExists())
        QCOMPARE(runTool(lpadmin, {QStringLiteral("-x"), queueName}), 0);
    QFile::remove(path(QStringLiteral("out.pdf")));

    // The program sees the server's empty list, not some other printing system.
    QVERIFY(QPrinterInfo::availablePrinters().isEmpty());
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());

    QLabel window(QStringLiteral("Nothing to print on"));
    window.setWindowTitle(QStringLiteral("No printer"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // File times may be coarser than the clock; a second's margin keeps a fresh file in view.
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    QString error;
    platform::DesktopPrinter printer;
    QVERIFY(!printer.printWindow(&window, &error));
    QVERIFY(!error.trimmed().isEmpty());

    const QStringList here = pdfFilesWrittenSince(QDir::currentPath(), before, false);
    QVERIFY2(here.isEmpty(), qPrintable(here.join(QLatin1Char('\n'))));
    const QStringList inFolder = pdfFilesWrittenSince(folder->path(), before, true);
    QVERIFY2(inFolder.isEmpty(), qPrintable(inFolder.join(QLatin1Char('\n'))));
}

void TestPrinting::printsToDefaultPrinter() {
    const QString output = path(QStringLiteral("out.pdf"));
    QFile::remove(output);
    if (!queueExists()) {
        const QStringList queue = {QStringLiteral("-p"), queueName, QStringLiteral("-E"),
                                   QStringLiteral("-v"), QStringLiteral("file://") + output};
        QString log;
        // The driver by its name in the server's driver list, or else the driver file itself.
        if (runTool(lpadmin,
                    queue + QStringList{QStringLiteral("-m"),
                                        QStringLiteral("lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd")}) !=
            0)
            QVERIFY2(runTool(lpadmin, queue + QStringList{QStringLiteral("-P"), pdfDriver}, &log) == 0,
                     qPrintable(log + serverLog()));
    }
    QString log;
    QVERIFY2(runTool(lpadmin, {QStringLiteral("-d"), queueName}, &log) == 0, qPrintable(log));

    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    QCOMPARE(target.printerName(), queueName);

    const QString title = QStringLiteral("Print check");
    QLabel window(QStringLiteral("Quellorin print check: a window with some text"));
    window.setWindowTitle(title);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QString error;
    platform::DesktopPrinter printer;
    QVERIFY2(printer.printWindow(&window, &error), qPrintable(error));

    // The queue writes the document after its own job header; the job is done once the queue
    // has nothing left to print.
    QDeadlineTimer deadline(60000);
    bool arrived = false;
    while (!(arrived = fileBytes(output).contains("%PDF-") && !jobsPending()) && !deadline.hasExpired() &&
           server.state() == QProcess::Running)
        QTest::qWait(200);
    QVERIFY2(arrived,
             qPrintable(QStringLiteral("No PDF document arrived at %1:\n").arg(output) + serverLog()));
    // The job carries the window's title as its name, which this queue's job header repeats.
    QVERIFY(fileBytes(output).contains('"' + title.toUtf8() + '"'));
}

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
