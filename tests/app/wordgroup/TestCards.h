#pragma once

#include <initializer_list>
#include <string>

#include "document/CFlashcardSet.h"

namespace brushly::testing {

// Cards added to a group of the set (which must exist), for the word group tests.
CKanjiCard& AddKanji(CFlashcardSet& cards, const std::string& group, const std::string& character,
                     std::initializer_list<const char*> on, std::initializer_list<const char*> kun,
                     std::initializer_list<const char*> meanings);
CKanjiCompound& AddCompound(CFlashcardSet& cards, const std::string& group,
                            const std::string& headword, const std::string& romaji,
                            const std::string& meaning);
CKanaWord& AddKanaWord(CFlashcardSet& cards, const std::string& group, const std::string& kana,
                       const std::string& romaji, const std::string& meaning);
CCounterCard& AddCounter(CFlashcardSet& cards, const std::string& group,
                         const std::string& character, const std::string& romaji,
                         const std::string& meaning, std::initializer_list<const char*> forms);

}  // namespace brushly::testing
