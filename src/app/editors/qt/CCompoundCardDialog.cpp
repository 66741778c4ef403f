#include "app/editors/qt/CCompoundCardDialog.h"

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

CCompoundCardDialog::CCompoundCardDialog(CCompoundCardEditor& editor, CEditorContext& context,
                                         QWidget* parent)
    : CCardEditorDialog(editor, context, "compoundCardDialog", parent), m_editor(editor) {
    m_compound = new CJapaneseTextWidget(context.Style(), kCompoundSize, this);
    m_compound->setObjectName(QStringLiteral("compoundText"));
    m_compound->setMinimumSize(8 * kCompoundSize, kCompoundSize + 16);
    m_kanji = editors::Edit("kanjiEdit", this);
    m_kana = editors::Edit("kanaEdit", this);
    m_addKanji = Button("Add &Kanji", "addKanjiButton", this);
    m_getKanji = Button("&Get Kanji", "getKanjiButton", this);
    QPushButton* addKana = Button("Add Ka&na", "addKanaButton", this);
    m_addRepeat = Button("Add Re&peat", "addRepeatButton", this);
    m_back = Button("&Back", "backButton", this);
    m_clear = Button("&Clear", "clearButton", this);

    auto* builder = new QGroupBox(QStringLiteral("Compound"), this);
    auto* builderLayout = new QGridLayout(builder);
    builderLayout->addWidget(m_compound, 0, 0, 1, 4);
    builderLayout->addWidget(Label("Kanji:", this), 1, 0);
    builderLayout->addWidget(m_kanji, 1, 1);
    builderLayout->addWidget(m_addKanji, 1, 2);
    builderLayout->addWidget(m_getKanji, 1, 3);
    builderLayout->addWidget(Label("Kana (romaji):", this), 2, 0);
    builderLayout->addWidget(m_kana, 2, 1);
    builderLayout->addWidget(addKana, 2, 2);
    builderLayout->addWidget(m_addRepeat, 2, 3);
    auto* edits = new QHBoxLayout;
    edits->addStretch();
    edits->addWidget(m_back);
    edits->addWidget(m_clear);
    builderLayout->addLayout(edits, 3, 0, 1, 4);

    m_romaji = editors::Edit("romajiEdit", this);
    m_meaning = editors::Edit("meaningEdit", this);
    auto* fields = new QGridLayout;
    fields->addWidget(Label("Romaji:", this), 0, 0);
    fields->addWidget(m_romaji, 0, 1);
    fields->addWidget(Label("Meaning:", this), 1, 0);
    fields->addWidget(m_meaning, 1, 1);

    auto* search = new QGroupBox(QStringLiteral("Search for compound"), this);
    auto* searchLayout = new QHBoxLayout(search);
    const std::pair<const char*, const char*> searches[] = {{"b&y Kanji", "searchKanjiButton"},
                                                            {"by &Romaji", "searchRomajiButton"},
                                                            {"by &Meaning", "searchMeaningButton"}};
    for (int i = 0; i < 3; ++i) {
        m_searchButtons[i] = Button(searches[i].first, searches[i].second, search);
        searchLayout->addWidget(m_searchButtons[i]);
        const auto by = static_cast<CompoundQuery>(i);
        connect(m_searchButtons[i], &QPushButton::clicked, this, [this, by] { Search(by); });
    }

    auto* content = new QVBoxLayout;
    content->addWidget(builder);
    content->addLayout(fields);
    content->addWidget(search);

    connect(m_addKanji, &QPushButton::clicked, this, [this] {
        if (m_editor.AddKanji(QStringToSjis(m_kanji->text()))) m_kanji->clear();
        ShowCompound();
    });
    connect(m_getKanji, &QPushButton::clicked, this, [this] {
        if (const auto kanji = Context().GetKanji(this)) m_editor.AddKanji(*kanji);
        ShowCompound();
    });
    connect(addKana, &QPushButton::clicked, this, [this] {
        if (m_editor.AddKana(QStringToSjis(m_kana->text()))) m_kana->clear();
        ShowCompound();
    });
    connect(m_addRepeat, &QPushButton::clicked, this, [this] {
        m_editor.AddRepeat();
        ShowCompound();
    });
    connect(m_back, &QPushButton::clicked, this, [this] {
        m_editor.Back();
        ShowCompound();
    });
    connect(m_clear, &QPushButton::clicked, this, [this] {
        m_editor.Clear();
        ShowCompound();
    });
    connect(m_kanji, &QLineEdit::textChanged, this, &CCompoundCardDialog::ShowCompound);
    Finish(content);
}

void CCompoundCardDialog::ShowCard() {
    m_romaji->setText(SjisToQString(m_editor.Working().romaji));
    m_meaning->setText(SjisToQString(m_editor.Working().meaning));
    ShowCompound();
}

void CCompoundCardDialog::ShowCompound() {
    const bool empty = m_editor.Compound().empty();
    m_compound->SetText(m_editor.Compound());
    m_addKanji->setEnabled(m_editor.HasRoom() && !m_kanji->text().isEmpty());
    m_getKanji->setEnabled(m_editor.HasRoom() && Context().HasKanjiDatabase());
    m_addRepeat->setEnabled(m_editor.HasRoom() && !empty);
    m_back->setEnabled(!empty);
    m_clear->setEnabled(!empty);
    const bool library = Context().Document().CompoundLibrary() != nullptr;
    for (QPushButton* button : m_searchButtons)
        button->setEnabled(library);
}

void CCompoundCardDialog::TakeFields() {
    m_editor.SetRomaji(QStringToSjis(m_romaji->text()));
    m_editor.SetMeaning(QStringToSjis(m_meaning->text()));
}

void CCompoundCardDialog::Search(CompoundQuery by) {
    TakeFields();
    const CKanjiCompound& card = m_editor.Working();
    const std::string& query = by == CompoundQuery::kByKanji    ? card.headword
                               : by == CompoundQuery::kByRomaji ? card.romaji
                                                                : card.meaning;
    CCompoundSearchResult result;
    if (!Context().SearchWords(this, CCompoundSearchRequest::kModeCompoundEditor, by, query,
                               Group(), result))
        return;
    m_editor.Take(TakenWord(result.selection));
    ShowCard();
}

}  // namespace brushly
