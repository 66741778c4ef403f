#pragma once

#include <string>

#include "document/CCounterCard.h"
#include "document/CKanaWord.h"
#include "document/CKanjiCard.h"
#include "document/CKanjiCompound.h"

namespace brushly {

// The kinds of flashcard in a Flash View deck, in the order a Word Group contributes them.
enum class FlashKind : int { kKanji = 0, kCompound = 1, kKanaWord = 2, kCounter = 3 };

// The romaji of a compound's kana around its kanji part: "o" + 送 + "ru" for 送る read
// "okuru". Readings are romaji; the kanji-part length is in Shift-JIS bytes.
struct OkuriganaSplit {
    std::string leadingRomaji;   // romaji of the kana before the kanji part, or empty
    std::string trailingRomaji;  // romaji of the kana after it, or empty
    int kanjiPartLength = 0;     // bytes of the text between the two kana parts
    // The consonant a small tsu at the end of the leading kana doubles ("t" for っ + 手),
    // which the kanji part's reading must begin with; empty otherwise.
    std::string kanaInitial;
};

// One drilled item of a Flash View deck. The deck owns its entries; an entry points at a
// card owned by the document (exactly one of the four pointers is set, the one of `kind`),
// so a deck must not outlive the cards it was built from.
//
// The per-run choices (inflection, table reading, random compound) are made the first time
// they are needed and cleared by ResetRunChoices whenever a deck is (re)started.
struct FlashDeckEntry {
    // Verb-reading choices: (group index, Kun reading index) into the kanji card's reading
    // groups, or these markers.
    static constexpr int kNotChosen = -1;     // inflection reading: pick one at random
    static constexpr int kFirstReading = -2;  // table reading: take the first verb reading

    FlashKind kind = FlashKind::kKanji;
    CKanjiCard* kanji = nullptr;
    CKanjiCompound* compound = nullptr;
    CKanaWord* kanaWord = nullptr;
    CCounterCard* counter = nullptr;

    // Random Verb Inflection: the reading inflected and the form number 1 to 30 (0 none).
    int inflectionGroup = kNotChosen;
    int inflectionReading = kNotChosen;
    int inflectionForm = 0;
    // The verb reading whose inflection table the card data shows.
    int tableGroup = kFirstReading;
    int tableReading = kFirstReading;

    // A kanji card shown as a random compound: the compound's Shift-JIS text, its romaji
    // reading and its meaning; all empty until one is chosen.
    std::string randomCompound;
    std::string randomCompoundReading;
    std::string randomCompoundMeaning;

    // The okurigana split of the shown compound (a compound card, or the random compound).
    OkuriganaSplit split;

    // Counter entries: one counted form of the card, its number as text ("3") and its
    // romaji reading ("sanbon"); the counter's reading kind (0 ON, 1 Kun, -1 unknown) and
    // the romaji of its prefix and postfix characters.
    std::string counterNumber;
    std::string counterReading;
    int counterReadingKind = -1;
    std::string prefixRomaji;
    std::string postfixRomaji;

    // The recognition statistics of the entry's card.
    int RightCount() const;
    int WrongCount() const;
    void MarkRight();
    void MarkWrong();
    void ResetStats();

    // Clears the per-run choices: inflection reading and form, table reading, random
    // compound with its reading and meaning (and its split, for a kanji entry).
    void ResetRunChoices();
};

}  // namespace brushly
