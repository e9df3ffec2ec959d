#include "ui/platform.h"

#include "ui/notice.h"
#include "ui/screenfit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

// The print service's declarations only: its client library is loaded on the first print (see
// PrintClient below), so that a start of the program does not load it and the twenty libraries it
// brings along.
#include <cups/cups.h>
#include <cups/http.h>

#include <dlfcn.h>
#include <sys/socket.h>

#include <map>
#include <string>

namespace platform {
namespace {

class DesktopMessages : public MessageBoxes {
  public:
    void show(QWidget* owner, const QString& title, const QString& text, Icon icon) override {
        showAbout(owner, title, text, icon, QString());
    }
    void showAbout(QWidget* owner, const QString& title, const QString& text, Icon icon,
                   const QString& about) override {
        QMessageBox box(owner ? owner : QApplication::activeWindow());
        box.setWindowTitle(title);
        box.setText(text);
        box.setTextFormat(Qt::PlainText);
        box.setInformativeText(about);
        switch (icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }
    void notice(QWidget* box, const QString& title, const QString& text, Icon icon) override {
        notice::show(box, title, text, icon);
    }
};

class DesktopLauncher : public Launcher {
  public:
    QString locate(const QString& program) override {
        const QFileInfo direct(program);
        if (direct.isAbsolute())
            return direct.isFile() && direct.isExecutable() ? direct.filePath() : QString();
        return QStandardPaths::findExecutable(program);
    }
    bool start(const QString& path, const QStringList& arguments) override {
        return QProcess::startDetached(path, arguments);
    }
};

class ApplicationFolder : public ProgramFolder {
  public:
    QString path() override { return QCoreApplication::applicationDirPath(); }
};

DesktopMessages desktopMessages;
DesktopPrinter desktopPrinter;
DesktopLauncher desktopLauncher;
ApplicationFolder applicationFolder;

MessageBoxes* currentMessages = &desktopMessages;
Printer* currentPrinter = &desktopPrinter;
Launcher* currentLauncher = &desktopLauncher;
ProgramFolder* currentFolder = &applicationFolder;

} // namespace

MessageBoxes& messages() {
    return *currentMessages;
}
Printer& printer() {
    return *currentPrinter;
}
Launcher& launcher() {
    return *currentLauncher;
}
ProgramFolder& programFolder() {
    return *currentFolder;
}

void setMessages(MessageBoxes* m) {
    currentMessages = m ? m : &desktopMessages;
}
void setPrinter(Printer* p) {
    currentPrinter = p ? p : &desktopPrinter;
}
void setLauncher(Launcher* l) {
    currentLauncher = l ? l : &desktopLauncher;
}
void setProgramFolder(ProgramFolder* f) {
    currentFolder = f ? f : &applicationFolder;
}

void MessageBoxes::notice(QWidget* box, const QString& title, const QString& text, Icon icon) {
    show(box ? box->window() : nullptr, title, text, icon);
}

void message(const QString& title, const QString& text, Icon icon, QWidget* owner) {
    messages().show(owner, title, text, icon);
}

void printWindow(QWidget* window) {
    QString error;
    if (!printer().printWindow(window, &error))
        message(QStringLiteral("Quellorin"), error, Icon::Information, window);
}

namespace {

// The calls the print probe makes into the print service's client library, found in the library
// when the first print needs them. Once found, the library stays loaded: Qt's own print support
// loads the same one as soon as it looks for printers.
struct PrintClient {
    decltype(&::cupsServer) server = nullptr;
    decltype(&::ippPort) port = nullptr;
    decltype(&::cupsEncryption) encryption = nullptr;
    decltype(&::httpConnect2) connect = nullptr;
    decltype(&::httpSetTimeout) setTimeout = nullptr;
    decltype(&::httpOptions) options = nullptr;
    decltype(&::httpUpdate) update = nullptr;
    decltype(&::httpClose) close = nullptr;
    // Why the library could not be used, for the student; empty when every call was found.
    QString error;
};

template <typename Call> bool resolve(void* library, const char* name, Call* call) {
    *call = reinterpret_cast<Call>(dlsym(library, name));
    return *call != nullptr;
}

PrintClient loadPrintClient(const char* file) {
    PrintClient c;
    void* library = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        c.error =
            QStringLiteral("The printing system is not installed (%1 was not found). Install CUPS, then "
                           "press Print again.")
                .arg(QLatin1String(file));
        return c;
    }
    const struct {
        const char* name;
        bool found;
    } calls[] = {{"cupsServer", resolve(library, "cupsServer", &c.server)},
                 {"ippPort", resolve(library, "ippPort", &c.port)},
                 {"cupsEncryption", resolve(library, "cupsEncryption", &c.encryption)},
                 {"httpConnect2", resolve(library, "httpConnect2", &c.connect)},
                 {"httpSetTimeout", resolve(library, "httpSetTimeout", &c.setTimeout)},
                 {"httpOptions", resolve(library, "httpOptions", &c.options)},
                 {"httpUpdate", resolve(library, "httpUpdate", &c.update)},
                 {"httpClose", resolve(library, "httpClose", &c.close)}};
    const char* missing = nullptr;
    for (const auto& call : calls)
        if (!call.found && !missing)
            missing = call.name;
    if (missing) {
        c.error = QStringLiteral("The printing system is too old: %1 lacks %2. Update CUPS, then press Print "
                                 "again.")
                      .arg(QLatin1String(file), QLatin1String(missing));
        // Let go of it, so that the next Print loads the library updated meanwhile.
        dlclose(library);
    }
    return c;
}

// The client library by its file name, loaded the first time it is asked for. One that could not
// be used is loaded again at the next Print, until it can: the student may install or update it
// while the program runs.
const PrintClient& printClient(const char* file) {
    static std::map<std::string, PrintClient> loaded;
    auto at = loaded.find(file);
    if (at == loaded.end() || !at->second.error.isEmpty())
        at = loaded.insert_or_assign(file, loadPrintClient(file)).first;
    return at->second;
}

enum class PrintService { Answers, Absent, Silent };

// Asks the print service for its options and waits at most timeoutMs for the answer. Looking a
// printer up waits minutes for a service that accepts connections and then never answers (a hung
// or half-configured print server), and the windows would ignore every click meanwhile; asked
// this way, they wait a few seconds at most. A service that cannot be reached at all is absent:
// the printer lookup then finds no printer at once.
PrintService probePrintService(const PrintClient& cups, int timeoutMs) {
    http_t* http = cups.connect(cups.server(), cups.port(), nullptr, AF_UNSPEC, cups.encryption(), 1,
                                timeoutMs, nullptr);
    if (!http)
        return PrintService::Absent;
    cups.setTimeout(http, timeoutMs / 1000.0, nullptr, nullptr);
    http_status_t status = HTTP_STATUS_ERROR;
    if (cups.options(http, "*") == 0) {
        do
            status = cups.update(http);
        while (status == HTTP_STATUS_CONTINUE);
    }
    cups.close(http);
    return status == HTTP_STATUS_ERROR ? PrintService::Silent : PrintService::Answers;
}

} // namespace

DesktopPrinter::DesktopPrinter(const char* clientLibrary) : m_clientLibrary(clientLibrary) {}

bool DesktopPrinter::printWindow(QWidget* window, QString* error) {
    const PrintClient& cups = printClient(m_clientLibrary);
    if (!cups.error.isEmpty()) {
        *error = cups.error;
        return false;
    }
    if (probePrintService(cups, serviceTimeoutMs) == PrintService::Silent) {
        *error =
            QStringLiteral("The print service is not answering. Make sure the printing system is running, "
                           "then press Print again.");
        return false;
    }
    // Without a configured printer QPrinter quietly turns into a PDF writer with no file name;
    // a print that goes nowhere must not look like a success.
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) {
        *error =
            QStringLiteral("No printer is installed. Add a printer and make it the default printer, then "
                           "press Print again.");
        return false;
    }
    // All of the window, the parts a small screen has it scroll out of view as well.
    const QPixmap image = screenfit::picture(window);
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(window->windowTitle());
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QStringLiteral("The printer \"%1\" could not be used.").arg(target.printerName());
        return false;
    }
    // The window's image at its size on screen, from the top left corner of the page.
    const QRect page = painter.viewport();
    const double scale = printer.resolution() / double(window->logicalDpiX());
    QSize size = (QSizeF(image.size() / image.devicePixelRatio()) * scale).toSize();
    if (size.width() > page.width() || size.height() > page.height())
        size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(QPoint(0, 0), size), image);
    if (!painter.end()) {
        *error = QStringLiteral("The printer \"%1\" could not be used.").arg(target.printerName());
        return false;
    }
    return true;
}

} // namespace platform
