#pragma once

#include <QMainWindow>

namespace brushly {

// The program's main frame: for now a window with the File menu's Exit.
class CMainWindow final : public QMainWindow {
public:
    explicit CMainWindow(QWidget* parent = nullptr);
};

}  // namespace brushly
