#include "platform/DataDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/FileStatus.h"

namespace brushly {

std::string InstalledDataDirectory(const std::string& executable) {
    return (std::filesystem::path(executable).parent_path().parent_path() / "share" / "brushly")
        .lexically_normal()
        .string();
}

std::string DefaultDataDirectory(const std::string& buildDataDirectory) {
    if (const char* directory = std::getenv("BRUSHLY_DATA_DIR"); directory && *directory) {
        return directory;
    }
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::string installed = InstalledDataDirectory(executable.string());
        if (PathExists(installed + "/MasterDB.kdb")) return installed;
    }
    return buildDataDirectory;
}

}  // namespace brushly
