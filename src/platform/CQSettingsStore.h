#pragma once

#include <QSettings>
#include <memory>

#include "platform/CSettingsStore.h"

namespace brushly {

// The settings store over QSettings: an INI file, by default in the user's configuration
// directory (for example ~/.config/Brushly/Brushly.ini), section "settings".
// Texts are stored as given (bytes, read back unchanged).
class CQSettingsStore final : public CSettingsStore {
public:
    // The user's own store.
    CQSettingsStore();
    // A store in the given INI file (tests, portable installs).
    explicit CQSettingsStore(const QString& iniPath);

    int GetInt(std::string_view key, int defaultValue) const override;
    std::string GetString(std::string_view key, std::string_view defaultValue) const override;
    void WriteInt(std::string_view key, int value) override;
    void WriteString(std::string_view key, std::string_view value) override;

    // Writes pending changes to the file; false if the store cannot be written.
    bool Sync();

private:
    QString Key(std::string_view key) const;
    bool Available() const;

    std::unique_ptr<QSettings> m_settings;
};

}  // namespace brushly
