#pragma once

#include <string>

#include "document/CFlashcardSet.h"
#include "reference/CKanjiLibrary.h"

// Flashcard sets for the import and export tests and benchmark, and a field-by-field
// comparison of two sets.
namespace brushly::testing {

// Adds groupCount Word Groups named "単語 NNN" (Shift-JIS, numbered from 0), each with
// cardsPerGroup cards of the four kinds in turn. Every field is filled and varied: reading
// groups with ";", "/", "|" and "\" inside items, meanings and comments with tabs and line
// breaks, statistics, inactive cards, counter forms, extra texts and both counter types.
// Kanji and counter cards are linked to their record in library when it holds one.
void AddExchangeCards(CFlashcardSet& cards, int groupCount, int cardsPerGroup,
                      const CKanjiLibrary* library);

// Adds one group with a card of each kind whose texts need every escape.
void AddEscapingCards(CFlashcardSet& cards, const std::string& groupName);

// Empty when both sets hold the same groups (names in order) with the same cards field for
// field, in the same order within each group; otherwise a description of the first
// difference.
std::string SetDifference(const CFlashcardSet& expected, const CFlashcardSet& actual);

}  // namespace brushly::testing
