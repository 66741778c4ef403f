#include "dictionary/CCompoundSearch.h"

#include <algorithm>
#include <memory>

#include "document/CBrushly2Doc.h"
#include "document/CKanaWord.h"
#include "document/CKanjiCompound.h"
#include "lookup/RomajiKana.h"
#include "platform/FormatText.h"

namespace brushly {
namespace {

constexpr std::string_view kCommonMark = "(P)";
constexpr std::string_view kCommonTag = "/(P)";

bool IsEdictLibrary(const CCompoundLibrary* compounds) {
    return compounds != nullptr && compounds->IsEdictBuilt();
}

// A word is common when its meaning ends with "(P)".
bool IsCommon(const CCompoundData& entry) {
    return entry.meaning.ends_with(kCommonMark);
}

std::string WithoutFirstCommonTag(std::string meaning) {
    const std::size_t at = meaning.find(kCommonTag);
    if (at != std::string::npos) meaning.erase(at, kCommonTag.size());
    return meaning;
}

void AppendFiltered(std::vector<const CCompoundData*>& combined,
                    const std::vector<const CCompoundData*>& results, bool commonOnly) {
    for (const CCompoundData* entry : results) {
        if (!commonOnly || IsCommon(*entry)) combined.push_back(entry);
    }
}

}  // namespace

const char* CCompoundSearch::Title(const CCompoundLibrary* compounds) {
    return IsEdictLibrary(compounds) ? "EDICT Electronic Dictionary Search Dialog"
                                     : "Brushly Compound Database Search Dialog";
}

const char* CCompoundSearch::OkButtonText(int mode) {
    return mode == CCompoundSearchRequest::kModeAlone ||
                   mode == CCompoundSearchRequest::kModeKanjiEditor
               ? "Add and E&xit"
               : "&Edit Card";
}

CCompoundSearch::CCompoundSearch(const CCompoundLibrary* compounds,
                                 const CCompoundLibrary* kanaWords,
                                 const CAbbreviationList& abbreviations,
                                 CCompoundSearchState& state, CPrompter& prompter)
    : m_compounds(compounds),
      m_kanaWords(kanaWords),
      m_abbreviations(abbreviations),
      m_state(state),
      m_prompter(prompter) {}

bool CCompoundSearch::IsEdict() const {
    return IsEdictLibrary(m_compounds);
}

bool CCompoundSearch::Search() {
    CCompoundSearchState& s = m_state;
    if (s.romaji.empty() && s.meaning.empty() && s.kanji.empty()) return false;
    if (!s.includeCompounds && !s.includeKanaWords) return false;
    // A criterion counts while its box is checked and it holds a query: an empty one would
    // match every word of the dictionary.
    const std::string romaji = s.useRomaji ? s.romaji : std::string();
    const std::string meaning = s.useMeaning ? s.meaning : std::string();
    const bool kanjiEnabled = s.includeCompounds && !s.kanji.empty();
    const std::string kanji = s.useKanji && kanjiEnabled ? s.kanji : std::string();
    const int criteria = !romaji.empty() + !meaning.empty() + !kanji.empty();
    if (criteria == 0) return false;

    s.compoundResults.clear();
    s.kanaWordResults.clear();
    const auto search = [&](const CCompoundLibrary* library,
                            std::vector<const CCompoundData*>& results) {
        if (library == nullptr) return;
        if (criteria > 1) {
            library->Search(results, romaji, meaning, kanji, s.anyMode, s.wholeWord);
        } else if (!romaji.empty()) {
            library->FindByRomaji(results, romaji);
        } else if (!meaning.empty()) {
            library->FindByMeaning(results, meaning, s.wholeWord);
        } else {
            library->FindByKanji(results, kanji);
        }
    };
    search(m_compounds, s.compoundResults);
    // Kana words hold no kanji: a search that uses the kanji leaves them out.
    if (kanji.empty()) search(m_kanaWords, s.kanaWordResults);
    Merge();
    ShowFirstPage();
    if (s.combined.empty()) OfferNextStep();
    return true;
}

void CCompoundSearch::Merge() {
    CCompoundSearchState& s = m_state;
    // The common-only option exists for EDICT's "(P)" marks alone.
    const bool commonOnly = s.commonOnly && IsEdict();
    s.combined.clear();
    if (s.includeCompounds) AppendFiltered(s.combined, s.compoundResults, commonOnly);
    s.compoundCount = static_cast<int>(s.combined.size());
    if (s.includeKanaWords) AppendFiltered(s.combined, s.kanaWordResults, commonOnly);
}

void CCompoundSearch::ShowFirstPage() {
    m_state.page = 1;
    m_state.selected = -1;
    if (m_listener) m_listener();
}

void CCompoundSearch::OfferNextStep() {
    CCompoundSearchState& s = m_state;
    if (!IsEdict()) {
        m_prompter.Information(kNoLibraryMatchesMessage);
        return;
    }
    while (s.combined.empty()) {
        const bool c = s.includeCompounds;
        const bool k = s.includeKanaWords;
        const bool p = s.commonOnly;
        const std::size_t nc = s.compoundResults.size();
        const std::size_t nk = s.kanaWordResults.size();
        const bool any = nc > 0 || nk > 0;
        const char* question = nullptr;
        if (c && k && p && any) {
            question = kNoCommonQuestion;
        } else if (c && !k && !p && nk >= 1) {
            question = kNoCompoundQuestion;
        } else if (c && !k && p && any) {
            question = kNoCommonCompoundQuestion;
        } else if (!c && k && !p && nc >= 1) {
            question = kNoKanaWordQuestion;
        } else if (!c && k && p && any) {
            question = kNoCommonKanaWordQuestion;
        }
        if (question == nullptr) {
            m_prompter.Information(kNoEdictMatchesMessage);
            return;
        }
        if (!m_prompter.AskYesNo(question)) return;
        if (question == kNoCommonQuestion) {
            s.commonOnly = false;
        } else if (question == kNoCompoundQuestion) {
            s.includeKanaWords = true;
        } else if (question == kNoCommonCompoundQuestion) {
            s.includeKanaWords = true;
            s.commonOnly = false;
        } else if (question == kNoKanaWordQuestion) {
            s.includeCompounds = true;
        } else {
            s.includeCompounds = true;
            s.commonOnly = false;
        }
        Merge();
        ShowFirstPage();
    }
}

void CCompoundSearch::Reopen() {
    Merge();
    m_state.page = std::clamp(m_state.page, 1, PageCount());
    m_state.selected = -1;
    if (m_listener) m_listener();
}

void CCompoundSearch::SetIncludeCompounds(bool include) {
    m_state.includeCompounds = include;
    // The kanji criterion searches compounds alone.
    if (!include) m_state.useKanji = false;
    Merge();
    if (!m_state.compoundResults.empty()) ShowFirstPage();
}

void CCompoundSearch::SetIncludeKanaWords(bool include) {
    m_state.includeKanaWords = include;
    Merge();
    if (!m_state.kanaWordResults.empty()) ShowFirstPage();
}

void CCompoundSearch::SetCommonOnly(bool commonOnly) {
    m_state.commonOnly = commonOnly;
    Merge();
    ShowFirstPage();
}

int CCompoundSearch::PageCount() const {
    const int count = static_cast<int>(m_state.combined.size());
    return count == 0 ? 1 : (count - 1) / kPageSize + 1;
}

void CCompoundSearch::NextPage() {
    if (!HasNextPage()) return;
    ++m_state.page;
    if (m_listener) m_listener();
}

void CCompoundSearch::PreviousPage() {
    if (!HasPreviousPage()) return;
    --m_state.page;
    if (m_listener) m_listener();
}

std::string CCompoundSearch::Caption() const {
    const int count = static_cast<int>(m_state.combined.size());
    if (count == 0) return kNoMatchesCaption;
    const int first = kPageSize * (m_state.page - 1);
    const int last = std::min(first + kPageSize - 1, count - 1);
    if (first < last) return FormatText(kRangeCaptionFormat, first + 1, last + 1, count);
    return FormatText(kOneCaptionFormat, first + 1, count);
}

std::string CCompoundSearch::DisplayedMeaning(const CCompoundData& entry) const {
    std::string meaning = WithoutFirstCommonTag(entry.meaning);
    if (m_state.hideAbbreviations && IsEdict()) meaning = m_abbreviations.Strip(meaning);
    return meaning;
}

std::vector<CCompoundRow> CCompoundSearch::PageRows(int longOMode) const {
    std::vector<CCompoundRow> rows;
    const std::size_t first = static_cast<std::size_t>(m_state.page - 1) * kPageSize;
    for (std::size_t i = first; i < m_state.combined.size() && i < first + kPageSize; ++i) {
        const CCompoundData& entry = *m_state.combined[i];
        CCompoundRow row;
        for (char c : entry.romaji) {
            if (c != ' ') row.reading += c;
        }
        row.reading = LongORomaji(row.reading, longOMode);
        row.meaning = DisplayedMeaning(entry);
        const bool common = entry.meaning.find(kCommonTag) != std::string::npos;
        const bool compound = static_cast<int>(i) < m_state.compoundCount;
        row.kind = compound
                       ? (common ? CCompoundRowKind::kCommonCompound : CCompoundRowKind::kCompound)
                       : (common ? CCompoundRowKind::kCommonKanaWord : CCompoundRowKind::kKanaWord);
        rows.push_back(std::move(row));
    }
    return rows;
}

void CCompoundSearch::SelectRow(int row) {
    const long index = static_cast<long>(m_state.page - 1) * kPageSize + row;
    if (row < 0 || row >= kPageSize || index >= static_cast<long>(m_state.combined.size())) return;
    m_state.selected = static_cast<int>(index);
}

CCompoundSelection CCompoundSearch::Selection() const {
    CCompoundSelection selection;
    if (m_state.selected < 0 ||
        static_cast<std::size_t>(m_state.selected) >= m_state.combined.size()) {
        return selection;
    }
    selection.entry = m_state.combined[static_cast<std::size_t>(m_state.selected)];
    selection.compound = m_state.selected < m_state.compoundCount;
    selection.romaji = selection.entry->romaji;
    selection.meaning = DisplayedMeaning(*selection.entry);
    if (selection.compound) selection.kana = RomajiToKana(selection.romaji, true, false);
    return selection;
}

bool CCompoundSearch::OkEnabled(int mode) const {
    const CCompoundSelection selection = Selection();
    if (selection.entry == nullptr) return false;
    return selection.compound ? mode != CCompoundSearchRequest::kModeKanaWordEditor
                              : mode != CCompoundSearchRequest::kModeCompoundEditor;
}

bool CCompoundSearch::CheckAdding(const CBrushly2Doc& document, const std::string& wordGroup) {
    if (document.Cards().GroupCount() == 0) {
        m_prompter.Information(kNoWordGroupsMessage);
        return false;
    }
    if (Selection().entry == nullptr) {
        m_prompter.Information(kNoCompoundSelectedMessage);
        return false;
    }
    if (wordGroup.empty() || document.Cards().FindGroup(wordGroup) == nullptr) {
        m_prompter.Information(kNoGroupChosenMessage);
        return false;
    }
    return true;
}

bool CCompoundSearch::AddCard(CBrushly2Doc& document, const std::string& wordGroup) {
    if (!CheckAdding(document, wordGroup)) return false;
    AddCompoundCard(document, Selection(), wordGroup);
    m_state.selected = -1;
    if (m_listener) m_listener();
    return true;
}

bool CCompoundSearch::Accept(const CBrushly2Doc& document, const std::string& wordGroup,
                             CCompoundSearchResult& result) {
    if (!CheckAdding(document, wordGroup)) return false;
    result = {Selection(), wordGroup};
    result.selection.meaning = WithoutFirstCommonTag(result.selection.meaning);
    return true;
}

void AddCompoundCard(CBrushly2Doc& document, const CCompoundSelection& selection,
                     const std::string& wordGroup) {
    const std::string meaning = WithoutFirstCommonTag(selection.meaning);
    if (selection.compound) {
        auto card = std::make_unique<CKanjiCompound>();
        card->headword = selection.entry->headword;
        card->romaji = selection.entry->romaji;
        card->hiragana = selection.entry->hiragana;
        card->meaning = meaning;
        card->groupName = wordGroup;
        document.Cards().AddCard(std::move(card));
    } else {
        auto card = std::make_unique<CKanaWord>();
        card->kana = selection.entry->headword;
        card->romaji = selection.entry->romaji;
        card->meaning = meaning;
        card->groupName = wordGroup;
        document.Cards().AddCard(std::move(card));
    }
    document.SetModified(true);
}

}  // namespace brushly
