#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/editors/CMainCharacterEditor.h"
#include "document/CKanjiCard.h"

namespace brushly {

class CKanjiData;
struct CSelectedKanji;

// The Kanji card editor: the main character (typed, or chosen with "&Get Kanji" through the
// kanji search), its reading groups (imported from the kanji database, added, edited and
// deleted one by one) and the comments.
//
// Checks on storing, in order: kNoCharacterMessage, kNoReadingsMessage, kNoGroupMessage,
// then the group-change question (CCardEditor).
class CKanjiCardEditor final : public CMainCharacterEditor<CKanjiCard> {
public:
    static constexpr const char* kAddTitle = "Add Kanji Flashcard";
    static constexpr const char* kEditTitle = "Edit Kanji Flashcard";
    static constexpr const char* kNoCharacterMessage = "No kanji character is selected";
    static constexpr const char* kNoReadingsMessage = "No readings are entered";
    static constexpr const char* kNoGroupMessage = "No Word Group is selected";
    static constexpr const char* kDeleteReadingQuestion = "Verify delete reading?";
    static constexpr const char* kSelectReadingMessage = "Select a reading";
    static constexpr const char* kCommentsPrompt = "Enter comments for this Kanji flashcard";

    // A new card for group; an existing card of the document.
    CKanjiCardEditor(CBrushly2Doc& document, CPrompter& prompter, const std::string& group,
                     bool fixedGroup);
    CKanjiCardEditor(CBrushly2Doc& document, CPrompter& prompter, CKanjiCard& card,
                     bool fixedGroup);

    const char* Title() const { return Editing() ? kEditTitle : kAddTitle; }

    // "Import Readings": the readings become copies of the record's reading groups. False,
    // nothing changed, when the character has no record (the button is then disabled).
    bool ImportReadings();

    // The readings as the list shows them, one DisplayText line each in longOMode.
    std::vector<std::string> ReadingLines(int longOMode) const;
    // The reading group at index for "&Edit"; null, after kSelectReadingMessage, when index
    // is no reading's (no selection is -1).
    const CKanjiReading* SelectedReading(int index);
    void AddReading(const CKanjiReading& reading);
    // Writes reading over the group at index (which must be a reading's).
    void ReplaceReading(std::size_t index, const CKanjiReading& reading);
    // "&Delete": kSelectReadingMessage without a selection, else kDeleteReadingQuestion; Yes
    // removes the group. True when it was removed.
    bool DeleteReading(int index);

    void SetComments(std::string comments) { MutableWorking().comments = std::move(comments); }

private:
    const char* Refusal() const override;
};

}  // namespace brushly
