#pragma once

#include <map>
#include <string>
#include <variant>

#include "platform/CSettingsStore.h"

namespace brushly {

// Settings kept in memory for the run only (tests, and the fallback when no store exists).
class CMemorySettingsStore final : public CSettingsStore {
public:
    int GetInt(std::string_view key, int defaultValue) const override;
    std::string GetString(std::string_view key, std::string_view defaultValue) const override;
    void WriteInt(std::string_view key, int value) override;
    void WriteString(std::string_view key, std::string_view value) override;

private:
    std::map<std::string, std::variant<int, std::string>, std::less<>> m_values;
};

}  // namespace brushly
