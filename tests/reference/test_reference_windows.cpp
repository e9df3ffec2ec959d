// The reference list windows and the periodic table's data sheet, run against small databases the
// tests build: what they list, how they format it, and what they do with missing tables, Null
// values and missing rows.

#include "app/Module1.h"
#include "freshprogram.h"
#include "reference/elements.h"
#include "reference/fields.h"
#include "reference/frmPeriodic.h"
#include "reference/lists.h"
#include "testdb.h"
#include "ui/accesskeys.h"
#include "uitest.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>

#include <malloc.h>

using reference::NamedFormat;

namespace {

const char* const kTables =
    "CREATE TABLE Constants (Constant TEXT, Value);"
    "INSERT INTO Constants VALUES ('Speed of light (m/s)', 299792458);"
    "INSERT INTO Constants VALUES ('Standard gravity, as used on Earth (m/s2)', 9.81);"
    "INSERT INTO Constants VALUES ('Gravitational constant', 6.67e-11);"
    "CREATE TABLE CoefficientsOfFriction (Materials TEXT, StaticCoefficient, KineticCoefficient);"
    "INSERT INTO CoefficientsOfFriction VALUES ('Rubber on dry concrete', 1, 0.5);"
    "INSERT INTO CoefficientsOfFriction VALUES ('Ice on ice', 0.1, 'varies');"
    "INSERT INTO CoefficientsOfFriction VALUES ('Wood on wood', NULL, 0.2);"
    "INSERT INTO CoefficientsOfFriction VALUES ('Never listed', 0.3, 0.3);"
    "CREATE TABLE IndexOfRefraction (Substance TEXT, \"Index\");"
    "CREATE TABLE UnitConversions (Unit TEXT, Conversion1);"
    "INSERT INTO UnitConversions VALUES ('in to cm', 2.54);"
    "CREATE TABLE GeneralInfo (Symbol TEXT, ElementName TEXT, AtomicNumber INTEGER, AtomicWeight,"
    " State TEXT, Charge TEXT, Configuration TEXT, GroupName TEXT, Density TEXT, FreezingPoint TEXT,"
    " BoilingPoint TEXT);"
    "INSERT INTO GeneralInfo VALUES ('H', 'Hydrogen', 1, 1.008, 'Gas', '+1, -1', '1s1', 'Nonmetal',"
    " '0.0899 g/L', '-259.16 deg C', '-252.88 deg C');"
    "INSERT INTO GeneralInfo VALUES ('He', 'Helium', 2, 4.003, 'Gas', '', '1s2', 'Noble gas', NULL,"
    " '', '-268.93 deg C');"
    "INSERT INTO GeneralInfo VALUES ('Li', 'Lithium', 3, 6.941, 'Solid', '+1', '1s2 2s1', 'Alkali metal',"
    " '0.534 g/cm3', '180.5 deg C', '1342 deg C');"
    "INSERT INTO GeneralInfo VALUES ('Be', 'Beryllium', 4, 9.012, NULL, '+2', '1s2 2s2',"
    " 'Alkaline earth metal', '1.85 g/cm3', '1287 deg C', '2469 deg C');"
    "INSERT INTO GeneralInfo VALUES ('O''x', 'Quoted', 99, 1, 'Gas', '', '', 'Test', '', '', '');";

QStringList listLines(Form* window) {
    QStringList out;
    auto* list = window->findChild<QListWidget*>(QStringLiteral("List1"));
    for (int i = 0; list && i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// The heap in use. The sanitizers' allocator keeps its own account, which this does not see.
long long heapInUse() {
    return static_cast<long long>(mallinfo2().uordblks);
}
#if defined(__SANITIZE_ADDRESS__)
constexpr bool heapIsSeen = false;
#else
constexpr bool heapIsSeen = true;
#endif

QString boxText(Form* window, int number) {
    auto* box = window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
    return box ? box->text() : QStringLiteral("<no box>");
}

} // namespace

class TestReferenceWindows : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    FreshProgram m_program;
    RecordingPlatform* m_rec = nullptr;

    Form* open(const char* name) { return windows::show(QString::fromLatin1(name)); }

  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(makeDatabase(m_dir.filePath(QStringLiteral("QuellorinData.mdb")), kTables));
        QVERIFY(makeDatabase(m_dir.filePath(QStringLiteral("empty.mdb")), "CREATE TABLE Other (A TEXT);"));
        registerWindows();
        registerStub(QStringLiteral("frmHelp"));
    }
    void init() {
        m_rec = m_program.begin(m_dir.path());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(OpenReferenceDatabase());
    }
    void cleanup() { m_program.end(); }

    // ----- formatting -----------------------------------------------------------------------------

    void fieldFormats_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("text");
        const int sci = int(NamedFormat::Scientific), std = int(NamedFormat::Standard),
                  none = int(NamedFormat::None);
        QTest::newRow("speed of light") << QVariant(299792458.0) << sci << "3.00E+08";
        QTest::newRow("9.81") << QVariant(9.81) << sci << "9.81E+00";
        QTest::newRow("small") << QVariant(6.674e-11) << sci << "6.67E-11";
        QTest::newRow("whole number scientific") << QVariant(qlonglong(101325)) << sci << "1.01E+05";
        QTest::newRow("half") << QVariant(0.5) << std << "0.50";
        QTest::newRow("grouping") << QVariant(1234.5) << std << "1,234.50";
        QTest::newRow("text in a number column") << QVariant(QStringLiteral("varies")) << std << "varies";
        QTest::newRow("unformatted weight") << QVariant(4.002602) << none << "4.002602";
        QTest::newRow("unformatted whole") << QVariant(qlonglong(6)) << none << "6";
        QTest::newRow("empty text") << QVariant(QString()) << none << "";
    }
    void fieldFormats() {
        QFETCH(QVariant, value);
        QFETCH(int, format);
        QFETCH(QString, text);
        QCOMPARE(reference::formatted(value, NamedFormat(format)), text);
    }

    void nullIsRefused() {
        for (NamedFormat f : {NamedFormat::None, NamedFormat::Scientific, NamedFormat::Standard}) {
            try {
                reference::formatted(QVariant(), f);
                QFAIL("Null was formatted");
            } catch (const reference::EngineError& e) {
                QCOMPARE(e.description(), QStringLiteral("Invalid use of Null"));
            }
        }
        QVERIFY(reference::isEmptyValue(QVariant()));
        QVERIFY(reference::isEmptyValue(QVariant(QString())));
        QVERIFY(!reference::isEmptyValue(QVariant(QStringLiteral(" "))));
        QVERIFY(!reference::isEmptyValue(QVariant(0)));
    }

    void headingsStandOverTheirColumns() {
        for (const reference::ListDefinition& d : reference::listDefinitions()) {
            const QStringList words = reference::headings(QString::fromLatin1(d.header));
            QCOMPARE(words.size(), qsizetype(d.fields.size()));
        }
        QCOMPARE(
            reference::headings(QStringLiteral("Substance       Static  Coefficient     Kinetic Coefficent")),
            (QStringList{"Substance", "Static  Coefficient", "Kinetic Coefficent"}));
    }

    // ----- the lists --------------------------------------------------------------------------------

    void constantsAreCutAndScientific() {
        Form* w = open("frmConstants");
        QCOMPARE(w->windowTitle(), QStringLiteral("Common Physical Constants"));
        const QStringList lines = listLines(w);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Speed of light (m/s)     ") + QString(6, u' ') +
                               QStringLiteral("3.00E+08") + QString(9, u' '));
        // Cut to 25 characters.
        QVERIFY(lines[1].startsWith(QStringLiteral("Standard gravity, as used      9.81E+00")));
        for (const QString& line : lines)
            QCOMPARE(line.size(), 25 + 6 + 17);
        QVERIFY(m_rec->messages.messages.isEmpty());
    }

    // Rows in the engine's order until the Null; that row stops the fill with the engine's words.
    void nullStopsTheFillAndKeepsEarlierLines() {
        Form* w = open("frmCoefficients");
        const QStringList lines = listLines(w);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("Rubber on dry concrete      ") + QStringLiteral("   1.00      ") +
                               QStringLiteral("   0.50      "));
        QCOMPARE(lines[1].mid(44), QStringLiteral("varies    "));
        QCOMPARE(m_rec->messages.messages.size(), 1);
        const RecordedMessage m = m_rec->messages.take();
        QCOMPARE(m.title, QStringLiteral("Quellorin"));
        QCOMPARE(m.text, QStringLiteral("Invalid use of Null"));
        QCOMPARE(m.icon, platform::Icon::Information);
    }

    void emptyTableListsNothingQuietly() {
        Form* w = open("frmIndex");
        QVERIFY(listLines(w).isEmpty());
        QVERIFY(m_rec->messages.messages.isEmpty());
    }

    void missingColumnIsReported() {
        Form* w = open("frmUnits");
        QVERIFY(listLines(w).isEmpty());
        QCOMPARE(m_rec->messages.take().text, QStringLiteral("Item not found in this collection."));
    }

    void missingTableIsReported() {
        ReferenceDatabase =
            reference::defaultWorkspace().openDatabase(m_dir.filePath(QStringLiteral("empty.mdb")));
        Form* w = open("frmConstants");
        QVERIFY(listLines(w).isEmpty());
        const RecordedMessage m = m_rec->messages.take();
        QCOMPARE(m.title, QStringLiteral("Quellorin"));
        QVERIFY2(m.text.contains(QStringLiteral("Constants")), qPrintable(m.text));
    }

    void regionalFormat() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(listLines(open("frmConstants")).value(1).mid(31, 8), QStringLiteral("9,81E+00"));
    }

    void closing() {
        Form* main = open("frmmain");
        open("frmCoefficients")->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        settle();
        QVERIFY(!windows::find(QStringLiteral("frmCoefficients")));
        main->hide();
        Form* constants = open("frmConstants");
        QCOMPARE(accesskeys::caption(constants->findChild<QPushButton*>(QStringLiteral("cmdCancel"))),
                 QStringLiteral("Cancel"));
        constants->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        settle();
        QVERIFY(!windows::find(QStringLiteral("frmConstants")));
        QVERIFY(main->isVisible());
        QVERIFY(main->keyPreview());
    }

    // Reopening reads the table again.
    void reopeningReadsAgain() {
        Form* w = open("frmConstants");
        QCOMPARE(listLines(w).size(), 3);
        w->Unload();
        settle();
        ReferenceDatabase =
            reference::defaultWorkspace().openDatabase(m_dir.filePath(QStringLiteral("empty.mdb")));
        QVERIFY(listLines(open("frmConstants")).isEmpty());
        m_rec->messages.messages.clear();
    }

    // ----- the periodic table -------------------------------------------------------------------------

    void periodicButtons() {
        const auto& all = reference::elementButtons();
        QCOMPARE(all.size(), size_t(109));
        QSet<QString> names;
        QSet<QPair<int, int>> places;
        int solids = 0, withSheet = 0;
        for (const auto& e : all) {
            names.insert(e.symbol);
            places.insert({e.row, e.column});
            QVERIFY(e.column >= 1 && e.column <= 18);
            solids += e.kind == reference::ElementClass::Solid;
            withSheet += reference::hasDataSheet(e.symbol);
        }
        QCOMPARE(names.size(), 109);
        QCOMPARE(places.size(), 109);
        QCOMPARE(solids, 70);
        QCOMPARE(withSheet, 10);

        Form* w = open("frmPeriodic");
        QCOMPARE(w->windowTitle(), QString());
        const auto button = [w](const char* name) {
            return w->findChild<QPushButton*>(QStringLiteral("cmd") + QLatin1String(name));
        };
        QCOMPARE(w->findChildren<QPushButton*>().size(), 110);
        QCOMPARE(button("Rf")->text(), QStringLiteral("Unq"));
        QCOMPARE(button("Ha")->text(), QStringLiteral("Unp"));
        QCOMPARE(button("Une")->text(), QStringLiteral("Une"));
        QCOMPARE(button("Fe")->palette().color(QPalette::Button), QColor(224, 224, 224));
        QCOMPARE(button("Hg")->palette().color(QPalette::Button), QColor(0, 192, 192));
        QCOMPARE(button("Ne")->palette().color(QPalette::Button), QColor(0, 255, 0));
        QCOMPARE(button("Po")->palette().color(QPalette::Button), QColor(128, 128, 255));
        QCOMPARE(button("Uno")->palette().color(QPalette::Button), QColor(255, 255, 0));
        QCOMPARE(button("Tc")->palette().color(QPalette::Button), QColor(224, 224, 224));
        // Standard places (in pixels from twips): La under Y, Hf beside it, the series rows.
        QCOMPARE(button("H")->geometry(), QRect(36, 42, 33, 33));
        QCOMPARE(button("La")->pos(), button("Y")->pos() + QPoint(0, 34));
        QCOMPARE(button("Rf")->pos(), button("Hf")->pos() + QPoint(0, 34));
        QCOMPARE(button("Ce")->pos(), QPoint(button("Ti")->x() + 34, 292));
        QCOMPARE(button("Lr")->pos(), QPoint(button("Rn")->x(), 326));
        QCOMPARE(button("He")->x(), button("Rn")->x());
        QCOMPARE(button("B")->x(), button("Al")->x());
        // Buttons and the legend never overlap.
        QList<QWidget*> parts;
        for (QWidget* c : w->findChildren<QWidget*>())
            if (c->objectName().startsWith(QLatin1String("cmd")) ||
                QStringList{"Label29", "Label30", "Label31", "Label32", "Label33", "Label1", "Label2"}
                    .contains(c->objectName()))
                parts << c;
        for (qsizetype i = 0; i < parts.size(); ++i)
            for (qsizetype j = i + 1; j < parts.size(); ++j)
                QVERIFY2(!parts[i]->geometry().intersects(parts[j]->geometry()),
                         qPrintable(parts[i]->objectName() + u' ' + parts[j]->objectName()));
    }

    void onlyTheFirstTenOpenTheirData() {
        Form* w = open("frmPeriodic");
        w->findChild<QPushButton*>(QStringLiteral("cmdFe"))->click();
        w->findChild<QPushButton*>(QStringLiteral("cmdNa"))->click();
        QVERIFY(!windows::find(QStringLiteral("frmPeriodicData")));
        QVERIFY(SelectedElementSymbol.isEmpty());
        w->findChild<QPushButton*>(QStringLiteral("cmdHe"))->click();
        QCOMPARE(SelectedElementSymbol, QStringLiteral("He"));
        QVERIFY(windows::find(QStringLiteral("frmPeriodicData")));
    }

    void dataSheet_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("message");
        QTest::newRow("hydrogen")
            << "H"
            << QStringList{"Hydrogen", "H", "1", "1.008", "Gas",        "+1, -1",        "1s1",
                           "Nonmetal", "1", "1", "0",     "0.0899 g/L", "-259.16 deg C", "-252.88 deg C"}
            << QString();
        // Empty and Null values leave their boxes empty without a word.
        QTest::newRow("helium") << "He"
                                << QStringList{"Helium",    "He", "2", "4.003", "Gas", "", "1s2",
                                               "Noble gas", "2",  "2", "2",     "",    "", "-268.93 deg C"}
                                << QString();
        QTest::newRow("lithium rounds up")
            << "Li"
            << QStringList{"Lithium",      "Li", "3", "6.941", "Solid",       "+1",          "1s2 2s1",
                           "Alkali metal", "3",  "3", "4",     "0.534 g/cm3", "180.5 deg C", "1342 deg C"}
            << QString();
        // A Null state stops the fill after the atomic weight.
        QTest::newRow("null state") << "Be" << QStringList{"Beryllium", "Be", "4", "9.012", "", "", "",
                                                           "",          "",   "",  "",      "", "", ""}
                                    << "Invalid use of Null";
        QTest::newRow("no row") << "Fe" << QStringList(14, QString()) << "No current record.";
        // The symbol is a value of the query: a quote in it is just a character.
        QTest::newRow("quote") << "O'x" << QStringList{"Quoted", "O'x", "99", "1",   "Gas", "", "",
                                                       "Test",   "99",  "99", "-98", "",    "", ""}
                               << QString();
        QTest::newRow("injection") << "x' OR '1'='1" << QStringList(14, QString()) << "No current record.";
    }

    void dataSheet() {
        QFETCH(QString, symbol);
        QFETCH(QStringList, boxes);
        QFETCH(QString, message);
        SelectedElementSymbol = symbol;
        Form* w = open("frmPeriodicData");
        QCOMPARE(w->windowTitle(), QStringLiteral("Periodic Table Data"));
        for (int i = 1; i <= 14; ++i)
            QCOMPARE(boxText(w, i), boxes[i - 1]);
        if (message.isEmpty()) {
            QVERIFY(m_rec->messages.messages.isEmpty());
        } else {
            const RecordedMessage m = m_rec->messages.take();
            QCOMPARE(m.title, QStringLiteral("Periodic Data"));
            QCOMPARE(m.text, message);
            QCOMPARE(m.icon, platform::Icon::Information);
        }
    }

    // An open data sheet keeps its element until it is closed.
    void dataSheetKeepsItsElement() {
        Form* table = open("frmPeriodic");
        table->findChild<QPushButton*>(QStringLiteral("cmdH"))->click();
        table->findChild<QPushButton*>(QStringLiteral("cmdLi"))->click();
        Form* sheet = windows::find(QStringLiteral("frmPeriodicData"));
        QCOMPARE(boxText(sheet, 1), QStringLiteral("Hydrogen"));
        sheet->findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
        QCOMPARE(m_rec->printer.printed.value(QStringLiteral("frmPeriodicData")), 1);
        sheet->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        settle();
        table->findChild<QPushButton*>(QStringLiteral("cmdLi"))->click();
        QCOMPARE(boxText(windows::find(QStringLiteral("frmPeriodicData")), 1), QStringLiteral("Lithium"));
    }

    // Closing gives back what opening took: after a few openings that fill the shared caches
    // (fonts, the style's button faces), twenty more leave no widget and next to no heap behind.
    // The table's coloured buttons once left about 30 KB in the style's cache at every opening.
    void closedWindowsKeepNothing_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("table") << "frmPeriodic";
        QTest::newRow("data sheet") << "frmPeriodicData";
    }
    void closedWindowsKeepNothing() {
        QFETCH(QString, window);
        SelectedElementSymbol = QStringLiteral("He");
        const auto openAndClose = [&window] {
            Form* w = windows::show(window);
            w->grab(); // paints every control
            w->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
            settle();
        };
        for (int i = 0; i < 5; ++i)
            openAndClose();
        const qsizetype widgets = QApplication::allWidgets().size();
        const long long heapBefore = heapInUse();
        const int openings = 20;
        for (int i = 0; i < openings; ++i)
            openAndClose();
        QCOMPARE(QApplication::allWidgets().size(), widgets);
        const long long kept = heapInUse() - heapBefore;
        if (heapIsSeen)
            QVERIFY2(kept < openings * 5 * 1024, qPrintable(QStringLiteral("%1 bytes kept").arg(kept)));
    }
};

QUELLORIN_TEST_MAIN(TestReferenceWindows)
#include "test_reference_windows.moc"
