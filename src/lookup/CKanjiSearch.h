#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "handwriting/DrawnStrokes.h"
#include "lookup/KanjiSearchState.h"
#include "platform/CPrompter.h"
#include "reference/CKanjiLibrary.h"

// The kanji search: kanji found in the kanji database by reading and meaning (optionally
// within a stroke-count window), by a reference book's number, by Shift-JIS code and by
// handwriting; the matches shown ten to a page; the selected kanji added as a Kanji card or
// handed back to the caller. Headless: the dialog shows the state and forwards its buttons.
namespace brushly {

class CBrushly2Doc;
class CKanjiCard;

// How a caller opens the search.
struct CKanjiSearchRequest {
    static constexpr int kModeAddAndExit = 0;  // main view: OK adds the card and closes
    static constexpr int kModeEditCard = 1;    // OK hands the kanji to a card about to be edited
    static constexpr int kModeGetKanji = 2;    // card editors, compound search: no adding here

    int mode = kModeAddAndExit;
    bool mayAdd = true;     // false forbids "&Add Card" and the Word Group choice
    std::string wordGroup;  // the caller's Word Group, preselected; empty for none
};

// What an accepted search hands back: the kanji and the Word Group chosen.
struct CKanjiSearchResult {
    CSelectedKanji kanji;
    std::string wordGroup;
};

// One row of the result list.
struct CKanjiResultRow {
    std::string character;  // Shift-JIS
    std::string text;       // the matched reading group's DisplayText
    int grade = 0;          // 0 none (no icon), 1 to 7, 8 "7+"
};

// A label and its value in the "Show Data" window.
struct CKanjiDataField {
    std::string label;
    std::string value;
};

// The search over one library, working on a state that outlives it (the document's). The
// messages go through the prompter. Library, state and prompter must outlive the object.
class CKanjiSearch {
public:
    static constexpr int kPageSize = 10;
    static constexpr int kShiftJisRow = 10;
    // The "Reference:" rows: row i (0 to 9) is reference key i + 2, row 10 a Shift-JIS code.
    static constexpr std::array<const char*, 11> kReferenceRows{
        "Hadam../Spahn",     "Halpern (KLD)", "Halpern (NJECD)", "Heisig", "Henshall", "Kodansha",
        "Nelson (Original)", "Nelson (New)",  "O'Neill",         "Sakade", "Shift-JIS"};
    static constexpr int kMaxStrokeTolerance = 10;

    static constexpr const char* kDefaultCaption = "Kanji Matches:";
    static constexpr const char* kReferenceCaption = "Reference Match:";
    static constexpr const char* kShiftJisCaption = "Shift-JIS Database Match:";
    static constexpr const char* kShiftJisMissingCaption = "That Shift-JIS is not in the Database";
    static constexpr const char* kNoMatchesCaption = "No Kanji Matches:";
    static constexpr const char* kOnlyMatchCaption = "Only Match";
    static constexpr const char* kBestMatchesFormat = "%d Best Matches:";
    static constexpr const char* kRangeCaptionFormat = "%d %s with %d to %d strokes:";
    static constexpr const char* kOneStrokeCaptionFormat = "%d %s with 1 stroke";
    static constexpr const char* kStrokesCaptionFormat = "%d %s with %d strokes";
    static constexpr const char* kKanjiCaptionFormat = "%d Kanji %s:";

    static constexpr const char* kAndNeedsBothMessage =
        "Both 'Reading' and 'Meaning' must be entered for AND search.";
    static constexpr const char* kNoFontMessage =
        "With no compatible Japanese font installed, Shift-JIS entries to the database search "
        "are not permitted.";
    static constexpr const char* kNoMatchesMessage = "No Matches";
    static constexpr const char* kNoMatchesStrokesMessage =
        "No Matches.\nTry changing the number of strokes.";
    static constexpr const char* kNoKanjiSelectedMessage = "No Kanji has been selected";
    static constexpr const char* kNoWordGroupsMessage = "You first need to add/create a Word Group";
    static constexpr const char* kNoGroupChosenMessage = "No Word Group is selected";

    // The OK button's text for an opening mode.
    static const char* OkButtonText(int mode);

    CKanjiSearch(const CKanjiLibrary& library, CKanjiSearchState& state, CPrompter& prompter);

    // The inputs are written here by the dialog before a search runs.
    CKanjiSearchState& State() { return m_state; }
    const CKanjiSearchState& State() const { return m_state; }

    // "&Search" over the reading and meaning inputs. With both empty nothing happens; with
    // AND and one of them empty kAndNeedsBothMessage is shown. Otherwise the results are
    // replaced, from page 1, and shown (ShowResults, with the stroke hint when the window is
    // on). True when the results were replaced.
    bool SearchText();
    // "&Find": the reference number, or with the Shift-JIS row a four-digit hexadecimal
    // code (only while a Japanese font is used, else kNoFontMessage). Empty text, or a code
    // that is not four hexadecimal digits, does nothing. A code of no double-byte character
    // empties the results and the selection with kShiftJisMissingCaption. True when the
    // results were replaced.
    bool Find(bool japaneseFont);
    // The handwriting button: the ten best kanji for the drawn strokes (two passes around
    // the drawn stroke count; those the draw box would take stroke for stroke first), or no
    // results when nothing is drawn. Always replaces the results.
    void SearchHandwriting(const CDrawnStrokes& drawn);

    // Recomputes the page count and, with no results, sets kNoMatchesCaption (unless the
    // caption is kShiftJisMissingCaption); then calls the results listener, and with no
    // results shows kNoMatchesMessage, or kNoMatchesStrokesMessage when strokeHint holds.
    void ShowResults(bool strokeHint);
    // Called whenever new results are shown, before a message about them, so that a window
    // shows the emptied list behind the message.
    void SetResultsListener(std::function<void()> listener) { m_listener = std::move(listener); }
    bool HasNextPage() const { return m_state.page < m_state.pageCount; }
    bool HasPreviousPage() const { return m_state.page > 1; }
    void NextPage();
    void PreviousPage();
    // The current page's rows, reading texts in longOMode (see CKanjiReading::DisplayText).
    std::vector<CKanjiResultRow> PageRows(int longOMode) const;

    // The row (0 to 9) of the current page becomes the selected kanji; rows without a
    // result are ignored.
    void SelectRow(int row);
    // The selected kanji's database record; null when nothing in the database is selected.
    const CKanjiData* SelectedRecord() const;

    // "&Add Card" into wordGroup (empty: none chosen): refuses with kNoKanjiSelectedMessage,
    // kNoWordGroupsMessage or kNoGroupChosenMessage; otherwise adds the Kanji card
    // (AddKanjiCard) and clears the selection. True when a card was added.
    bool AddCard(CBrushly2Doc& document, const std::string& wordGroup);
    // The OK button: refuses without a selection and, in kModeAddAndExit, for the Word Group
    // reasons of AddCard; looks the selected kanji up when it has no group yet. True when
    // the dialog may close with the selection.
    bool Accept(int mode, const CBrushly2Doc& document, const std::string& wordGroup);

private:
    // Looks the selected kanji up when it has no group yet.
    void LookUpSelection();
    bool CheckWordGroup(const CBrushly2Doc& document, const std::string& wordGroup);
    void FindShiftJis(std::string_view text);
    std::string TextCaption(int count, int low, int high) const;

    const CKanjiLibrary& m_library;
    CKanjiSearchState& m_state;
    CPrompter& m_prompter;
    std::function<void()> m_listener;
};

// Adds a Kanji card for kanji to wordGroup (which must exist) and marks the document
// modified. The card copies every reading group of the kanji's record; a kanji outside the
// database, or one without reading groups, gets one group with the Kun reading "none" and
// the meaning "no reading". Returns the card, owned by the document.
CKanjiCard& AddKanjiCard(CBrushly2Doc& document, const CKanjiLibrary& library,
                         const CSelectedKanji& kanji, const std::string& wordGroup);

// The values "Show Data" lists for a kanji: its ten reference numbers (labelled as the
// "Reference:" rows; 0, no entry, shows "none"), its Shift-JIS code, its stroke count, its
// grade ("none" for 0, "7+" for 8) and its JLPT level ("none" for 0).
std::vector<CKanjiDataField> KanjiDataFields(const CKanjiData& record);

}  // namespace brushly
