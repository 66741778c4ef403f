// The Japanese font decisions: the three modes with their settings and questions, the
// Latin face and the Tools menu's font commands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CJapaneseFonts.h"
#include "platform/CMemorySettingsStore.h"

namespace brushly {
namespace {

// Answers the font questions from fields set in advance and counts them.
class CScriptedFontDialogs final : public CFontDialogs {
public:
    bool WarnFontMissing() override {
        ++warnings;
        return tickDoNotShow;
    }
    int ChooseLegibleRow(int currentRow) override {
        rowsShown.push_back(currentRow);
        return legibleRow;
    }
    std::string ChooseFace(const std::vector<std::string>& faces,
                           const std::string& current) override {
        facesShown = faces;
        currentShown = current;
        ++faceQuestions;
        return faces.empty() ? std::string() : faces.back();
    }

    bool tickDoNotShow = false;
    int legibleRow = 0;
    int warnings = 0;
    std::vector<int> rowsShown;
    int faceQuestions = 0;
    std::vector<std::string> facesShown;
    std::string currentShown;
};

const std::vector<CInstalledFace> kLatinOnly{{"DejaVu Sans", false}, {"DejaVu Serif", false}};
const std::vector<CInstalledFace> kIpa{{"Arial", false},
                                       {"IPAMincho", true},
                                       {"@IPAMincho", true},
                                       {"DejaVu Serif", false},
                                       {"IPAexMincho", true}};
const std::vector<CInstalledFace> kWithMsMincho{
    {"IPAMincho", true}, {"Times New Roman", false}, {"MS Mincho", true}};

class JapaneseFonts : public ::testing::Test {
protected:
    CMemorySettingsStore settings;
    CScriptedFontDialogs dialogs;
};

TEST_F(JapaneseFonts, MsMinchoIsModeOneAndResetsTheThreshold) {
    settings.WriteInt("emulate", 23);
    settings.WriteInt("fontwarning", 1);
    CJapaneseFonts fonts(kWithMsMincho, settings, dialogs);
    fonts.ChooseAtStartup();
    EXPECT_EQ(fonts.Mode(), CJapaneseFontMode::kMsMincho);
    EXPECT_EQ(fonts.Face(), "MS Mincho");
    EXPECT_EQ(fonts.JapaneseFaces(), (std::vector<std::string>{"MS Mincho", "IPAMincho"}));
    EXPECT_EQ(fonts.LatinFace(), "Times New Roman");
    EXPECT_EQ(settings.GetString("font", ""), "MS Mincho");
    EXPECT_EQ(settings.GetInt("emulate", 0), -1);
    EXPECT_EQ(settings.GetInt("fontwarning", 1), 0);
    EXPECT_EQ(dialogs.warnings + dialogs.faceQuestions, 0);
    EXPECT_TRUE(dialogs.rowsShown.empty());
}

TEST_F(JapaneseFonts, NoJapaneseFaceWarnsThenAsksForTheThreshold) {
    dialogs.tickDoNotShow = true;
    dialogs.legibleRow = 2;
    CJapaneseFonts fonts(kLatinOnly, settings, dialogs);
    fonts.ChooseAtStartup();
    EXPECT_EQ(fonts.Mode(), CJapaneseFontMode::kBuiltIn);
    EXPECT_EQ(fonts.Face(), "MS Mincho");
    EXPECT_EQ(fonts.LatinFace(), "DejaVu Serif");
    EXPECT_EQ(settings.GetString("font", ""), "none");
    EXPECT_EQ(dialogs.warnings, 1);
    EXPECT_EQ(settings.GetInt("fontwarning", 0), 1);
    EXPECT_EQ(dialogs.rowsShown, (std::vector<int>{0}));
    EXPECT_EQ(settings.GetInt("emulate", 0), 23);
    EXPECT_EQ(fonts.Threshold(), 23);
    const CJapaneseTextStyle style = fonts.TextStyle(nullptr);
    EXPECT_EQ(style.mode, CJapaneseFontMode::kBuiltIn);
    EXPECT_EQ(style.threshold, 23);
}

TEST_F(JapaneseFonts, WarningUntickedWritesZeroAndAChosenThresholdIsNotAskedAgain) {
    settings.WriteInt("emulate", 31);
    CJapaneseFonts fonts(kLatinOnly, settings, dialogs);
    fonts.ChooseAtStartup();
    EXPECT_EQ(dialogs.warnings, 1);
    EXPECT_EQ(settings.GetInt("fontwarning", 1), 0);
    EXPECT_TRUE(dialogs.rowsShown.empty());
    EXPECT_EQ(fonts.Threshold(), 31);
}

TEST_F(JapaneseFonts, FontWarningOneSuppressesTheWarningButNotTheThresholdQuestion) {
    settings.WriteInt("fontwarning", 1);
    dialogs.legibleRow = 4;
    CJapaneseFonts fonts(kLatinOnly, settings, dialogs);
    fonts.ChooseAtStartup();
    EXPECT_EQ(dialogs.warnings, 0);
    EXPECT_EQ(settings.GetInt("fontwarning", 0), 1);
    EXPECT_EQ(dialogs.rowsShown.size(), 1u);
    EXPECT_EQ(settings.GetInt("emulate", 0), 210);
}

TEST_F(JapaneseFonts, EachRowGivesItsThreshold) {
    const std::vector<int> expected{0, 17, 23, 31, 210};
    for (int row = 0; row < 5; ++row) {
        dialogs.legibleRow = row;
        CJapaneseFonts fonts(kLatinOnly, settings, dialogs);
        fonts.AdjustThresholdAgain();
        EXPECT_EQ(settings.GetInt("emulate", -5), expected[static_cast<std::size_t>(row)]);
        EXPECT_EQ(CJapaneseFonts::RowOfThreshold(expected[static_cast<std::size_t>(row)]), row);
    }
    EXPECT_EQ(CJapaneseFonts::RowOfThreshold(-1), 0);
}

TEST_F(JapaneseFonts, OtherJapaneseFacesWithoutAStoredFontAskForOne) {
    settings.WriteInt("emulate", 17);
    CJapaneseFonts fonts(kIpa, settings, dialogs);
    fonts.ChooseAtStartup();
    EXPECT_EQ(fonts.Mode(), CJapaneseFontMode::kOtherFace);
    EXPECT_EQ(dialogs.facesShown, (std::vector<std::string>{"IPAMincho", "IPAexMincho"}));
    EXPECT_EQ(dialogs.currentShown, "none");
    EXPECT_EQ(fonts.Face(), "IPAexMincho");
    EXPECT_EQ(settings.GetString("font", ""), "IPAexMincho");
    EXPECT_EQ(settings.GetInt("emulate", 0), -1);
    EXPECT_EQ(fonts.LatinFace(), "Arial");
    EXPECT_EQ(dialogs.warnings, 0);
}

TEST_F(JapaneseFonts, AStoredInstalledFaceIsKeptAndAStaleOneAsksAgain) {
    settings.WriteString("font", "IPAMincho");
    CJapaneseFonts kept(kIpa, settings, dialogs);
    kept.ChooseAtStartup();
    EXPECT_EQ(dialogs.faceQuestions, 0);
    EXPECT_EQ(kept.Face(), "IPAMincho");
    EXPECT_EQ(kept.TextStyle(nullptr).face, "IPAMincho");

    settings.WriteString("font", "Gone Mincho");
    CJapaneseFonts stale(kIpa, settings, dialogs);
    stale.ChooseAtStartup();
    EXPECT_EQ(dialogs.faceQuestions, 1);
    EXPECT_EQ(stale.Face(), "IPAexMincho");
}

TEST_F(JapaneseFonts, JapaneseFontCommandStoresTheChoiceAndClearsTheThreshold) {
    settings.WriteString("font", "IPAMincho");
    settings.WriteInt("emulate", 23);
    CJapaneseFonts fonts(kIpa, settings, dialogs);
    fonts.ChooseAtStartup();
    fonts.ChooseFaceAgain();
    EXPECT_EQ(dialogs.currentShown, "IPAMincho");
    EXPECT_EQ(fonts.Face(), "IPAexMincho");
    EXPECT_EQ(settings.GetString("font", ""), "IPAexMincho");
    EXPECT_EQ(settings.GetInt("emulate", 0), -1);
}

TEST_F(JapaneseFonts, JapaneseFontCommandWithoutFacesWritesNothing) {
    CJapaneseFonts fonts(kLatinOnly, settings, dialogs);
    fonts.ChooseFaceAgain();
    EXPECT_EQ(dialogs.faceQuestions, 1);
    EXPECT_EQ(settings.GetString("font", "unset"), "unset");
    EXPECT_EQ(settings.GetInt("emulate", 5), 5);
}

TEST_F(JapaneseFonts, BrushlyFontCommandStartsFromTheCurrentRow) {
    settings.WriteInt("fontwarning", 1);
    settings.WriteInt("emulate", 31);
    dialogs.legibleRow = 1;
    CJapaneseFonts fonts(kLatinOnly, settings, dialogs);
    fonts.ChooseAtStartup();
    fonts.AdjustThresholdAgain();
    EXPECT_EQ(dialogs.rowsShown, (std::vector<int>{3}));
    EXPECT_EQ(fonts.Threshold(), 17);
    EXPECT_EQ(settings.GetInt("emulate", 0), 17);
}

}  // namespace
}  // namespace brushly
