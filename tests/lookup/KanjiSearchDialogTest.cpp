// The kanji search dialog driven through its widgets: typed searches, rows selected and
// added as cards, handwriting in its draw box, the opening modes and the state it keeps.
#include "lookup/qt/CKanjiSearchDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <memory>
#include <string>

#include "document/CBrushly2Doc.h"
#include "document/CKanjiCard.h"
#include "handwriting/CJapaneseTextWidget.h"
#include "handwriting/CKanjiDrawBoxWidget.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/NamedChild.h"
#include "support/PenStrokes.h"
#include "support/QtTestApplication.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

using testing::Child;

// Key presses as a keyboard gives them, one character after the other.
void Type(QWidget& widget, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(&widget, &press);
    }
}

void PressReturn(QWidget& widget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
}

// The small database (一 and 二) in a document with the Word Group "Numbers".
class KanjiSearchDialogTest : public ::testing::Test {
protected:
    KanjiSearchDialogTest() : m_document(m_settings, m_prompter, 3) {
        testing::EnsureQtApplication();
        auto library = testing::MakeSmallKanjiLibrary();
        auto reading = std::make_unique<CKanjiReading>();
        reading->onReadings = {"NI"};
        reading->kunReadings = {"futa(tsu)"};
        reading->meanings = {"two"};
        library->MutableKanji(library->FindByCharacter("\x93\xf1"))
            ->readings.push_back(std::move(reading));
        // Twelve kanji read "ki", for two pages of results.
        for (int i = 0; i < 12; ++i) {
            auto record = std::make_unique<CKanjiData>();
            record->character = {'\x8a', static_cast<char>(0x40 + i)};
            record->readings.push_back(std::make_unique<CKanjiReading>());
            record->readings.back()->kunReadings = {"ki"};
            library->AddKanji(3, std::move(record));
        }
        m_document.SetKanjiLibrary(std::move(library));
        m_document.Cards().AddGroup("Numbers");
        m_style.mode = CJapaneseFontMode::kBuiltIn;
        m_style.library = m_document.KanjiLibrary();
    }

    std::unique_ptr<CKanjiSearchDialog> Open(int mode = CKanjiSearchRequest::kModeAddAndExit,
                                             bool mayAdd = true) {
        CKanjiSearchRequest request{mode, mayAdd, "Numbers"};
        auto dialog =
            std::make_unique<CKanjiSearchDialog>(m_document, m_prompter, m_style, request);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        return dialog;
    }

    static QPushButton& Button(QWidget& dialog, const char* name) {
        return Child<QPushButton>(dialog, name);
    }
    static QTreeWidget& List(QWidget& dialog) { return Child<QTreeWidget>(dialog, "resultList"); }
    static QString Caption(QWidget& dialog) {
        return Child<QLabel>(dialog, "matchesCaption").text();
    }
    static void ClickRow(QWidget& dialog, int row) {
        QTreeWidget& list = List(dialog);
        list.setCurrentItem(list.topLevelItem(row));
    }

    CMemorySettingsStore m_settings;
    CScriptedPrompter m_prompter;
    CBrushly2Doc m_document;
    CJapaneseTextStyle m_style;
};

TEST_F(KanjiSearchDialogTest, ATypedReadingBecomesACardOfTheChosenGroup) {
    const auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Kanji Database Search Dialog"));
    EXPECT_EQ(Caption(*dialog), QStringLiteral("Kanji Matches:"));
    auto& reading = Child<QLineEdit>(*dialog, "readingEdit");
    reading.setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(Button(*dialog, "searchButton").isDefault());
    Type(reading, QStringLiteral("futatsu"));
    PressReturn(reading);

    EXPECT_EQ(Caption(*dialog), QStringLiteral("1 match with 1 to 24 strokes:"));
    ASSERT_EQ(List(*dialog).topLevelItemCount(), 1);
    EXPECT_EQ(List(*dialog).topLevelItem(0)->text(0), QStringLiteral("二"));
    EXPECT_EQ(List(*dialog).topLevelItem(0)->text(1), QStringLiteral("NI, futa(tsu) : two"));
    EXPECT_FALSE(Button(*dialog, "showDataButton").isEnabled());
    ClickRow(*dialog, 0);
    EXPECT_TRUE(Button(*dialog, "showDataButton").isEnabled());
    EXPECT_TRUE(Button(*dialog, "demonstrationButton").isEnabled());

    Button(*dialog, "addCardButton").click();
    ASSERT_EQ(m_document.Cards().KanjiCards().size(), 1u);
    const CKanjiCard& card = *m_document.Cards().KanjiCards().front();
    EXPECT_EQ(card.groupName, "Numbers");
    EXPECT_EQ(card.character, "\x93\xf1");
    EXPECT_EQ(card.dbGroup, 2);
    ASSERT_EQ(card.readings.size(), 1u);
    EXPECT_EQ(card.readings[0]->meanings, std::vector<std::string>{"two"});
    EXPECT_TRUE(m_document.IsModified());
    // The selection went with the card.
    EXPECT_FALSE(Button(*dialog, "showDataButton").isEnabled());
    EXPECT_EQ(List(*dialog).currentItem(), nullptr);
    Button(*dialog, "addCardButton").click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"No Kanji has been selected"});
}

TEST_F(KanjiSearchDialogTest, TheSearchInputsFollowTheirCheckBoxesAndReturnKeys) {
    const auto dialog = Open();
    auto& reading = Child<QLineEdit>(*dialog, "readingEdit");
    auto& strokes = Child<QSpinBox>(*dialog, "strokesEdit");
    EXPECT_FALSE(strokes.isEnabled());
    Child<QCheckBox>(*dialog, "strokeWindowCheck").setChecked(true);
    EXPECT_TRUE(strokes.isEnabled());
    Child<QCheckBox>(*dialog, "onCheck").setChecked(false);
    EXPECT_TRUE(reading.isEnabled());
    Child<QCheckBox>(*dialog, "kunCheck").setChecked(false);
    EXPECT_FALSE(reading.isEnabled());

    Child<QSpinBox>(*dialog, "toleranceEdit").setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(strokes.hasFocus());
    auto& number = Child<QLineEdit>(*dialog, "numberEdit");
    number.setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(Button(*dialog, "findButton").isDefault());
    EXPECT_FALSE(Button(*dialog, "searchButton").isDefault());
    // Heisig 2 is 二.
    Child<QComboBox>(*dialog, "referenceList").setCurrentIndex(kKeyHeisig - kFirstBookKey);
    Type(number, QStringLiteral("2"));
    PressReturn(number);
    EXPECT_EQ(Caption(*dialog), QStringLiteral("Reference Match:"));
    EXPECT_EQ(List(*dialog).topLevelItem(0)->text(0), QStringLiteral("二"));
}

TEST_F(KanjiSearchDialogTest, HandwritingInTheBoxFindsTheKanji) {
    const auto dialog = Open();
    auto& box = Child<CKanjiDrawBoxWidget>(*dialog, "searchDrawBox");
    auto& search = Button(box, "handwritingSearchButton");
    EXPECT_EQ(search.size(), QSize(96, 22));
    EXPECT_EQ(search.pos(), QPoint(1, box.height() - 23));
    box.Run([](CKanjiDrawBox& engine) { testing::DrawStraight(engine, {20, 100}, {180, 100}); });
    search.click();
    ASSERT_GE(List(*dialog).topLevelItemCount(), 1);
    EXPECT_EQ(List(*dialog).topLevelItem(0)->text(0), QStringLiteral("一"));
    EXPECT_EQ(Caption(*dialog), QStringLiteral("Only Match"));
}

TEST_F(KanjiSearchDialogTest, ReopeningShowsTheSavedSearchAndSelection) {
    {
        const auto dialog = Open();
        Child<QLineEdit>(*dialog, "meaningEdit").setText(QStringLiteral("two"));
        Button(*dialog, "searchButton").click();
        ClickRow(*dialog, 0);
        Child<QLineEdit>(*dialog, "readingEdit").setText(QStringLiteral("typed, not searched"));
        Button(*dialog, "exitButton").click();
    }
    const auto dialog = Open();
    EXPECT_EQ(Child<QLineEdit>(*dialog, "meaningEdit").text(), QStringLiteral("two"));
    EXPECT_EQ(Child<QLineEdit>(*dialog, "readingEdit").text(),
              QStringLiteral("typed, not searched"));
    EXPECT_EQ(Caption(*dialog), QStringLiteral("1 match with 1 to 24 strokes:"));
    EXPECT_EQ(List(*dialog).topLevelItemCount(), 1);
    EXPECT_TRUE(Button(*dialog, "showDataButton").isEnabled());
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(KanjiSearchDialogTest, TheOpeningModeSetsOkAndAdding) {
    const auto addAndExit = Open(CKanjiSearchRequest::kModeAddAndExit);
    EXPECT_EQ(Button(*addAndExit, "okButton").text(), QStringLiteral("Add and E&xit"));
    EXPECT_EQ(Child<QComboBox>(*addAndExit, "wordGroupList").currentText(),
              QStringLiteral("Numbers"));
    const auto edit = Open(CKanjiSearchRequest::kModeEditCard, false);
    EXPECT_EQ(Button(*edit, "okButton").text(), QStringLiteral("&Edit Card"));
    EXPECT_FALSE(Button(*edit, "addCardButton").isEnabled());
    EXPECT_FALSE(Child<QComboBox>(*edit, "wordGroupList").isEnabled());

    const auto getKanji = Open(CKanjiSearchRequest::kModeGetKanji);
    EXPECT_EQ(Button(*getKanji, "okButton").text(), QStringLiteral("&Use this Kanji"));
    EXPECT_TRUE(Button(*getKanji, "addCardButton").isHidden());
    EXPECT_TRUE(Child<QComboBox>(*getKanji, "wordGroupList").isHidden());
    Button(*getKanji, "okButton").click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"No Kanji has been selected"});
    Child<QLineEdit>(*getKanji, "meaningEdit").setText(QStringLiteral("two"));
    Button(*getKanji, "searchButton").click();
    // A double-clicked row closes the dialog with its kanji.
    QTreeWidget& list = List(*getKanji);
    list.itemDoubleClicked(list.topLevelItem(0), 0);
    EXPECT_EQ(getKanji->result(), QDialog::Accepted);
    EXPECT_EQ(getKanji->Result().kanji, (CSelectedKanji{"\x93\xf1", 2, 0}));
    EXPECT_TRUE(m_document.Cards().KanjiCards().empty());
}

TEST_F(KanjiSearchDialogTest, PagingButtonsShowWhereThereIsAPageToGoTo) {
    const auto dialog = Open();
    Child<QLineEdit>(*dialog, "readingEdit").setText(QStringLiteral("ki"));
    Button(*dialog, "searchButton").click();
    QPushButton& back = Button(*dialog, "previousPageButton");
    QPushButton& next = Button(*dialog, "nextPageButton");
    EXPECT_EQ(List(*dialog).topLevelItemCount(), 10);
    EXPECT_TRUE(back.isHidden());
    EXPECT_FALSE(next.isHidden());
    next.setFocus();
    next.click();
    EXPECT_EQ(List(*dialog).topLevelItemCount(), 2);
    EXPECT_TRUE(next.isHidden());
    EXPECT_TRUE(back.hasFocus());  // Return goes on paging
    ClickRow(*dialog, 1);
    back.click();
    EXPECT_FALSE(next.isHidden());
    EXPECT_TRUE(back.isHidden());
    // The selection stays what was chosen on the other page.
    EXPECT_EQ(dialog->findChild<CJapaneseTextWidget*>(QStringLiteral("selectedKanji"))->Text(),
              std::string({'\x8a', 0x4b}));
}

TEST_F(KanjiSearchDialogTest, NoTwoButtonsShareAMnemonic) {
    for (int mode : {0, 1, 2}) {
        const auto dialog = Open(mode);
        QString letters;
        for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
            const qsizetype at = button->text().indexOf(QLatin1Char('&'));
            if (at < 0) continue;
            const QChar letter = button->text().at(at + 1).toLower();
            EXPECT_FALSE(letters.contains(letter)) << button->text().toStdString();
            letters += letter;
        }
        EXPECT_EQ(letters.size(), 8);  // every button but "Exit"
    }
}

TEST_F(KanjiSearchDialogTest, ShiftJisNeedsAJapaneseFont) {
    const auto dialog = Open();
    Child<QComboBox>(*dialog, "referenceList").setCurrentIndex(CKanjiSearch::kShiftJisRow);
    Child<QLineEdit>(*dialog, "numberEdit").setText(QStringLiteral("88ea"));
    Button(*dialog, "findButton").click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{CKanjiSearch::kNoFontMessage});
    EXPECT_EQ(List(*dialog).topLevelItemCount(), 0);
}

}  // namespace
}  // namespace brushly
