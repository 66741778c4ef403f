// The compound search dialog driven through its widgets: a search typed and run, a row taken
// as a card, the options and questions shown in the boxes, the kanji from the kanji search,
// the opening modes and the state it keeps.
#include "dictionary/qt/CCompoundSearchDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <memory>
#include <string>

#include "document/CBrushly2Doc.h"
#include "document/CKanjiCompound.h"
#include "handwriting/CJapaneseTextWidget.h"
#include "lookup/qt/CKanjiSearchDialog.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/NamedChild.h"
#include "support/QtTestApplication.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

using testing::Child;

void AddEntry(CCompoundLibrary& library, const std::string& headwordUtf8, const std::string& romaji,
              const std::string& meaning) {
    auto entry = std::make_unique<CCompoundData>();
    entry->headword = sjis::FromUtf8(headwordUtf8);
    entry->romaji = romaji;
    entry->meaning = meaning;
    library.Add(std::move(entry));
}

void Type(QWidget& widget, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(&widget, &press);
    }
}

// The small kanji database (一, 二) with EDICT-built word libraries and the group "Words".
class CompoundSearchDialogTest : public ::testing::Test {
protected:
    CompoundSearchDialogTest() : m_document(m_settings, m_prompter, 5) {
        testing::EnsureQtApplication();
        m_document.SetKanjiLibrary(testing::MakeSmallKanjiLibrary());
        auto compounds = std::make_unique<CCompoundLibrary>();
        auto kanaWords = std::make_unique<CCompoundLibrary>();
        compounds->SetIdentification("EDICT test");
        AddEntry(*compounds, "一二", "ichini", "(n) one-two/(P)");
        AddEntry(*compounds, "一人", "hitori", "(n) one person/(P)");
        AddEntry(*compounds, "一日", "ichinichi", "(n) one day");
        AddEntry(*kanaWords, "いち", "ichi", "(n) market/(P)");
        m_document.SetWordLibraries(std::move(compounds), std::move(kanaWords));
        m_document.Cards().AddGroup("Words");
        m_abbreviations.Append("n\n");
        m_settings.WriteInt("practice", 1);
        m_style.mode = CJapaneseFontMode::kBuiltIn;
        m_style.library = m_document.KanjiLibrary();
    }

    std::unique_ptr<CCompoundSearchDialog> Open(int mode = CCompoundSearchRequest::kModeAlone) {
        CCompoundSearchRequest request{mode, true, "Words"};
        auto dialog = std::make_unique<CCompoundSearchDialog>(m_document, m_prompter,
                                                              m_abbreviations, m_settings, m_style,
                                                              request, [this] { ++m_helpShown; });
        dialog->show();
        return dialog;
    }

    static QPushButton& Button(QWidget& dialog, const char* name) {
        return Child<QPushButton>(dialog, name);
    }
    static QTreeWidget& List(QWidget& dialog) { return Child<QTreeWidget>(dialog, "resultList"); }
    static QString Caption(QWidget& dialog) {
        return Child<QGroupBox>(dialog, "resultsGroup").title();
    }
    static void ClickRow(QWidget& dialog, int row) {
        QTreeWidget& list = List(dialog);
        list.setCurrentItem(list.topLevelItem(row));
    }

    CMemorySettingsStore m_settings;
    CScriptedPrompter m_prompter;
    CBrushly2Doc m_document;
    CAbbreviationList m_abbreviations;
    CJapaneseTextStyle m_style;
    int m_helpShown = 0;
};

TEST_F(CompoundSearchDialogTest, ATypedSearchBecomesACardOfTheChosenGroup) {
    const auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("EDICT Electronic Dictionary Search Dialog"));
    EXPECT_EQ(Caption(*dialog), QStringLiteral("No Matches:"));
    QPushButton& search = Button(*dialog, "searchButton");
    EXPECT_FALSE(search.isEnabled());
    auto& romaji = Child<QLineEdit>(*dialog, "romajiEdit");
    Type(romaji, QStringLiteral("ichi"));
    EXPECT_TRUE(Child<QCheckBox>(*dialog, "useRomajiCheck").isChecked());
    EXPECT_TRUE(search.isEnabled());
    search.click();

    // Common words only, at first: the uncommon ichinichi is left out.
    EXPECT_EQ(Caption(*dialog), QStringLiteral("Matches 1 to 2 out of 2"));
    ASSERT_EQ(List(*dialog).topLevelItemCount(), 2);
    EXPECT_EQ(List(*dialog).topLevelItem(0)->text(0), QStringLiteral("ichini"));
    EXPECT_EQ(List(*dialog).topLevelItem(0)->text(1), QStringLiteral("(n) one-two"));
    EXPECT_EQ(List(*dialog).topLevelItem(1)->text(0), QStringLiteral("ichi"));  // the kana word
    ClickRow(*dialog, 0);
    EXPECT_EQ(Child<QLineEdit>(*dialog, "selectedRomaji").text(), QStringLiteral("ichini"));
    EXPECT_EQ(Child<CJapaneseTextWidget>(*dialog, "kanaFrame").Text(), sjis::FromUtf8("いちに"));
    EXPECT_EQ(Child<CJapaneseTextWidget>(*dialog, "headwordFrame").Text(), sjis::FromUtf8("一二"));

    Button(*dialog, "addCardButton").click();
    ASSERT_EQ(m_document.Cards().CompoundCards().size(), 1u);
    const CKanjiCompound& card = *m_document.Cards().CompoundCards().front();
    EXPECT_EQ(card.groupName, "Words");
    EXPECT_EQ(card.meaning, "(n) one-two");
    EXPECT_EQ(m_document.Cards().FindGroup("Words")->compoundCards.size(), 1u);
    EXPECT_TRUE(Child<QLineEdit>(*dialog, "selectedRomaji").text().isEmpty());
    EXPECT_TRUE(m_prompter.Texts().empty());
}

// The Reading column and the selected word's romaji show the long o as the display chooses;
// the card keeps the romaji as stored.
TEST_F(CompoundSearchDialogTest, RomajiIsShownInTheLongODisplay) {
    auto compounds = std::make_unique<CCompoundLibrary>();
    compounds->SetIdentification("EDICT test");
    AddEntry(*compounds, "一通り", "hitotoori", "(n) roughly/(P)");
    m_document.SetWordLibraries(std::move(compounds), std::make_unique<CCompoundLibrary>());
    m_document.SetLongOMode(1);
    const auto dialog = Open();
    Type(Child<QLineEdit>(*dialog, "romajiEdit"), QStringLiteral("hitotoori"));
    Button(*dialog, "searchButton").click();
    ASSERT_EQ(List(*dialog).topLevelItemCount(), 1);
    EXPECT_EQ(List(*dialog).topLevelItem(0)->text(0), QStringLiteral("hitotouri"));
    ClickRow(*dialog, 0);
    EXPECT_EQ(Child<QLineEdit>(*dialog, "selectedRomaji").text(), QStringLiteral("hitotouri"));
    Button(*dialog, "addCardButton").click();
    ASSERT_EQ(m_document.Cards().CompoundCards().size(), 1u);
    EXPECT_EQ(m_document.Cards().CompoundCards().front()->romaji, "hitotoori");
}

TEST_F(CompoundSearchDialogTest, TheQuestionsYesShowsInTheOptionBoxes) {
    const auto dialog = Open();
    Child<QLineEdit>(*dialog, "meaningEdit").setText(QStringLiteral("day"));
    Child<QCheckBox>(*dialog, "useMeaningCheck").setChecked(true);
    Child<QCheckBox>(*dialog, "commonOnlyCheck").setChecked(true);
    m_document.CompoundSearch().commonOnly = true;
    m_prompter.ScriptAnswers({true});
    Button(*dialog, "searchButton").click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{CCompoundSearch::kNoCommonQuestion});
    EXPECT_FALSE(Child<QCheckBox>(*dialog, "commonOnlyCheck").isChecked());
    EXPECT_EQ(Caption(*dialog), QStringLiteral("Match 1 out of 1"));

    Child<QCheckBox>(*dialog, "hideAbbreviationsCheck").click();
    EXPECT_EQ(List(*dialog).topLevelItem(0)->text(1), QStringLiteral("one day"));
    Child<QCheckBox>(*dialog, "includeCompoundsCheck").click();  // only compounds matched
    EXPECT_EQ(Caption(*dialog), QStringLiteral("No Matches:"));
    EXPECT_FALSE(Button(*dialog, "getKanjiButton").isEnabled());
}

TEST_F(CompoundSearchDialogTest, GetKanjiTakesTheKanjiSearchsChoice) {
    const auto dialog = Open();
    EXPECT_FALSE(Child<QCheckBox>(*dialog, "useKanjiCheck").isEnabled());
    m_document.KanjiSearch().selected = {"\x88\xea", 1, 0};  // 一, chosen before
    QString okText;
    QTimer::singleShot(0, [&okText] {
        auto* search = dynamic_cast<CKanjiSearchDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(search, nullptr);
        auto* ok = search->findChild<QPushButton*>(QStringLiteral("okButton"));
        okText = ok->text();
        ok->click();
    });
    Button(*dialog, "getKanjiButton").click();
    EXPECT_EQ(okText, QStringLiteral("&Use this Kanji"));
    EXPECT_EQ(Child<CJapaneseTextWidget>(*dialog, "kanjiQuery").Text(), "\x88\xea");
    EXPECT_TRUE(Child<QCheckBox>(*dialog, "useKanjiCheck").isChecked());
    Button(*dialog, "searchButton").click();
    EXPECT_EQ(Caption(*dialog), QStringLiteral("Matches 1 to 2 out of 2"));       // 一人, 一二
    EXPECT_EQ(List(*dialog).topLevelItem(0)->text(0), QStringLiteral("hitori"));  // h before i
}

TEST_F(CompoundSearchDialogTest, OkFollowsTheKindOfWordAndTheMode) {
    const auto dialog = Open(CCompoundSearchRequest::kModeCompoundEditor);
    EXPECT_EQ(Button(*dialog, "okButton").text(), QStringLiteral("&Edit Card"));
    Child<QLineEdit>(*dialog, "romajiEdit").setText(QStringLiteral("ichi"));
    Child<QCheckBox>(*dialog, "useRomajiCheck").setChecked(true);
    Button(*dialog, "searchButton").click();
    ClickRow(*dialog, 1);  // a kana word
    EXPECT_FALSE(Button(*dialog, "okButton").isEnabled());
    ClickRow(*dialog, 0);
    EXPECT_TRUE(Button(*dialog, "okButton").isEnabled());
    QTreeWidget& list = List(*dialog);
    list.itemDoubleClicked(list.topLevelItem(0), 0);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Result().selection.romaji, "ichini");
    EXPECT_EQ(dialog->Result().selection.meaning, "(n) one-two");
    EXPECT_TRUE(m_document.Cards().CompoundCards().empty());
    Button(*dialog, "edictInformationButton").click();
    EXPECT_EQ(m_helpShown, 1);
}

TEST_F(CompoundSearchDialogTest, ReopeningShowsTheSearchAtItsPage) {
    {
        const auto dialog = Open();
        Child<QLineEdit>(*dialog, "romajiEdit").setText(QStringLiteral("ichi"));
        Child<QCheckBox>(*dialog, "useRomajiCheck").setChecked(true);
        Button(*dialog, "searchButton").click();
        Button(*dialog, "exitButton").click();
    }
    const auto dialog = Open();
    EXPECT_EQ(Child<QLineEdit>(*dialog, "romajiEdit").text(), QStringLiteral("ichi"));
    EXPECT_EQ(Caption(*dialog), QStringLiteral("Matches 1 to 2 out of 2"));
    EXPECT_TRUE(Child<QWidget>(*dialog, "missingKanjiLegend").isVisibleTo(dialog.get()));
    EXPECT_TRUE(m_prompter.Texts().empty());
}

}  // namespace
}  // namespace brushly
