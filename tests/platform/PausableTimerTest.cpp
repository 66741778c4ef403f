// The drills' countdown stands still while a modal dialog is open.
#include "platform/CPausableTimer.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "support/QtTestApplication.h"

namespace brushly {
namespace {

// Runs the event loop for about milliseconds.
void RunFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until done() or the limit (milliseconds) has passed.
template <class Done>
void RunUntil(Done done, int limit) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limit)
        RunFor(CPausableTimer::kTickMilliseconds);
}

TEST(PausableTimer, ExpiresOnceAfterItsTime) {
    testing::EnsureQtApplication();
    int expired = 0;
    CPausableTimer timer([&expired] { ++expired; });
    EXPECT_FALSE(timer.Active());
    timer.Start(100);
    EXPECT_TRUE(timer.Active());
    RunUntil([&] { return expired > 0; }, 5000);
    EXPECT_EQ(expired, 1);
    EXPECT_FALSE(timer.Active());
    RunFor(200);
    EXPECT_EQ(expired, 1);

    timer.Start(100);
    timer.Stop();
    RunFor(200);
    EXPECT_EQ(expired, 1);
}

TEST(PausableTimer, StandsStillWhileAModalDialogIsOpen) {
    testing::EnsureQtApplication();
    int expired = 0;
    CPausableTimer timer([&expired] { ++expired; });
    QDialog dialog;
    dialog.setModal(true);
    dialog.show();
    ASSERT_TRUE(CPausableTimer::Paused());
    timer.Start(100);
    RunFor(400);  // four times its time, all of it behind the dialog
    EXPECT_EQ(expired, 0);
    EXPECT_EQ(timer.Remaining(), 100);
    dialog.hide();
    EXPECT_FALSE(CPausableTimer::Paused());
    RunUntil([&] { return expired > 0; }, 5000);
    EXPECT_EQ(expired, 1);
}

}  // namespace
}  // namespace brushly
