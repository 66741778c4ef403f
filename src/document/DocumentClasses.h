#pragma once

#include "archive/CClassRegistry.h"

namespace brushly {

// Registers every class that stands as a tagged object in a document file: the four card
// classes, the kana statistics and the kanji card's reading groups.
void RegisterDocumentClasses(CClassRegistry& registry);

}  // namespace brushly
