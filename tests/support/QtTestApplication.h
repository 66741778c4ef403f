#pragma once

#include <QApplication>

namespace brushly::testing {

// Creates the process's one QApplication on first use and keeps it until exit, so test
// cases that need Qt (widgets, fonts, painting) share it whatever order they run in.
inline void EnsureQtApplication() {
    static int argc = 1;
    static char name[] = "brushly_tests";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
}

}  // namespace brushly::testing
