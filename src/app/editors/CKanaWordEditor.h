#pragma once

#include <string>
#include <string_view>

#include "app/editors/CCardEditorOf.h"
#include "app/editors/CompoundQuery.h"
#include "document/CKanaWord.h"

namespace brushly {

// The Kana Word card editor: the romaji and meaning typed (the kana follow the romaji: lower
// case hiragana, upper case katakana), or the word taken from the kana-word search.
//
// Checks on storing, in order: kNoGroupMessage, kNoRomajiMessage, kNoKanaMessage (romaji of
// which no kana can be written, such as "qq", would make a card without its word),
// kNoMeaningMessage, then the group-change question (CCardEditor).
class CKanaWordEditor final : public CCardEditorOf<CKanaWord> {
public:
    static constexpr const char* kAddTitle = "Add Kana Word Flashcard";
    static constexpr const char* kEditTitle = "Edit Kana Word Flashcard";
    static constexpr const char* kNoGroupMessage = "No Word Group is selected.";
    static constexpr const char* kNoRomajiMessage = "Enter the romaji for this Kana word.";
    static constexpr const char* kNoKanaMessage = "The romaji gives no kana for this Kana word.";
    static constexpr const char* kNoMeaningMessage = "Enter the meaning for this Kana word.";

    // A new card for group; an existing card of the document.
    CKanaWordEditor(CBrushly2Doc& document, CPrompter& prompter, const std::string& group,
                    bool fixedGroup);
    CKanaWordEditor(CBrushly2Doc& document, CPrompter& prompter, CKanaWord& card, bool fixedGroup);

    const char* Title() const { return Editing() ? kEditTitle : kAddTitle; }

    // The typed romaji, trimmed; when it differs from the card's, the kana become its kana
    // (with the long vowel mark).
    void SetRomaji(std::string_view romaji);
    void SetMeaning(std::string_view meaning);
    // The word chosen in the kana-word search: kana, romaji and meaning.
    void Take(const CTakenWord& word);
    // "&Clear": kana, romaji and meaning emptied.
    void Clear();

private:
    const char* Refusal() const override;
};

}  // namespace brushly
