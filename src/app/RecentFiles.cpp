#include "app/RecentFiles.h"

#include <algorithm>

#include "platform/CSettingsStore.h"

namespace brushly {

namespace {
std::string EntryKey(int position) {
    return "recent" + std::to_string(position + 1);
}
}  // namespace

CRecentFiles::CRecentFiles(CSettingsStore& store) : m_store(store) {
    for (int position = 0; position < kCapacity; ++position) {
        std::string path = m_store.GetString(EntryKey(position), "");
        if (!path.empty()) m_paths.push_back(std::move(path));
    }
}

void CRecentFiles::Add(const std::string& path) {
    std::erase(m_paths, path);
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > kCapacity) m_paths.resize(kCapacity);
    Write();
}

void CRecentFiles::Remove(const std::string& path) {
    std::erase(m_paths, path);
    Write();
}

void CRecentFiles::Write() {
    for (int position = 0; position < kCapacity; ++position) {
        const auto index = static_cast<std::size_t>(position);
        m_store.WriteString(EntryKey(position), index < m_paths.size() ? m_paths[index] : "");
    }
}

}  // namespace brushly
