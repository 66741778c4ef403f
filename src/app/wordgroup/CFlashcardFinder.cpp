#include "app/wordgroup/CFlashcardFinder.h"

#include <algorithm>
#include <array>

#include "app/wordgroup/CCardRows.h"
#include "app/wordgroup/CardClasses.h"
#include "lookup/RomajiKana.h"
#include "platform/FormatText.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// Whether NormalizeRomaji could change the text: each of its rewrites starts with t, s, z
// or d before i, u, y or z, or is "hu". Most readings hold none, and skipping them keeps a
// search over a large document fast.
bool MayNeedHepburn(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const char first = text[i];
        const char second = text[i + 1];
        if ((first == 't' || first == 's' || first == 'z' || first == 'd') &&
            (second == 'i' || second == 'u' || second == 'y' || second == 'z'))
            return true;
        if (first == 'h' && second == 'u') return true;
    }
    return false;
}

// Lower case, without blanks and apostrophes, normalised to Hepburn.
std::string PlainRomaji(std::string_view romaji) {
    std::string plain;
    plain.reserve(romaji.size());
    for (const char letter : sjis::AsciiLower(romaji)) {
        if (letter != ' ' && letter != '\'') plain.push_back(letter);
    }
    if (MayNeedHepburn(plain)) NormalizeRomaji(plain);
    return plain;
}

// The prepared query: the three reading forms and the meaning, and which are filled.
struct CPreparedQuery {
    explicit CPreparedQuery(const CFindQuery& query)
        : plain(PlainRomaji(query.reading)),
          forms{plain, sjis::ReplaceAll(plain, "ou", "oo"), sjis::ReplaceAll(plain, "oo", "ou")},
          meaning(sjis::AsciiLower(Trimmed(query.meaning))),
          hasReading(!plain.empty()),
          hasMeaning(!meaning.empty()),
          both(hasReading && hasMeaning && query.useAnd) {}

    bool IsForm(const std::string& token) const {
        return std::find(forms.begin(), forms.end(), token) != forms.end();
    }
    // Whether the criteria that ran make a match.
    bool Matches(bool reading, bool meaningMatch) const {
        if (both) return reading && meaningMatch;
        return (hasReading && reading) || (hasMeaning && meaningMatch);
    }

    std::string plain;
    std::array<std::string, 3> forms;  // unchanged, "ou" as "oo", "oo" as "ou"
    std::string meaning;
    bool hasReading;
    bool hasMeaning;
    bool both;
};

// A romaji for display: lower case, without blanks, the long o in longOMode.
std::string ShownRomaji(std::string_view romaji, int longOMode) {
    std::string shown;
    for (const char letter : sjis::AsciiLower(romaji)) {
        if (letter != ' ') shown.push_back(letter);
    }
    return LongORomaji(shown, longOMode);
}

bool AnyNormalisedTokenIsForm(std::vector<std::string>& tokens, const CPreparedQuery& query) {
    return std::any_of(tokens.begin(), tokens.end(), [&query](std::string& token) {
        if (MayNeedHepburn(token)) NormalizeRomaji(token);
        return query.IsForm(token);
    });
}

char LowerLetter(char letter) {
    return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
}

// Both sides lowered, so that whatever the exact comparison accepts passes here too.
bool LowerEquals(char left, char right) {
    return LowerLetter(left) == LowerLetter(right);
}

// Whether one of the texts holds `lowered` in any letter case. A meaning token is a piece of
// its lower-cased text, so a text without it cannot give a matching token.
bool AnyHolds(const std::vector<std::string>& texts, const std::string& lowered) {
    return std::any_of(texts.begin(), texts.end(), [&lowered](const std::string& text) {
        return std::search(text.begin(), text.end(), lowered.begin(), lowered.end(), LowerEquals) !=
               text.end();
    });
}

class CSearch {
public:
    CSearch(const CFindQuery& query, int longOMode, std::vector<CFindMatch>& matches)
        : m_query(query), m_prepared(query), m_longOMode(longOMode), m_matches(matches) {}

    bool Wants(CardKind kind) const { return (m_query.kinds & CFindQuery::KindBit(kind)) != 0; }

    void Visit(const std::string& group, const CKanjiCard& card) {
        for (std::size_t index = 0; index < card.readings.size(); ++index) {
            const CKanjiReading& reading = *card.readings[index];
            bool readingMatch = false;
            if (m_prepared.hasReading) {
                m_tokens.clear();
                if (m_query.onReadings) reading.SplitOnReadings(m_tokens);
                if (m_query.kunReadings) reading.SplitKunReadings(m_tokens);
                readingMatch = AnyNormalisedTokenIsForm(m_tokens, m_prepared);
            }
            bool meaningMatch = false;
            if (m_prepared.hasMeaning && AnyHolds(reading.meanings, m_prepared.meaning)) {
                m_tokens.clear();
                reading.SplitMeanings(m_tokens);
                meaningMatch = std::find(m_tokens.begin(), m_tokens.end(), m_prepared.meaning) !=
                               m_tokens.end();
            }
            if (m_prepared.Matches(readingMatch, meaningMatch))
                Add(group, CardKind::kKanji, card, static_cast<int>(index),
                    reading.DisplayText(m_longOMode));
        }
    }

    void Visit(const std::string& group, const CKanjiCompound& card) {
        VisitWord(group, CardKind::kCompound, card, card.romaji, card.romaji, card.meaning);
    }

    // Matched in the "ou" style, shown in the display's.
    void Visit(const std::string& group, const CKanaWord& card) {
        VisitWord(group, CardKind::kKanaWord, card, card.DisplayRomaji(1),
                  card.DisplayRomaji(m_longOMode), card.meaning);
    }

    void Visit(const std::string& group, const CCounterCard& card) {
        bool readingMatch = false;
        if (m_prepared.hasReading) {
            std::string romaji = sjis::AsciiLower(card.romaji);
            if (MayNeedHepburn(romaji)) NormalizeRomaji(romaji);
            readingMatch = romaji == m_prepared.plain;
        }
        const bool meaningMatch =
            m_prepared.hasMeaning && sjis::AsciiLower(card.meaning) == m_prepared.meaning;
        if (m_prepared.Matches(readingMatch, meaningMatch))
            Add(group, CardKind::kCounter, card, -1, WordText(card.romaji, card.meaning));
    }

private:
    // `romaji` is matched, `shown` displayed.
    void VisitWord(const std::string& group, CardKind kind, const CObject& card,
                   const std::string& romaji, const std::string& shown,
                   const std::string& meaning) {
        const bool readingMatch =
            m_prepared.hasReading &&
            sjis::ReplaceAll(PlainRomaji(romaji), "oo", "ou") == m_prepared.forms[2];
        const bool meaningMatch =
            m_prepared.hasMeaning &&
            sjis::AsciiLower(meaning).find(m_prepared.meaning) != std::string::npos;
        if (m_prepared.Matches(readingMatch, meaningMatch))
            Add(group, kind, card, -1, WordText(shown, meaning));
    }

    std::string WordText(const std::string& romaji, const std::string& meaning) const {
        return ShownRomaji(romaji, m_longOMode) + " / " + meaning;
    }

    void Add(const std::string& group, CardKind kind, const CObject& card, int readingGroup,
             std::string text) {
        m_matches.push_back(CFindMatch{group, kind, &card, readingGroup, std::move(text)});
    }

    const CFindQuery& m_query;
    CPreparedQuery m_prepared;
    int m_longOMode;
    std::vector<CFindMatch>& m_matches;
    std::vector<std::string> m_tokens;
};

template <class Card>
void VisitList(CSearch& search, const CWordGroup& group) {
    if (!search.Wants(KindOfCard<Card>())) return;
    for (const Card* card : group.Cards<Card>())
        search.Visit(group.name, *card);
}

}  // namespace

CFlashcardFinder::CFlashcardFinder(CPrompter& prompter) : m_prompter(prompter) {}

std::vector<CFindMatch> CFlashcardFinder::Search(const CFlashcardSet& cards,
                                                 const CFindQuery& query, int longOMode) {
    std::vector<CFindMatch> matches;
    CSearch search(query, longOMode, matches);
    for (const std::string& name : cards.GroupNames()) {
        const CWordGroup* group = cards.FindGroup(name);
        if (!group) continue;
        VisitList<CKanjiCard>(search, *group);
        VisitList<CKanjiCompound>(search, *group);
        VisitList<CKanaWord>(search, *group);
        VisitList<CCounterCard>(search, *group);
    }
    return matches;
}

int CFlashcardFinder::Find(const CFlashcardSet& cards, const CFindQuery& query, int longOMode) {
    const CPreparedQuery prepared(query);
    if (!prepared.hasReading && !prepared.hasMeaning) return -1;
    m_matches = Search(cards, query, longOMode);
    m_selected = -1;
    m_page = m_matches.empty() ? 0 : 1;
    if (m_matches.empty()) m_prompter.Information(NoMatchText(query));
    return static_cast<int>(m_matches.size());
}

std::string CFlashcardFinder::NoMatchText(const CFindQuery& query) {
    const CPreparedQuery prepared(query);
    if (!prepared.hasReading) return FormatText(kNoMeaningMatchFormat, query.meaning.c_str());
    if (!prepared.hasMeaning) return FormatText(kNoReadingMatchFormat, query.reading.c_str());
    return FormatText(kNoMatchFormat, query.reading.c_str(), query.useAnd ? "AND" : "OR",
                      query.meaning.c_str());
}

int CFlashcardFinder::PageCount() const {
    return static_cast<int>((m_matches.size() + kPageSize - 1) / kPageSize);
}

void CFlashcardFinder::PreviousPage() {
    if (!HasPreviousPage()) return;
    --m_page;
    m_selected = -1;
}

void CFlashcardFinder::NextPage() {
    if (!HasNextPage()) return;
    ++m_page;
    m_selected = -1;
}

std::vector<const CFindMatch*> CFlashcardFinder::PageMatches() const {
    std::vector<const CFindMatch*> page;
    if (m_page < 1) return page;
    const std::size_t first = static_cast<std::size_t>(m_page - 1) * kPageSize;
    for (std::size_t i = first; i < m_matches.size() && i < first + kPageSize; ++i)
        page.push_back(&m_matches[i]);
    return page;
}

std::string CFlashcardFinder::Caption() const {
    if (m_matches.empty()) return kEmptyCaption;
    return FormatText(kPageCaptionFormat, m_page, PageCount());
}

void CFlashcardFinder::SelectRow(int row) {
    const int index = (m_page - 1) * kPageSize + row;
    const bool onPage =
        m_page >= 1 && row >= 0 && row < kPageSize && index < static_cast<int>(m_matches.size());
    m_selected = onPage ? index : -1;
}

const CFindMatch* CFlashcardFinder::GoTo() {
    if (m_selected < 0) {
        m_prompter.Information(kNoSelectionMessage);
        return nullptr;
    }
    return &m_matches[static_cast<std::size_t>(m_selected)];
}

}  // namespace brushly
