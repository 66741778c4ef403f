#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "dictionary/CCompoundLibrary.h"
#include "reference/CKanjiLibrary.h"

// Kanji databases and compound libraries of any size for the Flashcard Builder's tests.
namespace brushly::testing {

// The n-th kanji (from 0) of JIS level 1 in Shift-JIS order: 0 is 亜 (889F), 1 is 唖.
std::string LevelOneKanji(int n);

// One kanji of a test database: LevelOneKanji(number), in stroke group `strokes`, with one
// reading group (ON "K<number>", meaning "kanji <number>").
struct CTestKanji {
    int number = 0;
    int heisig = 0;
    int grade = 0;
    int jlpt = 0;
    int strokes = 1;
};

// A database (title "Builder test") holding the kanji, each appended to its stroke group.
std::unique_ptr<CKanjiLibrary> MakeTestKanjiLibrary(std::span<const CTestKanji> kanji);

// One word of a test compound library; texts in Shift-JIS.
struct CTestWord {
    std::string headword;
    std::string romaji;
    std::string meaning;
};

// A compound library with that identification and the words, added in order.
std::unique_ptr<CCompoundLibrary> MakeTestCompoundLibrary(const std::string& identification,
                                                          std::span<const CTestWord> words);

// One text field of each card, in order: Texts(group.kanjiCards, &CKanjiCard::character).
template <class Card, class Field>
std::vector<std::string> Texts(const std::vector<Card*>& cards, Field field) {
    std::vector<std::string> texts;
    for (const Card* card : cards)
        texts.push_back(card->*field);
    return texts;
}

}  // namespace brushly::testing
