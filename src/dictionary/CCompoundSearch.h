#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dictionary/CAbbreviationList.h"
#include "dictionary/CCompoundLibrary.h"
#include "dictionary/CompoundSearchState.h"
#include "platform/CPrompter.h"

// The compound search: words of the compound and kana-word libraries found by romaji, English
// meaning and kanji, merged by the include and common-only options, shown ten to a page, and
// taken as a Compound or Kana Word card or handed back to the card editor that asked.
// Headless: the dialog shows the state and forwards its controls.
namespace brushly {

class CBrushly2Doc;

// How a caller opens the search.
struct CCompoundSearchRequest {
    static constexpr int kModeAlone = 0;           // the main view: OK adds the card
    static constexpr int kModeKanjiEditor = 1;     // the kanji card editor
    static constexpr int kModeCompoundEditor = 2;  // OK only for compounds
    static constexpr int kModeKanaWordEditor = 3;  // OK only for kana words

    int mode = kModeAlone;
    bool mayAdd = true;     // false disables the Word Group choice
    std::string wordGroup;  // the caller's Word Group, preselected; empty for none
};

// The kinds of a result row, as its icon shows them.
enum class CCompoundRowKind { kCompound, kCommonCompound, kKanaWord, kCommonKanaWord };

// One row of the result list.
struct CCompoundRow {
    std::string reading;  // the romaji without blanks
    std::string meaning;  // as displayed
    CCompoundRowKind kind = CCompoundRowKind::kCompound;
};

// The selected entry as the dialog shows it.
struct CCompoundSelection {
    const CCompoundData* entry = nullptr;  // null: nothing selected
    bool compound = false;                 // from the compound library
    std::string romaji;
    std::string meaning;  // as displayed: first "/(P)" removed, abbreviations when hidden
    std::string kana;     // compounds: the reading in kana (long mark); kana words: empty
};

// What an accepted search hands back.
struct CCompoundSearchResult {
    CCompoundSelection selection;
    std::string wordGroup;
};

// The search over the document's word libraries (either may be null), working on a state
// that outlives it (the document's). Messages and questions go through the prompter. The
// libraries, abbreviations, state and prompter must outlive the object.
class CCompoundSearch {
public:
    static constexpr int kPageSize = 10;

    static constexpr const char* kNoMatchesCaption = "No Matches:";
    static constexpr const char* kRangeCaptionFormat = "Matches %d to %d out of %d";
    static constexpr const char* kOneCaptionFormat = "Match %d out of %d";
    static constexpr const char* kAllCriteriaText =
        "Find compounds matching ALL of the checked criteria above";
    static constexpr const char* kAnyCriteriaText =
        "Find compounds matching ANY of the checked criteria above";

    static constexpr const char* kNoCommonQuestion =
        "There are no COMMON word matches in the EDICT electronic dictionary.\n\nWould you "
        "like to see the matches that are not common words?";
    static constexpr const char* kNoCompoundQuestion =
        "There are no COMPOUND word matches in the EDICT electronic dictionary.\n\nWould you "
        "like to see the KANA WORD matches?";
    static constexpr const char* kNoCommonCompoundQuestion =
        "There are no COMMON COMPOUND word matches in the EDICT electronic dictionary.\n\n"
        "Would you like to see the KANA WORD matches or COMPOUND matches that are not common?";
    static constexpr const char* kNoKanaWordQuestion =
        "There are no KANA WORD matches in the EDICT electronic dictionary.\n\nWould you like "
        "to see the COMPOUND matches?";
    static constexpr const char* kNoCommonKanaWordQuestion =
        "There are no COMMON KANA WORD matches in the EDICT electronic dictionary.\n\nWould "
        "you like to see the COMPOUND matches or KANA WORD matches that are not common?";
    static constexpr const char* kNoEdictMatchesMessage =
        "There are no matches in the EDICT electronic dictionary.\n\nDouble-check your search "
        "criteria.";
    static constexpr const char* kNoLibraryMatchesMessage =
        "There are no matches in the Brushly compound database.\n\nThe much larger EDICT "
        "electronic dictionary can be installed in its place: see 'EDICT Information' for "
        "the instructions.";

    static constexpr const char* kNoWordGroupsMessage = "You first need to add/create a Word Group";
    static constexpr const char* kNoCompoundSelectedMessage = "No compound is selected.";
    static constexpr const char* kNoGroupChosenMessage = "No Word Group is selected";

    // The dialog's title for the compound library: EDICT-built or not.
    static const char* Title(const CCompoundLibrary* compounds);
    // The OK button's text for an opening mode.
    static const char* OkButtonText(int mode);

    CCompoundSearch(const CCompoundLibrary* compounds, const CCompoundLibrary* kanaWords,
                    const CAbbreviationList& abbreviations, CCompoundSearchState& state,
                    CPrompter& prompter);

    CCompoundSearchState& State() { return m_state; }
    const CCompoundSearchState& State() const { return m_state; }
    // The compound library's identification begins with "EDICT": the common-only and
    // abbreviation options apply, and an empty result offers the next step.
    bool IsEdict() const;

    // "SEARCH": nothing without a query or without compounds and kana words included;
    // otherwise the libraries are searched, the results merged and shown from page 1, and
    // an empty result offers the next step (questions whose Yes changes the options and
    // merges again, or a message). True when the results were replaced.
    bool Search();
    // Opening on the saved state: its results merged again and shown at the page it was left
    // on, nothing selected.
    void Reopen();
    // The include and common-only options: each merges again and shows page 1 (the include
    // options only when their library gave results).
    void SetIncludeCompounds(bool include);
    void SetIncludeKanaWords(bool include);
    void SetCommonOnly(bool commonOnly);

    int PageCount() const;
    bool HasNextPage() const { return m_state.page < PageCount(); }
    bool HasPreviousPage() const { return m_state.page > 1; }
    void NextPage();
    void PreviousPage();
    // "No Matches:", "Matches %d to %d out of %d" or "Match %d out of %d".
    std::string Caption() const;
    // The current page's rows, readings in longOMode (1 shows every "oo" as "ou").
    std::vector<CCompoundRow> PageRows(int longOMode) const;

    // The row (0 to 9) of the current page becomes the selected entry; rows without a
    // result are ignored.
    void SelectRow(int row);
    // The selected entry as displayed; entry null when nothing is selected.
    CCompoundSelection Selection() const;
    // Whether OK takes the selection in a mode: compounds except in the kana-word editor's
    // mode, kana words except in the compound editor's.
    bool OkEnabled(int mode) const;

    // "&Add Card" into wordGroup (empty: none chosen): refuses with kNoWordGroupsMessage,
    // kNoCompoundSelectedMessage or kNoGroupChosenMessage; otherwise adds a Compound or Kana
    // Word card with the displayed meaning (AddCompoundCard), marks the document modified
    // and clears the selection. True when a card was added.
    bool AddCard(CBrushly2Doc& document, const std::string& wordGroup);
    // The OK button: the same refusals; otherwise result takes the selection (its meaning
    // without its first "/(P)") and wordGroup, and the dialog may close: true.
    bool Accept(const CBrushly2Doc& document, const std::string& wordGroup,
                CCompoundSearchResult& result);

    // Called whenever new results or another page are shown, before any question or message
    // about them, so that a window shows the list behind it.
    void SetResultsListener(std::function<void()> listener) { m_listener = std::move(listener); }

private:
    void Merge();
    void ShowFirstPage();
    void OfferNextStep();
    bool CheckAdding(const CBrushly2Doc& document, const std::string& wordGroup);
    std::string DisplayedMeaning(const CCompoundData& entry) const;

    const CCompoundLibrary* m_compounds;
    const CCompoundLibrary* m_kanaWords;
    const CAbbreviationList& m_abbreviations;
    CCompoundSearchState& m_state;
    CPrompter& m_prompter;
    std::function<void()> m_listener;
};

// Adds the selection as a card of wordGroup (which must exist): a Compound card (headword,
// romaji, meaning) for a compound, a Kana Word card (kana = headword) for a kana word; the
// meaning is the displayed one without its first "/(P)". Marks the document modified.
void AddCompoundCard(CBrushly2Doc& document, const CCompoundSelection& selection,
                     const std::string& wordGroup);

}  // namespace brushly
