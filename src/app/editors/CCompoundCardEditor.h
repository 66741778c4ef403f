#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/editors/CCardEditorOf.h"
#include "app/editors/CompoundQuery.h"
#include "document/CKanjiCompound.h"

namespace brushly {

// The Compound card editor: the compound is put together character by character from kanji
// ("Add &Kanji", "&Get Kanji"), kana typed as romaji ("Add Ka&na") and the repeat mark
// ("Add Re&peat"), with "&Back" and "&Clear"; its romaji and meaning are typed, or the whole
// word is taken from the compound search.
//
// The compound holds at most kMaxCompoundBytes bytes (Shift-JIS). Checks on storing, in
// order: kTooShortMessage (3 bytes or fewer: one double-byte character and a letter is not a
// compound), kNoRomajiMessage, kNoMeaningMessage, kNoGroupMessage, then the group-change
// question (CCardEditor).
class CCompoundCardEditor final : public CCardEditorOf<CKanjiCompound> {
public:
    static constexpr const char* kAddTitle = "Add Compound Flashcard";
    static constexpr const char* kEditTitle = "Edit Compound Flashcard";
    static constexpr const char* kTooShortMessage =
        "A compound must contain at least 2 characters.";
    static constexpr const char* kNoRomajiMessage = "Enter the romaji for the compound.";
    static constexpr const char* kNoMeaningMessage = "Enter a meaning for the compound.";
    static constexpr const char* kNoGroupMessage = "No Word Group is selected.";
    static constexpr const char* kNoKanaMessage = "No Kana to Add";
    static constexpr const char* kKanaTooLongMessage = "The kana string is too long.";
    // The repeat mark 々.
    static constexpr const char* kRepeatMark = "\x81\x58";
    static constexpr std::size_t kMaxCompoundBytes = 64;

    // A new card for group; an existing card of the document.
    CCompoundCardEditor(CBrushly2Doc& document, CPrompter& prompter, const std::string& group,
                        bool fixedGroup);
    CCompoundCardEditor(CBrushly2Doc& document, CPrompter& prompter, CKanjiCompound& card,
                        bool fixedGroup);

    const char* Title() const { return Editing() ? kEditTitle : kAddTitle; }
    const std::string& Compound() const { return Working().headword; }

    // Whether a double-byte character still fits (the kanji and repeat buttons are enabled
    // only then).
    bool HasRoom() const;
    // Appends the first double-byte character of text (typed or from the kanji search);
    // false when there is none or no room.
    bool AddKanji(std::string_view text);
    // Appends the kana of romaji (lower case hiragana, upper case katakana, the long vowel
    // mark in katakana): kNoKanaMessage when the romaji gives no kana, kKanaTooLongMessage
    // when it would not fit. True when added.
    bool AddKana(std::string_view romaji);
    // Appends the repeat mark after a character; false on an empty compound or without room.
    bool AddRepeat();
    // Removes the last character; false on an empty compound.
    bool Back();
    void Clear() { MutableWorking().headword.clear(); }

    // The typed romaji and meaning, trimmed.
    void SetRomaji(std::string_view romaji);
    void SetMeaning(std::string_view meaning);
    // The word chosen in the compound search replaces the compound, romaji and meaning.
    void Take(const CTakenWord& word);

private:
    const char* Refusal() const override;
};

}  // namespace brushly
