#pragma once
// The system's settings store (the registry of keys and values some desktops keep), read only:
// the About window looks up the system-information program there. This desktop has no such
// store; the stand-in answers the one key the About window reads first with the first
// system-information program installed, and knows no other key. Tests put a store of their own in
// its place.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace platform {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

// Value types as the registry numbers them.
inline constexpr std::uint32_t RegString = 1; // text ending in a NUL character
inline constexpr std::uint32_t RegNumber = 4; // a 32-bit number, low byte first

struct RegistryValue {
    std::uint32_t type = RegString;
    QByteArray data; // the value's bytes as the registry stores them
};

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The named value of the key under the root; nothing when the key or the value is missing.
    virtual std::optional<RegistryValue> read(RegistryRoot root, const QString& subKey,
                                              const QString& valueName) = 0;
};

SettingsStore& settingsStore();
// nullptr puts the desktop's stand-in back. The caller keeps ownership.
void setSettingsStore(SettingsStore* s);

// Where the system-information program is registered, and the programs that can play its part.
inline const char* const SystemInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline const char* const SystemInfoValue = "PATH";
QStringList systemInfoPrograms();

class DesktopSettingsStore : public SettingsStore {
  public:
    // Only SystemInfoKey's PATH under the local machine: the first of systemInfoPrograms() that
    // the launcher finds installed.
    std::optional<RegistryValue> read(RegistryRoot root, const QString& subKey,
                                      const QString& valueName) override;
};

} // namespace platform
