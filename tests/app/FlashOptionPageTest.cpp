// The Flash View options page and its three dialogs, driven through their controls
// offscreen: the values shown, the values taken over, and what leaving the page says.
#include "app/CFlashOptionPage.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "app/CKanjiFlashcardOptionsDialog.h"
#include "app/COptionSheet.h"
#include "app/CQuizModeOptionsDialog.h"
#include "app/CVerbOptionsDialog.h"
#include "platform/CScriptedPrompter.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

// The button of `root` reading `text`, of type TButton.
template <class TButton>
TButton* Button(const QWidget& root, const char* text) {
    for (TButton* button : root.findChildren<TButton*>())
        if (button->text() == QString::fromLatin1(text)) return button;
    ADD_FAILURE() << "no button " << text;
    return nullptr;
}

void Press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    dialog.findChild<QDialogButtonBox*>()->button(which)->click();
}

// Runs `act` on the dialog that the next modal loop opens; a dialog `act` leaves open is
// cancelled so that a failing test cannot hang.
void WhenModal(std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

// Every field away from its default (kanji display 1 keeps the Compounds box usable).
CFlashOptions Unusual() {
    CFlashOptions options;
    options.kanjiDisplay = 1;
    options.quizMode = 2;
    options.timeLimit = 0;
    options.timeLimitSeconds = 12.5;
    options.autoFlip = 1;
    options.autoFlipSeconds = 7.25;
    options.includeKanji = 0;
    options.includeCompounds = 0;
    options.includeKanaWords = 0;
    options.counterForms = 0;
    options.shuffleOrder = 2;
    for (auto field : {&CFlashOptions::showReadings, &CFlashOptions::showInflectedVerbs,
                       &CFlashOptions::showReferenceIndices, &CFlashOptions::showRecognitionData,
                       &CFlashOptions::showComments})
        options.*field = 0;
    options.desiredAnswer = 1;
    options.readingKind = 2;
    options.distracterSource = 2;
    options.compoundSource = 1;
    for (const CVerbOptionsDialog::Choice& choice : CVerbOptionsDialog::kChoices)
        options.*choice.field = 1 - options.*choice.field;
    options.verbReserved = 7;
    return options;
}

class FlashOptionPageTest : public ::testing::Test {
protected:
    FlashOptionPageTest() { testing::EnsureQtApplication(); }

    CScriptedPrompter m_prompter;
};

TEST_F(FlashOptionPageTest, ANewRecordShowsTheDefaults) {
    const CFlashOptions defaults;
    CFlashOptionPage page(defaults, 1, true, m_prompter);
    EXPECT_TRUE(Button<QRadioButton>(page, "Multiple Choice")->isChecked());
    EXPECT_TRUE(Button<QCheckBox>(page, "Time Limit:")->isChecked());
    EXPECT_FALSE(Button<QCheckBox>(page, "Auto \"Flip\":")->isChecked());
    EXPECT_EQ(page.findChild<QLineEdit*>("timeLimitSeconds")->text(), QStringLiteral("5"));
    EXPECT_EQ(page.findChild<QLineEdit*>("autoFlipSeconds")->text(), QStringLiteral("2"));
    for (const char* box : {"Kanji", "Compounds", "Kana Words", "Counters", "Show Readings",
                            "Show Inflected Verb Forms", "Show Reference Indices",
                            "Show Recognition Data", "Show Comments"})
        EXPECT_TRUE(Button<QCheckBox>(page, box)->isChecked()) << box;
    EXPECT_TRUE(Button<QRadioButton>(page, "Only One")->isChecked());
    EXPECT_TRUE(Button<QRadioButton>(page, "Random")->isChecked());
    EXPECT_NE(Button<QRadioButton>(page, "Recognition performance\n(most missed first)"), nullptr);
    EXPECT_EQ(page.Options(), defaults);

    const CVerbOptionsDialog verbs(defaults);
    for (const char* on : {"Affirmative", "Negative", "Informal", "Formal", "Indicative",
                           "Gerund (te)", "Tentative"})
        EXPECT_TRUE(Button<QCheckBox>(verbs, on)->isChecked()) << on;
    EXPECT_FALSE(Button<QCheckBox>(verbs, "Representative")->isChecked());
}

TEST_F(FlashOptionPageTest, EveryFieldRoundTripsThroughThePageAndItsDialogs) {
    const CFlashOptions unusual = Unusual();
    EXPECT_EQ(CFlashOptionPage(unusual, 0, true, m_prompter).Options(), unusual);

    CFlashOptions copied;
    CQuizModeOptionsDialog(unusual).CopyTo(copied);
    const CKanjiFlashcardOptionsDialog kanji(unusual, 0, true);
    kanji.CopyTo(copied);
    EXPECT_EQ(kanji.CommonWordsOnly(), 0);
    // The dialogs take over their own fields and nothing else.
    CFlashOptions expected;
    for (auto field : {&CFlashOptions::kanjiDisplay, &CFlashOptions::compoundSource,
                       &CFlashOptions::desiredAnswer, &CFlashOptions::readingKind,
                       &CFlashOptions::distracterSource})
        expected.*field = unusual.*field;
    for (const CVerbOptionsDialog::Choice& choice : CVerbOptionsDialog::kChoices)
        expected.*choice.field = unusual.*choice.field;
    EXPECT_EQ(copied, expected);
}

TEST_F(FlashOptionPageTest, TheDialogButtonsEditTheirFieldsAndCancelKeepsThem) {
    CFlashOptionPage page(CFlashOptions{}, 1, false, m_prompter);
    WhenModal([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quiz Mode Options"));
        Button<QRadioButton>(dialog, "Brushly Database(s)")->click();
        Button<QRadioButton>(dialog, "English meaning")->click();
        Button<QRadioButton>(dialog, "Kun reading")->click();
        Press(dialog, QDialogButtonBox::Ok);
    });
    Button<QPushButton>(page, "Quiz Mode Options")->click();
    EXPECT_EQ(page.Options().distracterSource, 2);
    EXPECT_EQ(page.Options().desiredAnswer, 1);
    EXPECT_EQ(page.Options().readingKind, 2);

    // Verb forms accepted in their dialog are lost with a cancelled Kanji Flashcard Options.
    WhenModal([](QDialog& dialog) {
        EXPECT_FALSE(Button<QCheckBox>(dialog, "Only include commonly used words (EDICT only)")
                         ->isEnabled());
        Button<QRadioButton>(dialog, "Random Verb Inflection")->click();
        WhenModal([](QDialog& verbs) {
            EXPECT_EQ(verbs.windowTitle(), QStringLiteral("Kanji Verb Flashcard Options"));
            Button<QCheckBox>(verbs, "Imperative")->click();
            Press(verbs, QDialogButtonBox::Ok);
        });
        Button<QPushButton>(dialog, "&Verb Options")->click();
        Press(dialog, QDialogButtonBox::Cancel);
    });
    Button<QPushButton>(page, "Kanji Flashcard Options")->click();
    EXPECT_EQ(page.Options(), [] {
        CFlashOptions expected;
        expected.distracterSource = 2;
        expected.desiredAnswer = 1;
        expected.readingKind = 2;
        return expected;
    }());
}

TEST_F(FlashOptionPageTest, RandomCompoundDisplayClearsAndRelabelsCompounds) {
    CFlashOptionPage page(CFlashOptions{}, 1, true, m_prompter);
    WhenModal([](QDialog& dialog) {
        Button<QRadioButton>(dialog, "Random Kanji Compound")->click();
        Button<QRadioButton>(dialog, "Active Brushly File")->click();
        Button<QCheckBox>(dialog, "Only include commonly used words (EDICT only)")->click();
        WhenModal([](QDialog& verbs) {
            Button<QCheckBox>(verbs, "Imperative")->click();
            Press(verbs, QDialogButtonBox::Ok);
        });
        Button<QPushButton>(dialog, "&Verb Options")->click();
        Press(dialog, QDialogButtonBox::Ok);
    });
    Button<QPushButton>(page, "Kanji Flashcard Options")->click();
    QCheckBox* compounds =
        Button<QCheckBox>(page, "Compounds (random compound selected for Kanji flashcards)");
    ASSERT_NE(compounds, nullptr);
    EXPECT_FALSE(compounds->isChecked());
    EXPECT_FALSE(compounds->isEnabled());
    EXPECT_EQ(page.Options().kanjiDisplay, 2);
    EXPECT_EQ(page.Options().compoundSource, 1);
    EXPECT_EQ(page.Options().includeCompounds, 0);
    EXPECT_EQ(page.Options().verbImperative, 1);
    EXPECT_EQ(page.CommonWordsOnly(), 0);

    WhenModal([](QDialog& dialog) {
        Button<QRadioButton>(dialog, "Main Character")->click();
        Press(dialog, QDialogButtonBox::Ok);
    });
    Button<QPushButton>(page, "Kanji Flashcard Options")->click();
    EXPECT_EQ(compounds->text(), QStringLiteral("Compounds"));
    EXPECT_TRUE(compounds->isEnabled());
}

TEST_F(FlashOptionPageTest, LeavingRefusesAnEmptyDeckAndBadSecondsAndAsksBeforeReshuffling) {
    CFlashOptionPage page(CFlashOptions{}, 1, true, m_prompter);
    for (const char* box : {"Kanji", "Compounds", "Kana Words", "Counters"})
        Button<QCheckBox>(page, box)->click();
    EXPECT_FALSE(page.CanLeave());
    Button<QCheckBox>(page, "Kana Words")->click();

    auto* seconds = page.findChild<QLineEdit*>("timeLimitSeconds");
    for (const char* bad : {"0.5", "31", "five"}) {
        seconds->setText(QString::fromLatin1(bad));
        EXPECT_FALSE(page.CanLeave()) << bad;
    }
    seconds->setText(QStringLiteral("2.5"));
    page.findChild<QLineEdit*>("autoFlipSeconds")->setText(QStringLiteral("40"));
    EXPECT_FALSE(page.CanLeave());
    page.findChild<QLineEdit*>("autoFlipSeconds")->setText(QStringLiteral("30"));

    m_prompter.ScriptAnswers({false, true});
    EXPECT_FALSE(page.CanLeave());
    EXPECT_TRUE(page.CanLeave());
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{
                  CFlashOptionPage::kNothingIncludedMessage, CFlashOptionPage::kTimeLimitMessage,
                  CFlashOptionPage::kTimeLimitMessage, CFlashOptionPage::kTimeLimitMessage,
                  CFlashOptionPage::kAutoFlipMessage, CFlashOptionPage::kReshuffleQuestion,
                  CFlashOptionPage::kReshuffleQuestion}));
    EXPECT_EQ(page.Options().timeLimitSeconds, 2.5);

    // Without an open deck nothing is re-shuffled, and only All/Only One alone asks too.
    page.SetFlashViewOpen(false);
    EXPECT_TRUE(page.CanLeave());
    CFlashOptionPage counters(CFlashOptions{}, 1, true, m_prompter);
    Button<QRadioButton>(counters, "All")->click();
    m_prompter.ScriptAnswers({true});
    EXPECT_TRUE(counters.CanLeave());
    EXPECT_EQ(m_prompter.Texts().back(), CFlashOptionPage::kReshuffleQuestion);
    EXPECT_EQ(m_prompter.UnusedAnswers(), 0u);
}

// In the options sheet over an open Flash View, the page's values are taken over on OK only,
// and a No to its question keeps the sheet open.
TEST_F(FlashOptionPageTest, TheSheetTakesTheValuesOverOnOkOnlyAndStaysAfterNo) {
    COptionSheetContext context;
    context.edictDatabase = true;
    context.flashViewOpen = true;
    const auto edit = [&](bool expected) {
        COptionSheet sheet(COptionValues{}, context, OptionTab::kFlashView, m_prompter);
        EXPECT_EQ(sheet.Run(), expected);
        return sheet.Values();
    };
    WhenModal([](QDialog& dialog) {
        Button<QRadioButton>(dialog, "Word Group")->click();
        Press(dialog, QDialogButtonBox::Cancel);
    });
    edit(false);

    m_prompter.ScriptAnswers({false});
    WhenModal([](QDialog& dialog) {
        Button<QRadioButton>(dialog, "Word Group")->click();
        Button<QCheckBox>(dialog, "Counters")->click();
        Press(dialog, QDialogButtonBox::Ok);
        EXPECT_TRUE(dialog.isVisible());
        Button<QCheckBox>(dialog, "Counters")->click();
        Press(dialog, QDialogButtonBox::Ok);
    });
    const COptionValues values = edit(true);
    EXPECT_EQ(values.options.flash.shuffleOrder, 1);
    EXPECT_EQ(values.options.flash.includeCounters, 1);
    EXPECT_EQ(values.commonWordsOnly, 1);
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{CFlashOptionPage::kReshuffleQuestion}));
}

}  // namespace
}  // namespace brushly
