#include "ui/platform.h"

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

#include <cups/cups.h>
#include <cups/http.h>

#include <sys/socket.h>

namespace platform {
namespace {

class DesktopMessages : public MessageBoxes {
  public:
    void show(QWidget* owner, const QString& title, const QString& text, Icon icon) override {
        QMessageBox box(owner ? owner : QApplication::activeWindow());
        box.setWindowTitle(title);
        box.setText(text);
        box.setTextFormat(Qt::PlainText);
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

void message(const QString& title, const QString& text, Icon icon, QWidget* owner) {
    messages().show(owner, title, text, icon);
}

void printWindow(QWidget* window) {
    QString error;
    if (!printer().printWindow(window, &error))
        message(QStringLiteral("Quellorin"), error, Icon::Information, window);
}

namespace {

enum class PrintService { Answers, Absent, Silent };

// Asks the print service for its options and waits at most timeoutMs for the answer. Looking a
// printer up waits minutes for a service that accepts connections and then never answers (a hung
// or half-configured print server), and the windows would ignore every click meanwhile; asked
// this way, they wait a few seconds at most. A service that cannot be reached at all is absent:
// the printer lookup then finds no printer at once.
PrintService probePrintService(int timeoutMs) {
    http_t* http =
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, timeoutMs, nullptr);
    if (!http)
        return PrintService::Absent;
    httpSetTimeout(http, timeoutMs / 1000.0, nullptr, nullptr);
    http_status_t status = HTTP_STATUS_ERROR;
    if (httpOptions(http, "*") == 0) {
        do
            status = httpUpdate(http);
        while (status == HTTP_STATUS_CONTINUE);
    }
    httpClose(http);
    return status == HTTP_STATUS_ERROR ? PrintService::Silent : PrintService::Answers;
}

} // namespace

bool DesktopPrinter::printWindow(QWidget* window, QString* error) {
    if (probePrintService(serviceTimeoutMs) == PrintService::Silent) {
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
    const QPixmap image = window->grab();
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
