#include "document/KanaStatistics.h"

#include <span>

namespace brushly {

namespace {

template <class Record>
void BuildScript(std::span<const std::unique_ptr<Record>> records, CKanaStatsArray& stats) {
    stats.clear();
    stats.reserve(records.size());
    for (const auto& record : records) {
        auto entry = std::make_unique<CKanaStats>();
        entry->kana = record->kana;
        entry->romaji = record->romaji;
        entry->kanaRecord = record.get();
        stats.push_back(std::move(entry));
    }
}

template <class Record, class Finder>
void LinkScript(std::span<const std::unique_ptr<Record>> records, CKanaStatsArray& stats,
                Finder findByKana) {
    for (std::size_t i = 0; i < stats.size(); ++i) {
        if (!stats[i]) continue;
        CKanaStats& entry = *stats[i];
        if (i < records.size() && records[i]->kana == entry.kana)
            entry.kanaRecord = records[i].get();
        else
            entry.kanaRecord = findByKana(entry.kana);
    }
}

}  // namespace

void BuildKanaStatistics(const CKanjiLibrary& library, CKanaStatsArray& hiragana,
                         CKanaStatsArray& katakana) {
    BuildScript(library.Hiragana(), hiragana);
    BuildScript(library.Katakana(), katakana);
}

void LinkKanaStatistics(const CKanjiLibrary& library, CKanaStatsArray& hiragana,
                        CKanaStatsArray& katakana) {
    LinkScript(library.Hiragana(), hiragana,
               [&library](std::string_view kana) { return library.FindHiraganaByKana(kana); });
    LinkScript(library.Katakana(), katakana,
               [&library](std::string_view kana) { return library.FindKatakanaByKana(kana); });
}

}  // namespace brushly
