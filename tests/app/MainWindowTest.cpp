#include <gtest/gtest.h>

#include <QAction>

#include "app/CMainWindow.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

TEST(MainWindow, OpensAndClosesThroughExit) {
    testing::EnsureQtApplication();
    CMainWindow window;
    window.show();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Brushly"));
    auto* exitAction = window.findChild<QAction*>(QStringLiteral("exitAction"));
    ASSERT_NE(exitAction, nullptr);
    exitAction->trigger();
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace brushly
