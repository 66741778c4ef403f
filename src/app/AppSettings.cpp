#include "app/AppSettings.h"

#include "platform/CSettingsStore.h"
#include "platform/DataDirectory.h"

namespace brushly::settings {

std::string DefaultDataDirectory() {
    return brushly::DefaultDataDirectory(BRUSHLY_DEFAULT_DATA_DIR);
}

std::string EnsureInstallDirectory(CSettingsStore& store, const std::string& defaultDirectory) {
    std::string directory = store.GetString(kInstallDir, "");
    if (!directory.empty()) return directory;
    store.WriteString(kInstallDir, defaultDirectory);
    return defaultDirectory;
}

}  // namespace brushly::settings
