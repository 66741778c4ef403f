// The Flashcard Builder wizard driven through its pages: the source list and what choosing a
// source does, the range page's labels, counts and refusal, the compound page's texts and
// rule 2, and Finish storing the choices and building the groups behind the progress dialog.
#include "builder/qt/CFlashcardBuilderWizard.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "builder/BuilderSources.h"
#include "builder/qt/CBuilderCompoundPage.h"
#include "builder/qt/CBuilderProgressDialog.h"
#include "builder/qt/CBuilderRangePage.h"
#include "builder/qt/CBuilderSourcePage.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "support/BuilderTestData.h"
#include "support/NamedChild.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

using testing::Child;

using testing::CTestKanji;
using testing::CTestWord;

std::string K(int n) {
    return testing::LevelOneKanji(n);
}

// Kanji 0-49 carry Heisig numbers 1-50; 0-9 are grade 1, 10-19 grade 2, 20-24 grade 8
// ("7 and above"); 0-14 JLPT kyuu 4, 15-29 kyuu 3.
std::vector<CTestKanji> WizardKanji() {
    std::vector<CTestKanji> kanji;
    for (int n = 0; n < 60; ++n) {
        kanji.push_back({.number = n,
                         .heisig = n < 50 ? n + 1 : 0,
                         .grade = n < 10   ? 1
                                  : n < 20 ? 2
                                  : n < 25 ? 8
                                           : 0,
                         .jlpt = n < 15   ? 4
                                 : n < 30 ? 3
                                          : 0,
                         .strokes = 1 + n % 5});
    }
    return kanji;
}

class FlashcardBuilderWizardTest : public ::testing::Test {
protected:
    FlashcardBuilderWizardTest() : m_document(m_settings, m_prompter, 5) {
        testing::EnsureQtApplication();
        m_document.SetKanjiLibrary(testing::MakeTestKanjiLibrary(WizardKanji()));
        UseCompounds("EDICT test");
    }

    void UseCompounds(const std::string& identification) {
        const std::vector<CTestWord> words = {{K(0) + K(1), "ab", "(n) a-b/(P)"},
                                              {K(0) + K(25), "az", "(n) a-z/(P)"}};
        m_document.SetWordLibraries(testing::MakeTestCompoundLibrary(identification, words),
                                    std::make_unique<CCompoundLibrary>());
    }

    std::unique_ptr<CFlashcardBuilderWizard> Open() {
        auto wizard = std::make_unique<CFlashcardBuilderWizard>(m_document, m_prompter);
        wizard->show();
        return wizard;
    }

    static void ChooseSource(QWizard& wizard, int source) {
        Child<QListWidget>(wizard, "sourceList").setCurrentRow(source);
    }

    static void SetText(QWizard& wizard, const char* box, const char* text) {
        auto& edit = Child<QLineEdit>(wizard, box);
        edit.clear();
        edit.insert(QString::fromLatin1(text));
    }

    static QString Text(QWizard& wizard, const char* label) {
        return Child<QLabel>(wizard, label).text();
    }

    // Page 2 with a source chosen on page 1.
    std::unique_ptr<CFlashcardBuilderWizard> OpenRange(int source) {
        auto wizard = Open();
        ChooseSource(*wizard, source);
        wizard->next();
        EXPECT_EQ(wizard->currentId(), 1);
        return wizard;
    }

    // Page 3 after a source and a first value.
    std::unique_ptr<CFlashcardBuilderWizard> OpenCompounds(int source, const char* first) {
        auto wizard = OpenRange(source);
        SetText(*wizard, "firstIndex", first);
        SetText(*wizard, "lastIndex", "50");
        wizard->next();
        EXPECT_EQ(wizard->currentId(), 2);
        return wizard;
    }

    CMemorySettingsStore m_settings;
    CScriptedPrompter m_prompter;
    CBrushly2Doc m_document;
};

TEST_F(FlashcardBuilderWizardTest, OpensOnTheSourcesWithTheDocumentsLastChoices) {
    m_document.BuilderSettings().source = kKeyHeisig;
    m_document.BuilderSettings().rootName = "My Heisig";
    m_document.BuilderSettings().numbering = CBuilderSettings::kIndexNumbers;
    auto wizard = Open();
    EXPECT_EQ(wizard->windowTitle(), QStringLiteral("Flashcard Builder"));
    EXPECT_EQ(wizard->currentPage()->title(), QStringLiteral("Brushly Flashcard Builder - STEP 1"));
    auto& sources = Child<QListWidget>(*wizard, "sourceList");
    ASSERT_EQ(sources.count(), kBuilderSourceCount);
    EXPECT_EQ(sources.item(0)->text(), QStringLiteral("Grade Level"));
    EXPECT_EQ(sources.item(1)->text(), QStringLiteral("JLPT Kyuu / Level"));
    EXPECT_EQ(sources.item(10)->text(), QStringLiteral("O'Neill"));
    EXPECT_EQ(sources.currentRow(), kKeyHeisig);
    EXPECT_EQ(Child<QLineEdit>(*wizard, "rootName").text(), QStringLiteral("My Heisig"));
    EXPECT_TRUE(Child<QRadioButton>(*wizard, "indexNumbersButton").isChecked());
    EXPECT_EQ(Child<QRadioButton>(*wizard, "numberedButton").text(),
              QStringLiteral("Numerically   (e.g.  Nelson 1, Nelson 2, etc.)"));
    EXPECT_EQ(Child<QRadioButton>(*wizard, "indexNumbersButton").text(),
              QStringLiteral("Using index numbers  (e.g. Nelson 0101-0150, Nelson 0151-0200)"));
}

TEST_F(FlashcardBuilderWizardTest, ChoosingASourceNamesTheRootAndGradeAndJlptAreOnlyNumbered) {
    m_document.BuilderSettings().numbering = CBuilderSettings::kIndexNumbers;
    auto wizard = Open();
    auto& root = Child<QLineEdit>(*wizard, "rootName");
    auto& indexNumbers = Child<QRadioButton>(*wizard, "indexNumbersButton");
    ChooseSource(*wizard, CBuilderSettings::kSourceGrade);
    EXPECT_EQ(root.text(), QStringLiteral("Grade"));
    EXPECT_TRUE(Child<QRadioButton>(*wizard, "numberedButton").isChecked());
    EXPECT_FALSE(indexNumbers.isEnabled());
    EXPECT_EQ(wizard->Settings().numbering, CBuilderSettings::kNumbered);
    ChooseSource(*wizard, CBuilderSettings::kSourceJlpt);
    EXPECT_EQ(root.text(), QStringLiteral("JLPT Kyuu"));
    EXPECT_FALSE(indexNumbers.isEnabled());
    ChooseSource(*wizard, kKeyNelsonOriginal);
    EXPECT_EQ(root.text(), QStringLiteral("Nelson - Original"));
    EXPECT_TRUE(indexNumbers.isEnabled());
    indexNumbers.click();
    EXPECT_EQ(wizard->Settings().numbering, CBuilderSettings::kIndexNumbers);
    EXPECT_EQ(wizard->Settings().source, kKeyNelsonOriginal);
    EXPECT_EQ(wizard->Settings().rootName, "Nelson - Original");
}

TEST_F(FlashcardBuilderWizardTest, ABlankRootNameHoldsTheWizardOnTheFirstPage) {
    auto wizard = Open();
    auto& root = Child<QLineEdit>(*wizard, "rootName");
    const QAbstractButton& next = *wizard->button(QWizard::NextButton);
    EXPECT_TRUE(next.isEnabled());
    root.selectAll();
    root.insert(QStringLiteral("   "));
    EXPECT_FALSE(next.isEnabled());
    root.insert(QStringLiteral("Mine"));
    EXPECT_TRUE(next.isEnabled());
    EXPECT_EQ(wizard->Settings().rootName, "   Mine");
}

TEST_F(FlashcardBuilderWizardTest, TheRangePageIsWordedForItsSource) {
    auto reference = OpenRange(kKeyHeisig);
    EXPECT_EQ(reference->currentPage()->title(),
              QStringLiteral("Brushly Flashcard Builder - STEP 2"));
    EXPECT_EQ(Text(*reference, "chosenReference"), QStringLiteral("Heisig"));
    EXPECT_EQ(Text(*reference, "firstIndexLabel"), QStringLiteral("First index:"));
    EXPECT_EQ(Text(*reference, "referenceText"),
              QStringLiteral("For the chosen reference, enter the first and last index numbers of "
                             "the kanji for which you would like to create flashcards:"));
    EXPECT_TRUE(Child<QLabel>(*reference, "referenceText").isVisible());
    EXPECT_TRUE(Child<QLineEdit>(*reference, "lastIndex").isVisible());

    auto grade = OpenRange(CBuilderSettings::kSourceGrade);
    EXPECT_EQ(Text(*grade, "chosenReference"), QStringLiteral("Grade Level"));
    EXPECT_EQ(Text(*grade, "firstIndexLabel"), QStringLiteral("Grade level:"));
    EXPECT_FALSE(Child<QLabel>(*grade, "referenceText").isVisible());
    EXPECT_FALSE(Child<QLineEdit>(*grade, "lastIndex").isVisible());
    EXPECT_FALSE(Child<QLabel>(*grade, "lastIndexLabel").isVisible());

    auto jlpt = OpenRange(CBuilderSettings::kSourceJlpt);
    EXPECT_EQ(Text(*jlpt, "chosenReference"), QStringLiteral("JLPT Kyuu / Level"));
    EXPECT_EQ(Text(*jlpt, "firstIndexLabel"), QStringLiteral("JLPT kyuu:"));
    EXPECT_FALSE(Child<QLineEdit>(*jlpt, "lastIndex").isVisible());
}

TEST_F(FlashcardBuilderWizardTest, EveryEditRecountsAndNextNeedsAGroup) {
    auto wizard = OpenRange(kKeyHeisig);
    EXPECT_EQ(Text(*wizard, "cardCount"), QStringLiteral("10"));  // the defaults: 1 to 10
    EXPECT_EQ(Text(*wizard, "groupCount"), QStringLiteral("1"));
    SetText(*wizard, "lastIndex", "45");
    SetText(*wizard, "cardsPerGroup", "20");
    EXPECT_EQ(Text(*wizard, "cardCount"), QStringLiteral("45"));
    EXPECT_EQ(Text(*wizard, "groupCount"), QStringLiteral("3"));
    SetText(*wizard, "firstIndex", "0");  // taken as 1
    EXPECT_EQ(Text(*wizard, "cardCount"), QStringLiteral("45"));
    SetText(*wizard, "firstIndex", "51");  // past the last Heisig number
    SetText(*wizard, "lastIndex", "60");
    EXPECT_EQ(Text(*wizard, "cardCount"), QStringLiteral("0"));
    EXPECT_EQ(Text(*wizard, "groupCount"), QStringLiteral("0"));
    const QAbstractButton& next = *wizard->button(QWizard::NextButton);
    EXPECT_FALSE(next.isEnabled());
    SetText(*wizard, "firstIndex", "41");
    SetText(*wizard, "cardsPerGroup", "");
    EXPECT_EQ(Text(*wizard, "cardCount"), QStringLiteral("10"));
    EXPECT_EQ(Text(*wizard, "groupCount"), QStringLiteral("0"));
    EXPECT_FALSE(next.isEnabled());
    SetText(*wizard, "cardsPerGroup", "4");
    EXPECT_EQ(Text(*wizard, "groupCount"), QStringLiteral("3"));
    EXPECT_TRUE(next.isEnabled());
}

TEST_F(FlashcardBuilderWizardTest, MoreThanThirtyCardsPerGroupIsRefusedWithTheFocusOnTheBox) {
    auto wizard = OpenRange(kKeyHeisig);
    SetText(*wizard, "lastIndex", "50");
    SetText(*wizard, "cardsPerGroup", "31");
    wizard->next();
    EXPECT_EQ(wizard->currentId(), 1);
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{
                  "The ''Flashcards per Word Group'' value must be 30 or less\nto prevent "
                  "excessive compound entries in any new Word Group."});
    EXPECT_EQ(wizard->focusWidget(), &Child<QLineEdit>(*wizard, "cardsPerGroup"));
    SetText(*wizard, "cardsPerGroup", "30");
    wizard->next();
    EXPECT_EQ(wizard->currentId(), 2);
    EXPECT_EQ(m_prompter.Texts().size(), 1u);
}

TEST_F(FlashcardBuilderWizardTest, GradeSevenIsCountedAndKeptAsGradeEight) {
    auto wizard = OpenRange(CBuilderSettings::kSourceGrade);
    SetText(*wizard, "firstIndex", "7");
    EXPECT_EQ(Text(*wizard, "cardCount"), QStringLiteral("5"));
    EXPECT_EQ(wizard->Settings().firstIndex, "8");
    EXPECT_EQ(Child<QLineEdit>(*wizard, "firstIndex").text(), QStringLiteral("7"));
    SetText(*wizard, "firstIndex", "2");
    EXPECT_EQ(Text(*wizard, "cardCount"), QStringLiteral("10"));
    EXPECT_EQ(wizard->Settings().firstIndex, "2");
}

TEST_F(FlashcardBuilderWizardTest, GoingBackKeepsTheRangeTyped) {
    auto wizard = OpenRange(kKeyHeisig);
    SetText(*wizard, "lastIndex", "33");
    wizard->back();
    wizard->next();
    EXPECT_EQ(Child<QLineEdit>(*wizard, "lastIndex").text(), QStringLiteral("33"));
    EXPECT_EQ(Text(*wizard, "cardCount"), QStringLiteral("33"));
}

TEST_F(FlashcardBuilderWizardTest, TheCompoundOptionsFollowTheirCheckBox) {
    auto wizard = OpenCompounds(kKeyHeisig, "1");
    EXPECT_EQ(wizard->currentPage()->title(), QStringLiteral("Brushly Flashcard Builder - STEP 3"));
    auto& add = Child<QCheckBox>(*wizard, "addCompounds");
    EXPECT_EQ(add.text(), QStringLiteral("Add compound vocabulary from EDICT"));
    EXPECT_TRUE(add.isEnabled());
    EXPECT_TRUE(add.isChecked());
    EXPECT_EQ(Child<QCheckBox>(*wizard, "commonOnly").text(),
              QStringLiteral("Only include words marked as \"common\" in EDICT (recommended)"));
    EXPECT_EQ(Child<QCheckBox>(*wizard, "includeKana").text(),
              QStringLiteral("Include compounds containing kana characters"));
    EXPECT_EQ(Child<QRadioButton>(*wizard, "rule0").text(),
              QStringLiteral("kanji from that group and all previous Word Groups"));
    EXPECT_EQ(Child<QRadioButton>(*wizard, "rule1").text(),
              QStringLiteral("only kanji in that Word Group"));
    EXPECT_TRUE(Child<QCheckBox>(*wizard, "includeKana").isEnabled());
    add.click();
    EXPECT_FALSE(wizard->Settings().addCompounds);
    for (const char* option : {"commonOnly", "includeKana"})
        EXPECT_FALSE(Child<QCheckBox>(*wizard, option).isEnabled()) << option;
    EXPECT_FALSE(Child<QRadioButton>(*wizard, "rule1").isEnabled());
    Child<QCheckBox>(*wizard, "includeKana").setChecked(true);
    add.click();
    EXPECT_TRUE(Child<QRadioButton>(*wizard, "rule1").isEnabled());
    Child<QRadioButton>(*wizard, "rule1").click();
    EXPECT_EQ(wizard->Settings().compoundRule, CBuilderSettings::kRuleSameGroup);
    EXPECT_TRUE(wizard->Settings().includeKana);
}

TEST_F(FlashcardBuilderWizardTest, WithoutEdictThePageSaysHowToGetItAndNothingCanBeChecked) {
    UseCompounds("Brushly demo");
    auto wizard = OpenCompounds(kKeyHeisig, "1");
    EXPECT_EQ(Text(*wizard, "pageText"),
              QStringLiteral("To add compound flashcards to your Word Groups, install the EDICT "
                             "file (see EDICT in help)"));
    auto& add = Child<QCheckBox>(*wizard, "addCompounds");
    EXPECT_FALSE(add.isEnabled());
    EXPECT_FALSE(add.isChecked());
    EXPECT_FALSE(Child<QCheckBox>(*wizard, "commonOnly").isEnabled());
    EXPECT_TRUE(wizard->Settings().addCompounds);  // kept for when EDICT is there
}

TEST_F(FlashcardBuilderWizardTest, RuleTwoIsWordedAndOfferedByTheSourceAndFirstValue) {
    struct Case {
        int source;
        const char* first;
        bool enabled;
        const char* label;
    };
    const Case cases[] = {
        {kKeyHeisig, "1", false,
         "kanji from that group, all previous Word Groups,\nand from any lower index numbers"},
        {kKeyHeisig, "2", true,
         "kanji from that group, all previous Word Groups,\nand for Heisig number 1"},
        {kKeyHeisig, "21", true,
         "kanji from that group, all previous Word Groups,\nand from Heisig numbers 1 to 20"},
        {CBuilderSettings::kSourceGrade, "2", true,
         "kanji from that group, all previous Word Groups,\nand for Grade level 1"},
        {CBuilderSettings::kSourceJlpt, "4", false,
         "kanji from that group, all previous Word Groups,\nand from any lower index numbers"},
        {CBuilderSettings::kSourceJlpt, "3", true,
         "kanji from that group, all previous Word Groups,\nand from JLPT kyuu 4"},
    };
    for (const Case& c : cases) {
        auto wizard = OpenCompounds(c.source, c.first);
        const auto& rule2 = Child<QRadioButton>(*wizard, "rule2");
        EXPECT_EQ(rule2.text().toStdString(), c.label) << c.source << " " << c.first;
        EXPECT_EQ(rule2.isEnabled(), c.enabled) << c.source << " " << c.first;
    }
}

TEST_F(FlashcardBuilderWizardTest, ARuleTwoNoLongerOfferedFallsBackToRuleZero) {
    m_document.BuilderSettings().compoundRule = CBuilderSettings::kRuleLowerIndices;
    auto offered = OpenCompounds(kKeyHeisig, "11");
    EXPECT_TRUE(Child<QRadioButton>(*offered, "rule2").isChecked());
    auto withdrawn = OpenCompounds(kKeyHeisig, "1");
    EXPECT_TRUE(Child<QRadioButton>(*withdrawn, "rule0").isChecked());
    EXPECT_EQ(withdrawn->Settings().compoundRule, CBuilderSettings::kRuleEarlierGroups);
}

TEST_F(FlashcardBuilderWizardTest, CancelLeavesTheDocumentsChoicesAsTheyWere) {
    auto wizard = OpenRange(CBuilderSettings::kSourceJlpt);
    SetText(*wizard, "firstIndex", "3");
    wizard->reject();
    const CBuilderSettings& kept = m_document.BuilderSettings();
    EXPECT_EQ(kept.source, 2);
    EXPECT_EQ(kept.firstIndex, "1");
    EXPECT_EQ(kept.rootName, "Hadam. & Spahn");
    EXPECT_TRUE(m_document.Cards().GroupNames().empty());
}

TEST_F(FlashcardBuilderWizardTest, FinishStoresTheChoicesAndBuildsBehindTheProgressDialog) {
    auto wizard = OpenRange(kKeyHeisig);
    SetText(*wizard, "lastIndex", "30");
    SetText(*wizard, "cardsPerGroup", "15");
    wizard->next();
    wizard->accept();
    QString title;
    QString text;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        title = dialog->windowTitle();
        text = dialog->findChild<QLabel*>(QStringLiteral("progressText"))->text();
    });
    const std::vector<CBuiltGroup> built = wizard->BuildGroups(nullptr);
    EXPECT_EQ(title, QStringLiteral("Building Flashcards"));
    EXPECT_EQ(text, QStringLiteral("Brushly is now generating Kanji and Compound Flashcards..."));
    // 亜唖 joins the first group; 亜 with kanji 25 the second, which holds 25.
    EXPECT_EQ(built, (std::vector<CBuiltGroup>{{"Heisig #1", 15, 1}, {"Heisig #2", 15, 1}}));
    EXPECT_EQ(m_document.BuilderSettings().lastIndex, "30");
    EXPECT_EQ(m_document.BuilderSettings().cardCount, 30);
    EXPECT_EQ(m_document.BuilderSettings().groupCount, 2);
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(FlashcardBuilderWizardTest, WithoutCompoundsTheProgressSaysKanjiOnly) {
    m_document.BuilderSettings().addCompounds = false;
    auto wizard = OpenRange(CBuilderSettings::kSourceJlpt);
    SetText(*wizard, "firstIndex", "3");
    wizard->next();
    wizard->accept();
    QString text;
    QTimer::singleShot(0, [&] {
        text = QApplication::activeModalWidget()
                   ->findChild<QLabel*>(QStringLiteral("progressText"))
                   ->text();
    });
    const std::vector<CBuiltGroup> built = wizard->BuildGroups(nullptr);
    EXPECT_EQ(text, QStringLiteral("Brushly is now generating Kanji Flashcards..."));
    EXPECT_EQ(built, (std::vector<CBuiltGroup>{{"JLPT Kyuu 3 #1", 15, 0}}));
}

// Cancel pressed as the progress dialog opens: the work stops at its first look.
TEST_F(FlashcardBuilderWizardTest, CancelInTheProgressDialogAddsNoGroupAndSaysSo) {
    auto wizard = OpenRange(kKeyHeisig);
    SetText(*wizard, "lastIndex", "30");
    wizard->next();
    wizard->accept();
    m_document.SetModified(false);
    QTimer::singleShot(0, [] {
        QApplication::activeModalWidget()
            ->findChild<QPushButton*>(QStringLiteral("cancelButton"))
            ->click();
    });
    EXPECT_TRUE(wizard->BuildGroups(nullptr).empty());
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{CFlashcardBuilder::kCancelledMessage});
    EXPECT_EQ(std::string(CFlashcardBuilder::kCancelledMessage),
              "The Flashcard Builder was cancelled.\nNo Word Groups were added.");
    EXPECT_TRUE(m_document.Cards().GroupNames().empty());
    EXPECT_TRUE(m_document.Cards().KanjiCards().empty());
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(FlashcardBuilderWizardTest, RunBuildsNothingWhenCancelled) {
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_TRUE(CFlashcardBuilderWizard::Run(m_document, m_prompter, nullptr).empty());
    EXPECT_TRUE(m_document.Cards().GroupNames().empty());
}

}  // namespace
}  // namespace brushly
