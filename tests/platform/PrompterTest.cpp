#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform/CQtPrompter.h"
#include "platform/CScriptedPrompter.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

TEST(ScriptedPrompter, RecordsEveryTextAndAnswersFromTheScript) {
    CScriptedPrompter prompter;
    prompter.ScriptAnswers({true, false});
    prompter.Information("Saved.");
    EXPECT_TRUE(prompter.AskYesNo("Review the cards again?"));
    prompter.Stop("Cannot load the kanji database.");
    EXPECT_FALSE(prompter.AskYesNo("Delete the Word Group?"));

    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{"Saved.", "Review the cards again?",
                                                          "Cannot load the kanji database.",
                                                          "Delete the Word Group?"}));
    EXPECT_FALSE(prompter.Entries()[0].isQuestion);
    EXPECT_TRUE(prompter.Entries()[1].isQuestion);
    EXPECT_EQ(prompter.Entries()[2].kind, CPrompter::Kind::Stop);
    EXPECT_EQ(prompter.UnusedAnswers(), 0u);
}

TEST(ScriptedPrompter, AnUnscriptedQuestionFailsLoudly) {
    CScriptedPrompter prompter;
    try {
        prompter.AskYesNo("Overwrite?");
        FAIL() << "answered an unscripted question";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "unscripted question: Overwrite?");
    }
}

// Presses the button with the given text in the next modal message box.
void PressInNextMessageBox(QMessageBox::StandardButton button, QString* seenText) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *seenText = box->text();
        box->button(button)->click();
    });
}

TEST(QtPrompter, ShowsShiftJisTextAndReturnsTheAnswer) {
    testing::EnsureQtApplication();
    CQtPrompter prompter;
    QString seen;
    PressInNextMessageBox(QMessageBox::Yes, &seen);
    EXPECT_TRUE(prompter.AskYesNo("\x8a\xbf\x8e\x9a?"));
    EXPECT_EQ(seen, QStringLiteral("漢字?"));
    PressInNextMessageBox(QMessageBox::No, &seen);
    EXPECT_FALSE(prompter.AskYesNo("Again?"));
    PressInNextMessageBox(QMessageBox::Ok, &seen);
    prompter.Error("Failed.");
    EXPECT_EQ(seen, QStringLiteral("Failed."));
}

}  // namespace
}  // namespace brushly
