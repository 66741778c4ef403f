#include "practice/CDrawPractice.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>

#include "document/CBrushly2Doc.h"
#include "handwriting/HandwritingSearch.h"
#include "handwriting/KanaComparison.h"
#include "lookup/RomajiKana.h"
#include "practice/CounterNumbers.h"
#include "practice/KanaDemonstration.h"
#include "practice/KanaSets.h"
#include "practice/QuizRun.h"

namespace brushly {

namespace {

// The Draw View shuffles as the Flash View does: ten passes of swaps.
constexpr int kShufflePasses = 10;

DrawPanelLine Text(std::string text) {
    return DrawPanelLine{std::move(text), false, false};
}
DrawPanelLine Heading(std::string text) {
    return DrawPanelLine{std::move(text), true, false};
}
DrawPanelLine Large(std::string text) {
    return DrawPanelLine{std::move(text), false, true};
}

// Comments are typed in a multi-line edit box: one panel line per typed line.
void AppendCommentLines(std::vector<DrawPanelLine>& panel, std::string_view comments) {
    while (!comments.empty()) {
        const std::size_t end = comments.find('\n');
        std::string_view line = comments.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        panel.push_back(Text(std::string(line)));
        if (end == std::string_view::npos) break;
        comments.remove_prefix(end + 1);
    }
}

}  // namespace

CDrawPractice::CDrawPractice(CBrushly2Doc& document) : m_document(document) {}

bool CDrawPractice::Start(int mode, const std::vector<std::string>& groupNames,
                          ShufflingCallback showShuffling) {
    m_mode = mode;
    m_groupNames = groupNames;
    m_showShuffling = std::move(showShuffling);
    m_deck = BuildDeck();
    if (m_deck.empty()) {
        Present();
        return false;
    }
    Restart();
    return true;
}

CDrawPractice::NextResult CDrawPractice::Next() {
    if (m_position + 1 < m_deck.size()) {
        ++m_position;
        Present();
        return NextResult::kMoved;
    }
    if (!m_document.Prompter().AskYesNo(kFinishedQuestion)) return NextResult::kReturn;
    Restart();
    return NextResult::kRestarted;
}

void CDrawPractice::Shuffle() {
    Restart();
}

CDrawPractice::OptionsResult CDrawPractice::OptionsChanged(const CDrawOptions& before) {
    const CDrawOptions& now = Options();
    const bool deckChanged = m_mode == kKanjiMode
                                 ? now.includeKanji != before.includeKanji ||
                                       now.includeCounters != before.includeCounters
                                 : now.kanaSet != before.kanaSet;
    if (!deckChanged) return OptionsResult::kKept;
    m_deck = BuildDeck();
    if (m_deck.empty()) {
        Present();
        m_document.Prompter().Information(kNoActiveCardsMessage);
        return OptionsResult::kReturn;
    }
    Restart();
    return OptionsResult::kRestarted;
}

const DrawDeckEntry* CDrawPractice::Current() const {
    return m_position < m_deck.size() ? &m_deck[m_position] : nullptr;
}

int CDrawPractice::Number() const {
    return Current() == nullptr ? 0 : static_cast<int>(m_position) + 1;
}

std::string CDrawPractice::Header() const {
    const char* prefix = m_mode == kKatakanaMode   ? kKatakanaPrefix
                         : m_mode == kHiraganaMode ? kHiraganaPrefix
                                                   : kKanjiPrefix;
    const int size = Size();
    const int number = std::min(Number(), size);
    const int length = std::snprintf(nullptr, 0, kHeaderFormat, prefix, number, size);
    std::string header(static_cast<std::size_t>(length), '\0');
    std::snprintf(header.data(), header.size() + 1, kHeaderFormat, prefix, number, size);
    return header;
}

std::string CDrawPractice::EmptyCaption() const {
    if (m_mode == kKatakanaMode) return kKatakanaCaption;
    if (m_mode == kHiraganaMode) return kHiraganaCaption;
    return kKanjiCaption;
}

std::string CDrawPractice::DemonstrationCaption() const {
    if (m_mode == kKatakanaMode) return kKatakanaDemonstration;
    if (m_mode == kHiraganaMode) return kHiraganaDemonstration;
    return kStrokeDemonstration;
}

std::string CDrawPractice::HintsButtonText() const {
    return m_mode == kKanjiMode ? kKanjiHints : kKanaHints;
}

bool CDrawPractice::UsesKanaBox() const {
    return m_mode != kKanjiMode || Options().rawInput != 0;
}

const CKanjiStrokes* CDrawPractice::CurrentStrokes() const {
    const DrawDeckEntry* entry = Current();
    if (entry == nullptr) return nullptr;
    if (entry->kana != nullptr) return &m_kanaStrokes;
    const CKanjiData* record = DrawRecord(m_document.KanjiLibrary(), *entry);
    return record == nullptr ? nullptr : &record->strokes;
}

std::string CDrawPractice::LookAlike(const CDrawnStrokes& written) const {
    const DrawDeckEntry* entry = Current();
    const CKanjiLibrary* library = m_document.KanjiLibrary();
    if (entry == nullptr || library == nullptr || UsesKanaBox()) return {};
    std::vector<CCandidate> best;
    BestMatchesByPaths(*library, written, 1, best);
    if (best.empty()) return {};
    const CKanjiData* own = DrawRecord(library, *entry);
    const std::string& found =
        library->KanjiGroup(best.front().group)[static_cast<std::size_t>(best.front().index)]
            ->character;
    if (own == nullptr || found == own->character) return {};
    return found;
}

std::vector<CPolyline> CDrawPractice::CurrentKanaReference() const {
    const DrawDeckEntry* entry = Current();
    if (entry == nullptr) return {};
    if (entry->kana != nullptr) return KanaReference(*entry->kana);
    const CKanjiData* record = DrawRecord(m_document.KanjiLibrary(), *entry);
    if (record == nullptr) return {};
    return StrokesToPolylines(record->strokes);
}

CDrawBoxSettings CDrawPractice::DrawBoxSettings() const {
    const CDrawOptions& options = Options();
    CDrawBoxSettings settings;
    settings.feedbackMode = options.feedback == 0 ? kFeedbackEachStroke : kFeedbackOnRequest;
    settings.autocorrect = options.autocorrect != 0;
    settings.enforceOrder = options.enforceOrder != 0;
    settings.tolerance = options.errorTolerance;
    settings.typeMode = options.strokeMatch;
    settings.simpleStyle = options.drawingStyle == 1;
    return settings;
}

CKanaBoxSettings CDrawPractice::KanaBoxSettings() const {
    const CDrawBoxSettings box = DrawBoxSettings();
    CKanaBoxSettings settings;
    settings.feedbackMode = box.feedbackMode;
    settings.autocorrect = box.autocorrect;
    settings.enforceOrder = box.enforceOrder;
    settings.tolerance = box.tolerance;
    return settings;
}

KanaBoxMode CDrawPractice::KanaMode() const {
    if (m_mode == kKatakanaMode) return KanaBoxMode::kKatakana;
    if (m_mode == kHiraganaMode) return KanaBoxMode::kHiragana;
    return KanaBoxMode::kKanji;
}

std::vector<DrawPanelLine> CDrawPractice::CardPanel() const {
    const DrawDeckEntry* entry = Current();
    std::vector<DrawPanelLine> panel;
    if (entry == nullptr) return panel;
    switch (entry->kind) {
        case DrawEntryKind::kKanji: {
            const CKanjiCard& card = *entry->kanji;
            panel.push_back(Large(card.character));
            panel.push_back(Heading(kReadingsHeading));
            const bool romaji = m_document.RomajiMode() == 1;
            for (const auto& reading : card.readings) {
                panel.push_back(Text(romaji ? reading->DisplayText(m_document.LongOMode())
                                            : reading->KanaDisplayText()));
            }
            if (Options().showComments != 0 && !card.comments.empty()) {
                panel.push_back(Heading(kCommentsHeading));
                AppendCommentLines(panel, card.comments);
            }
            break;
        }
        case DrawEntryKind::kCounter: {
            const CCounterCard& card = *entry->counter;
            panel.push_back(Large(card.character));
            panel.push_back(Text(kCounterPrefix + card.meaning));
            panel.push_back(Heading(kCounterReadingHeading));
            // In Kana Mode the readings are shown in the kana they spell.
            const auto shown = [romaji = m_document.RomajiMode() == 1,
                                longOMode = m_document.LongOMode()](const std::string& text) {
                return romaji ? LongORomaji(text, longOMode) : RomajiToKana(text, true, false);
            };
            panel.push_back(Text(shown(card.romaji)));
            const std::size_t forms = std::min(card.formNumbers.size(), card.formRomaji.size());
            for (std::size_t form = 0; form < forms; ++form) {
                panel.push_back(Text(shown(card.formRomaji[form]) + kItemSeparator +
                                     CounterEnglish(card, card.formNumbers[form])));
            }
            break;
        }
        case DrawEntryKind::kKatakana:
        case DrawEntryKind::kHiragana:
            panel.push_back(Large(entry->kana->kana));
            panel.push_back(Heading(kRomajiHeading));
            panel.push_back(Text(entry->kana->romaji));
            break;
    }
    return panel;
}

const CDrawOptions& CDrawPractice::Options() const {
    return m_document.Options().draw;
}

std::vector<DrawDeckEntry> CDrawPractice::BuildDeck() const {
    const CDrawOptions& options = Options();
    if (m_mode == kKanjiMode) {
        return BuildKanjiDrawDeck(m_document, m_groupNames, options.includeKanji != 0,
                                  options.includeCounters != 0);
    }
    const CKanjiLibrary* library = m_document.KanjiLibrary();
    if (library == nullptr) return {};
    const KanaSet set = options.kanaSet == 0 ? KanaSet::kGojuuOn : KanaSet::kGojuuOnVoiced;
    return BuildKanaDrawDeck(*library, m_mode == kKatakanaMode, KanaSetPositions(set));
}

void CDrawPractice::Restart() {
    if (Options().randomOrder != 0) {
        const bool showBox = m_deck.size() > kShufflingThreshold && m_showShuffling;
        if (showBox) m_showShuffling(true);
        SwapShuffle(m_deck, kShufflePasses, m_document.Random());
        if (showBox) m_showShuffling(false);
    } else {
        m_deck = BuildDeck();
    }
    m_position = 0;
    Present();
}

void CDrawPractice::Present() {
    const DrawDeckEntry* entry = Current();
    m_kanaStrokes = entry != nullptr && entry->kana != nullptr
                        ? KanaDemonstrationStrokes(*entry->kana)
                        : CKanjiStrokes();
}

}  // namespace brushly
