#include "document/SampleWordGroups.h"

#include <utility>
#include <vector>

namespace brushly {

namespace {

// A word of the samples (Shift-JIS text) with the meaning and romaji used when the
// dictionary is not loaded or lacks it.
struct CSampleWord {
    std::string_view text;
    std::string_view meaning;
    std::string_view romaji;
};

struct CSampleCounter {
    std::string_view character;
    std::string_view meaning;
    std::string_view romaji;
    std::vector<std::pair<std::string_view, std::string_view>> forms;  // number, romaji
};

struct CSampleGroup {
    std::string_view name;
    std::vector<std::string_view> kanji;
    std::vector<CSampleWord> compounds;
    std::vector<CSampleWord> kanaWords;
    std::vector<CSampleCounter> counters;
};

// The groups of kSampleGroupNames, in that order.
std::vector<CSampleGroup> SampleGroups() {
    return {
        {kSampleGroupNames[0],
         {"\x8c\xa2", "\x92\xb9", "\x8b\x9b"},                     // 犬 鳥 魚
         {{"\x93\xae\x95\xa8", "animal", "doubutsu"}},             // 動物
         {{"\x82\xcb\x82\xb1", "cat", "neko"},                     // ねこ
          {"\x83\x89\x83\x43\x83\x49\x83\x93", "lion", "RAION"}},  // ライオン
         {{"\x95\x43",                                             // 匹
           "small animals",
           "hiki",
           {{"1", "ippiki"}, {"2", "nihiki"}, {"3", "sanbiki"}, {"4", "yonhiki"}}}}},
        {kSampleGroupNames[1],
         {"\x90\xd4", "\x90\xc2", "\x94\x92"},               // 赤 青 白
         {{"\x89\xa9\x90\x46", "yellow", "kiiro"}},          // 黄色
         {{"\x83\x73\x83\x93\x83\x4e", "pink", "PINKU"},     // ピンク
          {"\x82\xdd\x82\xc7\x82\xe8", "green", "midori"}},  // みどり
         {}},
        {kSampleGroupNames[2],
         {"\x8e\x52", "\x90\xec", "\x8a\x43"},                          // 山 川 海
         {{"\x93\xfa\x96\x7b", "Japan", "nihon"},                       // 日本
          {"\x93\x8c\x8b\x9e", "Tokyo", "toukyou"}},                    // 東京
         {{"\x83\x41\x83\x81\x83\x8a\x83\x4a", "America", "AMERIKA"}},  // アメリカ
         {}},
        {kSampleGroupNames[3],
         {"\x93\xfa", "\x8c\x8e", "\x94\x4e"},            // 日 月 年
         {{"\x8d\xa1\x93\xfa", "today", "kyou"},          // 今日
          {"\x8e\x9e\x8a\xd4", "time; hours", "jikan"}},  // 時間
         {},
         {{"\x8e\x9e",  // 時
           "o'clock",
           "ji",
           {{"1", "ichiji"}, {"2", "niji"}, {"3", "sanji"}, {"4", "yoji"}}}}},
        {kSampleGroupNames[4],
         {"\x8e\xd4", "\x89\x77"},                           // 車 駅
         {{"\x93\x64\x8e\xd4", "train", "densha"},           // 電車
          {"\x97\xb7\x8d\x73", "travel; trip", "ryokou"}},   // 旅行
         {{"\x83\x7a\x83\x65\x83\x8b", "hotel", "HOTERU"}},  // ホテル
         {{"\x91\xe4",                                       // 台
           "vehicles and machines",
           "dai",
           {{"1", "ichidai"}, {"2", "nidai"}, {"3", "sandai"}}}}},
        {kSampleGroupNames[5],
         {"\x90\x48", "\x8c\xa9", "\x8d\x73", "\x97\x88"},  // 食 見 行 来
         {{"\x95\xd7\x8b\xad", "study", "benkyou"}},        // 勉強
         {{"\x82\xb7\x82\xe9", "to do", "suru"}},           // する
         {}},
        {kSampleGroupNames[6],
         // 百 千 上 下 左 右 中 大 小 月
         {"\x95\x53", "\x90\xe7", "\x8f\xe3", "\x89\xba", "\x8d\xb6", "\x89\x45", "\x92\x86",
          "\x91\xe5", "\x8f\xac", "\x8c\x8e"},
         {},
         {},
         {}},
        {kSampleGroupNames[7],
         // 画 回 会 海 絵 外 角 楽 活 間
         {"\x89\xe6", "\x89\xf1", "\x89\xef", "\x8a\x43", "\x8a\x47", "\x8a\x4f", "\x8a\x70",
          "\x8a\x79", "\x8a\x88", "\x8a\xd4"},
         {},
         {},
         {}},
    };
}

// The dictionary's first entry written exactly as text, or null.
const CCompoundData* FindEntry(const CCompoundLibrary* library, std::string_view text) {
    if (!library) return nullptr;
    std::vector<const CCompoundData*> matches;
    library->FindByKanji(matches, text);
    for (const CCompoundData* entry : matches) {
        if (entry->headword == text) return entry;
    }
    return nullptr;
}

CKanjiRef FindKanji(const CKanjiLibrary* library, std::string_view character) {
    return library ? library->FindByCharacter(character) : CKanjiRef{};
}

std::unique_ptr<CKanjiCard> MakeKanjiCard(std::string_view group, std::string_view character,
                                          const CKanjiLibrary* library) {
    auto card = std::make_unique<CKanjiCard>();
    card->groupName = group;
    card->character = character;
    if (const CKanjiRef ref = FindKanji(library, character)) card->LinkTo(ref);
    return card;
}

std::unique_ptr<CKanjiCompound> MakeCompoundCard(std::string_view group, const CSampleWord& word,
                                                 const CCompoundLibrary* library) {
    std::unique_ptr<CKanjiCompound> card;
    if (const CCompoundData* entry = FindEntry(library, word.text)) {
        card = std::make_unique<CKanjiCompound>(*entry);
    } else {
        card = std::make_unique<CKanjiCompound>();
        card->headword = word.text;
        card->meaning = word.meaning;
        card->romaji = word.romaji;
    }
    card->groupName = group;
    return card;
}

std::unique_ptr<CKanaWord> MakeKanaWordCard(std::string_view group, const CSampleWord& word,
                                            const CCompoundLibrary* library) {
    auto card = std::make_unique<CKanaWord>();
    card->groupName = group;
    card->kana = word.text;
    const CCompoundData* entry = FindEntry(library, word.text);
    card->meaning = entry ? entry->meaning : word.meaning;
    card->romaji = entry ? entry->romaji : word.romaji;
    return card;
}

std::unique_ptr<CCounterCard> MakeCounterCard(std::string_view group, const CSampleCounter& counter,
                                              const CKanjiLibrary* library) {
    auto card = std::make_unique<CCounterCard>();
    card->groupName = group;
    card->character = counter.character;
    card->meaning = counter.meaning;
    card->romaji = counter.romaji;
    for (const auto& [number, romaji] : counter.forms) {
        card->formNumbers.emplace_back(number);
        card->formRomaji.emplace_back(romaji);
    }
    if (const CKanjiRef ref = FindKanji(library, counter.character)) {
        card->dbGroup = ref.group;
        card->dbIndex = ref.index;
    }
    return card;
}

}  // namespace

void AddSampleWordGroups(CFlashcardSet& cards, const CKanjiLibrary* kanjiLibrary,
                         const CCompoundLibrary* compoundLibrary,
                         const CCompoundLibrary* kanaWordLibrary) {
    for (const CSampleGroup& group : SampleGroups()) {
        cards.AddGroup(std::string(group.name));
        for (std::string_view character : group.kanji)
            cards.AddCard(MakeKanjiCard(group.name, character, kanjiLibrary));
        for (const CSampleWord& word : group.compounds)
            cards.AddCard(MakeCompoundCard(group.name, word, compoundLibrary));
        for (const CSampleWord& word : group.kanaWords)
            cards.AddCard(MakeKanaWordCard(group.name, word, kanaWordLibrary));
        for (const CSampleCounter& counter : group.counters)
            cards.AddCard(MakeCounterCard(group.name, counter, kanjiLibrary));
    }
}

}  // namespace brushly
