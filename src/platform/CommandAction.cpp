#include "platform/CommandAction.h"

#include <QAction>
#include <utility>

namespace brushly {

QAction* MakeCommandAction(QObject* owner, const char* text, const char* statusTip,
                           const char* name, std::function<void()> command) {
    auto* action = new QAction(QString::fromLatin1(text), owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(QString::fromLatin1(statusTip));
    // The tool tip is the text as a tool button shows it, without its mnemonic marks.
    action->setToolTip(action->iconText());
    QObject::connect(action, &QAction::triggered, owner, std::move(command));
    return action;
}

}  // namespace brushly
