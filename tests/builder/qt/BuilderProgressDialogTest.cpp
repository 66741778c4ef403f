// The progress dialog: the work waits until the dialog is shown and painted, the bar follows
// it, nothing closes the dialog early, and it closes itself after the work.
#include "builder/qt/CBuilderProgressDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
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
    CBuilderProgressDialog dialog(QStringLiteral("Working"), [&](const auto&) { ++runs; });
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
    CBuilderProgressDialog dialog(QStringLiteral("Working"), [&](const auto& progress) {
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

TEST_F(BuilderProgressDialogTest, NeitherEscapeNorCloseEndsItBeforeTheWork) {
    bool ran = false;
    CBuilderProgressDialog dialog(QStringLiteral("Working"), [&](const auto&) { ran = true; });
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.reject();
        dialog.close();
    });
    dialog.exec();
    EXPECT_TRUE(ran);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace brushly
