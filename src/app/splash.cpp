#include "app/splash.h"

#include "app/program.h"
#include "ui/accessible.h"
#include "ui/appearance.h"
#include "ui/platform.h"
#include "ui/windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <QtEndian>

#include <stdexcept>

using appearance::twips;

void registerSplashAndAbout() {
    windows::registerClass(QStringLiteral("frmSplash"), [] { return new frmSplash; });
    windows::registerClass(QStringLiteral("frmAbout"), [] { return new frmAbout; });
}

namespace {

// The program's logo: an arrow flying over a ramp, 32 by 32.
QPixmap logo() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 128), 1.5));
    p.setBrush(QColor(255, 224, 96));
    p.drawPolygon(QPolygonF({QPointF(2, 29), QPointF(30, 29), QPointF(30, 14)}));
    p.setPen(QPen(QColor(192, 0, 0), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath path(QPointF(3, 22));
    path.quadTo(QPointF(12, 0), QPointF(24, 9));
    p.drawPath(path);
    p.setBrush(QColor(192, 0, 0));
    p.drawPolygon(QPolygonF({QPointF(26, 11), QPointF(20, 10), QPointF(25, 5)}));
    return pm;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

// ----- the splash window ------------------------------------------------------------------------

// No title bar, no buttons, not in the task bar.
frmSplash::frmSplash()
    : Form(QStringLiteral("frmSplash"), {QString(), Qt::SplashScreen | Qt::FramelessWindowHint}) {
    setFixedSize(twips(8535), twips(4275));
    // Without a title bar the window is announced by the program's name.
    setAccessibleName(QStringLiteral("Quellorin"));

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(2);
    frame->setGeometry(rect());
    frame->installEventFilter(this);

    QLabel* maker = addLabel(
        frame, "Label2", QStringLiteral("%1 - clear tools for curious minds").arg(QLatin1String(MakerName)));
    maker->setGeometry(twips(240), twips(180), twips(8055), twips(300));
    maker->setAlignment(Qt::AlignCenter);

    QLabel* image = addLabel(frame, "imgLogo");
    image->setPixmap(logo());
    image->setGeometry(twips(480), twips(840), 32, 32);

    QFont big = appearance::formFont(32);
    big.setBold(true);
    QLabel* product = addLabel(frame, "lblCompanyProduct", QStringLiteral("Quellorin"));
    product->setFont(big);
    product->setGeometry(twips(1200), twips(660), twips(6600), twips(900));
    product->setAlignment(Qt::AlignCenter);

    QFont subtitle = appearance::formFont(15.75);
    subtitle.setItalic(true);
    QLabel* name = addLabel(frame, "lblProductName");
    name->setFont(subtitle);
    name->setGeometry(twips(1200), twips(1740), twips(6600), twips(1000));
    name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    QLabel* notice = addLabel(frame, "Label1");
    notice->setGeometry(twips(240), twips(3300), twips(8055), twips(700));
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);

    for (QLabel* l : frame->findChildren<QLabel*>())
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void frmSplash::Form_Load() {
    // The splash comes up in front of the main window once that has been painted: the main
    // window's load yields for it before the window is on screen, so the yield is finished here,
    // before this window is shown or the database is opened. The student's keys and clicks wait;
    // the wait is half a second at most.
    const QPointer<Form> main = windows::find(QStringLiteral("frmmain"));
    if (main && main->isVisible()) {
        QTimer limit;
        limit.setSingleShot(true);
        limit.start(500);
        while (main && main->windowHandle() && !main->windowHandle()->isExposed() && limit.isActive())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                            QEventLoop::WaitForMoreEvents);
    }
    findChild<QLabel*>(QStringLiteral("lblProductName"))
        ->setText(QStringLiteral("  ") + QLatin1String(ProductSubtitle) +
                  QStringLiteral("\r\n          For High School And College"));
    accessible::plainName(findChild<QLabel*>(QStringLiteral("lblProductName")));
    findChild<QLabel*>(QStringLiteral("Label1"))
        ->setText(QStringLiteral("Copyright 2026 %1. For Linux desktops (X11 and Wayland).")
                      .arg(QLatin1String(MakerName)));
}

void frmSplash::Frame1_Click() {
    Unload();
}

bool frmSplash::Form_KeyPress(QChar ch) {
    // Esc dismisses the window; every other key is swallowed.
    if (ch == QChar(27))
        Unload();
    return true;
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched->objectName() == QLatin1String("Frame1") && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Frame1_Click();
        return true;
    }
    return Form::eventFilter(watched, event);
}

// ----- the About window -------------------------------------------------------------------------

frmAbout::frmAbout()
    : Form(QStringLiteral("frmAbout"), {QString(), Qt::Dialog | Qt::CustomizeWindowHint |
                                                       Qt::WindowTitleHint | Qt::WindowCloseButtonHint}) {

    auto* image = addLabel(this, "imgLogo");
    image->setPixmap(logo());
    image->setFixedSize(32, 32);
    QFont titleFont = appearance::formFont(18);
    titleFont.setBold(true);
    QLabel* title = addLabel(this, "lblTitle", QStringLiteral("Quellorin"));
    title->setFont(titleFont);
    QLabel* version = addLabel(this, "lblVersion");
    QLabel* release = addLabel(this, "lblVersionNumber");
    QLabel* contact = addLabel(this, "Label2");
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    QLabel* disclaimer = addLabel(this, "lblDisclaimer");
    disclaimer->setWordWrap(true);
    disclaimer->setFixedWidth(twips(4000));

    QPushButton* ok = appearance::commandButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"),
                                                [this] { cmdOK_Click(); });
    QPushButton* sysInfo =
        appearance::commandButton(this, QStringLiteral("cmdSysInfo"), QStringLiteral("&System Info..."),
                                  [this] { cmdSysInfo_Click(); });
    setDefaultButton(ok);
    setCancelButton(ok);

    auto* heading = new QHBoxLayout;
    heading->addWidget(image, 0, Qt::AlignTop);
    auto* words = new QVBoxLayout;
    words->addWidget(title);
    words->addWidget(version);
    words->addWidget(release);
    words->addSpacing(8);
    words->addWidget(contact);
    heading->addLayout(words);
    heading->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(disclaimer, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    buttons->addStretch();
    bottom->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(heading);
    layout->addWidget(line);
    layout->addLayout(bottom);
    ok->setFocus();
}

void frmAbout::Form_Load() {
    setWindowTitle(QLatin1String(MakerName));
    findChild<QLabel*>(QStringLiteral("lblVersion"))->setText(QLatin1String(ProductSubtitle));
    findChild<QLabel*>(QStringLiteral("lblVersionNumber"))
        ->setText(QStringLiteral("Version ") + ProgramVersion());
    // Each line break of the contact block is LF then CR.
    const QStringList contact = {
        QStringLiteral("For sales information contact:"), QLatin1String(MakerName),
        QStringLiteral("1200 Lantern Hill Road"),         QStringLiteral("Marlow Falls, OR 97999"),
        QStringLiteral("Telephone (555) 014-2290"),       QStringLiteral("www.carvido.example")};
    findChild<QLabel*>(QStringLiteral("Label2"))->setText(contact.join(QStringLiteral("\n\r")));
    accessible::plainName(findChild<QLabel*>(QStringLiteral("Label2")));
    findChild<QLabel*>(QStringLiteral("lblDisclaimer"))
        ->setText(
            QStringLiteral("Warning: this program is protected by copyright law. Copying or passing it on "
                           "without the written permission of %1 is not allowed.")
                .arg(QLatin1String(MakerName)));
}

void frmAbout::cmdOK_Click() {
    Unload();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    using platform::RegistryRoot;
    const auto unavailable = [this] {
        platform::message(QStringLiteral("Quellorin"),
                          QStringLiteral("System Information Is Unavailable At This Time"),
                          platform::Icon::None, this);
    };
    try {
        QString path;
        if (!GetKeyValue(RegistryRoot::LocalMachine, QLatin1String(platform::SystemInfoKey),
                         QLatin1String(platform::SystemInfoValue), path)) {
            // Failing that, the folder the shared tools were installed in, if the program is there.
            QString folder;
            if (!GetKeyValue(RegistryRoot::LocalMachine,
                             QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                             QStringLiteral("MSINFO"), folder)) {
                unavailable();
                return;
            }
            path = QDir::toNativeSeparators(folder + QDir::separator() + QStringLiteral("MSINFO32.EXE"));
            if (folder.isEmpty() || !QFileInfo(path).isFile()) {
                unavailable();
                return;
            }
        }
        if (path.isEmpty() || !platform::launcher().start(path))
            unavailable();
    } catch (const std::exception&) {
        unavailable();
    }
}

bool GetKeyValue(platform::RegistryRoot root, const QString& subKey, const QString& valueName,
                 QString& value) {
    value.clear();
    const std::optional<platform::RegistryValue> read =
        platform::settingsStore().read(root, subKey, valueName);
    if (!read)
        return false;
    // At most the 1024 characters a value is read into; a closing NUL is not part of the value.
    QByteArray data = read->data.left(1024);
    if (data.endsWith('\0'))
        data.chop(1);
    if (read->type == platform::RegString) {
        value = QString::fromLocal8Bit(data);
    } else if (read->type == platform::RegNumber) {
        // Low byte first.
        std::uint32_t n = 0;
        for (qsizetype i = std::min<qsizetype>(data.size(), 4) - 1; i >= 0; --i)
            n = (n << 8) | std::uint8_t(data[i]);
        value = QString::number(n);
    }
    return true;
}
