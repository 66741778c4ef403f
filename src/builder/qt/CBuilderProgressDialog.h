#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

#include "builder/CCompoundSelector.h"
#include "platform/CCancellation.h"

class QProgressBar;
class QPushButton;

namespace brushly {

// The modal dialog "Building Flashcards" around one Flashcard Builder run: a line of text, a
// bar from 0 to CCompoundSelector::kProgressScale and a "Cancel" button. The work starts
// kStartDelayMs after the dialog is shown, so that it is painted first, and runs on the GUI
// thread; the dialog closes itself kCloseDelayMs after the work ends, never before.
// As the work's CCancellation: Cancel (or Escape, or closing the window) asks the work to
// stop while it allows it; the work withdraws that before it touches the document. Only
// while a stop may be asked does the dialog take the user's input during the work; after
// that no events but painting are processed, so no other command can touch the document
// half built.
class CBuilderProgressDialog final : public QDialog, public CCancellation {
public:
    static constexpr const char* kTitle = "Building Flashcards";
    static constexpr int kStartDelayMs = 200;
    static constexpr int kCloseDelayMs = 500;

    using ProgressCallback = CCompoundSelector::ProgressCallback;
    // The work reports its progress through the callback it is given and asks the
    // cancellation between its steps.
    using Work = std::function<void(const ProgressCallback&, CCancellation&)>;

    CBuilderProgressDialog(const QString& text, Work work, QWidget* parent = nullptr);

    // Shows the dialog modally until the work has run and the dialog has closed itself.
    static void Run(const QString& text, Work work, QWidget* parent);

    bool WorkDone() const { return m_done; }
    int Position() const;

    bool CancelRequested() override { return m_cancelRequested; }
    void AllowCancel(bool allowed) override;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RunWork();
    void ShowPosition(int position);

    Work m_work;
    QProgressBar* m_bar;
    QPushButton* m_cancelButton;
    QTimer m_startTimer;
    QTimer m_closeTimer;
    bool m_started = false;
    bool m_done = false;
    bool m_cancelRequested = false;
};

}  // namespace brushly
