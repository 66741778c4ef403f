#include "support/ExchangeTestCards.h"

#include <cstdio>

#include "platform/ShiftJis.h"
#include "support/BuilderTestData.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly::testing {

namespace {

std::string Sjis(const char* utf8) {
    return sjis::FromUtf8(utf8);
}

std::string Numbered(const char* utf8Format, int number) {
    char text[64];
    std::snprintf(text, sizeof text, utf8Format, number);
    return sjis::FromUtf8(text);
}

template <class Card>
void SetCommon(Card& card, const std::string& group, int n) {
    card.groupName = group;
    card.rightCount = n % 7;
    card.wrongCount = n % 5;
    card.active = n % 9 == 0 ? 0 : 1;
}

template <class Card>
void Link(Card& card, const CKanjiLibrary* library) {
    if (library == nullptr) return;
    if (const CKanjiRef record = library->FindByCharacter(card.character)) {
        card.dbGroup = record.group;
        card.dbIndex = record.index;
    }
}

void AddCard(CFlashcardSet& cards, const std::string& group, int n, const CKanjiLibrary* library) {
    switch (n % 4) {
        case 0: {
            auto card = std::make_unique<CKanjiCard>();
            SetCommon(*card, group, n);
            card->character = LevelOneKanji(n % 2965);
            card->comments = n % 3 == 0 ? Numbered("メモ %d\n二行目", n) : std::string();
            card->readings.push_back(MakeReading({"SHOKU", "JIKI"}, {"ku(u)", "ta(beru)%"},
                                                 {"eat", Numbered("food %d", n)}));
            if (n % 8 == 0) card->readings.push_back(MakeReading({}, {"ku(rau)"}, {"eat; drink"}));
            Link(*card, library);
            cards.AddCard(std::move(card));
            break;
        }
        case 1: {
            auto card = std::make_unique<CKanjiCompound>();
            SetCommon(*card, group, n);
            card->headword = Sjis("食べ物") + LevelOneKanji(n % 2965);
            card->romaji = "tabemono";
            card->meaning = Numbered("/(n) food/provisions %d/(P)/", n);
            cards.AddCard(std::move(card));
            break;
        }
        case 2: {
            auto card = std::make_unique<CKanaWord>();
            SetCommon(*card, group, n);
            card->kana = Sjis(n % 6 == 2 ? "テーブル" : "すこし");
            card->romaji = n % 6 == 2 ? "TEEBURU" : "sukoshi";
            card->meaning = Numbered("a little\tbit %d", n);
            cards.AddCard(std::move(card));
            break;
        }
        default: {
            auto card = std::make_unique<CCounterCard>();
            SetCommon(*card, group, n);
            card->character = Sjis("本");
            card->extraText1 = n % 2 ? Sjis("一本") : std::string();
            card->extraText2 = Numbered("%d本", n);
            card->meaning = "long thin objects";
            card->romaji = "hon";
            card->comments = "pens, bottles";
            card->formNumbers = {"1", "2", "3"};
            card->formRomaji = {"ippon", "nihon", "sanbon"};
            Link(*card, library);
            card->counterType = n % 2 ? CCounterCard::kName : CCounterCard::kCount;
            cards.AddCard(std::move(card));
        }
    }
}

template <class Field>
std::string Compare(const char* name, const Field& expected, const Field& actual) {
    return expected == actual ? std::string() : std::string(name) + " differs";
}

std::string ReadingsDifference(const CKanjiCard& expected, const CKanjiCard& actual) {
    if (expected.readings.size() != actual.readings.size()) return "reading group count differs";
    for (std::size_t i = 0; i < expected.readings.size(); ++i) {
        const CKanjiReading& a = *expected.readings[i];
        const CKanjiReading& b = *actual.readings[i];
        if (a.onReadings != b.onReadings || a.kunReadings != b.kunReadings ||
            a.meanings != b.meanings)
            return "reading group " + std::to_string(i) + " differs";
    }
    return {};
}

std::string CardDifference(const CKanjiCard& a, const CKanjiCard& b) {
    for (std::string difference :
         {Compare("character", a.character, b.character),
          Compare("comments", a.comments, b.comments), ReadingsDifference(a, b),
          Compare("compounds", a.compounds.size(), b.compounds.size()),
          Compare("dbGroup", a.dbGroup, b.dbGroup), Compare("dbIndex", a.dbIndex, b.dbIndex)}) {
        if (!difference.empty()) return difference;
    }
    return {};
}

std::string CardDifference(const CKanjiCompound& a, const CKanjiCompound& b) {
    for (std::string difference :
         {Compare("headword", a.headword, b.headword), Compare("meaning", a.meaning, b.meaning),
          Compare("romaji", a.romaji, b.romaji), Compare("hiragana", a.hiragana, b.hiragana)}) {
        if (!difference.empty()) return difference;
    }
    return {};
}

std::string CardDifference(const CKanaWord& a, const CKanaWord& b) {
    for (std::string difference :
         {Compare("kana", a.kana, b.kana), Compare("meaning", a.meaning, b.meaning),
          Compare("romaji", a.romaji, b.romaji)}) {
        if (!difference.empty()) return difference;
    }
    return {};
}

std::string CardDifference(const CCounterCard& a, const CCounterCard& b) {
    for (std::string difference :
         {Compare("character", a.character, b.character),
          Compare("extraText1", a.extraText1, b.extraText1),
          Compare("extraText2", a.extraText2, b.extraText2),
          Compare("meaning", a.meaning, b.meaning), Compare("romaji", a.romaji, b.romaji),
          Compare("comments", a.comments, b.comments),
          Compare("formRomaji", a.formRomaji, b.formRomaji),
          Compare("formNumbers", a.formNumbers, b.formNumbers),
          Compare("dbGroup", a.dbGroup, b.dbGroup), Compare("dbIndex", a.dbIndex, b.dbIndex),
          Compare("counterType", a.counterType, b.counterType)}) {
        if (!difference.empty()) return difference;
    }
    return {};
}

template <class Card>
std::string ListDifference(const std::vector<Card*>& expected, const std::vector<Card*>& actual) {
    if (expected.size() != actual.size()) return "card count differs";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Card& a = *expected[i];
        const Card& b = *actual[i];
        std::string difference = CardDifference(a, b);
        for (std::string common : {Compare("groupName", a.groupName, b.groupName),
                                   Compare("rightCount", a.rightCount, b.rightCount),
                                   Compare("wrongCount", a.wrongCount, b.wrongCount),
                                   Compare("active", a.active, b.active)})
            if (difference.empty()) difference = common;
        if (!difference.empty()) return "card " + std::to_string(i) + ": " + difference;
    }
    return {};
}

}  // namespace

void AddExchangeCards(CFlashcardSet& cards, int groupCount, int cardsPerGroup,
                      const CKanjiLibrary* library) {
    for (int g = 0; g < groupCount; ++g) {
        const std::string name = Numbered("単語 %03d", g);
        cards.AddGroup(name);
        for (int c = 0; c < cardsPerGroup; ++c)
            AddCard(cards, name, g * cardsPerGroup + c, library);
    }
}

void AddEscapingCards(CFlashcardSet& cards, const std::string& groupName) {
    cards.AddGroup(groupName);
    auto kanji = std::make_unique<CKanjiCard>();
    kanji->groupName = groupName;
    kanji->character = Sjis("表");
    kanji->comments = "tab\there\nnew line\\back slash";
    kanji->readings.push_back(MakeReading({"HYOU"}, {"omote", "arawa(su)"},
                                          {"surface; table", "a/b", "x|y", "back\\slash", "1=2"}));
    kanji->readings.push_back(MakeReading({}, {}, {}));
    kanji->rightCount = 12;
    kanji->wrongCount = 3;
    kanji->active = 0;
    cards.AddCard(std::move(kanji));
    auto compound = std::make_unique<CKanjiCompound>();
    compound->groupName = groupName;
    compound->headword = Sjis("表現");
    compound->romaji = "hyougen";
    compound->meaning = "expression\tpresentation\r\nrepresentation \"quoted\"";
    cards.AddCard(std::move(compound));
    auto kana = std::make_unique<CKanaWord>();
    kana->groupName = groupName;
    kana->kana = Sjis("ソ");  // 0x835C: a trail byte that is a backslash
    kana->romaji = "SO";
    kana->meaning = "the katakana so \\";
    cards.AddCard(std::move(kana));
    auto counter = std::make_unique<CCounterCard>();
    counter->groupName = groupName;
    counter->character = Sjis("枚");
    counter->meaning = "flat things";
    counter->romaji = "mai";
    counter->formNumbers = {"1", "2;3", "4=5"};
    counter->formRomaji = {"ichimai", "ni;mai", "yon=mai\\"};
    counter->extraText1 = Sjis("一枚");
    counter->counterType = CCounterCard::kName;
    cards.AddCard(std::move(counter));
}

std::string SetDifference(const CFlashcardSet& expected, const CFlashcardSet& actual) {
    if (expected.GroupNames() != actual.GroupNames()) return "group names differ";
    for (const std::string& name : expected.GroupNames()) {
        const CWordGroup& a = *expected.FindGroup(name);
        const CWordGroup& b = *actual.FindGroup(name);
        const std::string prefix = "group " + sjis::ToUtf8(name) + ", ";
        for (std::string difference : {ListDifference(a.kanjiCards, b.kanjiCards),
                                       ListDifference(a.compoundCards, b.compoundCards),
                                       ListDifference(a.kanaWordCards, b.kanaWordCards),
                                       ListDifference(a.counterCards, b.counterCards),
                                       Compare("cardCount", a.cardCount, b.cardCount)}) {
            if (!difference.empty()) return prefix + difference;
        }
    }
    return {};
}

}  // namespace brushly::testing
