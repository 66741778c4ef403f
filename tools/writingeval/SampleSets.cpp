#include "writingeval/SampleSets.h"

#include <cmath>
#include <utility>

#include "platform/FileStatus.h"
#include "platform/ShiftJis.h"
#include "writingeval/StrokeSources.h"

namespace brushly::writingeval {

namespace {

double Distance(CPointF a, CPointF b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The start, middle and end points of a path.
struct CLandmarks {
    CPointF start;
    CPointF middle;
    CPointF end;
};

CLandmarks Landmarks(const CPath& path) {
    const CArcPath arc(path);
    return {arc.At(0.0), arc.At(arc.Length() / 2.0), arc.At(arc.Length())};
}

double LandmarkDistance(const CLandmarks& a, const CLandmarks& b) {
    return Distance(a.start, b.start) + Distance(a.middle, b.middle) + Distance(a.end, b.end);
}

bool IsJouyou(const CKanjiData& kanji) {
    return kanji.grade >= 1 && kanji.grade <= 8;
}

template <class Kana>
void AddKana(std::span<const std::unique_ptr<Kana>> records, KanaBoxMode mode,
             std::vector<CSample>& samples) {
    for (const auto& record : records)
        samples.push_back({sjis::ToUtf8(record->kana), {}, record.get(), mode, KanaPaths(*record)});
}

}  // namespace

std::vector<CKanjiRef> JouyouKanji(const CKanjiLibrary& library) {
    std::vector<CKanjiRef> kanji;
    library.SelectByKey(kKeyGrade, 1, 8, &kanji);
    return kanji;
}

std::vector<CKanjiRef> AllKanji(const CKanjiLibrary& library) {
    std::vector<CKanjiRef> kanji;
    for (int group = 1; group <= CKanjiLibrary::kKanjiGroups; ++group) {
        const auto records = library.KanjiGroup(group);
        for (std::size_t index = 0; index < records.size(); ++index)
            kanji.push_back({records[index].get(), group, static_cast<int>(index)});
    }
    return kanji;
}

std::vector<CSample> KanjiVgSamples(std::span<const CKanjiRef> kanji,
                                    const std::filesystem::path& kanjiVgFolder) {
    std::vector<CSample> samples;
    samples.reserve(kanji.size());
    for (const CKanjiRef& ref : kanji) {
        const auto strokes = ReadKanjiVgCharacter(kanjiVgFolder, ref.record->character);
        if (!strokes) continue;
        samples.push_back({sjis::ToUtf8(ref.record->character), ref, nullptr,
                           KanaBoxMode::kHiragana, KanjiVgPaths(*strokes)});
    }
    return samples;
}

bool InKanjiVgOrder(const CPaths& medians, const CPaths& kanjiVg) {
    if (medians.size() != kanjiVg.size()) return false;
    std::vector<CLandmarks> targets;
    targets.reserve(kanjiVg.size());
    for (const CPath& path : kanjiVg)
        targets.push_back(Landmarks(path));
    for (std::size_t i = 0; i < medians.size(); ++i) {
        const CLandmarks median = Landmarks(medians[i]);
        const double own = LandmarkDistance(median, targets[i]);
        for (std::size_t k = 0; k < targets.size(); ++k) {
            if (k != i && LandmarkDistance(median, targets[k]) < own) return false;
        }
    }
    return true;
}

std::vector<CSample> DevelopmentSamples(const CKanjiLibrary& library,
                                        const std::filesystem::path& kanjiVgFolder,
                                        const std::filesystem::path& hanziFolder) {
    std::vector<CSample> samples;
    for (const CKanjiRef& ref : AllKanji(library)) {
        const CKanjiData& kanji = *ref.record;
        if (IsJouyou(kanji)) continue;
        const std::filesystem::path hanziFile = HanziFile(hanziFolder, kanji.character);
        if (!PathExists(hanziFile.string())) continue;
        const auto strokes = ReadKanjiVgCharacter(kanjiVgFolder, kanji.character);
        if (!strokes) continue;
        CPaths medians;
        try {
            medians = ReadHanziMedians(hanziFile);
        } catch (const CHanziFileError&) {
            continue;
        }
        if (std::cmp_not_equal(medians.size(), kanji.strokes.StrokeCount()) ||
            !InKanjiVgOrder(medians, KanjiVgPaths(*strokes))) {
            continue;
        }
        samples.push_back({sjis::ToUtf8(kanji.character), ref, nullptr, KanaBoxMode::kHiragana,
                           std::move(medians)});
    }
    return samples;
}

std::vector<CSample> KanaSamples(const CKanjiLibrary& library) {
    std::vector<CSample> samples;
    AddKana(library.Hiragana(), KanaBoxMode::kHiragana, samples);
    AddKana(library.Katakana(), KanaBoxMode::kKatakana, samples);
    return samples;
}

}  // namespace brushly::writingeval
