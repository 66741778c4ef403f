#include "builder/qt/CBuilderProgressDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace brushly {

CBuilderProgressDialog::CBuilderProgressDialog(const QString& text, Work work, QWidget* parent)
    : QDialog(parent), m_work(std::move(work)), m_bar(new QProgressBar(this)) {
    setWindowTitle(QString::fromLatin1(kTitle));
    setModal(true);
    setMinimumWidth(420);
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("progressText"));
    m_bar->setRange(0, CCompoundSelector::kProgressScale);
    m_bar->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_bar);

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

void CBuilderProgressDialog::reject() {
    // The work cannot be interrupted, and closing before it ran would lose the user's choice.
}

void CBuilderProgressDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        m_startTimer.start(kStartDelayMs);
    }
}

void CBuilderProgressDialog::RunWork() {
    m_work([this](int position) { m_bar->setValue(position); });
    m_bar->setValue(m_bar->maximum());
    m_done = true;
    m_closeTimer.start(kCloseDelayMs);
}

}  // namespace brushly
