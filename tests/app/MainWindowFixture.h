#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <memory>

#include "app/CApplicationUnderTest.h"
#include "app/CMainWindow.h"
#include "document/CBrushly2Doc.h"
#include "support/QtTestApplication.h"

namespace brushly::testing {

// A started application over the small kanji database (without compound libraries, whose
// missing-file message the prompter takes) and its main window.
class MainWindowFixture : public ::testing::Test, protected CApplicationUnderTest {
protected:
    MainWindowFixture() {
        testing::EnsureQtApplication();
        EXPECT_EQ(m_application.Start(""), 0);
        m_prompter.Clear();
        m_window = std::make_unique<CMainWindow>(m_application);
    }

    QAction* Action(const char* name) {
        return m_window->findChild<QAction*>(QString::fromLatin1(name));
    }

    std::unique_ptr<CMainWindow> m_window;
};

}  // namespace brushly::testing
