#include "app/COptionPageDialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace brushly {

COptionPageDialog::COptionPageDialog(const QString& title, QWidget* page,
                                     std::function<bool()> canLeave, QWidget* parent)
    : QDialog(parent), m_canLeave(std::move(canLeave)) {
    setWindowTitle(title);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (!m_canLeave || m_canLeave()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page);
    layout->addWidget(buttons);
}

bool COptionPageDialog::Run() {
    return exec() == QDialog::Accepted;
}

}  // namespace brushly
