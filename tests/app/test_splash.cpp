// The splash and About windows, and the About window's look-up of the system-information
// program through the registry.

#include "app/Module1.h"
#include "app/splash.h"
#include "freshprogram.h"
#include "ui/settingsstore.h"
#include "uitest.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>

using platform::RegistryRoot;
using platform::RegistryValue;

namespace {

// A registry holding whatever values a test puts in it.
class FakeSettingsStore : public platform::SettingsStore {
  public:
    std::optional<RegistryValue> read(RegistryRoot root, const QString& subKey,
                                      const QString& valueName) override {
        if (root != RegistryRoot::LocalMachine)
            return std::nullopt;
        const auto it = values.constFind(subKey + u'|' + valueName);
        if (it == values.constEnd())
            return std::nullopt;
        return *it;
    }
    void set(const QString& subKey, const QString& valueName, RegistryValue value) {
        values.insert(subKey + u'|' + valueName, std::move(value));
    }
    QMap<QString, RegistryValue> values;
};

const QString kSharedTools = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

RegistryValue text(const QByteArray& bytes) {
    return {platform::RegString, bytes};
}

} // namespace

class TestSplash : public QObject {
    Q_OBJECT

    FreshProgram m_program;
    RecordingPlatform* m_rec = nullptr;
    FakeSettingsStore* m_registry = nullptr;

    frmAbout* about() { return static_cast<frmAbout*>(windows::show(QStringLiteral("frmAbout"))); }
    void expectUnavailable() {
        QCOMPARE(m_rec->messages.messages.size(), 1);
        const RecordedMessage m = m_rec->messages.take();
        QCOMPARE(m.title, QStringLiteral("Quellorin"));
        QCOMPARE(m.text, kUnavailable);
        QCOMPARE(m.icon, platform::Icon::None);
        QVERIFY(m_rec->launcher.started.isEmpty());
    }

  private slots:
    void initTestCase() {
        registerWindows();
        registerStub(QStringLiteral("frmHelp"));
    }
    void init() {
        m_rec = m_program.begin();
        m_registry = new FakeSettingsStore;
        platform::setSettingsStore(m_registry);
    }
    void cleanup() {
        m_program.end();
        platform::setSettingsStore(nullptr);
        delete m_registry;
    }

    // ----- splash ---------------------------------------------------------------------------------

    void splashTexts() {
        Form* splash = windows::show(QStringLiteral("frmSplash"));
        const auto label = [splash](const char* name) {
            return splash->findChild<QLabel*>(QString::fromLatin1(name))->text();
        };
        QCOMPARE(label("lblCompanyProduct"), QStringLiteral("Quellorin"));
        QCOMPARE(label("lblProductName"), QStringLiteral("  The Physics Problem Solver\r\n"
                                                         "          For High School And College"));
        QVERIFY(label("Label1").contains(QStringLiteral("2026")));
        QVERIFY(!label("Label2").isEmpty());
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash->size(), QSize(569, 285));
    }

    void splashKeys() {
        Form* splash = windows::show(QStringLiteral("frmSplash"));
        for (const char* key : {"a", "Z", " ", "7"}) {
            QTest::keyClick(splash, key[0]);
            QVERIFY(windows::find(QStringLiteral("frmSplash")));
        }
        QTest::keyClick(splash, Qt::Key_Return);
        QTest::keyClick(splash, Qt::Key_F1);
        QVERIFY(windows::find(QStringLiteral("frmSplash")));
        QTest::keyClick(splash, Qt::Key_Escape);
        settle();
        QVERIFY(!windows::find(QStringLiteral("frmSplash")));
    }

    void splashClick() {
        Form* splash = windows::show(QStringLiteral("frmSplash"));
        // A click on a label lands on the frame behind it.
        QWidget* label = splash->findChild<QLabel*>(QStringLiteral("lblCompanyProduct"));
        QWidget* target = splash->childAt(label->geometry().center() + QPoint(2, 2));
        QVERIFY(target);
        QCOMPARE(target->objectName(), QStringLiteral("Frame1"));
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(20, 20));
        settle();
        QVERIFY(!windows::find(QStringLiteral("frmSplash")));
    }

    // At start-up the splash stays up after the database has been opened.
    void splashSurvivesStartUp() {
        Main();
        QVERIFY(!program::ended());
        QVERIFY(windows::find(QStringLiteral("frmSplash")));
        QVERIFY(windows::find(QStringLiteral("frmSplash"))->isVisible());
        QVERIFY(ReferenceDatabase.isOpen());
    }

    // ----- About ------------------------------------------------------------------------------------

    void aboutTexts() {
        frmAbout* w = about();
        QCOMPARE(w->windowTitle(), QStringLiteral("Carvido Software"));
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Quellorin"));
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("The Physics Problem Solver"));
        // The version is the project's, as the build gives it.
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("lblVersionNumber"))->text(),
                 QStringLiteral("Version " QUELLORIN_VERSION));
        const QString contact = w->findChild<QLabel*>(QStringLiteral("Label2"))->text();
        QVERIFY(contact.startsWith(QStringLiteral("For sales information contact:\n\r")));
        QCOMPARE(contact.count(QStringLiteral("\n\r")), 5);
        QVERIFY(!w->findChild<QLabel*>(QStringLiteral("lblDisclaimer"))->text().isEmpty());
        QVERIFY(w->findChild<QFrame*>(QStringLiteral("Line1")));
    }

    void aboutCloses_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void aboutCloses() {
        QFETCH(int, key);
        frmAbout* w = about();
        QTest::keyClick(w->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::Key(key));
        settle();
        QVERIFY(!windows::find(QStringLiteral("frmAbout")));
    }

    void sysInfoFromTheFirstKey() {
        m_registry->set(QLatin1String(platform::SystemInfoKey), QStringLiteral("PATH"),
                        text("/usr/bin/kinfocenter\0"));
        about()->findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
        QCOMPARE(m_rec->launcher.started, QStringList{"/usr/bin/kinfocenter"});
        QVERIFY(m_rec->messages.messages.isEmpty());
    }

    void sysInfoUnavailableWithoutKeys() {
        about()->findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
        expectUnavailable();
    }

    void sysInfoSecondKeyNeedsTheProgram() {
        QTemporaryDir folder;
        m_registry->set(kSharedTools, QStringLiteral("MSINFO"), text(folder.path().toLocal8Bit() + '\0'));
        about()->StartSysInfo();
        expectUnavailable();

        QFile program(folder.filePath(QStringLiteral("MSINFO32.EXE")));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.close();
        about()->StartSysInfo();
        QCOMPARE(m_rec->launcher.started, QStringList{folder.filePath(QStringLiteral("MSINFO32.EXE"))});
    }

    void sysInfoStartFailure() {
        struct Refusing : RecordingLauncher {
            bool start(const QString&, const QStringList&) override { return false; }
        } refusing;
        platform::setLauncher(&refusing);
        m_registry->set(QLatin1String(platform::SystemInfoKey), QStringLiteral("PATH"),
                        text("/nowhere/tool"));
        about()->StartSysInfo();
        platform::setLauncher(&m_rec->launcher);
        expectUnavailable();
    }

    // The desktop's stand-in names the first system-information program installed, under the one key.
    void desktopSettingsStore() {
        platform::setSettingsStore(nullptr);
        platform::DesktopSettingsStore reg;
        m_rec->launcher.installed = {QStringLiteral("hardinfo"), QStringLiteral("gnome-system-monitor")};
        QString value;
        QVERIFY(GetKeyValue(RegistryRoot::LocalMachine, QLatin1String(platform::SystemInfoKey),
                            QStringLiteral("PATH"), value));
        QCOMPARE(value, QStringLiteral("hardinfo"));
        QVERIFY(!reg.read(RegistryRoot::CurrentUser, QLatin1String(platform::SystemInfoKey),
                          QStringLiteral("PATH")));
        QVERIFY(!reg.read(RegistryRoot::LocalMachine, kSharedTools, QStringLiteral("MSINFO")));

        about()->StartSysInfo();
        QCOMPARE(m_rec->launcher.started, QStringList{"hardinfo"});

        m_rec->launcher.nothingInstalled = true;
        QVERIFY(!GetKeyValue(RegistryRoot::LocalMachine, QLatin1String(platform::SystemInfoKey),
                             QStringLiteral("PATH"), value));
        QVERIFY(value.isEmpty());
        m_rec->launcher.started.clear();
        about()->StartSysInfo();
        expectUnavailable();
    }

    void getKeyValue_data() {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("value");
        QTest::newRow("text") << quint32(platform::RegString) << QByteArray("C:\\Tools\0", 9) << "C:\\Tools";
        QTest::newRow("text without NUL") << quint32(platform::RegString) << QByteArray("abc") << "abc";
        QTest::newRow("empty text") << quint32(platform::RegString) << QByteArray("\0", 1) << "";
        QTest::newRow("long text is cut")
            << quint32(platform::RegString) << QByteArray(2000, 'x') << QString(1024, u'x');
        QTest::newRow("number") << quint32(platform::RegNumber) << QByteArray("\x05\x1a\x00\x00", 4)
                                << "6661";
        QTest::newRow("big number") << quint32(platform::RegNumber) << QByteArray("\xff\xff\xff\xff", 4)
                                    << "4294967295";
        QTest::newRow("zero") << quint32(platform::RegNumber) << QByteArray(4, '\0') << "0";
        QTest::newRow("other type") << quint32(3) << QByteArray("\x01\x02", 2) << "";
    }
    void getKeyValue() {
        QFETCH(quint32, type);
        QFETCH(QByteArray, data);
        QFETCH(QString, value);
        m_registry->set(QStringLiteral("K"), QStringLiteral("V"), {type, data});
        QString read = QStringLiteral("stale");
        QVERIFY(GetKeyValue(RegistryRoot::LocalMachine, QStringLiteral("K"), QStringLiteral("V"), read));
        QCOMPARE(read, value);
        QVERIFY(!GetKeyValue(RegistryRoot::LocalMachine, QStringLiteral("K"), QStringLiteral("W"), read));
        QVERIFY(read.isEmpty());
    }
};

QUELLORIN_TEST_MAIN(TestSplash)
#include "test_splash.moc"
