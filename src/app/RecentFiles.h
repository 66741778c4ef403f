#pragma once

#include <string>
#include <vector>

namespace brushly {

class CSettingsStore;

// The recent-file list of the File menu: at most kCapacity document paths, the most recent
// first, kept in the settings store under "recent1" to "recent4" (empty entries are absent
// files). The store must outlive the list.
class CRecentFiles {
public:
    static constexpr int kCapacity = 4;

    // Reads the list from the store.
    explicit CRecentFiles(CSettingsStore& store);

    // Puts path at the head (moving it there when it is listed already), drops what falls
    // past kCapacity and writes the list back.
    void Add(const std::string& path);
    // Takes path off the list (a file that could not be opened) and writes the list back.
    void Remove(const std::string& path);

    const std::vector<std::string>& Paths() const { return m_paths; }

private:
    void Write();

    CSettingsStore& m_store;
    std::vector<std::string> m_paths;
};

}  // namespace brushly
