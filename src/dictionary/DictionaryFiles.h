#pragma once

#include <string>
#include <string_view>

namespace brushly {

// The dictionary's files in the data (install) directory.
inline constexpr std::string_view kEdictFileName = "edict_SJIS.txt";
inline constexpr std::string_view kAbbreviationFileName = "edictabbrev.txt";
inline constexpr std::string_view kEdictCompoundFileName = "CompDBedictdem.kdb2";
inline constexpr std::string_view kEdictKanaWordFileName = "KanaDBedictdem.kdb2";
inline constexpr std::string_view kDemoCompoundFileName = "CompDBdemo.kdb2";

// The path of a file in directory; the bare name when no directory is set, so that an
// unset install directory means the working directory rather than the root.
inline std::string DataFilePath(const std::string& directory, std::string_view name) {
    if (directory.empty()) return std::string(name);
    return directory + "/" + std::string(name);
}

}  // namespace brushly
