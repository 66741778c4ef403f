// The program at a screen scale of 2 keeps the layout it has at 1 and draws its pictures with
// twice the pixels each way, so that it is as sharp. Each scale runs in a probe program of
// its own (the scale is read once per process).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/CTempDirectory.h"
#include "support/ChildProcess.h"

namespace brushly {
namespace {

using testing::CTempDirectory;

// Runs the probe at the scale; its layout.txt split into lines.
std::vector<std::string> ProbeLayout(const char* scale, const CTempDirectory& folder) {
    const int status = testing::RunInChild([&] {
        setenv("QT_SCALE_FACTOR", scale, 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(BRUSHLY_LAYOUT_PROBE, BRUSHLY_LAYOUT_PROBE, folder.Path().c_str(), nullptr);
        return 127;
    });
    EXPECT_EQ(status, 0) << "the probe at scale " << scale;
    std::ifstream file(folder.File("layout.txt"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

// The lines of the layout that name a widget's place (not a ratio or a picture's size).
std::vector<std::string> Places(const std::vector<std::string>& layout) {
    std::vector<std::string> places;
    for (const std::string& line : layout)
        if (line.find("ratio") == std::string::npos && line.find(" picture ") == std::string::npos)
            places.push_back(line);
    return places;
}

TEST(ScaleLayout, TheMainWindowAndTheDrawViewKeepTheirLayoutAndDoubleTheirPixels) {
    CTempDirectory single, twice;
    const std::vector<std::string> one = ProbeLayout("1", single);
    const std::vector<std::string> two = ProbeLayout("2", twice);
    ASSERT_FALSE(one.empty());
    ASSERT_FALSE(two.empty());

    EXPECT_EQ(one.front(), "ratio 1");
    EXPECT_EQ(two.front(), "ratio 2");
    const auto has = [](const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has(one, "main picture 1000x700"));
    EXPECT_TRUE(has(two, "main picture 2000x1400"));
    EXPECT_TRUE(has(one, "draw picture 1000x700"));
    EXPECT_TRUE(has(two, "draw picture 2000x1400"));
    EXPECT_TRUE(has(one, "icon ratio 1"));
    EXPECT_TRUE(has(two, "icon ratio 2"));
    EXPECT_TRUE(has(one, "draw box picture ratio 1"));
    EXPECT_TRUE(has(two, "draw box picture ratio 2"));

    // Every named widget in the same place, in logical pixels; the Draw View's among them.
    const std::vector<std::string> places = Places(one);
    EXPECT_EQ(Places(two), places);
    EXPECT_GT(places.size(), 10u);
    EXPECT_TRUE(std::any_of(places.begin(), places.end(), [](const std::string& line) {
        return line.starts_with("draw ") && line.find("hintButton") != std::string::npos;
    }));
}

}  // namespace
}  // namespace brushly
