#pragma once

#include <QDialog>
#include <QTimer>

#include "app/CBrushlyApplication.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace brushly {

// The modal dialog "Brushly 2.0 - Loading Kanji and Compound Libraries": the counters
// "Kanji Loaded:", "Compounds Loaded:" and "Kana Words Loaded:", a status line and the
// "New EDICT Load progress:" bar, hidden unless an EDICT import runs. kStartDelayMs after
// opening (so that the dialog is painted first) it runs the loading work; a failed work
// closes it with Cancel, a successful one with OK kCloseDelayMs later. Beside the bar, a
// "Cancel" button asks an EDICT import to stop while the import allows it (AllowCancel); only
// then does the dialog take the user's input during the work, and Escape or closing the
// window asks the same. Neither ends the dialog while the work runs.
class CLoadingDialog final : public QDialog, public CStartupDisplay {
public:
    static constexpr int kStartDelayMs = 200;
    static constexpr int kCloseDelayMs = 1500;

    CLoadingDialog(CBrushlyApplication::LoadingWork work, QWidget* parent = nullptr);

    // Shows the dialog modally around work; true when it ended with OK. Fits
    // CBrushlyApplication::LoadingRunner.
    static bool Run(const CBrushlyApplication::LoadingWork& work);
    // The same with the status line in the given Latin face (empty: the default face).
    static bool RunInFace(const CBrushlyApplication::LoadingWork& work, const std::string& face);

    void SetKanjiCount(int count) override;
    void SetStatus(const std::string& text) override;
    void ShowEdictLabel(bool visible) override;
    void ShowEdictBar(bool visible) override;
    void SetProgressRange(int low, int high) override;
    void SetProgressValue(int value) override;
    void SetCompoundCount(int count) override;
    void SetKanaWordCount(int count) override;
    bool CancelRequested() override;
    void AllowCancel(bool allowed) override;

    void reject() override;

private:
    void RunWork();
    // Lets the loop paint; takes the user's input too while Cancel is offered.
    void ProcessEvents();
    // Sets a counter's text, repainting now and then while the work holds the event loop.
    void ShowCount(QLabel* label, int count);

    CBrushlyApplication::LoadingWork m_work;
    QLabel* m_kanjiCount;
    QLabel* m_compoundCount;
    QLabel* m_kanaWordCount;
    QLabel* m_status;
    QLabel* m_edictLabel;
    QProgressBar* m_edictBar;
    QPushButton* m_cancelButton;
    QTimer m_startTimer;
    QTimer m_closeTimer;
    bool m_working = false;
    bool m_cancelRequested = false;
};

}  // namespace brushly
