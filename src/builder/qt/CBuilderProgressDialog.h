#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

#include "builder/CCompoundSelector.h"

class QProgressBar;

namespace brushly {

// The modal dialog "Building Flashcards" around one Flashcard Builder run: a line of text
// and a bar from 0 to CCompoundSelector::kProgressScale. The work starts kStartDelayMs after
// the dialog is shown, so that it is painted first, and runs on the GUI thread; the dialog
// closes itself kCloseDelayMs after the work ends. It cannot be closed or cancelled before.
// The bar repaints itself as it moves; no events are processed during the work, so no
// other command can touch the document half built.
class CBuilderProgressDialog final : public QDialog {
public:
    static constexpr const char* kTitle = "Building Flashcards";
    static constexpr int kStartDelayMs = 200;
    static constexpr int kCloseDelayMs = 500;

    using ProgressCallback = CCompoundSelector::ProgressCallback;
    // The work reports its progress through the callback it is given.
    using Work = std::function<void(const ProgressCallback&)>;

    CBuilderProgressDialog(const QString& text, Work work, QWidget* parent = nullptr);

    // Shows the dialog modally until the work has run and the dialog has closed itself.
    static void Run(const QString& text, Work work, QWidget* parent);

    bool WorkDone() const { return m_done; }
    int Position() const;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RunWork();

    Work m_work;
    QProgressBar* m_bar;
    QTimer m_startTimer;
    QTimer m_closeTimer;
    bool m_started = false;
    bool m_done = false;
};

}  // namespace brushly
