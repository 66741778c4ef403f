#pragma once

#include <string>

#include "platform/CCancellation.h"

namespace brushly {

// What the dictionary step of start-up shows in the loading dialog. The dialog implements
// it; the engine never sees a widget. Calls arrive on the GUI thread while the dialog is
// modal; the counts arrive once per entry added or array loaded, so an implementation may
// choose to repaint less often. As a CCancellation it offers the stop of an EDICT import while
// the file is read: AllowCancel(true) when the reading starts, AllowCancel(false) before the
// libraries' files are replaced or once the import has stopped.
class CLoadingDisplay : public CCancellation {
public:
    virtual ~CLoadingDisplay() = default;

    // The dialog's status line.
    virtual void SetStatus(const std::string& text) = 0;
    // The "New EDICT Load progress:" label.
    virtual void ShowEdictLabel(bool visible) = 0;
    // The EDICT progress bar.
    virtual void ShowEdictBar(bool visible) = 0;
    virtual void SetProgressRange(int low, int high) = 0;
    virtual void SetProgressValue(int value) = 0;
    // The "Compounds Loaded:" and "Kana Words Loaded:" fields.
    virtual void SetCompoundCount(int count) = 0;
    virtual void SetKanaWordCount(int count) = 0;
};

// The display of a start without a loading dialog (the command-line tool, benchmarks): it
// shows nothing.
class CSilentLoadingDisplay final : public CLoadingDisplay {
public:
    void SetStatus(const std::string&) override {}
    void ShowEdictLabel(bool) override {}
    void ShowEdictBar(bool) override {}
    void SetProgressRange(int, int) override {}
    void SetProgressValue(int) override {}
    void SetCompoundCount(int) override {}
    void SetKanaWordCount(int) override {}
    bool CancelRequested() override { return false; }
    void AllowCancel(bool) override {}
};

}  // namespace brushly
