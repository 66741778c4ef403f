#include "TestCards.h"

#include <memory>

namespace brushly::testing {

CKanjiCard& AddKanji(CFlashcardSet& cards, const std::string& group, const std::string& character,
                     std::initializer_list<const char*> on, std::initializer_list<const char*> kun,
                     std::initializer_list<const char*> meanings) {
    auto card = std::make_unique<CKanjiCard>();
    card->groupName = group;
    card->character = character;
    auto reading = std::make_unique<CKanjiReading>();
    reading->onReadings.assign(on.begin(), on.end());
    reading->kunReadings.assign(kun.begin(), kun.end());
    reading->meanings.assign(meanings.begin(), meanings.end());
    card->readings.push_back(std::move(reading));
    return cards.AddCard(std::move(card));
}

CKanjiCompound& AddCompound(CFlashcardSet& cards, const std::string& group,
                            const std::string& headword, const std::string& romaji,
                            const std::string& meaning) {
    auto card = std::make_unique<CKanjiCompound>();
    card->groupName = group;
    card->headword = headword;
    card->romaji = romaji;
    card->meaning = meaning;
    return cards.AddCard(std::move(card));
}

CKanaWord& AddKanaWord(CFlashcardSet& cards, const std::string& group, const std::string& kana,
                       const std::string& romaji, const std::string& meaning) {
    auto card = std::make_unique<CKanaWord>();
    card->groupName = group;
    card->kana = kana;
    card->romaji = romaji;
    card->meaning = meaning;
    return cards.AddCard(std::move(card));
}

CCounterCard& AddCounter(CFlashcardSet& cards, const std::string& group,
                         const std::string& character, const std::string& romaji,
                         const std::string& meaning, std::initializer_list<const char*> forms) {
    auto card = std::make_unique<CCounterCard>();
    card->groupName = group;
    card->character = character;
    card->romaji = romaji;
    card->meaning = meaning;
    int number = 1;
    for (const char* form : forms) {
        card->formRomaji.emplace_back(form);
        card->formNumbers.push_back(std::to_string(number++));
    }
    return cards.AddCard(std::move(card));
}

}  // namespace brushly::testing
