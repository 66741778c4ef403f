#include "app/wordgroup/qt/CFindFlashcardDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "TestCards.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "support/NamedChild.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

using testing::AddCompound;
using testing::Child;

class FindFlashcardDialogTest : public ::testing::Test {
protected:
    FindFlashcardDialogTest() : m_document(m_settings, m_prompter, 1u) {
        testing::EnsureQtApplication();
        m_document.Cards().AddGroup("Numbers");
        for (int i = 0; i < 9; ++i)
            AddCompound(m_document.Cards(), "Numbers", "\x8e\x75", "yon",
                        "four " + std::to_string(i));
        m_dialog =
            std::make_unique<CFindFlashcardDialog>(m_document, m_prompter, CJapaneseTextStyle{});
        m_dialog->show();
    }

    template <class Widget>
    Widget& Get(const char* name) {
        return Child<Widget>(*m_dialog, name);
    }

    CMemorySettingsStore m_settings;
    CScriptedPrompter m_prompter;
    CBrushly2Doc m_document;
    std::unique_ptr<CFindFlashcardDialog> m_dialog;
};

TEST_F(FindFlashcardDialogTest, PagesShowBackAndNextOnlyWhereThereIsSuchAPage) {
    EXPECT_EQ(m_dialog->windowTitle(), QStringLiteral("Find Flashcard"));
    EXPECT_FALSE(Get<QPushButton>("backButton").isVisible());
    EXPECT_FALSE(Get<QPushButton>("nextButton").isVisible());
    Get<QLineEdit>("readingEdit").setText(QStringLiteral("yon"));
    Get<QPushButton>("findButton").click();
    EXPECT_EQ(Get<QLabel>("matchesCaption").text(), QStringLiteral("Matches: Page 1 of 2"));
    EXPECT_EQ(Get<QTreeWidget>("matchList").topLevelItemCount(), 8);
    EXPECT_EQ(Get<QTreeWidget>("matchList").topLevelItem(0)->text(1), QStringLiteral("Numbers"));
    EXPECT_FALSE(Get<QPushButton>("backButton").isVisible());
    EXPECT_TRUE(Get<QPushButton>("nextButton").isVisible());
    Get<QPushButton>("nextButton").click();
    EXPECT_EQ(Get<QLabel>("matchesCaption").text(), QStringLiteral("Matches: Page 2 of 2"));
    EXPECT_TRUE(Get<QPushButton>("backButton").isVisible());
    EXPECT_FALSE(Get<QPushButton>("nextButton").isVisible());

    Get<QPushButton>("goToButton").click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"No Match Selected"});
    Get<QTreeWidget>("matchList").topLevelItem(0)->setSelected(true);
    Get<QPushButton>("goToButton").click();
    ASSERT_TRUE(m_dialog->Result().has_value());
    EXPECT_EQ(m_dialog->Result()->card, m_document.Cards().FindGroup("Numbers")->compoundCards[8]);
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
}

TEST_F(FindFlashcardDialogTest, NoMatchLeavesTheBareCaptionAndSaysWhatWasSought) {
    Get<QLineEdit>("readingEdit").setText(QStringLiteral("go"));
    Get<QLineEdit>("meaningEdit").setText(QStringLiteral("five"));
    Get<QRadioButton>("andRadio").setChecked(true);
    Get<QPushButton>("findButton").click();
    EXPECT_EQ(Get<QLabel>("matchesCaption").text(), QStringLiteral("Matches:"));
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"No matches for reading ''go'' AND meaning ''five''."});
    m_dialog->grab().save(QStringLiteral("find-flashcard.png"));
}

}  // namespace
}  // namespace brushly
