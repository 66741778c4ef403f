// Where the program looks for its reference data: the environment first, then the folder of
// an installation around the running program, then the build's own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/DataDirectory.h"

namespace brushly {
namespace {

// Sets or clears $BRUSHLY_DATA_DIR for one test and puts back what was there.
class CDataDirEnvironment {
public:
    explicit CDataDirEnvironment(const char* value) {
        if (const char* old = std::getenv(kName)) m_old = old;
        if (value) {
            setenv(kName, value, 1);
        } else {
            unsetenv(kName);
        }
    }
    ~CDataDirEnvironment() {
        if (m_old) {
            setenv(kName, m_old->c_str(), 1);
        } else {
            unsetenv(kName);
        }
    }

private:
    static constexpr const char* kName = "BRUSHLY_DATA_DIR";
    std::optional<std::string> m_old;
};

TEST(DataDirectory, AnInstalledProgramLooksInTheShareFolderOfItsPrefix) {
    EXPECT_EQ(InstalledDataDirectory("/usr/bin/brushly"), "/usr/share/brushly");
    EXPECT_EQ(InstalledDataDirectory("/opt/brushly/bin/brushly-tool"),
              "/opt/brushly/share/brushly");
    EXPECT_EQ(InstalledDataDirectory("/home/student/.local/bin/../bin/brushly"),
              "/home/student/.local/share/brushly");
}

TEST(DataDirectory, TheEnvironmentComesFirstThenTheBuildsData) {
    {
        CDataDirEnvironment environment("/srv/brushly-data");
        EXPECT_EQ(DefaultDataDirectory("/src/data"), "/srv/brushly-data");
    }
    {
        // Empty counts as unset; this test program has no installation around it.
        CDataDirEnvironment environment("");
        EXPECT_EQ(DefaultDataDirectory("/src/data"), "/src/data");
    }
    CDataDirEnvironment environment(nullptr);
    EXPECT_EQ(DefaultDataDirectory("/src/data"), "/src/data");
}

}  // namespace
}  // namespace brushly
