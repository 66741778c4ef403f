#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;

namespace brushly {

// "Japanese Font NOT INSTALLED": tells the user that Japanese text is drawn from the
// program's own character database, offers help on installing a Mincho font and the check
// box "DO NOT show this warning each start". "CONTINUE" closes it.
class CFontWarningDialog final : public QDialog {
public:
    // showHelp opens a help topic by number (kInstallingMinchoTopic here); without it "How to
    // Install MS MINCHO" is disabled.
    CFontWarningDialog(std::function<void(int topic)> showHelp, QWidget* parent = nullptr);

    bool DoNotShowAgain() const;

private:
    QCheckBox* m_doNotShow;
};

}  // namespace brushly
