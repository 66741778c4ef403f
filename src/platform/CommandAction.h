#pragma once

#include <functional>

class QAction;
class QObject;

namespace brushly {

// A command of a tool bar and pop-up menu: an action owned by `owner` showing `text` (also
// its tool tip, without the "&" that marks a mnemonic), with `statusTip` as the status bar's
// description and `name` as its object name, running `command` when triggered. Texts are ASCII.
QAction* MakeCommandAction(QObject* owner, const char* text, const char* statusTip,
                           const char* name, std::function<void()> command);

}  // namespace brushly
