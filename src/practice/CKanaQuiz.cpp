#include "practice/CKanaQuiz.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "document/CBrushly2Doc.h"
#include "platform/FormatPercent.h"
#include "practice/FlashAnswerCheck.h"
#include "practice/KanaDemonstration.h"
#include "practice/KanaSets.h"
#include "practice/QuizRun.h"

namespace brushly {

namespace {

// K9 Shuffle Order values ("Alphabetic", 1, keeps table order).
constexpr int kOrderRandom = 0;
constexpr int kOrderRecognition = 2;
// The kana drill shuffles in one pass where the Flash View makes ten.
constexpr int kRandomShufflePasses = 1;
// Draws per distracter slot before it gives up with "No Data" (a full table never needs
// nearly as many; a partial one may hold too few distinct romaji).
constexpr int kMaxDistracterDraws = 1000;

// A romaji with an alternative in parentheses ("ji(di)") is answered by its first two
// letters.
bool HasAlternative(const std::string& romaji) {
    return !romaji.empty() && romaji.back() == ')';
}

std::string AnswerKey(const std::string& romaji) {
    return HasAlternative(romaji) ? romaji.substr(0, 2) : romaji;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

FlashDataPanel OneLinePanel(FlashPanelKind kind, const char* heading, std::string text) {
    FlashDataPanel panel;
    panel.kind = kind;
    panel.heading = heading;
    panel.lines.emplace_back().text = std::move(text);
    return panel;
}

}  // namespace

CKanaQuiz::CKanaQuiz(CBrushly2Doc& document, CFlashQuizHost& host)
    : CQuizFlow(host, document.Prompter()), m_document(document) {}

bool CKanaQuiz::Start(int script) {
    m_script = script == kKatakana ? kKatakana : kHiragana;
    return StartDeck();
}

void CKanaQuiz::OptionsChanged(const CKanaFlashOptions& before) {
    const CKanaFlashOptions& now = Options();
    if (before.kanaSet != now.kanaSet) {
        Restart();
        return;
    }
    if (before.quizMode != now.quizMode) {
        ApplyQuizModeChange();
        return;
    }
    m_host.Changed();
}

// --- Commands. ---

void CKanaQuiz::Shuffle() {
    Restart();
}

void CKanaQuiz::ShowMissed() {
    if (m_missed.empty())
        m_document.Prompter().Information(kNoMissedMessage);
    else
        StartReview();
}

void CKanaQuiz::SwitchQuizMode() {
    CKanaFlashOptions& options = m_document.Options().kanaFlash;
    options.quizMode = (options.quizMode + 1) % 3;
    ApplyQuizModeChange();
}

void CKanaQuiz::Reset() {
    Entry* entry = CurrentEntry();
    if (entry == nullptr || !m_document.Prompter().AskYesNo(kResetStatQuestion)) return;
    entry->stats->rightCount = 0;
    entry->stats->wrongCount = 0;
    m_document.SetModified(true);
    m_host.Changed();
}

void CKanaQuiz::ResetAll() {
    const char* question =
        m_script == kKatakana ? kResetAllKatakanaQuestion : kResetAllHiraganaQuestion;
    if (!m_document.Prompter().AskYesNo(question)) return;
    for (const Entry& entry : m_deck) {
        entry.stats->rightCount = 0;
        entry.stats->wrongCount = 0;
    }
    m_document.SetModified(true);
    m_host.Changed();
}

void CKanaQuiz::More() {
    if (Current() == nullptr || m_flipped) return;
    m_host.StopTimer(kAutoFlipTimer);
    Flip();
    m_host.Changed();
}

// --- State for drawing. ---

std::string CKanaQuiz::Caption() const {
    const bool katakana = m_script == kKatakana;
    const char* prefix = m_reviewing ? (katakana ? kMissedKatakanaPrefix : kMissedHiraganaPrefix)
                                     : (katakana ? kKatakanaPrefix : kHiraganaPrefix);
    return RunCaption(prefix, m_position, m_list.size(), m_missed.size());
}

const CKanaStats* CKanaQuiz::Current() const {
    return m_position < m_list.size() ? m_list[m_position].stats : nullptr;
}

std::string CKanaQuiz::QuestionText() const {
    const CKanaStats* stats = Current();
    return stats == nullptr ? std::string() : stats->kana;
}

int CKanaQuiz::QuizMode() const {
    return Options().quizMode;
}

std::vector<FlashDataPanel> CKanaQuiz::CardData() const {
    const CKanaStats* stats = Current();
    if (!m_flipped || stats == nullptr) return {};
    return {OneLinePanel(FlashPanelKind::kRomaji, kRomajiHeading, stats->romaji),
            OneLinePanel(FlashPanelKind::kRecognition, kRecognitionHeading,
                         FormatPercent(stats->rightCount, stats->wrongCount, false))};
}

const CKanjiStrokes* CKanaQuiz::DemonstrationStrokes() const {
    return Current() != nullptr && m_demonstration.Size() > 0 ? &m_demonstration : nullptr;
}

std::string CKanaQuiz::DemonstrationCaption() const {
    return m_script == kKatakana ? kKatakanaDemonstration : kHiraganaDemonstration;
}

// --- The drill. ---

const CKanaFlashOptions& CKanaQuiz::Options() const {
    return m_document.Options().kanaFlash;
}

CKanaStatsArray& CKanaQuiz::ScriptStats() const {
    return m_script == kKatakana ? m_document.KatakanaStats() : m_document.HiraganaStats();
}

CKanaQuiz::Entry* CKanaQuiz::CurrentEntry() {
    return m_position < m_list.size() ? &m_list[m_position] : nullptr;
}

bool CKanaQuiz::StartDeck() {
    const CKanaStatsArray& stats = ScriptStats();
    m_deck.clear();
    for (int position : KanaSetPositions(static_cast<KanaSet>(Options().kanaSet))) {
        if (static_cast<std::size_t>(position) < stats.size() && stats[position])
            m_deck.push_back({stats[position].get(), position});
    }
    if (Options().order == kOrderRecognition)
        SortByRecognition(m_deck, [](const Entry& entry) {
            return std::pair{entry.stats->rightCount, entry.stats->wrongCount};
        });
    else if (Options().order == kOrderRandom)
        SwapShuffle(m_deck, kRandomShufflePasses, m_document.Random());
    Begin(m_deck, false);
    return !m_deck.empty();
}

void CKanaQuiz::StartReview() {
    std::vector<Entry> review = std::move(m_missed);
    // Recognition and table order keep the order of missing.
    if (Options().order == kOrderRandom)
        SwapShuffle(review, kRandomShufflePasses, m_document.Random());
    Begin(std::move(review), true);
}

void CKanaQuiz::Begin(std::vector<Entry> list, bool reviewing) {
    m_list = std::move(list);
    m_missed.clear();
    BeginList(reviewing);
}

void CKanaQuiz::Present() {
    ClearCard();
    m_demonstration = CKanjiStrokes();
    const Entry* entry = CurrentEntry();
    if (entry == nullptr) {
        m_host.Changed();
        return;
    }
    if (entry->stats->kanaRecord != nullptr)
        m_demonstration = KanaDemonstrationStrokes(*entry->stats->kanaRecord);
    FillSlots(*entry);
    if (m_answerWindowOpen) m_prompt = kPrompt;
    ArmTimeLimit();
    m_host.Changed();
}

void CKanaQuiz::FillSlots(const Entry& entry) {
    CRandom& random = m_document.Random();
    const CKanaStatsArray& stats = ScriptStats();
    const bool combined = IsCombinedKanaPosition(entry.position);
    m_slots.correct = random.PickRandom(4);
    m_slots.slots[m_slots.correct - 1].answer = AnswerKey(entry.stats->romaji);
    for (int slot = 1; slot <= 4; ++slot) {
        if (slot == m_slots.correct) continue;
        std::string& answer = m_slots.slots[slot - 1].answer;
        answer = CFlashSlotFiller::kNoData;
        for (int draw = 0; draw < kMaxDistracterDraws; ++draw) {
            // A draw of the question's kind: 0-70 single, 71-103 combined.
            const int drawn = combined
                                  ? kSingleKanaCount - 1 + random.PickRandom(kCombinedKanaCount)
                                  : random.PickRandom(kSingleKanaCount) - 1;
            const auto position = static_cast<std::size_t>(drawn);
            if (position >= stats.size() || !stats[position]) continue;
            const std::string candidate = AnswerKey(stats[position]->romaji);
            const bool taken = std::any_of(
                m_slots.slots.begin(), m_slots.slots.end(),
                [&candidate](const FlashSlot& other) { return other.answer == candidate; });
            if (!taken) {
                answer = candidate;
                break;
            }
        }
    }
}

bool CKanaQuiz::IsTypedAnswerRight() const {
    const std::string& romaji = Current()->romaji;
    const bool historical = HasAlternative(romaji);
    const std::string key = AnswerKey(romaji);
    const std::string answer = Lower(m_typed);
    // The t-row ji and zu may be typed as their historical spelling, the s-row ji in
    // Kunrei-shiki.
    if (key == "ji") return answer == "ji" || answer == (historical ? "di" : "zi");
    if (key == "zu") return answer == "zu" || (historical && answer == "dzu");
    return NormalizeTypedRomaji(answer) == key;
}

CQuizTiming CKanaQuiz::Timing() const {
    const CKanaFlashOptions& options = Options();
    return {options.timeLimit != 0, options.timeLimitSeconds, options.autoFlip != 0,
            options.autoFlipSeconds};
}

std::string CKanaQuiz::WrongFeedback(bool outOfTime) const {
    return (outOfTime ? kOutOfTimePrefix : kIncorrectPrefix) + Current()->romaji;
}

void CKanaQuiz::Record(bool right) {
    Entry& entry = *CurrentEntry();
    m_document.SetModified(true);
    if (right) {
        ++entry.stats->rightCount;
    } else {
        ++entry.stats->wrongCount;
        m_missed.push_back(entry);
    }
}

void CKanaQuiz::Restart() {
    if (!StartDeck()) m_host.ReturnToMainView();
}

}  // namespace brushly
