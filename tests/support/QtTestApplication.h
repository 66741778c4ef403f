#pragma once

#include <QApplication>

namespace brushly::testing {

// Creates the process's one QApplication on first use and keeps it for good, so test cases
// that need Qt (widgets, fonts, painting) share it whatever order they run in. It is never
// destroyed: at exit, after Qt's own globals are gone, the input devices that synthesised
// mouse and key events create would crash its destructor.
inline void EnsureQtApplication() {
    static int argc = 1;
    static char name[] = "brushly_tests";
    static char* argv[] = {name, nullptr};
    static const QApplication* const application = new QApplication(argc, argv);
    static_cast<void>(application);
}

}  // namespace brushly::testing
