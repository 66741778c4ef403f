#include "app/AppSettings.h"

#include <cstdlib>

#include "platform/CSettingsStore.h"

namespace brushly::settings {

std::string DefaultDataDirectory() {
    if (const char* directory = std::getenv("BRUSHLY_DATA_DIR"); directory && *directory) {
        return directory;
    }
    return BRUSHLY_DEFAULT_DATA_DIR;
}

std::string EnsureInstallDirectory(CSettingsStore& store, const std::string& defaultDirectory) {
    std::string directory = store.GetString(kInstallDir, "");
    if (!directory.empty()) return directory;
    store.WriteString(kInstallDir, defaultDirectory);
    return defaultDirectory;
}

}  // namespace brushly::settings
