#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>

#include "app/CMainWindow.h"

namespace brushly {
namespace {

TEST(MainWindow, OpensAndClosesThroughExit) {
    int argc = 1;
    char name[] = "app_tests";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
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
