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
#include "app/editors/qt/EditorWidgets.h"
#include "handwriting/CJapaneseTextDelegate.h"
#include "handwriting/CJapaneseTextWidget.h"
#include "lookup/RomajiKana.h"

namespace brushly {

using editors::Button;
using editors::Label;
using editors::Sjis;
using editors::Utf8;

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
    auto* box = new QGroupBox(QStringLiteral("Main Character"), this);
    m_character = new CJapaneseTextWidget(Context().Style(), kCharacterSize, box);
    m_character->setObjectName(QStringLiteral("characterText"));
    m_character->setFixedSize(kCharacterSize + 16, kCharacterSize + 16);
    m_characterEdit = editors::Edit("characterEdit", box);
    m_characterEdit->setMaximumWidth(60);
    m_getKanji = Button("&Get Kanji", "getKanjiButton", box);
    m_showData = Button("Sho&w Data", "showDataButton", box);
    m_demonstrate = Button("Stroke &Order Demonstration", "demonstrateButton", box);
    auto* characterLayout = new QGridLayout(box);
    characterLayout->addWidget(m_character, 0, 0, 3, 1);
    characterLayout->addWidget(m_characterEdit, 0, 1);
    characterLayout->addWidget(m_getKanji, 0, 2);
    characterLayout->addWidget(m_showData, 1, 1, 1, 2);
    characterLayout->addWidget(m_demonstrate, 2, 1, 1, 2);

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

    connect(m_characterEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_editor.SetCharacter(Sjis(text));
        ShowCharacter();
    });
    connect(m_getKanji, &QPushButton::clicked, this, [this] {
        const auto kanji = Context().GetKanji(this);
        if (!kanji) return;
        m_editor.SetCharacter(*kanji);
        m_characterEdit->setText(Utf8(m_editor.Working().character));
        ShowCharacter();
    });
    connect(m_showData, &QPushButton::clicked, this, [this] {
        if (const CKanjiData* record = m_editor.Record()) Context().ShowData(*record, this);
    });
    connect(m_demonstrate, &QPushButton::clicked, this, [this] {
        if (const CKanjiData* record = m_editor.Record()) Context().Demonstrate(*record, this);
    });
    auto* layout = new QVBoxLayout;
    layout->addWidget(box);
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
        if (!m_editor.AddForm(m_number->currentText().toStdString(), Sjis(m_formRomaji->text())))
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
    m_characterEdit->setText(Utf8(card.character));
    m_meaning->setText(Utf8(card.meaning));
    m_romaji->setText(Utf8(card.romaji));
    m_type->setCurrentIndex(card.counterType == CCounterCard::kName ? 1 : 0);
    ShowCharacter();
    ShowForms();
}

void CCounterCardDialog::ShowCharacter() {
    m_character->SetText(m_editor.Working().character);
    const bool linked = m_editor.Record() != nullptr;
    m_getKanji->setEnabled(Context().HasKanjiDatabase());
    m_showData->setEnabled(linked);
    m_demonstrate->setEnabled(linked);
}

void CCounterCardDialog::ShowForms() {
    m_forms->clear();
    const CCounterCard& card = m_editor.Working();
    for (std::size_t i = 0; i < card.formNumbers.size() && i < card.formRomaji.size(); ++i) {
        const std::string& romaji = card.formRomaji[i];
        new QTreeWidgetItem(m_forms, {Utf8(card.formNumbers[i]), Utf8(romaji),
                                      Utf8(RomajiToKana(romaji, true, false))});
    }
    m_deleteForm->setEnabled(false);
}

void CCounterCardDialog::TakeFields() {
    m_editor.SetMeaning(Sjis(m_meaning->text()));
    m_editor.SetRomaji(Sjis(m_romaji->text()));
    m_editor.SetCounterType(m_type->currentIndex() == 1 ? CCounterCard::kName
                                                        : CCounterCard::kCount);
}

void CCounterCardDialog::Expand(bool nativeWords) {
    if (m_editor.AutoExpand(Sjis(m_root->text()), {nativeWords, m_prefix->isChecked()}))
        ShowForms();
}

}  // namespace brushly
