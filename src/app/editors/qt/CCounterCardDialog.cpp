#include "app/editors/qt/CCounterCardDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/editors/qt/CCommentsDialog.h"
#include "app/editors/qt/CEditorContext.h"
#include "app/editors/qt/CMainCharacterBox.h"
#include "app/editors/qt/EditorWidgets.h"
#include "handwriting/CJapaneseTextDelegate.h"
#include "lookup/RomajiKana.h"

namespace brushly {

using editors::Button;
using editors::Label;

namespace {
enum FormColumn { kNumberColumn = 0, kRomajiColumn = 1, kKanaColumn = 2 };
}  // namespace

CCounterCardDialog::CCounterCardDialog(CCounterCardEditor& editor, CEditorContext& context,
                                       QWidget* parent)
    : CCardEditorDialog(editor, context, "counterCardDialog", parent), m_editor(editor) {
    auto* top = new QHBoxLayout;
    top->addLayout(BuildCharacter());
    top->addLayout(BuildExpansion());
    QPushButton* comments = Button("Edit &Comments", "editCommentsButton", this);
    connect(comments, &QPushButton::clicked, this, [this] {
        CCommentsDialog dialog(CCounterCardEditor::kCommentsPrompt, m_editor.Working().comments,
                               this);
        if (dialog.exec() == QDialog::Accepted) m_editor.SetComments(dialog.Comments());
    });
    auto* content = new QVBoxLayout;
    content->addLayout(top);
    content->addLayout(BuildForms(), 1);
    content->addWidget(comments, 0, Qt::AlignLeft);
    Finish(content);
}

QLayout* CCounterCardDialog::BuildCharacter() {
    m_character = new CMainCharacterBox(
        Context(), kCharacterSize, [this](const std::string& text) { m_editor.SetCharacter(text); },
        [this] { return m_editor.Record(); }, this);
    m_character->SetChangedListener(
        [this] { m_character->ShowCharacter(m_editor.Working().character); });

    m_meaning = editors::Edit("meaningEdit", this);
    m_romaji = editors::Edit("romajiEdit", this);
    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("typeCombo"));
    m_type->addItems({QStringLiteral("Count"), QStringLiteral("Name")});
    auto* fields = new QGridLayout;
    fields->addWidget(Label("Meaning:", this), 0, 0);
    fields->addWidget(m_meaning, 0, 1);
    fields->addWidget(Label("Romaji:", this), 1, 0);
    fields->addWidget(m_romaji, 1, 1);
    fields->addWidget(Label("Type:", this), 2, 0);
    fields->addWidget(m_type, 2, 1);

    auto* layout = new QVBoxLayout;
    layout->addWidget(m_character);
    layout->addLayout(fields);
    return layout;
}

QLayout* CCounterCardDialog::BuildForms() {
    m_forms = new QTreeWidget(this);
    m_forms->setObjectName(QStringLiteral("formList"));
    m_forms->setRootIsDecorated(false);
    m_forms->setHeaderLabels(
        {QStringLiteral("Number"), QStringLiteral("Romaji"), QStringLiteral("Kana")});
    m_forms->setItemDelegateForColumn(kKanaColumn,
                                      new CJapaneseTextDelegate(Context().Style(), m_forms));
    m_forms->setMinimumHeight(150);
    m_forms->header()->resizeSection(kNumberColumn, 70);
    m_forms->header()->resizeSection(kRomajiColumn, 140);
    m_number = new QComboBox(this);
    m_number->setObjectName(QStringLiteral("numberCombo"));
    m_number->addItem(QString());
    for (const char* number : CCounterCardEditor::kNumbers)
        m_number->addItem(QString::fromLatin1(number));
    m_formRomaji = editors::Edit("formRomajiEdit", this);
    QPushButton* add = Button("&Add", "addFormButton", this);
    m_deleteForm = Button("&Delete", "deleteFormButton", this);
    connect(add, &QPushButton::clicked, this, [this] {
        if (!m_editor.AddForm(m_number->currentText().toStdString(),
                              QStringToSjis(m_formRomaji->text())))
            return;
        m_number->setCurrentIndex(0);
        m_formRomaji->clear();
        ShowForms();
    });
    connect(m_deleteForm, &QPushButton::clicked, this, [this] {
        const QModelIndex current = m_forms->currentIndex();
        if (current.isValid() && m_editor.DeleteForm(static_cast<std::size_t>(current.row())))
            ShowForms();
    });
    connect(m_forms, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_deleteForm->setEnabled(!m_forms->selectedItems().isEmpty()); });
    auto* inputs = new QHBoxLayout;
    inputs->addWidget(Label("Number:", this));
    inputs->addWidget(m_number);
    inputs->addWidget(Label("Romaji:", this));
    inputs->addWidget(m_formRomaji, 1);
    inputs->addWidget(add);
    inputs->addWidget(m_deleteForm);
    auto* box = new QGroupBox(QStringLiteral("Counters"), this);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(m_forms, 1);
    boxLayout->addLayout(inputs);
    auto* layout = new QVBoxLayout;
    layout->addWidget(box);
    return layout;
}

QLayout* CCounterCardDialog::BuildExpansion() {
    auto* box = new QGroupBox(QStringLiteral("Auto Expansion"), this);
    m_root = editors::Edit("rootEdit", box);
    m_prefix = new QRadioButton(QStringLiteral("'Prefix'"), box);
    m_prefix->setObjectName(QStringLiteral("prefixRadio"));
    auto* postfix = new QRadioButton(QStringLiteral("'Postfix'"), box);
    postfix->setObjectName(QStringLiteral("postfixRadio"));
    postfix->setChecked(true);
    QPushButton* sino = Button("&Ichi, ni...", "ichiNiButton", box);
    QPushButton* native = Button("&Hito, futa...", "hitoFutaButton", box);
    connect(sino, &QPushButton::clicked, this, [this] { Expand(false); });
    connect(native, &QPushButton::clicked, this, [this] { Expand(true); });
    auto* layout = new QGridLayout(box);
    layout->addWidget(Label("Root:", box), 0, 0);
    layout->addWidget(m_root, 0, 1, 1, 2);
    layout->addWidget(m_prefix, 1, 1);
    layout->addWidget(postfix, 1, 2);
    layout->addWidget(sino, 2, 1);
    layout->addWidget(native, 2, 2);
    layout->setRowStretch(3, 1);
    auto* outer = new QVBoxLayout;
    outer->addWidget(box);
    return outer;
}

void CCounterCardDialog::ShowCard() {
    const CCounterCard& card = m_editor.Working();
    m_meaning->setText(SjisToQString(card.meaning));
    m_romaji->setText(SjisToQString(card.romaji));
    m_type->setCurrentIndex(card.counterType == CCounterCard::kName ? 1 : 0);
    m_character->ShowCharacter(card.character);
    ShowForms();
}

void CCounterCardDialog::ShowForms() {
    m_forms->clear();
    const CCounterCard& card = m_editor.Working();
    for (std::size_t i = 0; i < card.formNumbers.size() && i < card.formRomaji.size(); ++i) {
        const std::string& romaji = card.formRomaji[i];
        new QTreeWidgetItem(m_forms, {SjisToQString(card.formNumbers[i]), SjisToQString(romaji),
                                      SjisToQString(RomajiToKana(romaji, true, false))});
    }
    m_deleteForm->setEnabled(false);
}

void CCounterCardDialog::TakeFields() {
    m_editor.SetMeaning(QStringToSjis(m_meaning->text()));
    m_editor.SetRomaji(QStringToSjis(m_romaji->text()));
    m_editor.SetCounterType(m_type->currentIndex() == 1 ? CCounterCard::kName
                                                        : CCounterCard::kCount);
}

void CCounterCardDialog::Expand(bool nativeWords) {
    if (m_editor.AutoExpand(QStringToSjis(m_root->text()), {nativeWords, m_prefix->isChecked()}))
        ShowForms();
}

}  // namespace brushly
