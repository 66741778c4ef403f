#include <gtest/gtest.h>

#include <QPushButton>

#include "app/CDatabaseInfoDialog.h"
#include "app/DatabaseInfo.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "support/QtTestApplication.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

TEST(DatabaseInfoTest, KanjiFieldsAreCutFromTheTitle) {
    const CDatabaseFields fields = KanjiDatabaseFields("KANJI 1001 220823 KanjiVG 2.0", 6355);
    EXPECT_EQ(fields.version, "1.001");
    EXPECT_EQ(fields.date, "22/08/23");
    EXPECT_EQ(fields.countLabel, "number of characters:");
    EXPECT_EQ(fields.count, 6355);
}

TEST(DatabaseInfoTest, EdictBuiltCompoundFieldsAreCutFromTheIdentification) {
    ASSERT_TRUE(IsEdictIdentification("EDICT 2006-05 V06-001"));
    const CDatabaseFields fields = CompoundDatabaseFields(true, "EDICT 2006-05 V06-001", 90, 10);
    EXPECT_EQ(fields.version, "06-001");
    EXPECT_EQ(fields.date, "2006-05");
    EXPECT_EQ(fields.countLabel, "number of entries:");
    EXPECT_EQ(fields.count, 100);
}

TEST(DatabaseInfoTest, ACurrentEdictShowsItsCopyrightYearAndCreationDate) {
    const std::string header =
        "EDICT, EDICT_SUB(P), EDICT2 Japanese-English Electronic Dictionary Files/Copyright "
        "Electronic Dictionary Research & Development Group - 2021/Created: 2021-02-03/";
    const CDatabaseFields fields = CompoundDatabaseFields(true, header, 90, 10);
    EXPECT_EQ(fields.version, "2021");
    EXPECT_EQ(fields.date, "2021-02-03");
    // Stored cut short before: what the fixed places hold.
    const CDatabaseFields cut = CompoundDatabaseFields(true, "EDICT, EDICT_SUB(P), ", 90, 10);
    EXPECT_EQ(cut.version, "B(P), ");
    EXPECT_EQ(cut.date, " EDICT_");
}

TEST(DatabaseInfoTest, OtherCompoundFieldsCountOnlyCompounds) {
    EXPECT_FALSE(IsEdictIdentification("KDB2 1002 230115 demo"));
    const CDatabaseFields fields = CompoundDatabaseFields(true, "KDB2 1002 230115 demo", 90, 10);
    EXPECT_EQ(fields.version, "1.002");
    EXPECT_EQ(fields.date, "23/01/15");
    EXPECT_EQ(fields.count, 90);
}

TEST(DatabaseInfoTest, NoCompoundDatabaseReadsInvalid) {
    const CDatabaseFields fields = CompoundDatabaseFields(false, "EDICT 2006-05 V06-001", 5, 5);
    EXPECT_EQ(fields.version, "invalid");
    EXPECT_EQ(fields.date, "---");
    EXPECT_EQ(fields.count, 0);
}

TEST(DatabaseInfoTest, ShortTextsGiveWhatTheyHold) {
    const CDatabaseFields fields = KanjiDatabaseFields("KANJI 10", 0);
    EXPECT_EQ(fields.version, "1.0");
    EXPECT_EQ(fields.date, "//");
}

TEST(DatabaseInfoTest, DescribesTheDocumentsDatabases) {
    CMemorySettingsStore settings;
    CScriptedPrompter prompter;
    CBrushly2Doc document(settings, prompter, 1u);
    document.SetKanjiLibrary(testing::MakeSmallKanjiLibrary());
    document.SetDatabaseTitle("KANJI 1001 220823");

    const CDatabaseInfo info = DescribeDatabases(document);

    EXPECT_EQ(info.kanji.version, "1.001");
    EXPECT_EQ(info.kanji.count, 2);
    EXPECT_EQ(info.compounds.version, "invalid");
    EXPECT_FALSE(info.edictBuilt);
}

TEST(DatabaseInfoTest, EdictButtonOpensTheHelpOnlyForAnEdictBuiltLibrary) {
    testing::EnsureQtApplication();
    CDatabaseInfo info{KanjiDatabaseFields("KANJI 1001 220823", 2),
                       CompoundDatabaseFields(true, "EDICT 2006-05 V06-001", 3, 4), true};
    int helpShown = 0;
    CDatabaseInfoDialog edictDialog(info, [&] { ++helpShown; });
    auto* button = edictDialog.findChild<QPushButton*>(QStringLiteral("edictButton"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(edictDialog.windowTitle(), QStringLiteral("Brushly Database Information"));
    // Wide enough for the whole title beside the title bar's buttons.
    EXPECT_GE(edictDialog.minimumWidth(),
              edictDialog.fontMetrics().horizontalAdvance(edictDialog.windowTitle()) +
                  CDatabaseInfoDialog::kTitleBarButtonsWidth);
    EXPECT_TRUE(button->isEnabled());
    button->click();
    EXPECT_EQ(helpShown, 1);

    info.edictBuilt = false;
    CDatabaseInfoDialog otherDialog(info, [] {});
    EXPECT_FALSE(otherDialog.findChild<QPushButton*>(QStringLiteral("edictButton"))->isEnabled());
}

}  // namespace
}  // namespace brushly
