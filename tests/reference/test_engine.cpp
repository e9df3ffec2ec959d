// The reference database engine: opening files, reading rows, and the errors a user sees.

#include "reference/engine.h"
#include "testdb.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaType>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <functional>
#include <optional>

#include <sys/fsuid.h>
#include <unistd.h>

using reference::Database;
using reference::EngineError;
using reference::Recordset;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The description of the EngineError the call throws; nothing when it throws none.
std::optional<QString> errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const EngineError& error) {
        return error.description();
    }
    return std::nullopt;
}

QString programDatabase() {
    return QDir(QStringLiteral(QUELLORIN_PROGRAM_DIR)).filePath(QStringLiteral("QuellorinData.mdb"));
}

const char* kSample = R"sql(
CREATE TABLE Items (Name TEXT, Amount INTEGER, Weight REAL, Note TEXT, Raw BLOB);
INSERT INTO Items VALUES ('bolt', 3, 0.25, 'zinc plated', x'00ff10');
INSERT INTO Items VALUES ('nut', 10, 0.05, '', NULL);
INSERT INTO Items VALUES ('washer', 7, 0.5, NULL, x'');
INSERT INTO Items VALUES ('bracket', 1, 1.5, '20 deg C, 5 Ω', NULL);
INSERT INTO Items VALUES ('anchor', 4, 2.0, 'x', NULL);
CREATE TABLE Vacant (A TEXT, B REAL);
)sql";

bool folderWritable(const QString& folder) {
    QFile probe(QDir(folder).filePath(QStringLiteral(".write-probe")));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

// A read-only folder for as long as it lives: no write permission on the folder, and, when the
// test runs as root (who may write anywhere), file permissions checked for this thread as the
// unprivileged user "nobody" (the file system user, which the thread can take and give back).
class ReadOnlyFolder {
  public:
    ReadOnlyFolder(const QString& folder, const QString& file) : m_folder(folder) {
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                          QFileDevice::ReadOther | QFileDevice::ExeOther);
        if (geteuid() == 0) {
            setfsgid(nobody);
            setfsuid(nobody);
            m_asNobody = true;
        }
    }
    ~ReadOnlyFolder() {
        if (m_asNobody) {
            setfsuid(0);
            setfsgid(0);
        }
        QFile::setPermissions(m_folder,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  private:
    static constexpr unsigned nobody = 65534;
    QString m_folder;
    bool m_asNobody = false;
};

QStringList folderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

} // namespace

class TestEngine : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_dir;
    QString m_sample;

    Database openSample() { return reference::defaultWorkspace().openDatabase(m_sample); }

  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_sample = m_dir.filePath(QStringLiteral("sample.mdb"));
        QVERIFY(makeDatabase(m_sample, kSample));
    }

    // ----- the program's own database ---------------------------------------------------------

    void programDatabaseConstants_data() {
        QTest::addColumn<QString>("constant");
        QTest::addColumn<double>("value");
        QTest::newRow("speed of light") << QStringLiteral("Speed of light (m/s)") << 299792458.0;
        QTest::newRow("Planck") << QStringLiteral("Planck constant (J s)") << 6.62607015e-34;
        QTest::newRow("elementary charge") << QStringLiteral("Elementary charge (C)") << 1.602176634e-19;
        QTest::newRow("Avogadro") << QStringLiteral("Avogadro constant (1/mol)") << 6.02214076e23;
        QTest::newRow("Boltzmann") << QStringLiteral("Boltzmann constant (J/K)") << 1.380649e-23;
    }

    void programDatabaseConstants() {
        QFETCH(QString, constant);
        QFETCH(double, value);
        const Database db = reference::defaultWorkspace().openDatabase(programDatabase());
        QVERIFY(db.isOpen());
        QCOMPARE(db.path(), programDatabase());
        Recordset rs =
            db.openRecordset(QStringLiteral("SELECT * FROM Constants WHERE Constant = '%1'").arg(constant));
        QVERIFY(!rs.atEnd());
        QCOMPARE(rs.field(QStringLiteral("Constant")).toString(), constant);
        const QVariant read = rs.field(QStringLiteral("Value"));
        QVERIFY(read.typeId() == QMetaType::Double || read.typeId() == QMetaType::LongLong);
        QCOMPARE(read.toDouble(), value);
        rs.moveNext();
        QVERIFY(rs.atEnd());
    }

    void programDatabaseTables_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<int>("minimumRows");
        QTest::newRow("Constants") << QStringLiteral("Constants") << QStringList{"Constant", "Value"} << 5;
        QTest::newRow("CoefficientsOfFriction")
            << QStringLiteral("CoefficientsOfFriction")
            << QStringList{"Materials", "StaticCoefficient", "KineticCoefficient"} << 5;
        QTest::newRow("IndexOfRefraction")
            << QStringLiteral("IndexOfRefraction") << QStringList{"Substance", "Index"} << 5;
        QTest::newRow("UnitConversions")
            << QStringLiteral("UnitConversions") << QStringList{"Unit", "Conversion1", "Conversion2"} << 5;
        QTest::newRow("GeneralInfo") << QStringLiteral("GeneralInfo")
                                     << QStringList{"Symbol",        "ElementName", "AtomicNumber",
                                                    "AtomicWeight",  "State",       "Charge",
                                                    "Configuration", "GroupName",   "Density",
                                                    "FreezingPoint", "BoilingPoint"}
                                     << 3;
    }

    void programDatabaseTables() {
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        QFETCH(int, minimumRows);
        const Database db = reference::defaultWorkspace().openDatabase(programDatabase());
        Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM %1").arg(table));
        QStringList names = rs.columns();
        if (!names.isEmpty() && names.first() == QLatin1String("ID"))
            names.removeFirst();
        QCOMPARE(names, columns);
        int rows = 0;
        for (; !rs.atEnd(); rs.moveNext()) {
            ++rows;
            // Every named column holds a value in every row.
            for (const QString& column : columns)
                QVERIFY2(!rs.field(column).isNull(), qPrintable(table + '.' + column));
        }
        QVERIFY(rows >= minimumRows);
    }

    void programDatabaseValues() {
        const Database db = reference::defaultWorkspace().openDatabase(programDatabase());

        for (Recordset rs = db.openRecordset(QStringLiteral("SELECT Constant FROM Constants")); !rs.atEnd();
             rs.moveNext())
            QVERIFY2(rs.field(QStringLiteral("Constant")).toString().size() <= 25,
                     qPrintable(rs.field(QStringLiteral("Constant")).toString()));

        // Each conversion's two factors are inverses of each other.
        for (Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM UnitConversions")); !rs.atEnd();
             rs.moveNext()) {
            const double product = rs.field(QStringLiteral("Conversion1")).toDouble() *
                                   rs.field(QStringLiteral("Conversion2")).toDouble();
            QVERIFY2(std::abs(product - 1.0) < 1e-12,
                     qPrintable(rs.field(QStringLiteral("Unit")).toString()));
        }

        Recordset water = db.openRecordset(
            QStringLiteral("SELECT \"Index\" FROM IndexOfRefraction WHERE Substance = 'Water'"));
        QVERIFY(!water.atEnd());
        QCOMPARE(water.field(QStringLiteral("index")).toDouble(), 1.333);

        Recordset steel = db.openRecordset(
            QStringLiteral("SELECT * FROM CoefficientsOfFriction WHERE Materials = 'Steel on steel'"));
        QVERIFY(!steel.atEnd());
        QCOMPARE(steel.field(QStringLiteral("StaticCoefficient")).toDouble(), 0.74);
        QCOMPARE(steel.field(QStringLiteral("KineticCoefficient")).toDouble(), 0.57);

        Recordset inch =
            db.openRecordset(QStringLiteral("SELECT * FROM UnitConversions WHERE Unit = 'in to cm'"));
        QVERIFY(!inch.atEnd());
        QCOMPARE(inch.field(QStringLiteral("Conversion1")).toDouble(), 2.54);

        Recordset elements = db.openRecordset(
            QStringLiteral("SELECT Symbol, AtomicNumber FROM GeneralInfo WHERE Symbol IN ('H', 'He', 'Li') "
                           "ORDER BY AtomicNumber"));
        QStringList symbols;
        for (; !elements.atEnd(); elements.moveNext()) {
            QCOMPARE(elements.field(QStringLiteral("AtomicNumber")).typeId(), QMetaType::LongLong);
            QCOMPARE(elements.field(QStringLiteral("AtomicNumber")).toLongLong(), symbols.size() + 1);
            symbols << elements.field(QStringLiteral("Symbol")).toString();
        }
        QCOMPARE(symbols, (QStringList{"H", "He", "Li"}));
    }

    // ----- opening files ------------------------------------------------------------------------

    void missingFileFails_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("absent.mdb");
        QTest::newRow("in a missing folder") << QStringLiteral("nowhere/absent.mdb");
        QTest::newRow("with spaces") << QStringLiteral("no such file.mdb");
    }

    void missingFileFails() {
        QFETCH(QString, name);
        const QString path = m_dir.filePath(name);
        const auto error = errorOf([&] { reference::defaultWorkspace().openDatabase(path); });
        QVERIFY(error.has_value());
        QCOMPARE(*error, QStringLiteral("Could not find file '%1'.").arg(path));
        QVERIFY(!QFileInfo::exists(path));
    }

    void nonDatabaseFails_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("text") << QByteArray("Constant,Value\nSpeed of light,299792458\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary") << QByteArray(4096, '\x5a');
        QTest::newRow("long text") << QByteArray("not a database at all\n").repeated(500);
        // A real database cut short after its header.
        QTest::newRow("truncated") << fileBytes(m_sample).left(100);
    }

    void nonDatabaseFails() {
        QFETCH(QByteArray, contents);
        const QString path = m_dir.filePath(QStringLiteral("%1.mdb").arg(QTest::currentDataTag()));
        QVERIFY(writeFile(path, contents));
        const auto error = errorOf([&] { reference::defaultWorkspace().openDatabase(path); });
        QVERIFY(error.has_value());
        QCOMPARE(*error, QStringLiteral("'%1' is not a database or is damaged.").arg(path));
        QCOMPARE(fileBytes(path), contents);
    }

    void damagedPageFails() {
        // Many rows fill several pages; the table's pages past the first are overwritten.
        const QString path = m_dir.filePath(QStringLiteral("damaged.mdb"));
        QVERIFY(makeDatabase(path, R"sql(
            PRAGMA page_size = 1024;
            CREATE TABLE Filler (Text TEXT);
            WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200)
            INSERT INTO Filler SELECT printf('%0300d', i) FROM n;
        )sql"));
        QByteArray bytes = fileBytes(path);
        QVERIFY(bytes.size() > 8 * 1024);
        bytes.replace(2 * 1024, 4 * 1024, QByteArray(4 * 1024, '\xff'));
        QVERIFY(writeFile(path, bytes));

        const Database db = reference::defaultWorkspace().openDatabase(path);
        const auto error = errorOf([&] { db.openRecordset(QStringLiteral("SELECT * FROM Filler")); });
        QVERIFY(error.has_value());
        QCOMPARE(*error, QStringLiteral("'%1' is not a database or is damaged.").arg(path));
    }

    void folderIsNotADatabase() {
        const QString path = m_dir.filePath(QStringLiteral("folder.mdb"));
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.mdb")));
        const auto error = errorOf([&] { reference::defaultWorkspace().openDatabase(path); });
        QVERIFY(error.has_value());
        QVERIFY2(error->contains(path), qPrintable(*error));
    }

    void openingNeverWrites() {
        // A database of its own, in a folder of its own, so nothing else touches either.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("untouched.mdb"));
        QVERIFY(makeDatabase(path, kSample));
        const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-3600);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        const QByteArray before = fileBytes(path);
        const QDateTime modified = QFileInfo(path).lastModified();
        const QStringList entries =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        QCOMPARE(entries, QStringList{QStringLiteral("untouched.mdb")});

        {
            const Database db = reference::defaultWorkspace().openDatabase(path);
            Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Items ORDER BY Name"));
            while (!rs.atEnd())
                rs.moveNext();
            // The connection itself refuses to change the file.
            const auto denied = errorOf([&] { db.openRecordset(QStringLiteral("DELETE FROM Items")); });
            QVERIFY(denied.has_value());
            QVERIFY(errorOf([&] {
                        db.openRecordset(QStringLiteral("CREATE TABLE Extra (A INTEGER)"));
                    }).has_value());
            Recordset still = db.openRecordset(QStringLiteral("SELECT count(*) AS N FROM Items"));
            QCOMPARE(still.field(QStringLiteral("N")).toLongLong(), 5);
        }

        QCOMPARE(QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha256),
                 QCryptographicHash::hash(before, QCryptographicHash::Sha256));
        QCOMPARE(QFileInfo(path).lastModified(), modified);
        QCOMPARE(
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
            entries);
    }

    // Whatever its journal mode and wherever it lies, the file opens and nothing appears beside
    // it: no journal, no write-ahead log, no shared-memory index, also while it is open.
    void openingLeavesNoFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("writeAheadLog");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("rollback journal") << "journal.mdb" << false << false;
        QTest::newRow("rollback journal, read-only folder") << "journal.mdb" << false << true;
        QTest::newRow("write-ahead log") << "wal.mdb" << true << false;
        QTest::newRow("write-ahead log, read-only folder") << "wal.mdb" << true << true;
        QTest::newRow("signs in the name") << "a b?c#d%e&f=g.mdb" << true << false;
        QTest::newRow("letters beyond ASCII") << "Größe Ω.mdb" << true << true;
    }
    void openingLeavesNoFile() {
        QFETCH(QString, name);
        QFETCH(bool, writeAheadLog);
        QFETCH(bool, readOnlyFolder);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(name);
        const QByteArray script = QByteArray(writeAheadLog ? "PRAGMA journal_mode=WAL;" : "") + kSample;
        QVERIFY(makeDatabase(path, script.constData()));
        // The header's read and write versions say 2 for a file in write-ahead-log mode.
        const QByteArray header = fileBytes(path).left(20);
        QCOMPARE(header.size(), 20);
        QCOMPARE(int(header[18]), writeAheadLog ? 2 : 1);
        const QByteArray before = fileBytes(path);
        QCOMPARE(folderEntries(dir.path()), QStringList{name});

        std::optional<QString> error;
        qlonglong rows = -1;
        QStringList whileOpen;
        bool writable = true;
        {
            std::optional<ReadOnlyFolder> readOnly;
            if (readOnlyFolder)
                readOnly.emplace(dir.path(), path);
            writable = folderWritable(dir.path());
            error = errorOf([&] {
                const Database db = reference::defaultWorkspace().openDatabase(path);
                Recordset rs = db.openRecordset(QStringLiteral("SELECT count(*) AS N FROM Items"));
                rows = rs.field(QStringLiteral("N")).toLongLong();
                whileOpen = folderEntries(dir.path());
            });
        }
        QVERIFY2(writable == !readOnlyFolder, readOnlyFolder
                                                  ? "The folder could not be made read-only for this test."
                                                  : "The test's own folder is not writable.");
        QVERIFY2(!error, qPrintable(error.value_or(QString())));
        QCOMPARE(rows, 5);
        QCOMPARE(whileOpen, QStringList{name});
        QCOMPARE(folderEntries(dir.path()), QStringList{name});
        QVERIFY(fileBytes(path) == before);
    }

    void readOnlyFileOpens() {
        const QString path = m_dir.filePath(QStringLiteral("readonly.mdb"));
        QVERIFY(makeDatabase(path, kSample));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                QFileDevice::ReadOther));
        const Database db = reference::defaultWorkspace().openDatabase(path);
        Recordset rs = db.openRecordset(QStringLiteral("SELECT Name FROM Items WHERE Amount = 10"));
        QCOMPARE(rs.field(QStringLiteral("Name")).toString(), QStringLiteral("nut"));
    }

    void databaseCopiesShareTheConnection() {
        Database copy;
        QVERIFY(!copy.isOpen());
        {
            const Database original = openSample();
            copy = original;
        }
        QVERIFY(copy.isOpen());
        QCOMPARE(copy.path(), m_sample);
        Recordset rs = copy.openRecordset(QStringLiteral("SELECT count(*) AS N FROM Items"));
        QCOMPARE(rs.field(QStringLiteral("n")).toLongLong(), 5);
    }

    void closedDatabaseFails() {
        const Database db;
        QVERIFY(!db.isOpen());
        const auto error = errorOf([&] { db.openRecordset(QStringLiteral("SELECT 1")); });
        QVERIFY(error.has_value());
        QCOMPARE(*error, QStringLiteral("The database is not open."));
    }

    // ----- queries ------------------------------------------------------------------------------

    void missingTableFails_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("table");
        QTest::newRow("select") << QStringLiteral("SELECT * FROM Foo") << QStringLiteral("Foo");
        QTest::newRow("where") << QStringLiteral("SELECT Name FROM Parts WHERE Name = 'x'")
                               << QStringLiteral("Parts");
        QTest::newRow("join") << QStringLiteral("SELECT * FROM Items JOIN Missing ON 1")
                              << QStringLiteral("Missing");
    }

    void missingTableFails() {
        QFETCH(QString, sql);
        QFETCH(QString, table);
        const Database db = openSample();
        const auto error = errorOf([&] { db.openRecordset(sql); });
        QVERIFY(error.has_value());
        QCOMPARE(*error, QStringLiteral("The database engine cannot find the table '%1'.").arg(table));
    }

    void badSqlFails_data() {
        QTest::addColumn<QString>("sql");
        QTest::newRow("syntax") << QStringLiteral("SELEC * FROM Items");
        QTest::newRow("unknown column in query") << QStringLiteral("SELECT Colour FROM Items");
        QTest::newRow("empty") << QString();
        QTest::newRow("two statements") << QStringLiteral("SELECT 1; SELECT 2");
    }

    void badSqlFails() {
        QFETCH(QString, sql);
        const Database db = openSample();
        const auto error = errorOf([&] { db.openRecordset(sql); });
        QVERIFY(error.has_value());
        QVERIFY(!error->isEmpty());
    }

    void trailingSemicolonIsAccepted() {
        const Database db = openSample();
        Recordset rs = db.openRecordset(QStringLiteral("SELECT count(*) AS N FROM Items;  -- all\n"));
        QCOMPARE(rs.field(QStringLiteral("N")).toLongLong(), 5);
    }

    void unknownColumnFails_data() {
        QTest::addColumn<QString>("column");
        QTest::newRow("absent") << QStringLiteral("Colour");
        QTest::newRow("empty name") << QString();
        QTest::newRow("prefix of a column") << QStringLiteral("Nam");
    }

    void unknownColumnFails() {
        QFETCH(QString, column);
        const Database db = openSample();
        const Recordset rs = db.openRecordset(QStringLiteral("SELECT Name, Amount FROM Items"));
        QVERIFY(!rs.atEnd());
        const auto error = errorOf([&] { rs.field(column); });
        QVERIFY(error.has_value());
        QCOMPARE(*error, QStringLiteral("Item not found in this collection."));
    }

    void columnNamesIgnoreCase_data() {
        QTest::addColumn<QString>("column");
        QTest::newRow("as named") << QStringLiteral("Name");
        QTest::newRow("lower") << QStringLiteral("name");
        QTest::newRow("upper") << QStringLiteral("NAME");
        QTest::newRow("mixed") << QStringLiteral("nAmE");
    }

    void columnNamesIgnoreCase() {
        QFETCH(QString, column);
        const Database db = openSample();
        const Recordset rs =
            db.openRecordset(QStringLiteral("SELECT Name, Amount FROM Items WHERE Amount = 3"));
        QCOMPARE(rs.columns(), (QStringList{"Name", "Amount"}));
        QCOMPARE(rs.field(column).toString(), QStringLiteral("bolt"));
    }

    void readingPastTheEndFails() {
        const Database db = openSample();
        Recordset rs = db.openRecordset(QStringLiteral("SELECT Name FROM Items WHERE Amount < 5"
                                                       " ORDER BY Amount"));
        QVERIFY(!rs.atEnd());
        QCOMPARE(rs.field(QStringLiteral("Name")).toString(), QStringLiteral("bracket"));
        rs.moveNext();
        QCOMPARE(rs.field(QStringLiteral("Name")).toString(), QStringLiteral("bolt"));
        rs.moveNext();
        QCOMPARE(rs.field(QStringLiteral("Name")).toString(), QStringLiteral("anchor"));
        rs.moveNext();
        QVERIFY(rs.atEnd());

        const auto read = errorOf([&] { rs.field(QStringLiteral("Name")); });
        QVERIFY(read.has_value());
        QCOMPARE(*read, QStringLiteral("No current record."));
        const auto move = errorOf([&] { rs.moveNext(); });
        QVERIFY(move.has_value());
        QCOMPARE(*move, QStringLiteral("No current record."));
        QVERIFY(rs.atEnd());

        // An unknown column is reported as such even with no current row.
        const auto unknown = errorOf([&] { rs.field(QStringLiteral("Colour")); });
        QVERIFY(unknown.has_value());
        QCOMPARE(*unknown, QStringLiteral("Item not found in this collection."));

        rs.moveFirst();
        QVERIFY(!rs.atEnd());
        QCOMPARE(rs.field(QStringLiteral("Name")).toString(), QStringLiteral("bracket"));
    }

    void emptyResultIsAtEnd_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("empty table") << QStringLiteral("SELECT * FROM Vacant") << QStringList{"A", "B"};
        QTest::newRow("no match") << QStringLiteral("SELECT Name FROM Items WHERE Amount > 100")
                                  << QStringList{"Name"};
    }

    // A parameter is a value, never SQL: quotes and SQL words in it match only themselves.
    void boundParameters_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("plain") << QStringLiteral("nut") << QStringList{"nut"};
        QTest::newRow("no such row") << QStringLiteral("gear") << QStringList{};
        QTest::newRow("quote") << QStringLiteral("nut'") << QStringList{};
        QTest::newRow("injection") << QStringLiteral("x' OR '1'='1") << QStringList{};
        QTest::newRow("statement") << QStringLiteral("'; DROP TABLE Items; --") << QStringList{};
        QTest::newRow("empty") << QString() << QStringList{};
    }

    void boundParameters() {
        QFETCH(QString, value);
        QFETCH(QStringList, names);
        const Database db = openSample();
        QStringList found;
        for (Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Items WHERE Name = ?"), {value});
             !rs.atEnd(); rs.moveNext())
            found << rs.field(QStringLiteral("Name")).toString();
        QCOMPARE(found, names);
        QCOMPARE(db.openRecordset(QStringLiteral("SELECT * FROM Items")).atEnd(), false);
    }

    void parameterCountMustMatch() {
        const Database db = openSample();
        const auto tooFew =
            errorOf([&] { db.openRecordset(QStringLiteral("SELECT * FROM Items WHERE Name = ?")); });
        QCOMPARE(tooFew, QStringLiteral("The query expects 1 parameters, 0 were given."));
        const auto tooMany = errorOf(
            [&] { db.openRecordset(QStringLiteral("SELECT * FROM Items"), {QStringLiteral("nut")}); });
        QCOMPARE(tooMany, QStringLiteral("The query expects 0 parameters, 1 were given."));
    }

    void emptyResultIsAtEnd() {
        QFETCH(QString, sql);
        QFETCH(QStringList, columns);
        const Database db = openSample();
        Recordset rs = db.openRecordset(sql);
        QVERIFY(rs.atEnd());
        QCOMPARE(rs.columns(), columns);
        const auto read = errorOf([&] { rs.field(columns.first()); });
        QVERIFY(read.has_value());
        QCOMPARE(*read, QStringLiteral("No current record."));
        const auto move = errorOf([&] { rs.moveNext(); });
        QVERIFY(move.has_value());
        QCOMPARE(*move, QStringLiteral("No current record."));
        rs.moveFirst();
        QVERIFY(rs.atEnd());
    }

    void defaultRecordsetIsAtEnd() {
        Recordset rs;
        QVERIFY(rs.atEnd());
        QVERIFY(rs.columns().isEmpty());
        QVERIFY(errorOf([&] { rs.moveNext(); }).has_value());
    }

    void closeDropsTheRows() {
        const Database db = openSample();
        Recordset rs = db.openRecordset(QStringLiteral("SELECT Name FROM Items"));
        QVERIFY(!rs.atEnd());
        rs.close();
        QVERIFY(rs.atEnd());
        rs.moveFirst();
        QVERIFY(rs.atEnd());
        const auto read = errorOf([&] { rs.field(QStringLiteral("Name")); });
        QVERIFY(read.has_value());
        QCOMPARE(*read, QStringLiteral("No current record."));
    }

    void valuesKeepTheirKind_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("integer") << "bolt"
                                 << "Amount" << QVariant(qlonglong(3));
        QTest::newRow("real") << "bolt"
                              << "Weight" << QVariant(0.25);
        QTest::newRow("whole real") << "anchor"
                                    << "Weight" << QVariant(2.0);
        QTest::newRow("text") << "bolt"
                              << "Note" << QVariant(QStringLiteral("zinc plated"));
        QTest::newRow("non-ASCII text") << "bracket"
                                        << "Note" << QVariant(QStringLiteral("20 deg C, 5 \u03a9"));
        QTest::newRow("blob") << "bolt"
                              << "Raw" << QVariant(QByteArray("\x00\xff\x10", 3));
        QTest::newRow("empty blob") << "washer"
                                    << "Raw" << QVariant(QByteArray(""));
    }

    void valuesKeepTheirKind() {
        QFETCH(QString, name);
        QFETCH(QString, column);
        QFETCH(QVariant, expected);
        const Database db = openSample();
        const Recordset rs =
            db.openRecordset(QStringLiteral("SELECT * FROM Items WHERE Name = '%1'").arg(name));
        QVERIFY(!rs.atEnd());
        const QVariant value = rs.field(column);
        QCOMPARE(value.typeId(), expected.typeId());
        QCOMPARE(value, expected);
        QVERIFY(!value.isNull());
    }

    void nullIsNotEmptyText() {
        const Database db = openSample();
        const Recordset empty =
            db.openRecordset(QStringLiteral("SELECT Note, Raw FROM Items WHERE Name = 'nut'"));
        const QVariant text = empty.field(QStringLiteral("Note"));
        QVERIFY(!text.isNull());
        QCOMPARE(text.typeId(), QMetaType::QString);
        QVERIFY(text.toString().isEmpty());
        QVERIFY(!text.toString().isNull());
        QVERIFY(empty.field(QStringLiteral("Raw")).isNull());
        QVERIFY(!empty.field(QStringLiteral("Raw")).isValid());

        const Recordset null =
            db.openRecordset(QStringLiteral("SELECT Note FROM Items WHERE Name = 'washer'"));
        const QVariant missing = null.field(QStringLiteral("Note"));
        QVERIFY(missing.isNull());
        QVERIFY(!missing.isValid());
        QVERIFY(missing != text);
    }

    void rowsComeInTheEnginesOrder_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("as stored") << QStringLiteral("SELECT Name FROM Items")
                                   << QStringList{"bolt", "nut", "washer", "bracket", "anchor"};
        QTest::newRow("by name") << QStringLiteral("SELECT Name FROM Items ORDER BY Name")
                                 << QStringList{"anchor", "bolt", "bracket", "nut", "washer"};
        QTest::newRow("by weight, heaviest first")
            << QStringLiteral("SELECT Name FROM Items ORDER BY Weight DESC")
            << QStringList{"anchor", "bracket", "washer", "bolt", "nut"};
        QTest::newRow("filtered") << QStringLiteral("SELECT Name FROM Items WHERE Amount > 3 ORDER BY Amount")
                                  << QStringList{"anchor", "washer", "nut"};
    }

    void rowsComeInTheEnginesOrder() {
        QFETCH(QString, sql);
        QFETCH(QStringList, names);
        const Database db = openSample();
        Recordset rs = db.openRecordset(sql);
        for (int pass = 0; pass < 2; ++pass) {
            QStringList read;
            for (; !rs.atEnd(); rs.moveNext())
                read << rs.field(QStringLiteral("Name")).toString();
            QCOMPARE(read, names);
            rs.moveFirst();
        }
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "test_engine.moc"
