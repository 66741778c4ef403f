#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "handwriting/CKanaDrawBox.h"
#include "reference/CKanjiLibrary.h"
#include "writingeval/CHandVariation.h"

// The sets of characters the evaluation writes: each character of the database with the
// paths (draw-box pixels, writing order) that the hand writes for it.
namespace brushly::writingeval {

struct CSample {
    std::string name;  // the character in UTF-8
    // The kanji the box judges the writing against; no record for a kana sample.
    CKanjiRef kanji;
    // The kana record judged in the kana box, for a kana sample; null for a kanji.
    const CKanaData* kana = nullptr;
    KanaBoxMode kanaMode = KanaBoxMode::kHiragana;
    CPaths paths;
};

// The jouyou kanji: grade 1 to 8, in the library's visiting order.
std::vector<CKanjiRef> JouyouKanji(const CKanjiLibrary& library);
// Every kanji of groups 1 to 24, in visiting order.
std::vector<CKanjiRef> AllKanji(const CKanjiLibrary& library);

// The kanji with their KanjiVG paths from folder; kanji without a readable file are left out.
std::vector<CSample> KanjiVgSamples(std::span<const CKanjiRef> kanji,
                                    const std::filesystem::path& kanjiVgFolder);

// Whether the medians come in the KanjiVG order: as many strokes, and each median nearest,
// by the sum of the distances of its start, middle (half its arc length) and end points, to
// the KanjiVG stroke of its own index (a tie with another stroke counts as nearest).
bool InKanjiVgOrder(const CPaths& medians, const CPaths& kanjiVg);

// The development set, written from hanzi-writer-data: the database's kanji outside the
// jouyou list (the held-out check uses those) that have a hanzi-writer-data file and a KanjiVG
// file, whose median count equals the database's stroke count and whose medians come in
// KanjiVG's order (InKanjiVgOrder). Malformed hanzi files are left out.
std::vector<CSample> DevelopmentSamples(const CKanjiLibrary& library,
                                        const std::filesystem::path& kanjiVgFolder,
                                        const std::filesystem::path& hanziFolder);

// Every hiragana and then every katakana record, written along its primary forms.
std::vector<CSample> KanaSamples(const CKanjiLibrary& library);

}  // namespace brushly::writingeval
