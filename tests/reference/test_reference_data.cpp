// The program's own reference data and help texts as a student reads them: every factor of the
// conversion list reads at its two decimals, gases do not read as a vacuum in the refraction
// list, and no trademark stands in the data or the help.

#include "app/Module1.h"
#include "freshprogram.h"
#include "reference/lists.h"
#include "uitest.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>

namespace {

const reference::ListDefinition& listDefinition(const char* className) {
    for (const reference::ListDefinition& d : reference::listDefinitions())
        if (QLatin1String(d.className) == QLatin1String(className))
            return d;
    qFatal("no list %s", className);
}

// Each line of the list window, cut into its fields where the list places them.
QList<QStringList> listedFields(const char* className) {
    const reference::ListDefinition& d = listDefinition(className);
    const std::vector<int> columns = reference::fieldColumns(d);
    QList<QStringList> rows;
    Form* window = windows::show(QString::fromLatin1(className));
    auto* list = window->findChild<QListWidget*>(QStringLiteral("List1"));
    for (int i = 0; list && i < list->count(); ++i) {
        const QString line = list->item(i)->text();
        QStringList fields;
        for (size_t f = 0; f < d.fields.size(); ++f)
            fields << line.mid(columns[f], d.fields[f].width).trimmed();
        rows << fields;
    }
    return rows;
}

// A number as the list writes it in the standard format with English settings: 1,234.50.
double listedNumber(const QString& text, bool* ok) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toDouble(text, ok);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestReferenceData : public QObject {
    Q_OBJECT

    FreshProgram m_program;

  private slots:
    void initTestCase() {
        registerWindows();
        registerStub(QStringLiteral("frmHelp"));
    }
    void init() {
        m_program.begin();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(OpenReferenceDatabase());
    }
    void cleanup() {
        const QString left = m_program.end();
        QVERIFY2(left.isEmpty(), qPrintable(left));
    }

    // A factor that lists as 0.00 says nothing, and 0.01 hardly more: each row pairs units whose
    // two factors both read.
    void everyConversionFactorReads() {
        const QList<QStringList> rows = listedFields("frmUnits");
        QVERIFY(rows.size() >= 20);
        for (const QStringList& row : rows) {
            QCOMPARE(row.size(), 3);
            for (int f = 1; f <= 2; ++f) {
                bool ok = false;
                const double shown = listedNumber(row[f], &ok);
                QVERIFY2(ok, qPrintable(row.join(QStringLiteral(" | "))));
                QVERIFY2(shown >= 0.02, qPrintable(row.join(QStringLiteral(" | "))));
            }
        }
    }

    // A gas whose index lists as 1.00, like the vacuum's, carries its own index in its name.
    void gasesDoNotReadAsVacuum() {
        const QList<QStringList> rows = listedFields("frmIndex");
        reference::Recordset table =
            ReferenceDatabase.openRecordset(QStringLiteral("SELECT * FROM IndexOfRefraction"));
        int checked = 0;
        for (const QStringList& row : rows) {
            QVERIFY(!table.atEnd());
            const double index = table.field(QStringLiteral("Index")).toDouble();
            const QString exact = QString::number(index, 'g', 15);
            if (row[1] == QLatin1String("1.00") && index != 1.0) {
                QVERIFY2(row[0].contains(exact), qPrintable(row[0] + QStringLiteral(" ") + exact));
                ++checked;
            }
            table.moveNext();
        }
        QVERIFY(table.atEnd());
        QVERIFY(checked >= 2); // air and carbon dioxide
    }

    void noTrademarks_data() {
        QTest::addColumn<QString>("path");
        const QDir source(QStringLiteral(QUELLORIN_SOURCE_DIR "/src/reference"));
        QTest::newRow("QuellorinData.sql") << source.filePath(QStringLiteral("QuellorinData.sql"));
        const QDir help(source.filePath(QStringLiteral("help")));
        const QStringList files = help.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 40);
        for (const QString& f : files)
            QTest::newRow(qPrintable(f)) << help.filePath(f);
    }
    void noTrademarks() {
        QFETCH(QString, path);
        const QString text = QString::fromLatin1(fileBytes(path));
        QVERIFY(!text.isEmpty());
        // Brand names a physics text reaches for where a material or a book has a plain name.
        static const QRegularExpression brands(
            QStringLiteral(
                "\\b(Teflon|CRC|Plexiglas|Perspex|Lucite|Pyrex|Styrofoam|Kevlar|Mylar|Delrin|Freon|"
                "Formica|Velcro|Vaseline|Gore-Tex|Bakelite|Slinky|Frisbee)"),
            QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = brands.match(text);
        QVERIFY2(!m.hasMatch(), qPrintable(m.captured(0)));
    }
};

QUELLORIN_TEST_MAIN(TestReferenceData)
#include "test_reference_data.moc"
