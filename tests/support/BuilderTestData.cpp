#include "support/BuilderTestData.h"

namespace brushly::testing {

std::string LevelOneKanji(int n) {
    // Trail bytes run 40-7E and 80-FC; level 1 begins at 889F.
    constexpr int kTrailsPerLead = 188;
    const int position = n + (0x9F - 0x40 - 1);  // 9F stands 94 after 40, as 7F is skipped
    const int lead = 0x88 + position / kTrailsPerLead;
    int trail = 0x40 + position % kTrailsPerLead;
    if (trail >= 0x7F) ++trail;
    return {static_cast<char>(lead), static_cast<char>(trail)};
}

std::unique_ptr<CKanjiLibrary> MakeTestKanjiLibrary(std::span<const CTestKanji> kanji) {
    auto library = std::make_unique<CKanjiLibrary>();
    library->SetTitle("Builder test");
    for (const CTestKanji& values : kanji) {
        auto record = std::make_unique<CKanjiData>();
        record->character = LevelOneKanji(values.number);
        record->heisig = values.heisig;
        record->grade = values.grade;
        record->jlptLevel = values.jlpt;
        auto reading = std::make_unique<CKanjiReading>();
        reading->onReadings = {"K" + std::to_string(values.number)};
        reading->meanings = {"kanji " + std::to_string(values.number)};
        record->readings.push_back(std::move(reading));
        library->AddKanji(values.strokes, std::move(record));
    }
    return library;
}

std::unique_ptr<CCompoundLibrary> MakeTestCompoundLibrary(const std::string& identification,
                                                          std::span<const CTestWord> words) {
    auto library = std::make_unique<CCompoundLibrary>();
    library->SetIdentification(identification);
    for (const CTestWord& word : words) {
        auto entry = std::make_unique<CCompoundData>();
        entry->headword = word.headword;
        entry->romaji = word.romaji;
        entry->meaning = word.meaning;
        library->Add(std::move(entry));
    }
    return library;
}

}  // namespace brushly::testing
