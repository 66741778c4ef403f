#include "platform/CMemorySettingsStore.h"

namespace brushly {

int CMemorySettingsStore::GetInt(std::string_view key, int defaultValue) const {
    const auto found = m_values.find(key);
    if (found == m_values.end()) return defaultValue;
    const int* value = std::get_if<int>(&found->second);
    return value ? *value : defaultValue;
}

std::string CMemorySettingsStore::GetString(std::string_view key,
                                            std::string_view defaultValue) const {
    const auto found = m_values.find(key);
    if (found == m_values.end()) return std::string(defaultValue);
    const std::string* value = std::get_if<std::string>(&found->second);
    return value ? *value : std::string(defaultValue);
}

void CMemorySettingsStore::WriteInt(std::string_view key, int value) {
    m_values.insert_or_assign(std::string(key), value);
}

void CMemorySettingsStore::WriteString(std::string_view key, std::string_view value) {
    m_values.insert_or_assign(std::string(key), std::string(value));
}

}  // namespace brushly
