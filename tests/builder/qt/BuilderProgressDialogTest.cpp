// The progress dialog: the work waits until the dialog is shown and painted, the bar follows
// it, nothing closes the dialog early, and it closes itself after the work; Cancel, Escape
// and closing ask the work to stop only while the work allows it.
#include "builder/qt/CBuilderProgressDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <vector>

#include "support/QtTestApplication.h"

namespace brushly {
namespace {

class BuilderProgressDialogTest : public ::testing::Test {
protected:
    BuilderProgressDialogTest() { testing::EnsureQtApplication(); }
};

TEST_F(BuilderProgressDialogTest, TheWorkStartsOnlyAfterTheDialogIsShown) {
    EXPECT_EQ(CBuilderProgressDialog::kStartDelayMs, 200);
    EXPECT_EQ(CBuilderProgressDialog::kCloseDelayMs, 500);
    int runs = 0;
    CBuilderProgressDialog dialog(QStringLiteral("Working"), [&](const auto&, auto&) { ++runs; });
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Building Flashcards"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("progressText"))->text(),
              QStringLiteral("Working"));
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0);  // not shown yet: the timer has not even started
    dialog.exec();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(dialog.WorkDone());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(BuilderProgressDialogTest, TheBarFollowsTheWorkAndEndsFull) {
    std::vector<int> seen;
    CBuilderProgressDialog* shown = nullptr;
    CBuilderProgressDialog dialog(QStringLiteral("Working"), [&](const auto& progress, auto&) {
        for (int position : {0, 2500, 7000}) {
            progress(position);
            seen.push_back(shown->Position());
        }
    });
    shown = &dialog;
    dialog.exec();
    EXPECT_EQ(seen, (std::vector<int>{0, 2500, 7000}));
    EXPECT_EQ(dialog.Position(), 10000);
}

TEST_F(BuilderProgressDialogTest, EscapeOrCloseBeforeTheWorkAsksItToStopButNeverEndsIt) {
    bool ran = false;
    bool stopAsked = false;
    CBuilderProgressDialog dialog(QStringLiteral("Working"), [&](const auto&, auto& cancel) {
        ran = true;
        stopAsked = cancel.CancelRequested();
    });
    QPushButton* cancel = dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"));
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(cancel->isEnabled());
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.reject();
        dialog.close();
    });
    dialog.exec();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(stopAsked);
    EXPECT_FALSE(cancel->isEnabled());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Position(), 0);  // a stopped work does not end full
}

// The click waits in the queue: the bar's steps let it through while a stop may be asked, and
// not once the work has withdrawn Cancel.
TEST_F(BuilderProgressDialogTest, CancelIsHeardDuringTheWorkUntilItIsWithdrawn) {
    std::vector<bool> heard;
    std::vector<bool> enabled;
    CBuilderProgressDialog* shown = nullptr;
    CBuilderProgressDialog dialog(
        QStringLiteral("Working"), [&](const auto& progress, auto& cancel) {
            QPushButton* button = shown->findChild<QPushButton*>(QStringLiteral("cancelButton"));
            cancel.AllowCancel(false);
            enabled.push_back(button->isEnabled());
            QTimer::singleShot(0, button, &QPushButton::click);
            progress(5000);
            heard.push_back(cancel.CancelRequested());
            cancel.AllowCancel(true);
            enabled.push_back(button->isEnabled());
            progress(6000);
            heard.push_back(cancel.CancelRequested());
            enabled.push_back(button->isEnabled());
        });
    shown = &dialog;
    dialog.exec();
    EXPECT_EQ(heard, (std::vector<bool>{false, true}));
    EXPECT_EQ(enabled, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace brushly
