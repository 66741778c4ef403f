#include "platform/CQSettingsStore.h"

namespace brushly {

CQSettingsStore::CQSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QStringLiteral("Brushly"),
                                             QStringLiteral("Brushly"))) {}

CQSettingsStore::CQSettingsStore(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

QString CQSettingsStore::Key(std::string_view key) const {
    return QStringLiteral("settings/") +
           QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

bool CQSettingsStore::Available() const {
    return m_settings->status() == QSettings::NoError;
}

int CQSettingsStore::GetInt(std::string_view key, int defaultValue) const {
    if (!Available()) return defaultValue;
    const QVariant value = m_settings->value(Key(key));
    bool ok = false;
    const int result = value.toInt(&ok);
    return ok ? result : defaultValue;
}

std::string CQSettingsStore::GetString(std::string_view key, std::string_view defaultValue) const {
    if (!Available()) return std::string(defaultValue);
    const QVariant value = m_settings->value(Key(key));
    if (!value.isValid()) return std::string(defaultValue);
    // Latin-1 round-trips every byte, so Shift-JIS texts come back unchanged.
    return value.toString().toLatin1().toStdString();
}

void CQSettingsStore::WriteInt(std::string_view key, int value) {
    m_settings->setValue(Key(key), value);
}

void CQSettingsStore::WriteString(std::string_view key, std::string_view value) {
    m_settings->setValue(Key(key),
                         QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
}

bool CQSettingsStore::Sync() {
    m_settings->sync();
    return Available();
}

}  // namespace brushly
