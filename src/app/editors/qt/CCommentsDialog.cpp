#include "app/editors/qt/CCommentsDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/editors/qt/EditorWidgets.h"

namespace brushly {

CCommentsDialog::CCommentsDialog(const char* prompt, const std::string& comments, QWidget* parent)
    : QDialog(parent), m_text(new QPlainTextEdit(SjisToQString(comments), this)) {
    setObjectName(QStringLiteral("commentsDialog"));
    setWindowTitle(QString::fromLatin1(kTitle));
    m_text->setObjectName(QStringLiteral("commentsEdit"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editors::Label(prompt, this));
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);
    resize(360, 220);
}

std::string CCommentsDialog::Comments() const {
    return QStringToSjis(m_text->toPlainText());
}

}  // namespace brushly
