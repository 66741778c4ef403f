// The card editor dialogs driven through their controls: one card of each kind added into a
// group and found again after saving and reopening the document; "&Save" staying open for
// the next card and Cancel dropping the working copy; the group list in fixed-group mode and
// after a refused group change; the reading editor's lists and checks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "app/editors/EditorTestDocument.h"
#include "app/editors/qt/CCardEditors.h"
#include "app/editors/qt/CKanaWordDialog.h"
#include "app/editors/qt/CReadingEditorDialog.h"
#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"
#include "support/NamedChild.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

using testing::Child;
using Texts = std::vector<std::string>;

const std::string kHon = "\x96\x7b";  // 本

QString Utf8(const std::string& sjisText) {
    return QString::fromStdString(sjis::ToUtf8(sjisText));
}

void Type(QWidget& dialog, const char* edit, const QString& text) {
    auto& field = Child<QLineEdit>(dialog, edit);
    field.setText(text);
    Q_EMIT field.textEdited(text);
}

void Click(QWidget& dialog, const char* button) {
    Child<QPushButton>(dialog, button).click();
}

// Runs drive on the modal dialog that comes up next.
void WhenShown(std::function<void(QWidget&)> drive) {
    QTimer::singleShot(0,
                       [drive = std::move(drive)] { drive(*QApplication::activeModalWidget()); });
}

class CardEditorDialogsTest : public ::testing::Test, protected testing::CEditorTestDocument {
protected:
    CardEditorDialogsTest()
        : m_editors(
              document, prompter, m_abbreviations, settings, {}, [] {}, nullptr) {
        testing::EnsureQtApplication();
    }

    CAbbreviationList m_abbreviations;
    CCardEditors m_editors;
};

TEST_F(CardEditorDialogsTest, OneCardOfEachKindSurvivesSavingAndReopening) {
    WhenShown([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add Kanji Flashcard"));
        Type(dialog, "characterEdit", Utf8(testing::kIchi));
        Click(dialog, "importReadingsButton");
        // A second reading group through the reading editor.
        WhenShown([](QWidget& reading) {
            EXPECT_EQ(reading.windowTitle(), QStringLiteral("Add Kanji Reading"));
            Child<QLineEdit>(reading, "readingEdit").setText(QStringLiteral("hito(tsu)"));
            Click(reading, "addKunButton");
            Child<QLineEdit>(reading, "meaningEdit").setText(QStringLiteral("one thing"));
            Click(reading, "addMeaningButton");
            reading.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        Click(dialog, "addReadingButton");
        Click(dialog, "saveExitButton");
    });
    const CObject* kanji = m_editors.AddCard(CardKind::kKanji, "Alpha");
    ASSERT_NE(kanji, nullptr);

    WhenShown([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add Compound Flashcard"));
        Type(dialog, "kanjiEdit", Utf8(testing::kIchi));
        Click(dialog, "addKanjiButton");
        Child<QLineEdit>(dialog, "kanaEdit").setText(QStringLiteral("tsu"));
        Click(dialog, "addKanaButton");
        Child<QLineEdit>(dialog, "romajiEdit").setText(QStringLiteral("ichitsu"));
        Child<QLineEdit>(dialog, "meaningEdit").setText(QStringLiteral("one-ish"));
        Click(dialog, "saveExitButton");
    });
    ASSERT_NE(m_editors.AddCard(CardKind::kCompound, "Alpha"), nullptr);

    WhenShown([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add Kana Word Flashcard"));
        Child<QLineEdit>(dialog, "romajiEdit").setText(QStringLiteral("neko"));
        Child<QLineEdit>(dialog, "meaningEdit").setText(QStringLiteral("cat"));
        Click(dialog, "saveExitButton");
    });
    ASSERT_NE(m_editors.AddCard(CardKind::kKanaWord, "Alpha"), nullptr);

    WhenShown([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add Counter Flashcard"));
        Type(dialog, "characterEdit", Utf8(kHon));
        Child<QLineEdit>(dialog, "meaningEdit").setText(QStringLiteral("long things"));
        Child<QLineEdit>(dialog, "romajiEdit").setText(QStringLiteral("hon"));
        Child<QLineEdit>(dialog, "rootEdit").setText(QStringLiteral("hon"));
        Click(dialog, "ichiNiButton");
        EXPECT_EQ(Child<QTreeWidget>(dialog, "formList").topLevelItemCount(), 10);
        Child<QCheckBox>(dialog, "activeCheck").setChecked(false);
        Click(dialog, "saveExitButton");
    });
    ASSERT_NE(m_editors.AddCard(CardKind::kCounter, "Alpha"), nullptr);
    EXPECT_TRUE(prompter.Texts().empty());

    testing::CTempDirectory directory;
    ASSERT_TRUE(document.SaveAs(directory.File("cards.bly")));
    CBrushly2Doc reopened(settings, prompter);
    ASSERT_TRUE(reopened.Open(directory.File("cards.bly")));
    const CWordGroup& alpha = *reopened.Cards().FindGroup("Alpha");
    EXPECT_EQ(alpha.cardCount, 4);
    ASSERT_EQ(alpha.kanjiCards.size(), 1u);
    EXPECT_EQ(alpha.kanjiCards[0]->character, testing::kIchi);
    ASSERT_EQ(alpha.kanjiCards[0]->readings.size(), 2u);
    EXPECT_EQ(alpha.kanjiCards[0]->readings[1]->DisplayText(0), "hito(tsu) : one thing");
    ASSERT_EQ(alpha.compoundCards.size(), 1u);
    EXPECT_EQ(alpha.compoundCards[0]->headword, testing::kIchi + "\x82\xc2");  // 一つ
    EXPECT_EQ(alpha.compoundCards[0]->meaning, "one-ish");
    ASSERT_EQ(alpha.kanaWordCards.size(), 1u);
    EXPECT_EQ(alpha.kanaWordCards[0]->kana, "\x82\xcb\x82\xb1");
    ASSERT_EQ(alpha.counterCards.size(), 1u);
    EXPECT_EQ(alpha.counterCards[0]->formRomaji.front(), "ippon");
    EXPECT_EQ(alpha.counterCards[0]->formRomaji.back(), "juppon");
    EXPECT_EQ(alpha.counterCards[0]->active, 0);
}

TEST_F(CardEditorDialogsTest, SaveStaysOpenForTheNextCardAndCancelDropsTheCopy) {
    WhenShown([this](QWidget& dialog) {
        Click(dialog, "saveButton");  // refused: nothing typed
        Child<QLineEdit>(dialog, "romajiEdit").setText(QStringLiteral("neko"));
        Child<QLineEdit>(dialog, "meaningEdit").setText(QStringLiteral("cat"));
        Click(dialog, "saveButton");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(Child<QLineEdit>(dialog, "romajiEdit").text().isEmpty());
        EXPECT_EQ(document.Cards().FindGroup("Beta")->kanaWordCards.size(), 1u);
        Child<QLineEdit>(dialog, "romajiEdit").setText(QStringLiteral("inu"));
        Child<QLineEdit>(dialog, "meaningEdit").setText(QStringLiteral("dog"));
        Click(dialog, "cancelButton");
    });
    const CObject* stored = m_editors.AddCard(CardKind::kKanaWord, "Beta");
    EXPECT_EQ(prompter.Texts(), (Texts{"Enter the romaji for this Kana word."}));
    const auto& cards = document.Cards().FindGroup("Beta")->kanaWordCards;
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(stored, cards.front());
    EXPECT_EQ(cards.front()->romaji, "neko");
}

TEST_F(CardEditorDialogsTest, TheGroupListShowsTheEditorsChoiceAfterARefusal) {
    CKanaWordEditor fixed(document, prompter, "Alpha", true);
    CEditorContext context(document, prompter, m_abbreviations, settings, {}, [] {});
    CKanaWordDialog dialog(fixed, context);
    auto& groups = Child<QComboBox>(dialog, "wordGroupCombo");
    EXPECT_EQ(groups.count(), 2);
    EXPECT_EQ(groups.currentText(), QStringLiteral("Alpha"));
    groups.setCurrentIndex(1);
    Q_EMIT groups.activated(1);
    EXPECT_EQ(groups.currentText(), QStringLiteral("Alpha"));
    EXPECT_EQ(prompter.Texts(), (Texts{"Must use the active word group"}));

    auto word = std::make_unique<CKanaWord>();
    word->groupName = "Alpha";
    word->romaji = "neko";
    word->kana = "\x82\xcb\x82\xb1";
    word->meaning = "cat";
    const CKanaWord& card = document.Cards().AddCard(std::move(word));
    prompter.Clear();
    prompter.ScriptAnswers({false});
    WhenShown([](QWidget& shown) {
        EXPECT_EQ(shown.windowTitle(), QStringLiteral("Edit Kana Word Flashcard"));
        auto& list = Child<QComboBox>(shown, "wordGroupCombo");
        list.setCurrentIndex(1);
        Q_EMIT list.activated(1);
        Click(shown, "saveExitButton");
        EXPECT_EQ(list.currentText(), QStringLiteral("Alpha"));  // No put it back
        Click(shown, "cancelButton");
    });
    EXPECT_EQ(m_editors.EditCard(CardKind::kKanaWord, card), nullptr);
    EXPECT_EQ(prompter.Texts(), (Texts{"Verify change groupnames?"}));
    EXPECT_EQ(card.groupName, "Alpha");
    EXPECT_EQ(m_editors.EditCard(CardKind::kKanji, card), nullptr);  // not a kanji card
}

TEST_F(CardEditorDialogsTest, TheReadingEditorAddsToItsListsAndChecksOnOk) {
    CKanjiReading reading;
    reading.onReadings = {"ICHI"};
    CReadingEditorDialog dialog(prompter, {}, reading, true);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Kanji Reading"));
    auto& typed = Child<QLineEdit>(dialog, "readingEdit");
    EXPECT_FALSE(Child<QPushButton>(dialog, "addOnButton").isEnabled());
    typed.setText(QStringLiteral("kou"));
    Click(dialog, "swapLongOButton");
    EXPECT_EQ(typed.text(), QStringLiteral("koo"));
    Click(dialog, "addOnButton");
    EXPECT_EQ(Child<QListWidget>(dialog, "onList").count(), 2);
    EXPECT_EQ(Child<QListWidget>(dialog, "onList").item(1)->text(), QStringLiteral("KOO"));
    EXPECT_TRUE(typed.text().isEmpty());

    dialog.show();
    auto& ok = *dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ok.click();
    EXPECT_EQ(prompter.Texts(), (Texts{"There is no meaning entered for this reading."}));
    EXPECT_TRUE(dialog.isVisible());
    Child<QLineEdit>(dialog, "meaningEdit").setText(QStringLiteral("one"));
    Click(dialog, "addMeaningButton");
    ok.click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Reading().DisplayText(0), "ICHI, KOO : one");
}

}  // namespace
}  // namespace brushly
