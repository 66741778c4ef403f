// Loading a kanji database of realistic size: 6,500 kanji of about 15 segments and two
// reading groups each, written by the benchmark itself; and the generated one.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "archive/CDiskFile.h"
#include "platform/CScriptedPrompter.h"
#include "reference/CKanjiLibrary.h"

namespace brushly {
namespace {

constexpr int kKanji = 6500;

std::string WriteDatabase() {
    CKanjiLibrary library;
    library.SetTitle("Benchmark database");
    for (int i = 0; i < kKanji; ++i) {
        auto record = std::make_unique<CKanjiData>();
        record->character = {static_cast<char>(0x88 + i / 188), static_cast<char>(0x40 + i % 188)};
        for (int s = 0; s < 15; ++s) {
            auto segment = std::make_unique<CStrokeData>();
            segment->start = {10 + s * 10, 20 + s * 5};
            segment->end = {30 + s * 10, 120 - s * 3};
            segment->type = s % 38;
            segment->newStroke = s % 2 == 0;
            record->strokes.segments.push_back(std::move(segment));
        }
        for (int g = 0; g < 2; ++g) {
            auto reading = std::make_unique<CKanjiReading>();
            reading->onReadings = {"SHOKU", "JIKI"};
            reading->kunReadings = {"ta(beru)", "ku(u)"};
            reading->meanings = {"eat", "food", "meal"};
            record->readings.push_back(std::move(reading));
        }
        record->heisig = i;
        library.AddKanji(1 + i % 24, std::move(record));
    }
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("brushly-bench-" + std::to_string(::getpid()) + ".kdb"))
                                 .string();
    CDiskFile file(path, CDiskFile::Mode::Create);
    CArchive archive(file, CArchive::Mode::Store);
    library.Serialize(archive);
    archive.Close();
    file.Commit();
    return path;
}

void BM_LoadKanjiDatabase(benchmark::State& state) {
    const std::string path = WriteDatabase();
    CScriptedPrompter prompter;
    for (auto _ : state) {
        CKanjiLibrary library;
        if (!library.Load(path, prompter)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(library.KanjiCount());
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadKanjiDatabase)->Unit(benchmark::kMillisecond);

// The generated database with its JLPT list, when it has been generated.
void BM_LoadGeneratedKanjiDatabase(benchmark::State& state) {
    const std::filesystem::path directory = BRUSHLY_DEFAULT_DATA_DIR;
    if (!std::filesystem::exists(directory / "MasterDB.kdb")) {
        state.SkipWithError("no generated database in data/");
        return;
    }
    CScriptedPrompter prompter;
    for (auto _ : state) {
        CKanjiLibrary library;
        if (!library.Load((directory / "MasterDB.kdb").string(), prompter)) {
            state.SkipWithError("load failed");
            break;
        }
        library.LoadJlptList((directory / "blyjlptsjis.txt").string(), prompter);
        benchmark::DoNotOptimize(library.KanjiCount());
    }
}
BENCHMARK(BM_LoadGeneratedKanjiDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly
