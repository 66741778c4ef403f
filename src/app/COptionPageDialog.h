#pragma once

#include <QDialog>
#include <functional>

namespace brushly {

// Runs one page of the options on its own as a modal dialog titled with the page's name,
// with OK and Cancel below it. OK closes the dialog only when the page's leave check allows
// it, so a refused or declined check keeps the user on the page.
class COptionPageDialog final : public QDialog {
public:
    // Takes ownership of `page`. `canLeave` is asked on OK; an empty function always allows.
    COptionPageDialog(const QString& title, QWidget* page, std::function<bool()> canLeave,
                      QWidget* parent = nullptr);

    // Shows the dialog modally; true when it was left with OK.
    bool Run();

private:
    std::function<bool()> m_canLeave;
};

}  // namespace brushly
