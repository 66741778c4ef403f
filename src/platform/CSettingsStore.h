#pragma once

#include <string>
#include <string_view>

namespace brushly {

// The per-user settings store: integers and texts by key, all in the section "settings".
// Reads never fail: a key that is missing, unreadable or of the wrong kind, and a store
// that is unavailable altogether, yield the caller's default. Writes to an unavailable
// store are lost silently; the program runs on with its defaults.
class CSettingsStore {
public:
    virtual ~CSettingsStore() = default;

    virtual int GetInt(std::string_view key, int defaultValue) const = 0;
    virtual std::string GetString(std::string_view key, std::string_view defaultValue) const = 0;
    virtual void WriteInt(std::string_view key, int value) = 0;
    virtual void WriteString(std::string_view key, std::string_view value) = 0;
};

}  // namespace brushly
