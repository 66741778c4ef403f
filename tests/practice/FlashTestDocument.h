#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "practice/CFlashQuizHost.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly::testing {

// A seeded document over the small kanji database, with cards added straight into Word
// Groups, for the Flash View engine tests.
class CFlashTestDocument {
public:
    static constexpr std::uint32_t kSeed = 4242;

    CFlashTestDocument() { document.SetKanjiLibrary(MakeSmallKanjiLibrary()); }

    CKanjiCard& AddKanji(const std::string& group, const std::string& character,
                         std::vector<std::string> on, std::vector<std::string> kun,
                         const std::string& meaning = "meaning") {
        auto card = NewCard<CKanjiCard>(group);
        card->character = character;
        auto reading = std::make_unique<CKanjiReading>();
        reading->onReadings = std::move(on);
        reading->kunReadings = std::move(kun);
        reading->meanings = {meaning};
        card->readings.push_back(std::move(reading));
        return document.Cards().AddCard(std::move(card));
    }
    CKanjiCompound& AddCompound(const std::string& group, const std::string& headword,
                                const std::string& romaji) {
        auto card = NewCard<CKanjiCompound>(group);
        card->headword = headword;
        card->romaji = romaji;
        card->meaning = "a word";
        return document.Cards().AddCard(std::move(card));
    }
    CKanaWord& AddKanaWord(const std::string& group, const std::string& romaji) {
        auto card = NewCard<CKanaWord>(group);
        card->romaji = romaji;
        card->meaning = "a kana word";
        return document.Cards().AddCard(std::move(card));
    }
    // A counter of 本 with the forms "1" ippon, "2" nihon, "3" sanbon.
    CCounterCard& AddCounter(const std::string& group) {
        auto card = NewCard<CCounterCard>(group);
        card->character = "\x96\x7b";  // 本
        card->romaji = "hon";
        card->meaning = "long object";
        card->formNumbers = {"1", "2", "3"};
        card->formRomaji = {"ippon", "nihon", "sanbon"};
        return document.Cards().AddCard(std::move(card));
    }

    CFlashOptions& Flash() { return document.Options().flash; }

    CMemorySettingsStore settings;
    CScriptedPrompter prompter;
    CBrushly2Doc document{settings, prompter, kSeed};

private:
    template <class Card>
    std::unique_ptr<Card> NewCard(const std::string& group) {
        if (document.Cards().FindGroup(group) == nullptr) document.Cards().AddGroup(group);
        auto card = std::make_unique<Card>();
        card->groupName = group;
        return card;
    }
};

// A host that keeps the running timers and counts what the quiz asked of it.
class CRecordingHost final : public CFlashQuizHost {
public:
    void StartTimer(int timer, double seconds) override { timers[timer] = seconds; }
    void StopTimer(int timer) override { timers.erase(timer); }
    void ShowShuffling(bool shown) override { shuffling.push_back(shown); }
    void ReturnToMainView() override { ++returns; }
    void Changed() override { ++changes; }

    bool Running(int timer) const { return timers.count(timer) != 0; }

    std::map<int, double> timers;
    std::vector<bool> shuffling;
    int returns = 0;
    int changes = 0;
};

}  // namespace brushly::testing
