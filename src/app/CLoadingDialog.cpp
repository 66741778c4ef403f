#include "app/CLoadingDialog.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ShiftJis.h"

namespace brushly {

namespace {
// Counters are repainted once per this many entries; every entry would slow an import.
constexpr int kRepaintEvery = 500;
constexpr int kStatusPixelSize = 20;
}  // namespace

CLoadingDialog::CLoadingDialog(CBrushlyApplication::LoadingWork work, QWidget* parent)
    : QDialog(parent),
      m_work(std::move(work)),
      m_kanjiCount(new QLabel(QStringLiteral("0"), this)),
      m_compoundCount(new QLabel(QStringLiteral("0"), this)),
      m_kanaWordCount(new QLabel(QStringLiteral("0"), this)),
      m_status(new QLabel(QString::fromLatin1(CBrushlyApplication::kKanjiStatus), this)),
      m_edictLabel(new QLabel(QStringLiteral("New EDICT Load progress:"), this)),
      m_edictBar(new QProgressBar(this)),
      m_cancelButton(new QPushButton(QStringLiteral("Cancel"), this)) {
    setWindowTitle(QStringLiteral("Brushly 2.0 - Loading Kanji and Compound Libraries"));
    setMinimumWidth(460);
    auto* counters = new QFormLayout;
    counters->addRow(QStringLiteral("Kanji Loaded:"), m_kanjiCount);
    counters->addRow(QStringLiteral("Compounds Loaded:"), m_compoundCount);
    counters->addRow(QStringLiteral("Kana Words Loaded:"), m_kanaWordCount);
    QFont statusFont = m_status->font();
    statusFont.setPixelSize(kStatusPixelSize);
    m_status->setFont(statusFont);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(counters);
    layout->addWidget(m_status);
    layout->addWidget(m_edictLabel);
    auto* barRow = new QHBoxLayout;
    barRow->addWidget(m_edictBar, 1);
    barRow->addWidget(m_cancelButton);
    layout->addLayout(barRow);
    m_edictLabel->hide();
    m_edictBar->hide();
    m_cancelButton->setObjectName(QStringLiteral("cancelImportButton"));
    m_cancelButton->setAutoDefault(false);
    m_cancelButton->setEnabled(false);
    m_cancelButton->hide();
    connect(m_cancelButton, &QPushButton::clicked, this, &CLoadingDialog::reject);

    m_startTimer.setSingleShot(true);
    m_closeTimer.setSingleShot(true);
    connect(&m_startTimer, &QTimer::timeout, this, &CLoadingDialog::RunWork);
    connect(&m_closeTimer, &QTimer::timeout, this, &QDialog::accept);
    m_startTimer.start(kStartDelayMs);
}

bool CLoadingDialog::Run(const CBrushlyApplication::LoadingWork& work) {
    return RunInFace(work, {});
}

bool CLoadingDialog::RunInFace(const CBrushlyApplication::LoadingWork& work,
                               const std::string& face) {
    CLoadingDialog dialog(work);
    if (!face.empty()) {
        QFont statusFont = dialog.m_status->font();
        statusFont.setFamily(QString::fromStdString(face));
        dialog.m_status->setFont(statusFont);
    }
    return dialog.exec() == QDialog::Accepted;
}

void CLoadingDialog::RunWork() {
    m_working = true;
    const bool loaded = m_work(*this);
    m_working = false;
    if (!loaded) {
        reject();
        return;
    }
    m_closeTimer.start(kCloseDelayMs);
}

void CLoadingDialog::reject() {
    if (!m_working) {
        QDialog::reject();
        return;
    }
    if (m_cancelButton->isEnabled()) {
        m_cancelRequested = true;
        m_cancelButton->setEnabled(false);
    }
}

void CLoadingDialog::ProcessEvents() {
    QCoreApplication::processEvents(
        m_cancelButton->isEnabled() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

bool CLoadingDialog::CancelRequested() {
    return m_cancelRequested;
}

void CLoadingDialog::AllowCancel(bool allowed) {
    if (allowed) m_cancelRequested = false;
    m_cancelButton->setEnabled(allowed);
}

void CLoadingDialog::ShowCount(QLabel* label, int count) {
    label->setText(QString::number(count));
    if (count % kRepaintEvery == 0) ProcessEvents();
}

void CLoadingDialog::SetKanjiCount(int count) {
    m_kanjiCount->setText(QString::number(count));
    ProcessEvents();
}

void CLoadingDialog::SetStatus(const std::string& text) {
    m_status->setText(QString::fromStdString(sjis::ToUtf8(text)));
    ProcessEvents();
}

void CLoadingDialog::ShowEdictLabel(bool visible) {
    m_edictLabel->setVisible(visible);
}

void CLoadingDialog::ShowEdictBar(bool visible) {
    m_edictBar->setVisible(visible);
    m_cancelButton->setVisible(visible);
}

void CLoadingDialog::SetProgressRange(int low, int high) {
    m_edictBar->setRange(low, high);
}

void CLoadingDialog::SetProgressValue(int value) {
    m_edictBar->setValue(value);
    ProcessEvents();
}

void CLoadingDialog::SetCompoundCount(int count) {
    ShowCount(m_compoundCount, count);
}

void CLoadingDialog::SetKanaWordCount(int count) {
    ShowCount(m_kanaWordCount, count);
}

}  // namespace brushly
