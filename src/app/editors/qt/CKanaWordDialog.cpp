#include "app/editors/qt/CKanaWordDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/editors/qt/CEditorContext.h"
#include "app/editors/qt/EditorWidgets.h"
#include "document/CBrushly2Doc.h"
#include "handwriting/CJapaneseTextWidget.h"

namespace brushly {

using editors::Button;
using editors::Label;

CKanaWordDialog::CKanaWordDialog(CKanaWordEditor& editor, CEditorContext& context, QWidget* parent)
    : CCardEditorDialog(editor, context, "kanaWordDialog", parent), m_editor(editor) {
    m_kana = new CJapaneseTextWidget(context.Style(), kKanaSize, this);
    m_kana->setObjectName(QStringLiteral("kanaText"));
    m_kana->setMinimumSize(10 * kKanaSize, kKanaSize + 16);
    m_romaji = editors::Edit("romajiEdit", this);
    m_meaning = editors::Edit("meaningEdit", this);
    QPushButton* clear = Button("&Clear", "clearButton", this);
    auto* fields = new QGridLayout;
    fields->addWidget(Label("Kana:", this), 0, 0);
    fields->addWidget(m_kana, 0, 1);
    fields->addWidget(Label("Romaji:", this), 1, 0);
    fields->addWidget(m_romaji, 1, 1);
    fields->addWidget(Label("Meaning:", this), 2, 0);
    fields->addWidget(m_meaning, 2, 1);
    fields->addWidget(clear, 3, 1, Qt::AlignRight);

    auto* search = new QGroupBox(QStringLiteral("Search for kana word"), this);
    auto* searchLayout = new QHBoxLayout(search);
    const bool library = context.Document().KanaWordLibrary() != nullptr;
    for (const auto& [text, name, by] :
         {std::tuple{"by &Romaji", "searchRomajiButton", CompoundQuery::kByRomaji},
          std::tuple{"by &Meaning", "searchMeaningButton", CompoundQuery::kByMeaning}}) {
        QPushButton* button = Button(text, name, search);
        button->setEnabled(library);
        searchLayout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, by = by] { Search(by); });
    }

    auto* content = new QVBoxLayout;
    content->addLayout(fields);
    content->addWidget(search);

    connect(m_romaji, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_editor.SetRomaji(QStringToSjis(text));
        m_kana->SetText(m_editor.Working().kana);
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        m_editor.Clear();
        ShowCard();
    });
    Finish(content);
}

void CKanaWordDialog::ShowCard() {
    m_kana->SetText(m_editor.Working().kana);
    m_romaji->setText(SjisToQString(m_editor.Working().romaji));
    m_meaning->setText(SjisToQString(m_editor.Working().meaning));
}

void CKanaWordDialog::TakeFields() {
    m_editor.SetRomaji(QStringToSjis(m_romaji->text()));
    m_editor.SetMeaning(QStringToSjis(m_meaning->text()));
}

void CKanaWordDialog::Search(CompoundQuery by) {
    TakeFields();
    const CKanaWord& card = m_editor.Working();
    CCompoundSearchResult result;
    if (!Context().SearchWords(this, CCompoundSearchRequest::kModeKanaWordEditor, by,
                               by == CompoundQuery::kByRomaji ? card.romaji : card.meaning, Group(),
                               result))
        return;
    m_editor.Take(TakenWord(result.selection));
    ShowCard();
}

}  // namespace brushly
