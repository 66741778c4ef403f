#include "app/wordgroup/qt/CTargetGroupDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/wordgroup/CCardCommands.h"
#include "handwriting/CJapaneseTextDelegate.h"
#include "platform/ShiftJis.h"

namespace brushly {

CTargetGroupDialog::CTargetGroupDialog(const CFlashcardSet& cards, const CJapaneseTextStyle& style,
                                       QWidget* parent)
    : QDialog(parent), m_groups(new QListWidget(this)) {
    setWindowTitle(QString::fromLatin1(CCardCommands::kTargetTitle));
    m_groups->setObjectName(QStringLiteral("targetGroups"));
    m_groups->setSelectionMode(QAbstractItemView::MultiSelection);
    m_groups->setItemDelegate(new CJapaneseTextDelegate(style, m_groups));
    for (const std::string& name : cards.GroupNames())
        m_groups->addItem(QString::fromStdString(sjis::ToUtf8(name)));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_groups);
    layout->addWidget(buttons);
    resize(300, 360);
}

std::vector<std::string> CTargetGroupDialog::Chosen() const {
    std::vector<std::string> chosen;
    for (int row = 0; row < m_groups->count(); ++row) {
        const QListWidgetItem* item = m_groups->item(row);
        if (item->isSelected()) chosen.push_back(sjis::FromUtf8(item->text().toStdString()));
    }
    return chosen;
}

std::vector<std::string> CTargetGroupDialog::Choose(const CFlashcardSet& cards,
                                                    const CJapaneseTextStyle& style,
                                                    QWidget* parent) {
    CTargetGroupDialog dialog(cards, style, parent);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.Chosen();
}

}  // namespace brushly
