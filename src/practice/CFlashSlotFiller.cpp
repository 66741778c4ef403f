#include "practice/CFlashSlotFiller.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "dictionary/CAbbreviationList.h"
#include "document/CBrushly2Doc.h"
#include "lookup/RomajiKana.h"
#include "platform/ShiftJis.h"
#include "practice/CounterNumbers.h"
#include "practice/FlashAnswerText.h"
#include "practice/FlashReadingPick.h"
#include "practice/OkuriganaSplit.h"

namespace brushly {

namespace {

// Draws per slot before it gets "No Data" (kanji, kana words and counters).
constexpr int kMaxDraws = 1000;
// Character positions tried to find a kanji the question shares with database compounds.
constexpr int kSharedKanjiTries = 100;
// Draws of a compound slot that come from the compounds sharing a kanji with the question,
// used only when the database has more than kSharedDatabaseMinimum of them.
constexpr int kSharedDraws = 50;
constexpr std::size_t kSharedDatabaseMinimum = 4;
// Draws from the database pool of a tiered compound pick.
constexpr int kDatabasePoolDraws = 10;
// Draws after which a long compound's distracter may be given the doubled consonant.
constexpr int kDoubledConsonantDraws = 100;
// The deck must hold this many entries of a kind to supply distracters; the document more
// than kDocumentMinimum cards.
constexpr std::size_t kDeckMinimum = 5;
constexpr std::size_t kDocumentMinimum = 5;

FlashSlot ReadingSlot(std::string_view romaji, bool asKatakana) {
    return FlashSlot{WithoutAtSigns(romaji), AnswerKana(romaji, asKatakana)};
}

FlashSlot NoDataSlot() {
    return FlashSlot{CFlashSlotFiller::kNoData, {}};
}

int SizeIf(std::size_t size, bool usable) {
    return usable ? static_cast<int>(size) : 0;
}

template <class T>
const T& RandomOf(const std::vector<T>& pool, CRandom& random) {
    return pool[static_cast<std::size_t>(random.PickRandom(static_cast<int>(pool.size())) - 1)];
}

// The cards behind the deck's entries of one kind.
template <class Card>
std::vector<const Card*> DeckCards(const std::vector<FlashDeckEntry>& deck, FlashKind kind,
                                   Card* FlashDeckEntry::*card) {
    std::vector<const Card*> cards;
    for (const FlashDeckEntry& entry : deck) {
        if (entry.kind == kind) cards.push_back(entry.*card);
    }
    return cards;
}

template <class Card>
std::vector<const Card*> DocumentCards(const std::vector<std::unique_ptr<Card>>& master) {
    std::vector<const Card*> cards;
    for (const auto& card : master)
        cards.push_back(card.get());
    return cards;
}

// The cards of one kind that distracters are drawn from, the deck's and the document's, and
// the sizes of the three pools; a pool too small to be used counts 0.
template <class Card>
struct CardPools {
    std::vector<const Card*> deck;
    std::vector<const Card*> document;
    std::array<int, 3> sizes{};
};

template <class Card>
CardPools<Card> CardPoolsOf(const std::vector<FlashDeckEntry>& deck, FlashKind kind,
                            Card* FlashDeckEntry::*member,
                            const std::vector<std::unique_ptr<Card>>& master, int databaseSize) {
    CardPools<Card> pools{DeckCards(deck, kind, member), DocumentCards(master), {}};
    pools.sizes = {SizeIf(pools.deck.size(), pools.deck.size() >= kDeckMinimum),
                   SizeIf(pools.document.size(), pools.document.size() > kDocumentMinimum),
                   databaseSize};
    return pools;
}

// Characters a shared kanji is never looked for at: kana, 々 (0x81 0x58) and ー (0x81 0x5B).
bool IsKanaOrMark(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character.front());
    return lead == sjis::kHiraganaLead || lead == sjis::kKatakanaLead || character == "\x81\x58" ||
           character == "\x81\x5B";
}

int Characters(std::string_view text) {
    return static_cast<int>(sjis::Characters(text).size());
}

// The size rule of reading distracters: a question of 1 to 3 characters admits candidates
// one character longer or shorter at most, a longer one candidates of 3 or more.
bool SizeFits(int question, int candidate) {
    return question <= 3 ? std::abs(candidate - question) <= 1 : candidate >= 3;
}

// Fills every slot but the correct one with the first acceptable draw. draw(n) gives the
// n-th candidate of the slot, or nothing for a failed draw; a candidate whose key is taken
// (the card's own answers, the slots filled before) fails too. kNoData is always taken.
// A slot still empty after maxDraws draws gets kNoData.
template <class Draw>
void FillDistracters(FlashSlots& slots, std::vector<std::string> keys, bool reading, int maxDraws,
                     Draw&& draw) {
    for (std::size_t index = 0; index < slots.slots.size(); ++index) {
        if (static_cast<int>(index) + 1 == slots.correct) continue;
        FlashSlot& slot = slots.slots[index];
        for (int n = 1; n <= maxDraws && slot.answer.empty(); ++n) {
            std::optional<FlashSlot> candidate = draw(n);
            if (!candidate) continue;
            if (candidate->answer == CFlashSlotFiller::kNoData) {
                slot = std::move(*candidate);
                break;
            }
            std::string key = AnswerKey(candidate->answer, reading);
            if (candidate->answer.empty() ||
                std::find(keys.begin(), keys.end(), key) != keys.end()) {
                continue;
            }
            keys.push_back(std::move(key));
            slot = std::move(*candidate);
        }
        if (slot.answer.empty()) slot = NoDataSlot();
    }
}

// FillDistracters over escalating pools of these sizes: each slot's draws start again at
// the tier `source`, and a slot whose pools are all used up gets kNoData. draw(tier) draws
// one candidate from pool 0 (deck), 1 (document) or 2 (database).
template <class Draw>
void FillFromTiers(FlashSlots& slots, std::vector<std::string> keys, bool reading,
                   const std::array<int, 3>& sizes, int source, Draw&& draw) {
    FlashCandidateTiers tiers;
    FillDistracters(slots, std::move(keys), reading, kMaxDraws,
                    [&](int n) -> std::optional<FlashSlot> {
                        if (n == 1) tiers = FlashCandidateTiers{sizes, source, 0, 0};
                        const int tier = NextCandidateTier(tiers);
                        if (tier < 0) return NoDataSlot();
                        return draw(tier);
                    });
}

}  // namespace

bool SlotsShowKana(const CBrushly2Doc& document, const FlashDeckEntry& entry) {
    return document.Options().flash.desiredAnswer == 0 && document.RomajiMode() == 0 &&
           entry.kind != FlashKind::kKanaWord;
}

CFlashSlotFiller::CFlashSlotFiller(CBrushly2Doc& document, const CAbbreviationList& abbreviations,
                                   const std::vector<FlashDeckEntry>& deck)
    : m_document(document), m_abbreviations(abbreviations), m_deck(deck) {}

bool CFlashSlotFiller::ChooseRandomCompound(FlashDeckEntry& entry) {
    if (entry.kind != FlashKind::kKanji || entry.kanji == nullptr) return false;
    if (!entry.randomCompound.empty()) return true;
    const std::string& kanji = entry.kanji->character;
    const FlashCompoundPools pools = GatherCompoundPools(m_document, m_deck, kanji);
    if (pools.database.empty()) return false;

    FlashCandidateTiers tiers;
    tiers.sizes = {static_cast<int>(pools.deck.size()), static_cast<int>(pools.document.size()),
                   static_cast<int>(pools.database.size())};
    tiers.tier = m_document.Options().flash.compoundSource;
    tiers.lastPoolDraws = kDatabasePoolDraws;
    for (int tier = NextCandidateTier(tiers); tier >= 0; tier = NextCandidateTier(tiers)) {
        const CCompoundData& compound = *RandomOf(pools.Pool(tier), m_document.Random());
        // The kanji written alone is no compound of it.
        if (compound.headword == kanji) continue;
        entry.randomCompound = compound.headword;
        entry.randomCompoundReading = compound.romaji;
        entry.randomCompoundMeaning = compound.meaning;
        entry.split = SplitOkurigana(compound.headword, ShownRomaji(compound.romaji, 0));
        return true;
    }
    return false;
}

FlashSlots CFlashSlotFiller::Fill(const FlashDeckEntry& entry, int quizMode) {
    FlashSlots slots;
    slots.correct = m_document.Random().PickRandom(static_cast<int>(slots.slots.size()));
    slots.showKana = SlotsShowKana(m_document, entry);
    switch (entry.kind) {
        case FlashKind::kKanji:
            if (entry.randomCompound.empty()) {
                FillKanji(slots, *entry.kanji);
            } else {
                FillCompound(slots, {entry.randomCompound, entry.randomCompoundReading,
                                     entry.randomCompoundMeaning, entry.split});
            }
            break;
        case FlashKind::kCompound:
            FillCompound(slots, {entry.compound->headword, entry.compound->romaji,
                                 entry.compound->meaning, entry.split});
            break;
        case FlashKind::kKanaWord:
            FillKanaWord(slots, *entry.kanaWord);
            break;
        case FlashKind::kCounter:
            FillCounter(slots, entry, quizMode);
            break;
    }
    // Romaji answers are shown in the long-o style; their kana was made from the stored form
    // already and stays as it is.
    for (FlashSlot& slot : slots.slots) {
        if (!slot.kana.empty()) slot.answer = LongORomaji(slot.answer, m_document.LongOMode());
    }
    return slots;
}

void CFlashSlotFiller::FillKanji(FlashSlots& slots, const CKanjiCard& card) {
    const CFlashOptions& options = m_document.Options().flash;
    CRandom& random = m_document.Random();
    const int longOMode = m_document.LongOMode();
    const bool reading = options.desiredAnswer == 0;

    FlashSlot& correct = slots.slots[static_cast<std::size_t>(slots.correct - 1)];
    std::vector<std::string> keys;
    int kind = options.readingKind;
    if (reading) {
        if (kind == 0) kind = random.PickRandom(2);
        const FlashReadingPick pick = PickKanjiReading(card.readings, kind, longOMode, random);
        kind = pick.kind;
        // A kanji without readings still gets an answer, so that four slots can be filled.
        correct = ReadingSlot(pick.reading.empty() ? "ki" : pick.reading, kind == kFlashOnReading);
        for (const auto& group : card.readings) {
            for (const auto* list : {&group->onReadings, &group->kunReadings}) {
                for (const std::string& own : *list) {
                    keys.push_back(
                        AnswerKey(WithoutAtSigns(CleanKanjiReading(own, longOMode)), true));
                }
            }
        }
    } else {
        const std::string meaning = PickKanjiMeaning(card.readings, random);
        correct = FlashSlot{meaning.empty() ? kNoData : meaning, {}};
        for (const auto& group : card.readings) {
            for (const std::string& own : group->meanings) {
                keys.push_back(AnswerKey(RemoveVerbTags(own), false));
            }
        }
    }
    keys.push_back(AnswerKey(correct.answer, reading));

    const CKanjiLibrary* library = m_document.KanjiLibrary();
    const CardPools<CKanjiCard> pools = CardPoolsOf(
        m_deck, FlashKind::kKanji, &FlashDeckEntry::kanji, m_document.Cards().KanjiCards(),
        library != nullptr ? library->KanjiCount() : 0);

    FillFromTiers(slots, std::move(keys), reading, pools.sizes, options.distracterSource,
                  [&](int tier) -> std::optional<FlashSlot> {
                      const std::vector<std::unique_ptr<CKanjiReading>>& groups =
                          tier == 0   ? RandomOf(pools.deck, random)->readings
                          : tier == 1 ? RandomOf(pools.document, random)->readings
                                      : library->RandomKanji(random).record->readings;
                      if (!reading) {
                          std::string meaning = PickKanjiMeaning(groups, random);
                          return meaning.empty() ? NoDataSlot() : FlashSlot{std::move(meaning), {}};
                      }
                      const FlashReadingPick pick =
                          PickKanjiReading(groups, kind, longOMode, random);
                      if (pick.reading.empty()) return NoDataSlot();
                      if (pick.fellBack) return std::nullopt;
                      return ReadingSlot(pick.reading, kind == kFlashOnReading);
                  });
}

FlashCompoundPools CFlashSlotFiller::PoolsSharingKanji(std::string_view text) {
    const std::vector<std::string_view> characters = sjis::Characters(text);
    const CCompoundLibrary* library = m_document.CompoundLibrary();
    if (characters.empty() || library == nullptr) return {};
    for (int attempt = 0; attempt < kSharedKanjiTries; ++attempt) {
        const std::string_view character = RandomOf(characters, m_document.Random());
        if (character.size() != 2 || IsKanaOrMark(character)) continue;
        FlashCompoundPools pools = GatherCompoundPools(m_document, m_deck, character);
        if (!pools.database.empty()) return pools;
    }
    return {};
}

void CFlashSlotFiller::FillCompound(FlashSlots& slots, const CompoundQuestion& question) {
    const CFlashOptions& options = m_document.Options().flash;
    CRandom& random = m_document.Random();
    const bool reading = options.desiredAnswer == 0;

    FlashSlot& correct = slots.slots[static_cast<std::size_t>(slots.correct - 1)];
    correct = reading ? ReadingSlot(ShownRomaji(question.reading, 0), false)
                      : FlashSlot{CompoundMeaningAnswer(question.meaning, m_abbreviations), {}};

    const FlashCompoundPools shared = PoolsSharingKanji(question.text);
    const CCompoundLibrary* library = m_document.CompoundLibrary();
    const CardPools<CKanjiCompound> pools = CardPoolsOf(
        m_deck, FlashKind::kCompound, &FlashDeckEntry::compound, m_document.Cards().CompoundCards(),
        library != nullptr ? library->TotalCount() : 0);
    const int maxDraws = 5 * static_cast<int>(pools.document.size()) + 20 + 1;

    FlashCandidateTiers sharedTiers;
    FlashCandidateTiers tiers;
    FillDistracters(
        slots, {AnswerKey(correct.answer, reading)}, reading, maxDraws,
        [&](int n) -> std::optional<FlashSlot> {
            if (n == 1) {
                sharedTiers = FlashCandidateTiers{
                    {static_cast<int>(shared.deck.size()), static_cast<int>(shared.document.size()),
                     static_cast<int>(shared.database.size())},
                    options.distracterSource,
                    kDatabasePoolDraws,
                    0};
                tiers = FlashCandidateTiers{pools.sizes, options.distracterSource, 0, 0};
            }
            const CCompoundData* compound = nullptr;
            if (n <= kSharedDraws && shared.database.size() > kSharedDatabaseMinimum) {
                const int tier = NextCandidateTier(sharedTiers);
                if (tier >= 0) compound = RandomOf(shared.Pool(tier), random);
            }
            if (compound == nullptr) {
                const int tier = NextCandidateTier(tiers);
                if (tier < 0) return NoDataSlot();
                compound = tier == 0   ? RandomOf(pools.deck, random)
                           : tier == 1 ? RandomOf(pools.document, random)
                                       : library->RandomEntry(CompoundKind::kAny, random);
            }
            if (compound == nullptr || compound->headword == question.text) return std::nullopt;
            if (!reading)
                return FlashSlot{CompoundMeaningAnswer(compound->meaning, m_abbreviations), {}};
            return CompoundCandidate(*compound, question, n);
        });
}

std::optional<FlashSlot> CFlashSlotFiller::CompoundCandidate(const CCompoundData& compound,
                                                             const CompoundQuestion& question,
                                                             int drawNumber) {
    const std::string romaji = ShownRomaji(compound.romaji, 0);
    const OkuriganaSplit split = SplitOkurigana(compound.headword, romaji);
    std::string kanjiReading = KanjiPartReading(romaji, split);
    const int questionSize = question.split.kanjiPartLength / 2;
    if (kanjiReading.empty() || !SizeFits(questionSize, split.kanjiPartLength / 2)) {
        return std::nullopt;
    }
    // After a small tsu the kanji part must begin with the consonant it doubles.
    const std::string& initial = question.split.kanaInitial;
    if (!initial.empty() &&
        !sjis::AsciiLower(kanjiReading).starts_with(sjis::AsciiLower(initial))) {
        if (questionSize < 4 || drawNumber <= kDoubledConsonantDraws) return std::nullopt;
        constexpr std::string_view kVowels = "aiueo";
        const int vowel = m_document.Random().PickRandom(static_cast<int>(kVowels.size()));
        kanjiReading =
            initial + kVowels[static_cast<std::size_t>(vowel - 1)] + kanjiReading.substr(1);
    }
    return ReadingSlot(question.split.leadingRomaji + kanjiReading + question.split.trailingRomaji,
                       false);
}

void CFlashSlotFiller::FillKanaWord(FlashSlots& slots, const CKanaWord& word) {
    const CFlashOptions& options = m_document.Options().flash;
    CRandom& random = m_document.Random();
    const int longOMode = m_document.LongOMode();
    const bool reading = options.desiredAnswer == 0;

    FlashSlot& correct = slots.slots[static_cast<std::size_t>(slots.correct - 1)];
    correct = reading ? ReadingSlot(ShownRomaji(word.romaji, longOMode), false)
                      : FlashSlot{CompoundMeaningAnswer(word.meaning, m_abbreviations), {}};
    const int questionSize = Characters(RomajiToKana(word.romaji, false, false));

    const CCompoundLibrary* library = m_document.KanaWordLibrary() != nullptr
                                          ? m_document.KanaWordLibrary()
                                          : m_document.CompoundLibrary();
    const CardPools<CKanaWord> pools = CardPoolsOf(
        m_deck, FlashKind::kKanaWord, &FlashDeckEntry::kanaWord, m_document.Cards().KanaWordCards(),
        library != nullptr ? library->TotalCount() : 0);

    FillFromTiers(
        slots, {AnswerKey(correct.answer, reading)}, reading, pools.sizes, options.distracterSource,
        [&](int tier) -> std::optional<FlashSlot> {
            std::string kana;
            std::string_view romaji;
            std::string_view meaning;
            if (tier < 2) {
                const CKanaWord& other = *RandomOf(tier == 0 ? pools.deck : pools.document, random);
                kana = RomajiToKana(other.romaji, false, false);
                romaji = other.romaji;
                meaning = other.meaning;
            } else {
                const CCompoundData* other = library->RandomEntry(CompoundKind::kAny, random);
                if (other == nullptr) return std::nullopt;
                kana = other->headword;
                romaji = other->romaji;
                meaning = other->meaning;
            }
            if (!reading) return FlashSlot{CompoundMeaningAnswer(meaning, m_abbreviations), {}};
            if (!SizeFits(questionSize, Characters(kana))) return std::nullopt;
            return ReadingSlot(ShownRomaji(romaji, longOMode), false);
        });
}

void CFlashSlotFiller::FillCounter(FlashSlots& slots, const FlashDeckEntry& entry, int quizMode) {
    const CFlashOptions& options = m_document.Options().flash;
    CRandom& random = m_document.Random();
    const int longOMode = m_document.LongOMode();
    const bool reading = options.desiredAnswer == 0;
    const CCounterCard& card = *entry.counter;
    // "Only One" asks the counter alone, without a number, except in No Quiz mode.
    const bool counterAlone = options.counterForms == 1 && quizMode != 2;

    FlashSlot& correct = slots.slots[static_cast<std::size_t>(slots.correct - 1)];
    correct = reading
                  ? ReadingSlot(counterAlone ? sjis::AsciiLower(card.romaji) : entry.counterReading,
                                false)
                  : FlashSlot{card.meaning, {}};
    // Distracters take the question's number, so that the choices differ in the counter.
    const std::optional<CounterNumberWords> words =
        counterAlone ? std::nullopt : NumberWordsOf(entry.counterNumber, entry.counterReading);
    const int kind = entry.counterReadingKind == 0   ? kFlashOnReading
                     : entry.counterReadingKind == 1 ? kFlashKunReading
                                                     : 0;

    const CKanjiLibrary* library = m_document.KanjiLibrary();
    const CardPools<CCounterCard> pools = CardPoolsOf(
        m_deck, FlashKind::kCounter, &FlashDeckEntry::counter, m_document.Cards().CounterCards(),
        library != nullptr ? library->KanjiCount() : 0);

    FillFromTiers(
        slots, {AnswerKey(correct.answer, reading)}, reading, pools.sizes, options.distracterSource,
        [&](int tier) -> std::optional<FlashSlot> {
            std::string text;
            if (tier < 2) {
                const CCounterCard& other =
                    *RandomOf(tier == 0 ? pools.deck : pools.document, random);
                if (!reading) {
                    text = other.meaning;
                } else {
                    const std::string_view romaji =
                        std::string_view(other.romaji).substr(0, other.romaji.find('('));
                    text = sjis::AsciiLower(romaji.substr(0, romaji.find_last_not_of(' ') + 1));
                }
            } else {
                const auto& groups = library->RandomKanji(random).record->readings;
                if (!reading) {
                    text = PickKanjiMeaning(groups, random);
                } else {
                    const int pickKind = kind != 0 ? kind : random.PickRandom(2);
                    const FlashReadingPick pick =
                        PickKanjiReading(groups, pickKind, longOMode, random);
                    if (!pick.reading.empty()) {
                        text = entry.prefixRomaji + pick.reading + entry.postfixRomaji;
                    }
                }
            }
            if (text.empty()) return NoDataSlot();
            if (!reading) return FlashSlot{std::move(text), {}};
            if (words) text = (random.PickRandom(2) == 1 ? words->other : words->used) + text;
            return ReadingSlot(text, false);
        });
}

}  // namespace brushly
