#include "app/editors/qt/CCardEditors.h"

#include <algorithm>
#include <utility>

#include "app/editors/CCompoundCardEditor.h"
#include "app/editors/CCounterCardEditor.h"
#include "app/editors/CKanaWordEditor.h"
#include "app/editors/CKanjiCardEditor.h"
#include "app/editors/qt/CCompoundCardDialog.h"
#include "app/editors/qt/CCounterCardDialog.h"
#include "app/editors/qt/CKanaWordDialog.h"
#include "app/editors/qt/CKanjiCardDialog.h"
#include "document/CBrushly2Doc.h"

namespace brushly {

namespace {

// The document's own card that is `card`, found in the master array of its kind.
template <class Card>
Card* DocumentCard(std::vector<std::unique_ptr<Card>>& cards, const CObject& card) {
    const auto found = std::find_if(cards.begin(), cards.end(),
                                    [&](const auto& owned) { return owned.get() == &card; });
    return found == cards.end() ? nullptr : found->get();
}

}  // namespace

CCardEditors::CCardEditors(CBrushly2Doc& document, CPrompter& prompter,
                           const CAbbreviationList& abbreviations, CSettingsStore& settings,
                           const CJapaneseTextStyle& style, std::function<void()> showEdictHelp,
                           QWidget* parent)
    : m_context(document, prompter, abbreviations, settings, style, std::move(showEdictHelp)),
      m_parent(parent) {}

template <class Editor, class Dialog, class Subject>
const CObject* CCardEditors::Run(Subject& subject) {
    Editor editor(m_context.Document(), m_context.Prompter(), subject, m_fixedGroup);
    Dialog dialog(editor, m_context, m_parent);
    dialog.exec();
    return editor.Stored();
}

const CObject* CCardEditors::AddCard(CardKind kind, const std::string& groupName) {
    switch (kind) {
        case CardKind::kKanji:
            return Run<CKanjiCardEditor, CKanjiCardDialog>(groupName);
        case CardKind::kCompound:
            return Run<CCompoundCardEditor, CCompoundCardDialog>(groupName);
        case CardKind::kKanaWord:
            return Run<CKanaWordEditor, CKanaWordDialog>(groupName);
        case CardKind::kCounter:
            return Run<CCounterCardEditor, CCounterCardDialog>(groupName);
    }
    return nullptr;
}

const CObject* CCardEditors::EditCard(CardKind kind, const CObject& card) {
    CFlashcardSet& cards = m_context.Document().Cards();
    switch (kind) {
        case CardKind::kKanji:
            if (auto* kanji = DocumentCard(cards.KanjiCards(), card))
                return Run<CKanjiCardEditor, CKanjiCardDialog>(*kanji);
            break;
        case CardKind::kCompound:
            if (auto* compound = DocumentCard(cards.CompoundCards(), card))
                return Run<CCompoundCardEditor, CCompoundCardDialog>(*compound);
            break;
        case CardKind::kKanaWord:
            if (auto* word = DocumentCard(cards.KanaWordCards(), card))
                return Run<CKanaWordEditor, CKanaWordDialog>(*word);
            break;
        case CardKind::kCounter:
            if (auto* counter = DocumentCard(cards.CounterCards(), card))
                return Run<CCounterCardEditor, CCounterCardDialog>(*counter);
            break;
    }
    return nullptr;
}

}  // namespace brushly
