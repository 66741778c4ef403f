#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/CMemorySettingsStore.h"
#include "platform/CQSettingsStore.h"
#include "support/CTempDirectory.h"

namespace brushly {
namespace {

namespace fs = std::filesystem;

// The behaviour every settings store shares.
void ExpectStoreRoundTrips(CSettingsStore& store) {
    EXPECT_EQ(store.GetInt("autosave", 10), 10);
    EXPECT_EQ(store.GetString("kdb", "MasterDB.kdb"), "MasterDB.kdb");
    store.WriteInt("autosave", 0);
    store.WriteInt("oomode", -3);
    store.WriteString("font", "IPAMincho");
    store.WriteString("installdir", "/opt/br\x8a\xbfushly");
    EXPECT_EQ(store.GetInt("autosave", 10), 0);
    EXPECT_EQ(store.GetInt("oomode", 1), -3);
    EXPECT_EQ(store.GetString("font", ""), "IPAMincho");
    EXPECT_EQ(store.GetString("installdir", ""), "/opt/br\x8a\xbfushly");
    // A text where an integer is asked for yields the default.
    EXPECT_EQ(store.GetInt("font", 7), 7);
}

TEST(SettingsStore, MemoryStoreKeepsValuesAndDefaults) {
    CMemorySettingsStore store;
    ExpectStoreRoundTrips(store);
}

class QSettingsStoreTest : public ::testing::Test {
protected:
    testing::CTempDirectory m_directory;
    QString m_path = QString::fromStdString(m_directory.File("Brushly.ini"));
};

TEST_F(QSettingsStoreTest, ValuesPersistInSectionSettings) {
    {
        CQSettingsStore store(m_path);
        ExpectStoreRoundTrips(store);
        EXPECT_TRUE(store.Sync());
    }
    CQSettingsStore reopened(m_path);
    EXPECT_EQ(reopened.GetInt("oomode", 1), -3);
    EXPECT_EQ(reopened.GetString("installdir", ""), "/opt/br\x8a\xbfushly");
    std::ifstream file(m_path.toStdString());
    const std::string contents{std::istreambuf_iterator<char>(file), {}};
    EXPECT_NE(contents.find("[settings]"), std::string::npos);
    EXPECT_NE(contents.find("autosave=0"), std::string::npos);
}

TEST_F(QSettingsStoreTest, UnreadableStoreYieldsTheDefaults) {
    // A directory where the INI file should be.
    fs::create_directories(m_path.toStdString());
    CQSettingsStore broken(m_path);
    EXPECT_EQ(broken.GetInt("autosave", 10), 10);
    EXPECT_EQ(broken.GetString("font", "none"), "none");
    broken.WriteInt("autosave", 5);
    EXPECT_FALSE(broken.Sync());
}

}  // namespace
}  // namespace brushly
