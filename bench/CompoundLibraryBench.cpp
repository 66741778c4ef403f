// The compound and kana-word libraries at EDICT size: loading both files and the three kinds
// of query the compound search dialog runs over them. The EDICT-built databases in data/
// are used when they have been generated; otherwise a synthetic pair of about 170,000
// entries with EDICT-like romaji, glosses and headwords.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <random>

#include "dictionary/CCompoundLibrary.h"
#include "platform/CScriptedPrompter.h"

namespace brushly {
namespace {

constexpr int kSyntheticCompounds = 140000;
constexpr int kSyntheticKanaWords = 30000;

constexpr std::array<const char*, 48> kSyllables = {
    "ka",  "ki", "ku", "ke", "ko", "sa", "shi",  "su",   "se",  "so",  "ta",   "chi",
    "tsu", "te", "to", "na", "ni", "nu", "ne",   "no",   "ha",  "hi",  "fu",   "he",
    "ho",  "ma", "mi", "mu", "me", "mo", "ya",   "yu",   "yo",  "ra",  "ri",   "ru",
    "re",  "ro", "wa", "n",  "ga", "gi", "kyou", "shou", "jou", "tou", "ryou", "dou"};

constexpr std::array<const char*, 40> kWords = {
    "water", "fire",   "person",  "to eat", "to go",    "mountain", "river",    "large",
    "small", "house",  "country", "school", "student",  "teacher",  "time",     "money",
    "work",  "word",   "book",    "car",    "road",     "child",    "woman",    "man",
    "heart", "spirit", "light",   "to see", "to write", "thing",    "place",    "hand",
    "eye",   "flower", "tree",    "(P)",    "(uk)",     "(vs)",     "(adj-na)", "(exp)"};

struct CLibraries {
    CCompoundLibrary compounds;
    CCompoundLibrary kanaWords;
    std::string compoundPath;
    std::string kanaWordPath;
    bool temporary = false;

    ~CLibraries() {
        if (!temporary) return;
        std::filesystem::remove(compoundPath);
        std::filesystem::remove(kanaWordPath);
    }
};

std::unique_ptr<CCompoundData> SyntheticEntry(std::minstd_rand& random, bool kanaWord) {
    auto entry = std::make_unique<CCompoundData>();
    const bool katakana = kanaWord && random() % 3 == 0;
    const auto syllables = 2 + random() % 3;
    for (unsigned i = 0; i < syllables; ++i) {
        entry->romaji += kSyllables[random() % kSyllables.size()];
        if (kanaWord) {
            entry->headword += static_cast<char>(katakana ? 0x83 : 0x82);
            entry->headword +=
                static_cast<char>(katakana ? 0x40 + random() % 0x56 : 0x9F + random() % 0x53);
        } else if (i % 2 == 0) {
            entry->headword += static_cast<char>(0x88 + random() % 0x18);
            const auto trail = 0x40 + random() % 0xBC;  // 0x40 to 0xFC without 0x7F
            entry->headword += static_cast<char>(trail < 0x7F ? trail : trail + 1);
        }
    }
    if (katakana) {
        for (char& letter : entry->romaji)
            letter = static_cast<char>(letter - 'a' + 'A');
    }
    entry->meaning = "(n)";
    const auto senses = 2 + random() % 5;
    for (unsigned i = 0; i < senses; ++i) {
        entry->meaning += i == 0 ? " " : "/";
        entry->meaning += kWords[random() % kWords.size()];
    }
    return entry;
}

std::string TemporaryPath(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("brushly-bench-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

// The libraries loaded from their files, written first when they are synthetic.
std::unique_ptr<CLibraries> MakeLibraries(CPrompter& prompter) {
    auto libraries = std::make_unique<CLibraries>();
    const std::filesystem::path directory = BRUSHLY_DEFAULT_DATA_DIR;
    libraries->compoundPath = (directory / "CompDBedictdem.kdb2").string();
    libraries->kanaWordPath = (directory / "KanaDBedictdem.kdb2").string();
    if (!std::filesystem::exists(libraries->compoundPath) ||
        !std::filesystem::exists(libraries->kanaWordPath)) {
        std::minstd_rand random(12345);
        CCompoundLibrary compounds;
        CCompoundLibrary kanaWords;
        for (int i = 0; i < kSyntheticCompounds; ++i)
            compounds.Add(SyntheticEntry(random, false));
        for (int i = 0; i < kSyntheticKanaWords; ++i)
            kanaWords.Add(SyntheticEntry(random, true));
        libraries->compoundPath = TemporaryPath("CompDB.kdb2");
        libraries->kanaWordPath = TemporaryPath("KanaDB.kdb2");
        libraries->temporary = true;
        compounds.Save(libraries->compoundPath, prompter);
        kanaWords.Save(libraries->kanaWordPath, prompter);
    }
    libraries->compounds.Load(libraries->compoundPath, false, prompter);
    libraries->kanaWords.Load(libraries->kanaWordPath, false, prompter);
    return libraries;
}

void BM_LoadCompoundDatabases(benchmark::State& state) {
    CScriptedPrompter prompter;
    const auto libraries = MakeLibraries(prompter);
    for (auto _ : state) {
        CCompoundLibrary compounds;
        CCompoundLibrary kanaWords;
        if (!compounds.Load(libraries->compoundPath, false, prompter) ||
            !kanaWords.Load(libraries->kanaWordPath, false, prompter)) {
            state.SkipWithError("load failed");
            break;
        }
        benchmark::DoNotOptimize(compounds.TotalCount() + kanaWords.TotalCount());
    }
    state.counters["entries"] =
        libraries->compounds.TotalCount() + libraries->kanaWords.TotalCount();
}
BENCHMARK(BM_LoadCompoundDatabases)->Unit(benchmark::kMillisecond);

// A query over both libraries, as the compound search dialog runs it.
template <class Query>
void RunSearch(benchmark::State& state, const Query& query) {
    CScriptedPrompter prompter;
    const auto libraries = MakeLibraries(prompter);
    std::vector<const CCompoundData*> result;
    for (auto _ : state) {
        result.clear();
        query(libraries->compounds, result);
        query(libraries->kanaWords, result);
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["entries"] =
        libraries->compounds.TotalCount() + libraries->kanaWords.TotalCount();
    state.counters["matches"] = static_cast<double>(result.size());
}

void BM_FindByRomaji(benchmark::State& state) {
    // "tu" also runs the Hepburn pass with "tsu".
    RunSearch(state, [](const CCompoundLibrary& library, auto& result) {
        library.FindByRomaji(result, "kyoo");
        library.FindByRomaji(result, "tu");
    });
}
BENCHMARK(BM_FindByRomaji)->Unit(benchmark::kMillisecond);

void BM_FindByMeaning(benchmark::State& state) {
    RunSearch(state, [](const CCompoundLibrary& library, auto& result) {
        library.FindByMeaning(result, "water", true);
    });
}
BENCHMARK(BM_FindByMeaning)->Unit(benchmark::kMillisecond);

void BM_FindByKanji(benchmark::State& state) {
    RunSearch(state, [](const CCompoundLibrary& library, auto& result) {
        library.FindByKanji(result, "\x90\x85");  // 水
    });
}
BENCHMARK(BM_FindByKanji)->Unit(benchmark::kMillisecond);

void BM_CombinedSearch(benchmark::State& state) {
    RunSearch(state, [](const CCompoundLibrary& library, auto& result) {
        library.Search(result, "sui", "water", "\x90\x85", 1, false);
    });
}
BENCHMARK(BM_CombinedSearch)->Unit(benchmark::kMillisecond);

// The first query after a load also builds the search index.
void BM_FirstSearchAfterLoad(benchmark::State& state) {
    CScriptedPrompter prompter;
    const auto libraries = MakeLibraries(prompter);
    std::vector<const CCompoundData*> result;
    CCompoundLibrary compounds;
    for (auto _ : state) {
        state.PauseTiming();
        compounds.Clear();
        compounds.Load(libraries->compoundPath, false, prompter);
        result.clear();
        state.ResumeTiming();
        compounds.FindByRomaji(result, "kyoo");
        benchmark::DoNotOptimize(result.data());
    }
}
BENCHMARK(BM_FirstSearchAfterLoad)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly
