#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "practice/FlashCandidatePools.h"
#include "practice/FlashDeckEntry.h"

namespace brushly {

class CAbbreviationList;
class CBrushly2Doc;

// One multiple-choice answer. `answer` is romaji (a reading) or English (a meaning);
// `kana` is the Shift-JIS rendering of a romaji answer and empty for meanings.
struct FlashSlot {
    static constexpr int kPlain = 0;
    static constexpr int kRight = 1;  // drawn green
    static constexpr int kWrong = 2;  // drawn red

    std::string answer;
    std::string kana;
    int state = kPlain;
};

// The four slots of a card. `correct` is the slot holding the card's answer, 1 to 4;
// showKana says the slots are drawn from `kana` rather than `answer`.
struct FlashSlots {
    std::array<FlashSlot, 4> slots;
    int correct = 1;
    bool showKana = false;
};

// Whether the slots of the entry are drawn as kana: reading answers, Romaji Mode off and not
// a kana word (whose slots are always romaji). Read at each drawing, as the mode may change.
bool SlotsShowKana(const CBrushly2Doc& document, const FlashDeckEntry& entry);

// Fills the four multiple-choice slots of a Flash View card and picks the random compound
// a kanji card may be shown as. Every random choice is drawn from the document's generator,
// so a fixed seed gives a fixed sequence of slots.
//
// The filler keeps references to the document, the abbreviation list and the deck being
// drilled (the deck itself or the review list); all three must outlive it, and the deck's
// entries must stay where they are while it is used. Distracters come from that deck, the
// document's cards or the databases, by the Flash options read at each call.
class CFlashSlotFiller {
public:
    // "No Data": the slot text when no acceptable distracter was found.
    static constexpr const char* kNoData = "No Data";

    CFlashSlotFiller(CBrushly2Doc& document, const CAbbreviationList& abbreviations,
                     const std::vector<FlashDeckEntry>& deck);

    // For a kanji entry shown as a random compound: the first time, picks a compound
    // containing the kanji (the deck's compounds, then the document's, then the compound
    // database, by the compound source option) and stores its text, reading, meaning and
    // okurigana split in the entry. True when the entry has a random compound, false when
    // none contains the kanji (the kanji itself is shown) or the entry is not a kanji.
    bool ChooseRandomCompound(FlashDeckEntry& entry);

    // The four slots of the entry: the correct answer in a random slot and three distinct
    // distracters (or kNoData) in the others, all in the plain state. quizMode is the
    // Flash quiz mode (0 Multiple Choice, 1 Fill in the Blank, 2 No Quiz); it matters for
    // counters asked with "Only One".
    FlashSlots Fill(const FlashDeckEntry& entry, int quizMode);

private:
    // What a compound question is asked from: a compound card or a kanji's random compound.
    struct CompoundQuestion {
        std::string_view text;     // Shift-JIS
        std::string_view reading;  // romaji
        std::string_view meaning;  // EDICT style
        const OkuriganaSplit& split;
    };

    void FillKanji(FlashSlots& slots, const CKanjiCard& card);
    void FillCompound(FlashSlots& slots, const CompoundQuestion& question);
    void FillKanaWord(FlashSlots& slots, const CKanaWord& word);
    void FillCounter(FlashSlots& slots, const FlashDeckEntry& entry, int quizMode);
    // The compound reading candidate of a drawn compound for the question, or nothing when
    // it fails the size or small-tsu rule; drawNumber counts the slot's draws from 1.
    std::optional<FlashSlot> CompoundCandidate(const CCompoundData& compound,
                                               const CompoundQuestion& question, int drawNumber);
    // The pools of a kanji of the text, tried at random positions until the compound
    // database has compounds of it; empty pools when none has.
    FlashCompoundPools PoolsSharingKanji(std::string_view text);

    CBrushly2Doc& m_document;
    const CAbbreviationList& m_abbreviations;
    const std::vector<FlashDeckEntry>& m_deck;
};

}  // namespace brushly
