#pragma once

#include <string>
#include <vector>

#include "archive/CObject.h"
#include "document/CFlashcardSet.h"
#include "document/CardKind.h"
#include "platform/CPrompter.h"

namespace brushly {

// What Find Flashcard looks for. Texts as typed (ASCII romaji and English).
struct CFindQuery {
    static constexpr unsigned kAllKinds = 0xF;
    // The bit of a card kind in `kinds`.
    static constexpr unsigned KindBit(CardKind kind) { return 1u << static_cast<int>(kind); }

    std::string reading;
    std::string meaning;
    bool useAnd = false;         // AND, when both fields are filled; OR otherwise
    unsigned kinds = kAllKinds;  // the card kinds searched, KindBit of each
    bool onReadings = true;      // kanji cards: match the ON readings
    bool kunReadings = true;     // kanji cards: match the Kun readings
};

// One match: a card (for a kanji card, one of its reading groups) and the text shown.
struct CFindMatch {
    std::string groupName;  // Shift-JIS
    CardKind kind = CardKind::kKanji;
    const CObject* card = nullptr;  // owned by the document
    int readingGroup = -1;          // the kanji card's matching reading group, else -1
    std::string text;               // the "  Reading / Meaning" column
};

// Find Flashcard, without widgets: the search over every Word Group, the matches eight to a
// page, the captions, the no-match messages (through the prompter) and the match chosen for
// "&Go To". A search with both fields empty does nothing.
//
// Matching (the reading query lower-cased, stripped of blanks and apostrophes and normalised
// to Hepburn, then tried unchanged, with every "ou" written "oo" and with every "oo" written
// "ou"; the meaning query lower-cased and trimmed). With both fields filled and AND chosen a
// card must match both, else either filled criterion:
//   kanji cards, each reading group on its own: a normalised ON token (with ON ticked) or
//     Kun token (with Kun ticked) equals one of the three forms; a meaning token equals the
//     meaning. One match per matching reading group, shown as its DisplayText.
//   compound cards: the romaji, lower-cased, stripped, normalised and with "oo" written
//     "ou", equals the "ou" form; the lower-cased meaning contains the meaning. Shown as the
//     lower-cased romaji without blanks (long o as "ou" in longOMode 1), " / ", the meaning.
//   kana word cards: as compound cards, matched over the romaji as shown in the "ou" style
//     and shown as CKanaWord::DisplayRomaji in longOMode.
//   counter cards: the romaji, lower-cased and normalised, equals the unchanged form; the
//     lower-cased meaning equals the meaning. Shown as compound cards are.
// Matches come in the document's group order, each group's kanji, compound, kana word and
// counter cards in list order.
//
// The matches point at the document's cards: search again after the document changed. The
// prompter must outlive the object.
class CFlashcardFinder {
public:
    static constexpr int kPageSize = 8;
    static constexpr const char* kTitle = "Find Flashcard";
    static constexpr const char* kPageCaptionFormat = "Matches: Page %d of %d";
    static constexpr const char* kEmptyCaption = "Matches:";
    static constexpr const char* kNoMeaningMatchFormat = "No matches to meaning ''%s''.";
    static constexpr const char* kNoReadingMatchFormat = "No matches to reading ''%s''.";
    static constexpr const char* kNoMatchFormat =
        "No matches for reading ''%s'' %s meaning ''%s''.";
    static constexpr const char* kNoSelectionMessage = "No Match Selected";
    static constexpr const char* kTextColumn = "  Reading / Meaning";
    static constexpr const char* kGroupColumn = "Word Group";

    explicit CFlashcardFinder(CPrompter& prompter);

    // Every match of the query in the set, texts in longOMode.
    static std::vector<CFindMatch> Search(const CFlashcardSet& cards, const CFindQuery& query,
                                          int longOMode);

    // "&FIND": Search, page 1, no match chosen. With no match, the caption is kEmptyCaption
    // and the message naming the search is shown. Returns the number of matches; -1 when both
    // fields are empty and nothing was searched.
    int Find(const CFlashcardSet& cards, const CFindQuery& query, int longOMode);

    const std::vector<CFindMatch>& Matches() const { return m_matches; }
    int Page() const { return m_page; }  // 1-based; 0 without matches
    int PageCount() const;
    bool HasPreviousPage() const { return m_page > 1; }
    bool HasNextPage() const { return m_page < PageCount(); }
    void PreviousPage();
    void NextPage();
    // The matches of the current page (at most kPageSize).
    std::vector<const CFindMatch*> PageMatches() const;
    std::string Caption() const;

    // Row 0 to 7 of the current page becomes the chosen match; other rows choose none.
    void SelectRow(int row);
    // "&Go To": the chosen match, or null after kNoSelectionMessage.
    const CFindMatch* GoTo();

    // The no-match message of a query.
    static std::string NoMatchText(const CFindQuery& query);

private:
    CPrompter& m_prompter;
    std::vector<CFindMatch> m_matches;
    int m_page = 0;
    int m_selected = -1;  // index into m_matches
};

}  // namespace brushly
