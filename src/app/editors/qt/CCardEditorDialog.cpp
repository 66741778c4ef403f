#include "app/editors/qt/CCardEditorDialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/editors/CCardEditor.h"
#include "app/editors/qt/CEditorContext.h"
#include "app/editors/qt/EditorWidgets.h"
#include "handwriting/CJapaneseTextDelegate.h"

namespace brushly {

using editors::Button;

CCardEditorDialog::CCardEditorDialog(CCardEditor& editor, CEditorContext& context,
                                     const char* objectName, QWidget* parent)
    : QDialog(parent), m_editor(editor), m_context(context) {
    setObjectName(QString::fromLatin1(objectName));
}

void CCardEditorDialog::Finish(QBoxLayout* content) {
    m_group = new QComboBox(this);
    m_group->setObjectName(QStringLiteral("wordGroupCombo"));
    m_group->setItemDelegate(new CJapaneseTextDelegate(m_context.Style(), m_group));
    for (const std::string& name : m_editor.GroupNames())
        m_group->addItem(SjisToQString(name), QByteArray::fromStdString(name));
    m_group->setMinimumContentsLength(20);
    connect(m_group, &QComboBox::activated, this, &CCardEditorDialog::ChooseGroup);
    m_active = new QCheckBox(QStringLiteral("Active Card"), this);
    m_active->setObjectName(QStringLiteral("activeCheck"));

    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(editors::Label("Word Group:", this));
    groupRow->addWidget(m_group, 1);
    groupRow->addWidget(m_active);

    QPushButton* save = Button("&Save", "saveButton", this);
    QPushButton* saveExit = Button("Save && E&xit", "saveExitButton", this);
    QPushButton* cancel = Button("Cancel", "cancelButton", this);
    connect(save, &QPushButton::clicked, this, [this] { Save(false); });
    connect(saveExit, &QPushButton::clicked, this, [this] { Save(true); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {save, saveExit, cancel})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content, 1);
    layout->addLayout(groupRow);
    layout->addLayout(buttons);
    ShowCard();
    ShowCommon();
}

std::string CCardEditorDialog::Group() const {
    return m_editor.Group();
}

void CCardEditorDialog::ShowCommon() {
    setWindowTitle(QString::fromLatin1(Title()));
    m_group->setCurrentIndex(m_group->findData(QByteArray::fromStdString(m_editor.Group())));
    m_active->setChecked(m_editor.Active());
}

void CCardEditorDialog::ChooseGroup(int index) {
    m_editor.ChooseGroup(m_group->itemData(index).toByteArray().toStdString());
    ShowCommon();
}

void CCardEditorDialog::Save(bool close) {
    TakeFields();
    m_editor.SetActive(m_active->isChecked());
    const bool stored = m_editor.Save();
    if (stored && close) {
        accept();
        return;
    }
    if (stored) ShowCard();
    ShowCommon();
}

void CCardEditorDialog::done(int result) {
    m_context.CloseDemonstration();
    QDialog::done(result);
}

}  // namespace brushly
