#include "platform/FileStatus.h"

#include <filesystem>

namespace brushly {

bool PathExists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

bool PathMayBeRead(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error) || error;
}

bool IsFolder(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(path, ignored);
}

}  // namespace brushly
