#include "app/program.h"

#include "app/Module1.h"
#include "app/firstwindow.h"
#include "app/splash.h"
#include "reference/frmHelp.h"
#include "reference/lists.h"
#include "ui/appearance.h"
#include "ui/platform.h"
#include "ui/windows.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QTextStream>

#include <cstring>
#include <initializer_list>

QString ProgramVersion() {
    return QStringLiteral(QUELLORIN_VERSION);
}

QIcon ProgramIcon() {
    QIcon icon;
    const QDir pictures(QStringLiteral(":/icon"));
    for (const QString& name : pictures.entryList(QDir::Files)) {
        QImageReader picture(pictures.filePath(name), "png");
        // Read as the PNG it is: guessing its format would load every image plugin installed.
        picture.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(picture.read()));
    }
    return icon;
}

namespace {

// Message boxes written to the console, counted.
class ConsoleMessages : public platform::MessageBoxes {
  public:
    explicit ConsoleMessages(QTextStream& out) : m_out(out) {}
    void show(QWidget*, const QString& title, const QString& text, platform::Icon) override {
        ++count;
        m_out << "  " << title << ": " << QString(text).replace(QLatin1String("\r\n"), QLatin1String(" "))
              << "\n";
    }
    int count = 0;

  private:
    QTextStream& m_out;
};

bool mentions(int argc, char* argv[], std::initializer_list<const char*> options) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : options)
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

const QCommandLineOption& selfCheckOption() {
    static const QCommandLineOption option(
        QStringLiteral("self-check"),
        QStringLiteral("Checks, without showing a window, that the program finds its reference database and "
                       "its help topics, and says what it found."));
    return option;
}

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Quellorin - %1, by %2.")
                                         .arg(QLatin1String(ProductSubtitle), QLatin1String(MakerName)));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(selfCheckOption());
}

} // namespace

int SelfCheck(QTextStream& out) {
    platform::MessageBoxes& before = platform::messages();
    ConsoleMessages console(out);
    platform::setMessages(&console);
    const QString folder = platform::programFolder().path();
    out << "Program folder: " << QDir::toNativeSeparators(folder) << "\n";

    registerWindows();
    Main();
    bool complete = !program::ended();
    if (!complete) {
        out << "The reference database " << ReferenceDatabaseFile << " could not be opened.\n";
    } else {
        out << "Reference database: "
            << QDir::toNativeSeparators(folder + QDir::separator() + QLatin1String(ReferenceDatabaseFile))
            << "\n";
        for (const reference::ListDefinition& d : reference::listDefinitions()) {
            const int before = console.count;
            Form* list = windows::show(QString::fromLatin1(d.className));
            const int rows = list->findChild<QListWidget*>(QStringLiteral("List1"))->count();
            out << "  " << d.caption << ": " << rows << " rows\n";
            complete = complete && rows > 0 && console.count == before;
        }
        SelectedElementSymbol = QStringLiteral("H");
        const Form* sheet = windows::show(QStringLiteral("frmPeriodicData"));
        const QString element = sheet->findChild<QLineEdit*>(QStringLiteral("Text1"))->text();
        out << "  Element H: " << (element.isEmpty() ? QStringLiteral("not found") : element) << "\n";
        complete = complete && !element.isEmpty();

        auto* help = static_cast<frmHelp*>(windows::show(QStringLiteral("frmHelp")));
        int topics = 0;
        int read = 0;
        for (const HelpNode& node : helpNodes()) {
            if (!node.file)
                continue;
            ++topics;
            const int before = console.count;
            help->GetHelp(QString::fromLatin1(node.file));
            read += console.count == before;
        }
        out << "Help topics: " << read << " of " << topics << " read\n";
        complete = complete && read == topics;
    }
    windows::unloadAll();
    platform::setMessages(&before);
    out << (complete ? "Everything was found.\n" : "Something is missing.\n");
    out.flush();
    return complete ? 0 : 1;
}

int RunProgram(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Quellorin"));
    QCoreApplication::setApplicationVersion(ProgramVersion());
    // The version and the help need no display.
    if (mentions(argc, argv, {"-v", "--version", "-h", "-?", "--help", "--help-all"})) {
        QCoreApplication app(argc, argv);
        QCommandLineParser parser;
        describe(parser);
        parser.process(app);
        return 0;
    }
    // The self-check shows nothing, so it needs no display either.
    if (mentions(argc, argv, {"--self-check"}))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    appearance::useProgramStyle();
    QGuiApplication::setDesktopFileName(QLatin1String(ProgramId));
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
    if (parser.isSet(selfCheckOption())) {
        QTextStream out(stdout);
        return SelfCheck(out);
    }
    // The program ends when its main window closes, whatever else is still open.
    app.setQuitOnLastWindowClosed(false);
    watchFirstWindow();
    // The windows' icon is read from its pictures once the main window is on screen: reading them,
    // and giving the window system every size, would come before the window's first paint.
    afterFirstPaint([] { QApplication::setWindowIcon(ProgramIcon()); });
    // So does the windows' fitting of their width to their caption.
    windows::setFirstPaintQueue(afterFirstPaint);
    Main();
    if (program::ended())
        return program::exitStatus();
    if (!firstWindowExposed()) {
        const int status = app.exec();
        if (!firstWindowExposed())
            return status;
    }
    // Timed to the first window (see firstwindow.h): the windows go before the application does.
    windows::unloadAll();
    return 0;
}
