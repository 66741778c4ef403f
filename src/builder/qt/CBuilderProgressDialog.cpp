#include "builder/qt/CBuilderProgressDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace brushly {

namespace {
// The bar's steps between two looks at the user's input; every step would slow the work.
constexpr int kEventsEvery = 50;
}  // namespace

CBuilderProgressDialog::CBuilderProgressDialog(const QString& text, Work work, QWidget* parent)
    : QDialog(parent),
      m_work(std::move(work)),
      m_bar(new QProgressBar(this)),
      m_cancelButton(new QPushButton(QStringLiteral("Cancel"), this)) {
    setWindowTitle(QString::fromLatin1(kTitle));
    setModal(true);
    setMinimumWidth(420);
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("progressText"));
    m_bar->setRange(0, CCompoundSelector::kProgressScale);
    m_bar->setValue(0);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_cancelButton, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &CBuilderProgressDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_bar);
    layout->addWidget(buttons);

    m_startTimer.setSingleShot(true);
    m_closeTimer.setSingleShot(true);
    connect(&m_startTimer, &QTimer::timeout, this, &CBuilderProgressDialog::RunWork);
    connect(&m_closeTimer, &QTimer::timeout, this, &QDialog::accept);
}

void CBuilderProgressDialog::Run(const QString& text, Work work, QWidget* parent) {
    CBuilderProgressDialog dialog(text, std::move(work), parent);
    dialog.exec();
}

int CBuilderProgressDialog::Position() const {
    return m_bar->value();
}

void CBuilderProgressDialog::AllowCancel(bool allowed) {
    m_cancelButton->setEnabled(allowed && !m_cancelRequested);
}

void CBuilderProgressDialog::reject() {
    // The dialog closes only by itself, after the work: before, closing would lose the user's
    // choice; during, it would leave the work running behind no window.
    if (!m_cancelButton->isEnabled()) return;
    m_cancelRequested = true;
    m_cancelButton->setEnabled(false);
}

void CBuilderProgressDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        m_startTimer.start(kStartDelayMs);
    }
}

void CBuilderProgressDialog::ShowPosition(int position) {
    const bool looksAtInput = position / kEventsEvery != m_bar->value() / kEventsEvery;
    m_bar->setValue(position);
    if (looksAtInput && m_cancelButton->isEnabled()) QCoreApplication::processEvents();
}

void CBuilderProgressDialog::RunWork() {
    m_work([this](int position) { ShowPosition(position); }, *this);
    m_cancelButton->setEnabled(false);
    if (!m_cancelRequested) m_bar->setValue(m_bar->maximum());
    m_done = true;
    m_closeTimer.start(kCloseDelayMs);
}

}  // namespace brushly
