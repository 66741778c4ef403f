// The single-group builder's dialog: its refusals, the other groups it lists and when the
// list may be used, Create Compounds storing the choices and building, and Cancel.
#include "builder/qt/CSingleGroupBuilderDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/BuilderTestData.h"
#include "support/NamedChild.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

using testing::Child;

using testing::CTestWord;
using Names = std::vector<std::string>;

std::string K(int n) {
    return testing::LevelOneKanji(n);
}

// "Mine" holds kanji 0 and a compound of its own; "Other" kanji 1; "Empty" nothing; the
// Japanese-named group kanji 2.
class SingleGroupBuilderDialogTest : public ::testing::Test {
protected:
    SingleGroupBuilderDialogTest() : m_document(m_settings, m_prompter, 5) {
        testing::EnsureQtApplication();
        const std::vector<CTestWord> words = {{K(0) + K(1), "ab", "(n) a-b/(P)"},
                                              {K(0) + K(2), "ac", "(n) a-c/(P)"},
                                              {K(0) + K(0), "aa", "(n) a-a/(P)"}};
        m_document.SetWordLibraries(testing::MakeTestCompoundLibrary("EDICT test", words),
                                    std::make_unique<CCompoundLibrary>());
        for (const std::string& name :
             {std::string("Mine"), std::string("Other"), std::string("Empty"), m_japanese})
            m_document.Cards().AddGroup(name);
        AddKanji("Mine", 0);
        AddKanji("Other", 1);
        AddKanji(m_japanese, 2);
        CCompoundData own;
        own.headword = K(0) + K(3);
        own.romaji = "ad";
        auto card = std::make_unique<CKanjiCompound>(own);
        card->groupName = "Mine";
        m_document.Cards().AddCard(std::move(card));
    }

    void AddKanji(const std::string& group, int n) {
        auto card = std::make_unique<CKanjiCard>();
        card->groupName = group;
        card->character = K(n);
        m_document.Cards().AddCard(std::move(card));
    }

    Names Headwords(const std::string& group) const {
        return testing::Texts(m_document.Cards().FindGroup(group)->compoundCards,
                              &CKanjiCompound::headword);
    }

    // Runs the command on "Mine", `drive` acting on the dialog once it is up.
    int Run(const std::function<void(CSingleGroupBuilderDialog&)>& drive,
            const std::string& group = "Mine") {
        QTimer::singleShot(0, [drive] {
            drive(*dynamic_cast<CSingleGroupBuilderDialog*>(QApplication::activeModalWidget()));
        });
        return CSingleGroupBuilderDialog::Run(m_document, group, m_prompter, m_style, nullptr);
    }

    const std::string m_japanese = sjis::FromUtf8("漢字");
    const CJapaneseTextStyle m_style;
    CMemorySettingsStore m_settings;
    CScriptedPrompter m_prompter;
    CBrushly2Doc m_document;
};

TEST_F(SingleGroupBuilderDialogTest, RefusesWithoutEdictOrWithoutKanjiCards) {
    EXPECT_EQ(CSingleGroupBuilderDialog::Run(m_document, "Empty", m_prompter, m_style, nullptr),
              -1);
    m_document.SetWordLibraries(testing::MakeTestCompoundLibrary("Brushly demo", {}),
                                std::make_unique<CCompoundLibrary>());
    EXPECT_EQ(CSingleGroupBuilderDialog::Run(m_document, "Mine", m_prompter, m_style, nullptr), -1);
    EXPECT_EQ(m_prompter.Texts(),
              (Names{"You must first add some kanji flashcards to this Word Group before using "
                     "the Flashcard Builder to create corresponding compound flashcards from "
                     "the EDICT file.",
                     "To add compound flashcards to this Word Group, install the EDICT file (see "
                     "EDICT in help)"}));
}

TEST_F(SingleGroupBuilderDialogTest, ListsTheOtherKanjiGroupsUsableOnlyForTheSecondScope) {
    QStringList listed;
    bool listEnabledAtFirst = true;
    bool listEnabledAfter = false;
    QString title;
    Run([&](CSingleGroupBuilderDialog& dialog) {
        title = dialog.windowTitle();
        auto& list = Child<QListWidget>(dialog, "groupList");
        for (int row = 0; row < list.count(); ++row)
            listed << list.item(row)->text();
        listEnabledAtFirst = list.isEnabled();
        EXPECT_EQ(Child<QRadioButton>(dialog, "thisGroupButton").text(),
                  QStringLiteral("only kanji in this Word Group"));
        EXPECT_EQ(Child<QRadioButton>(dialog, "selectedGroupsButton").text(),
                  QStringLiteral("kanji from this group and the selected Word Groups:"));
        EXPECT_EQ(Child<QCheckBox>(dialog, "eraseExisting").text(),
                  QStringLiteral("Erase existing compounds"));
        EXPECT_EQ(Child<QPushButton>(dialog, "createButton").text(),
                  QStringLiteral("Create Compounds"));
        Child<QRadioButton>(dialog, "selectedGroupsButton").click();
        listEnabledAfter = list.isEnabled();
        Child<QPushButton>(dialog, "cancelButton").click();
    });
    EXPECT_EQ(title, QStringLiteral("Brushly Flashcard Builder"));
    EXPECT_EQ(listed, (QStringList{QStringLiteral("Other"), QStringLiteral("漢字")}));
    EXPECT_FALSE(listEnabledAtFirst);
    EXPECT_TRUE(listEnabledAfter);
}

TEST_F(SingleGroupBuilderDialogTest, CreateWithSelectedGroupsUsesTheirKanjiAndStoresTheChoices) {
    QString progressText;
    const int added = Run([&](CSingleGroupBuilderDialog& dialog) {
        Child<QRadioButton>(dialog, "selectedGroupsButton").click();
        Child<QListWidget>(dialog, "groupList").item(1)->setSelected(true);
        Child<QCheckBox>(dialog, "includeKana").setChecked(true);
        QTimer::singleShot(0, [&progressText] {
            progressText = QApplication::activeModalWidget()
                               ->findChild<QLabel*>(QStringLiteral("progressText"))
                               ->text();
        });
        Child<QPushButton>(dialog, "createButton").click();
    });
    EXPECT_EQ(added, 2);
    EXPECT_EQ(progressText, QStringLiteral("Brushly is now generating Compound Flashcards..."));
    EXPECT_EQ(Headwords("Mine"), (Names{K(0) + K(3), K(0) + K(2), K(0) + K(0)}));
    const CBuilderSettings& stored = m_document.BuilderSettings();
    EXPECT_EQ(stored.singleGroupScope, CBuilderSettings::kScopeSelectedGroups);
    EXPECT_TRUE(stored.includeKana);
    EXPECT_FALSE(stored.eraseExisting);
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(SingleGroupBuilderDialogTest, EraseReplacesTheGroupsCompounds) {
    m_document.BuilderSettings().eraseExisting = true;
    const int added = Run([](CSingleGroupBuilderDialog& dialog) {
        EXPECT_TRUE(Child<QCheckBox>(dialog, "eraseExisting").isChecked());
        Child<QPushButton>(dialog, "createButton").click();
    });
    EXPECT_EQ(added, 1);
    EXPECT_EQ(Headwords("Mine"), (Names{K(0) + K(0)}));
}

TEST_F(SingleGroupBuilderDialogTest, CancelInTheProgressDialogErasesNothingAndSaysSo) {
    m_document.BuilderSettings().eraseExisting = true;
    m_document.SetModified(false);
    const Names before = Headwords("Mine");
    const int added = Run([](CSingleGroupBuilderDialog& dialog) {
        QTimer::singleShot(0, [] {
            QApplication::activeModalWidget()
                ->findChild<QPushButton*>(QStringLiteral("cancelButton"))
                ->click();
        });
        Child<QPushButton>(dialog, "createButton").click();
    });
    EXPECT_EQ(added, -1);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{CSingleGroupBuilder::kCancelledMessage});
    EXPECT_EQ(std::string(CSingleGroupBuilder::kCancelledMessage),
              "The Flashcard Builder was cancelled.\nThis Word Group was not changed.");
    EXPECT_EQ(Headwords("Mine"), before);
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(SingleGroupBuilderDialogTest, CancelChangesNothing) {
    m_document.SetModified(false);
    const int added = Run([](CSingleGroupBuilderDialog& dialog) {
        Child<QRadioButton>(dialog, "selectedGroupsButton").click();
        Child<QCheckBox>(dialog, "eraseExisting").setChecked(true);
        Child<QPushButton>(dialog, "cancelButton").click();
    });
    EXPECT_EQ(added, -1);
    EXPECT_EQ(Headwords("Mine"), (Names{K(0) + K(3)}));
    EXPECT_EQ(m_document.BuilderSettings().singleGroupScope, CBuilderSettings::kScopeThisGroup);
    EXPECT_FALSE(m_document.BuilderSettings().eraseExisting);
    EXPECT_FALSE(m_document.IsModified());
}

}  // namespace
}  // namespace brushly
