#pragma once

#include <string>

#include "archive/CObject.h"
#include "document/CardKind.h"

namespace brushly {

// Opens the card editors on behalf of the word group view and Find Flashcard, which know
// cards only by kind. Both calls run the editor modally and return when it closes.
class CCardEditorHost {
public:
    virtual ~CCardEditorHost() = default;

    // The editor of that kind for new cards of the group `groupName` (Shift-JIS). Returns
    // the last card stored ("&Save" may store several), which the caller selects; null when
    // none was stored.
    virtual const CObject* AddCard(CardKind kind, const std::string& groupName) = 0;
    // The editor on an existing card of that kind, which must belong to the document.
    // Returns the card as stored, wherever it now lives (its group may have changed), or
    // null when nothing was stored.
    virtual const CObject* EditCard(CardKind kind, const CObject& card) = 0;
};

}  // namespace brushly
