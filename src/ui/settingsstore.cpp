#include "ui/settingsstore.h"

#include "ui/platform.h"

namespace platform {
namespace {

DesktopSettingsStore desktopStore;
SettingsStore* currentStore = &desktopStore;

} // namespace

SettingsStore& settingsStore() {
    return *currentStore;
}

void setSettingsStore(SettingsStore* s) {
    currentStore = s ? s : &desktopStore;
}

QStringList systemInfoPrograms() {
    return {QStringLiteral("kinfocenter"), QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
            QStringLiteral("gnome-system-monitor")};
}

std::optional<RegistryValue> DesktopSettingsStore::read(RegistryRoot root, const QString& subKey,
                                                        const QString& valueName) {
    if (root != RegistryRoot::LocalMachine ||
        subKey.compare(QLatin1String(SystemInfoKey), Qt::CaseInsensitive) != 0 ||
        valueName.compare(QLatin1String(SystemInfoValue), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    for (const QString& program : systemInfoPrograms()) {
        const QString path = launcher().locate(program);
        if (!path.isEmpty())
            return RegistryValue{RegString, path.toLocal8Bit() + '\0'};
    }
    return std::nullopt;
}

} // namespace platform
