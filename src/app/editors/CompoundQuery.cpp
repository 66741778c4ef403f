#include "app/editors/CompoundQuery.h"

#include "platform/ShiftJis.h"

namespace brushly {

namespace {

// Kanji start at lead byte 0x88; kana and signs come before.
constexpr unsigned char kFirstKanjiLead = 0x88;

std::string FirstKanji(const std::string& text) {
    for (std::string_view character : sjis::Characters(text)) {
        if (character.size() == 2 && static_cast<unsigned char>(character[0]) >= kFirstKanjiLead)
            return std::string(character);
    }
    return {};
}

}  // namespace

bool PrepareCompoundQuery(CCompoundSearchState& state, CompoundQuery by, const std::string& text,
                          int mode) {
    if (mode == CCompoundSearchRequest::kModeKanaWordEditor)
        state.includeKanaWords = true;
    else
        state.includeCompounds = true;
    const std::string query = by == CompoundQuery::kByKanji ? FirstKanji(text) : text;
    state.useKanji = by == CompoundQuery::kByKanji && !query.empty();
    state.useRomaji = by == CompoundQuery::kByRomaji && !query.empty();
    state.useMeaning = by == CompoundQuery::kByMeaning && !query.empty();
    (by == CompoundQuery::kByKanji    ? state.kanji
     : by == CompoundQuery::kByRomaji ? state.romaji
                                      : state.meaning) = query;
    return !query.empty();
}

CTakenWord TakenWord(const CCompoundSelection& selection) {
    if (selection.entry == nullptr) return {};
    return {selection.entry->headword, selection.romaji, selection.meaning};
}

}  // namespace brushly
