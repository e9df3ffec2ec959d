// Printing when the print service is not there or does not answer, and when its client library is
// not installed. The program's printing talks to the print server named by CUPS_SERVER; here that
// is a socket of the test's own: one that accepts connections and never answers (a hung print
// server), or none at all. Either way Print must come back with a message that names the cause; the
// test's time limit (in CMake) fails a print that hangs instead.

#include "recorders.h"
#include "ui/platform.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <cups/cups.h>

#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

class TestPrintService : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void namesTheCause_data();
    void namesTheCause();
    void namesAMissingClientLibrary();
    void loadsTheClientLibraryOnceInstalled();

  private:
    QTemporaryDir m_folder{QStringLiteral("/tmp/quellorin-silent-XXXXXX")};
    int m_silent = -1;
};

void TestPrintService::initTestCase() {
    QVERIFY2(m_folder.isValid(), qPrintable(m_folder.errorString()));
    // The machine's and the user's printer settings stay out of it.
    qputenv("CUPS_SERVERROOT", m_folder.path().toLocal8Bit());
    qputenv("HOME", m_folder.path().toLocal8Bit());
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    // Listening is enough: the system queues the connections, and nothing ever reads or answers.
    const QByteArray path = m_folder.filePath(QStringLiteral("silent.sock")).toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    QVERIFY(size_t(path.size()) < sizeof address.sun_path);
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    m_silent = socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(m_silent >= 0);
    QVERIFY(bind(m_silent, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
    QVERIFY(listen(m_silent, 16) == 0);
}

void TestPrintService::cleanupTestCase() {
    if (m_silent >= 0)
        close(m_silent);
}

void TestPrintService::namesTheCause_data() {
    QTest::addColumn<QString>("socket");
    QTest::addColumn<QString>("message");
    QTest::newRow("a service that never answers")
        << "silent.sock"
        << "The print service is not answering. Make sure the printing system is running, then press Print "
           "again.";
    QTest::newRow("no service at all")
        << "absent.sock"
        << "No printer is installed. Add a printer and make it the default printer, then press Print again.";
}

void TestPrintService::namesTheCause() {
    QFETCH(QString, socket);
    QFETCH(QString, message);
    // The print server for this row, for the program's own requests and the toolkit's alike.
    const QByteArray server = m_folder.filePath(socket).toLocal8Bit();
    qputenv("CUPS_SERVER", server);
    cupsSetServer(server.constData());

    QLabel window(QStringLiteral("Nothing to print on"));
    window.setWindowTitle(QStringLiteral("Print check"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    RecordingMessages messages;
    platform::setMessages(&messages);
    QElapsedTimer clock;
    clock.start();
    platform::printWindow(&window);
    // Measured for the record, never asserted.
    qInfo("Print came back after %lld ms", static_cast<long long>(clock.elapsed()));
    platform::setMessages(nullptr);

    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].title, QStringLiteral("Quellorin"));
    QCOMPARE(messages.messages[0].text, message);
    QCOMPARE(iconName(messages.messages[0].icon), QStringLiteral("info"));
}

// The program loads the print service's client library on the first print, not at its start; a
// machine without it hears so when it prints.
void TestPrintService::namesAMissingClientLibrary() {
    QLabel window(QStringLiteral("Nothing to print on"));
    QString error;
    platform::DesktopPrinter printer("libquellorin-no-such-print-client.so.2");
    QVERIFY(!printer.printWindow(&window, &error));
    QCOMPARE(error,
             QStringLiteral("The printing system is not installed (libquellorin-no-such-print-client.so.2 "
                            "was not found). Install CUPS, then press Print again."));
}

// A Print after a failed load tries the library again: installed meanwhile, it is used.
void TestPrintService::loadsTheClientLibraryOnceInstalled() {
    const QByteArray server = m_folder.filePath(QStringLiteral("absent.sock")).toLocal8Bit();
    qputenv("CUPS_SERVER", server);
    cupsSetServer(server.constData());
    const QString late = m_folder.filePath(QStringLiteral("libcups-installed-late.so.2"));
    const QByteArray file = late.toLocal8Bit();
    QLabel window(QStringLiteral("Nothing to print on"));
    QString error;
    platform::DesktopPrinter printer(file.constData());
    QVERIFY(!printer.printWindow(&window, &error));
    QVERIFY2(error.startsWith(QStringLiteral("The printing system is not installed")), qPrintable(error));
    Dl_info installed{};
    QVERIFY(dladdr(reinterpret_cast<void*>(&cupsServer), &installed) != 0);
    QVERIFY(QFile::link(QString::fromLocal8Bit(installed.dli_fname), late));
    QVERIFY(!printer.printWindow(&window, &error));
    QCOMPARE(error, QStringLiteral("No printer is installed. Add a printer and make it the default printer, "
                                   "then press Print again."));
}

QTEST_MAIN(TestPrintService)
#include "test_print_service.moc"
