#include "practice/CFlashQuiz.h"

#include <algorithm>
#include <utility>

#include "dictionary/CAbbreviationList.h"
#include "document/CBrushly2Doc.h"
#include "lookup/RomajiKana.h"
#include "practice/CounterNumbers.h"
#include "practice/FlashDeck.h"
#include "practice/QuizRun.h"
#include "practice/VerbConjugation.h"

namespace brushly {

namespace {

// "Display Kanji flashcard using..." values besides the main character.
constexpr int kDisplayVerbInflection = 1;
constexpr int kDisplayRandomCompound = 2;
// "Counters" value asking one form per card.
constexpr int kCountersOnlyOne = 1;

bool IncludedKindsDiffer(const CFlashOptions& before, const CFlashOptions& now) {
    return before.includeKanji != now.includeKanji ||
           before.includeCompounds != now.includeCompounds ||
           before.includeKanaWords != now.includeKanaWords ||
           before.includeCounters != now.includeCounters || before.counterForms != now.counterForms;
}

}  // namespace

CFlashQuiz::CFlashQuiz(CBrushly2Doc& document, const CAbbreviationList& abbreviations,
                       CFlashQuizHost& host, bool japaneseFont)
    : CQuizFlow(host, document.Prompter()),
      m_document(document),
      m_abbreviations(abbreviations),
      m_japaneseFont(japaneseFont) {}

bool CFlashQuiz::Start(const std::vector<std::string>& groupNames) {
    m_groupNames = groupNames;
    return StartDeck(true);
}

// --- Commands. ---

void CFlashQuiz::Shuffle() {
    if (!StartDeck(true)) ReturnWithNoCards();
}

void CFlashQuiz::ShowMissed() {
    if (!m_missed.empty()) StartReview();
}

void CFlashQuiz::SwitchQuizMode() {
    CFlashOptions& options = m_document.Options().flash;
    options.quizMode = (options.quizMode + 1) % 3;
    ApplyQuizModeChange();
}

void CFlashQuiz::Reset() {
    FlashDeckEntry* entry = CurrentEntry();
    if (entry == nullptr || !m_document.Prompter().AskYesNo(kResetStatQuestion)) return;
    entry->ResetStats();
    m_document.SetModified(true);
    m_host.Changed();
}

void CFlashQuiz::ResetAll() {
    if (!m_document.Prompter().AskYesNo(kResetAllQuestion)) return;
    for (const std::string& name : m_groupNames) {
        if (CWordGroup* group = m_document.Cards().FindGroup(name))
            CFlashcardSet::ResetGroupStats(*group);
    }
    m_document.SetModified(true);
    m_host.Changed();
}

void CFlashQuiz::More() {
    FlashDeckEntry* entry = CurrentEntry();
    if (entry == nullptr) return;
    if (!m_flipped) {
        m_host.StopTimer(kAutoFlipTimer);
        Flip();
    } else if (entry->kind == FlashKind::kKanji) {
        if (m_form == FlashQuestionForm::kInflection)
            ChooseNewInflection(*entry, Options(), m_document.Random());
        else if (Options().showReadings != 0)
            CFlashcardSet::NextVerbReading(*entry->kanji, entry->tableGroup, entry->tableReading,
                                           m_document.Random());
    }
    m_host.Changed();
}

// --- Options. ---

void CFlashQuiz::OptionsChanged(const CFlashOptions& before, std::int32_t commonWordsBefore) {
    const CFlashOptions& now = Options();
    if (IncludedKindsDiffer(before, now)) {
        Shuffle();
        return;
    }
    bool movedOn = false;
    if (before.quizMode != now.quizMode) {
        movedOn = Current() != nullptr && m_state == AnswerState::kUnanswered;
        ApplyQuizModeChange();
    }
    if (movedOn) return;
    if (before.kanjiDisplay != now.kanjiDisplay || before.desiredAnswer != now.desiredAnswer) {
        m_host.StopTimer(kTimeLimitTimer);
        Next();
        return;
    }
    if (commonWordsBefore != m_document.CommonWordsOnly() && Current() != nullptr) FillSlots();
    m_host.Changed();
}

// --- State for drawing. ---

FlashSlots CFlashQuiz::Slots() const {
    FlashSlots slots = m_slots;
    if (const FlashDeckEntry* entry = Current()) slots.showKana = SlotsShowKana(m_document, *entry);
    return slots;
}

bool CFlashQuiz::MeaningAnswers() const {
    return Options().desiredAnswer == 1;
}

const CKanjiStrokes* CFlashQuiz::DemonstrationStrokes() const {
    const FlashDeckEntry* entry = Current();
    const CKanjiLibrary* library = m_document.KanjiLibrary();
    if (entry == nullptr || library == nullptr) return nullptr;
    int group = 0;
    int index = -1;
    if (entry->kanji != nullptr) {
        group = entry->kanji->dbGroup;
        index = entry->kanji->dbIndex;
    } else if (entry->counter != nullptr) {
        group = entry->counter->dbGroup;
        index = entry->counter->dbIndex;
    }
    if (group < 1 || group > CKanjiLibrary::kKanjiGroups || index < 0) return nullptr;
    const auto records = library->KanjiGroup(group);
    if (static_cast<std::size_t>(index) >= records.size()) return nullptr;
    return &records[static_cast<std::size_t>(index)]->strokes;
}

std::string CFlashQuiz::Caption() const {
    return RunCaption(m_reviewing ? kMissedCardsPrefix : kFlashViewPrefix, m_position,
                      m_list.size(), m_missed.size());
}

const FlashDeckEntry* CFlashQuiz::Current() const {
    return m_position < m_list.size() ? &m_list[m_position] : nullptr;
}

std::string CFlashQuiz::QuestionText() const {
    const FlashDeckEntry* entry = Current();
    if (entry == nullptr) return {};
    switch (entry->kind) {
        case FlashKind::kCompound:
            return entry->compound->headword;
        case FlashKind::kKanaWord:
            return RomajiToKana(entry->kanaWord->romaji, true, m_document.VerticalMode() == 1);
        case FlashKind::kCounter:
            return CounterQuestionText(*entry, Options().counterForms == kCountersOnlyOne,
                                       QuizMode());
        case FlashKind::kKanji:
            break;
    }
    if (m_form == FlashQuestionForm::kCompound) return entry->randomCompound;
    if (m_form == FlashQuestionForm::kInflection) return InflectedVerbText(*entry);
    return entry->kanji->character;
}

int CFlashQuiz::QuizMode() const {
    return Options().quizMode;
}

std::vector<FlashDataPanel> CFlashQuiz::CardData() const {
    const FlashDeckEntry* entry = Current();
    if (!m_flipped || entry == nullptr) return {};
    return BuildFlashCardData(*entry, m_document, m_abbreviations);
}

// --- The drill. ---

const CFlashOptions& CFlashQuiz::Options() const {
    return m_document.Options().flash;
}

FlashDeckEntry* CFlashQuiz::CurrentEntry() {
    return m_position < m_list.size() ? &m_list[m_position] : nullptr;
}

std::size_t CFlashQuiz::CardsOfGroups() const {
    std::size_t cards = 0;
    for (const std::string& name : m_groupNames) {
        if (const CWordGroup* group = std::as_const(m_document).Cards().FindGroup(name))
            cards += static_cast<std::size_t>(std::max(group->cardCount, 0));
    }
    return cards;
}

bool CFlashQuiz::StartDeck(bool rebuild) {
    StopTimers();
    m_answerWindowOpen = false;
    const bool showBox = (rebuild ? CardsOfGroups() : m_deck.size()) > kShufflingBoxThreshold;
    if (showBox) m_host.ShowShuffling(true);
    if (rebuild) m_deck = BuildFlashDeck(m_document, m_groupNames, m_japaneseFont);
    ShuffleFlashDeck(m_deck, Options().shuffleOrder, m_document.Random());
    for (FlashDeckEntry& entry : m_deck)
        entry.ResetRunChoices();
    if (showBox) m_host.ShowShuffling(false);
    Begin(m_deck, false);
    return !m_deck.empty();
}

void CFlashQuiz::StartReview() {
    std::vector<FlashDeckEntry> review = std::move(m_missed);
    if (Options().shuffleOrder == kShuffleRandom)
        ShuffleFlashDeck(review, kShuffleRandom, m_document.Random());
    Begin(std::move(review), true);
}

void CFlashQuiz::Begin(std::vector<FlashDeckEntry> list, bool reviewing) {
    m_list = std::move(list);
    m_missed.clear();
    BeginList(reviewing);
}

void CFlashQuiz::Present() {
    ClearCard();
    m_form = FlashQuestionForm::kPlain;
    FlashDeckEntry* entry = CurrentEntry();
    if (entry == nullptr) {
        m_host.Changed();
        return;
    }
    const CFlashOptions& options = Options();
    if (entry->kind == FlashKind::kKanji) ChooseKanjiForm(*entry);
    FillSlots();
    if (m_answerWindowOpen) m_prompt = FillInPrompt(*entry, m_form, options.readingKind);
    ArmTimeLimit();
    m_host.Changed();
}

void CFlashQuiz::ChooseKanjiForm(FlashDeckEntry& entry) {
    const CFlashOptions& options = Options();
    if (options.kanjiDisplay == kDisplayRandomCompound) {
        CFlashSlotFiller filler(m_document, m_abbreviations, m_list);
        if (!entry.randomCompound.empty() || filler.ChooseRandomCompound(entry))
            m_form = FlashQuestionForm::kCompound;
    } else if (options.kanjiDisplay == kDisplayVerbInflection && QuizMode() != kMultipleChoice &&
               !entry.kanji->readings.empty() &&
               ChooseRandomInflection(entry, options, m_document.Random())) {
        m_form = FlashQuestionForm::kInflection;
    }
    // Choices of another display setting must not leak into the slots and data.
    if (m_form != FlashQuestionForm::kCompound && !entry.randomCompound.empty()) {
        entry.randomCompound.clear();
        entry.randomCompoundReading.clear();
        entry.randomCompoundMeaning.clear();
        entry.split = OkuriganaSplit{};
    }
    if (m_form != FlashQuestionForm::kInflection) entry.inflectionForm = 0;
}

void CFlashQuiz::FillSlots() {
    CFlashSlotFiller filler(m_document, m_abbreviations, m_list);
    m_slots = filler.Fill(*CurrentEntry(), QuizMode());
}

bool CFlashQuiz::IsTypedAnswerRight() const {
    const CFlashOptions& options = Options();
    return IsFillInAnswerRight(*Current(), m_form, m_typed, options.readingKind,
                               options.counterForms == kCountersOnlyOne);
}

void CFlashQuiz::Flip() {
    FlashDeckEntry& entry = *CurrentEntry();
    CQuizFlow::Flip();
    // The table starts at the inflected reading, else the first verb reading, so that More
    // steps on from the one shown.
    if (entry.kind != FlashKind::kKanji || entry.tableGroup != FlashDeckEntry::kFirstReading)
        return;
    if (entry.inflectionGroup >= 0) {
        entry.tableGroup = entry.inflectionGroup;
        entry.tableReading = entry.inflectionReading;
    } else {
        CFlashcardSet::NextVerbReading(*entry.kanji, entry.tableGroup, entry.tableReading,
                                       m_document.Random());
    }
}

CQuizTiming CFlashQuiz::Timing() const {
    const CFlashOptions& options = Options();
    return {options.timeLimit != 0, options.timeLimitSeconds, options.autoFlip != 0,
            options.autoFlipSeconds};
}

std::string CFlashQuiz::WrongFeedback(bool outOfTime) const {
    std::string feedback = outOfTime ? kOutOfTime : kIncorrect;
    if (QuizMode() != kFillInTheBlank || Current() == nullptr) return feedback;
    // A typed answer that was wrong is followed by what was expected.
    const CFlashOptions& options = Options();
    const std::string expected = ExpectedFillInAnswer(*Current(), m_form, options.readingKind,
                                                      options.counterForms == kCountersOnlyOne);
    if (!expected.empty()) feedback += kExpectedSeparator + expected;
    return feedback;
}

void CFlashQuiz::Record(bool right) {
    FlashDeckEntry& entry = *CurrentEntry();
    m_document.SetModified(true);
    if (right) {
        entry.MarkRight();
    } else {
        entry.MarkWrong();
        m_missed.push_back(entry);
    }
}

void CFlashQuiz::Restart() {
    StartDeck(false);
}

void CFlashQuiz::ReturnWithNoCards() {
    StopTimers();
    m_answerWindowOpen = false;
    m_document.Prompter().Information(kNoActiveCardsMessage);
    m_host.ReturnToMainView();
}

}  // namespace brushly
