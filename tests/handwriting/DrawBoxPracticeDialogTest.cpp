// The Kanji Draw Box practice dialog: the practice kanji in the box, and the "practice"
// setting read into and written from its check box.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <memory>

#include "handwriting/CDrawBoxPracticeDialog.h"
#include "handwriting/CKanjiDrawBoxWidget.h"
#include "platform/CMemorySettingsStore.h"
#include "support/QtTestApplication.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

class DrawBoxPracticeDialog : public ::testing::Test {
protected:
    void SetUp() override { brushly::testing::EnsureQtApplication(); }

    QCheckBox& DoNotShow(CDrawBoxPracticeDialog& dialog) { return *dialog.findChild<QCheckBox*>(); }

    std::unique_ptr<CKanjiLibrary> library = brushly::testing::MakeSmallKanjiLibrary();
    CMemorySettingsStore settings;
};

TEST_F(DrawBoxPracticeDialog, ShownUnlessThePracticeSettingIsOne) {
    EXPECT_TRUE(CDrawBoxPracticeDialog::ShouldShow(settings));
    settings.WriteInt("practice", 0);
    EXPECT_TRUE(CDrawBoxPracticeDialog::ShouldShow(settings));
    settings.WriteInt("practice", 1);
    EXPECT_FALSE(CDrawBoxPracticeDialog::ShouldShow(settings));
}

TEST_F(DrawBoxPracticeDialog, TheCheckBoxWritesThePracticeSettingHoweverItCloses) {
    {
        CDrawBoxPracticeDialog dialog(*library, settings);
        EXPECT_EQ(DoNotShow(dialog).text(),
                  QStringLiteral("DO NOT start practice dialog each time"));
        EXPECT_FALSE(DoNotShow(dialog).isChecked());
        DoNotShow(dialog).setChecked(true);
        dialog.reject();  // closed by the window's close button or Escape
    }
    EXPECT_EQ(settings.GetInt("practice", -1), 1);

    CDrawBoxPracticeDialog dialog(*library, settings);
    EXPECT_TRUE(DoNotShow(dialog).isChecked());
    DoNotShow(dialog).setChecked(false);
    dialog.accept();
    EXPECT_EQ(settings.GetInt("practice", -1), 0);
}

TEST_F(DrawBoxPracticeDialog, TheBoxPractisesAKanjiOfTheLibrary) {
    CDrawBoxPracticeDialog dialog(*library, settings);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Kanji Draw Box Practice"));
    // The kanji shows as the ghost; feedback after each stroke with the order enforced: Hint
    // reveals its stroke.
    EXPECT_EQ(dialog.DrawBox().DrawBox().GhostText(), "\xe4\xb8\x80");  // 一 in UTF-8
    dialog.DrawBox().Run([](CKanjiDrawBox& box) { box.Hint(); });
    EXPECT_EQ(dialog.DrawBox().DrawBox().Caption(), "Next stroke starts here");

    CKanjiLibrary empty;
    CDrawBoxPracticeDialog withoutKanji(empty, settings);
    withoutKanji.DrawBox().Run([](CKanjiDrawBox& box) { box.Hint(); });
    EXPECT_EQ(withoutKanji.DrawBox().DrawBox().Caption(), "");
}

}  // namespace
}  // namespace brushly
