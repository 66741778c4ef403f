// The Flash View quiz over the generated databases: building and shuffling a deck of every
// jouyou kanji, and presenting one card (question and the four multiple-choice slots) of
// each kind the sample document holds.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/CAbbreviationList.h"
#include "dictionary/CCompoundLibrary.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CPrompter.h"
#include "practice/CFlashQuiz.h"
#include "practice/CFlashQuizHost.h"
#include "support/RealData.h"

namespace brushly {
namespace {

// Says No to every question (so a finished deck goes back to the main view) and shows
// nothing.
class CNoPrompter final : public CPrompter {
public:
    void Show(Kind, const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    Answer AskYesNoCancel(const std::string&) override { return Answer::No; }
};

class CIdleHost final : public CFlashQuizHost {
public:
    void StartTimer(int, double) override {}
    void StopTimer(int) override {}
    void ShowShuffling(bool) override {}
    void ReturnToMainView() override {}
    void Changed() override {}
};

// The sample document over the generated kanji database and the EDICT-built word
// dictionaries (the delivered compound library without them), with one more Word Group,
// "Jouyou", of a kanji card for every kanji of grades 1 to 8.
class CFlashBenchDocument {
public:
    static std::unique_ptr<CFlashBenchDocument> Load() {
        const std::filesystem::path data = testing::RealDataDirectory();
        auto bench = std::make_unique<CFlashBenchDocument>();
        auto kanji = std::make_unique<CKanjiLibrary>();
        if (!kanji->Load((data / "MasterDB.kdb").string(), bench->prompter)) return nullptr;
        auto compounds = std::make_unique<CCompoundLibrary>();
        const bool edict = std::filesystem::exists(data / "CompDBedictdem.kdb2");
        if (!compounds->Load((data / (edict ? "CompDBedictdem.kdb2" : "CompDBdemo.kdb2")).string(),
                             false, bench->prompter))
            return nullptr;
        std::unique_ptr<CCompoundLibrary> kanaWords;
        if (std::filesystem::exists(data / "KanaDBedictdem.kdb2")) {
            kanaWords = std::make_unique<CCompoundLibrary>();
            kanaWords->Load((data / "KanaDBedictdem.kdb2").string(), false, bench->prompter);
        }
        bench->abbreviations.Load((data / "edictabbrev.txt").string(), bench->prompter);
        std::vector<CKanjiRef> jouyou;
        kanji->SelectByKey(kKeyGrade, 1, 8, &jouyou);
        CBrushly2Doc& document = bench->document;
        document.SetKanjiLibrary(std::move(kanji));
        document.SetWordLibraries(std::move(compounds), std::move(kanaWords));
        document.NewDocument();
        document.Cards().AddGroup("Jouyou");
        for (const CKanjiRef& ref : jouyou) {
            auto card = std::make_unique<CKanjiCard>();
            card->groupName = "Jouyou";
            card->character = ref.record->character;
            card->dbGroup = ref.group;
            card->dbIndex = ref.index;
            for (const auto& reading : ref.record->readings)
                card->readings.push_back(std::make_unique<CKanjiReading>(*reading));
            document.Cards().AddCard(std::move(card));
        }
        return bench;
    }

    CMemorySettingsStore settings;
    CNoPrompter prompter;
    CBrushly2Doc document{settings, prompter, 7u};
    CAbbreviationList abbreviations;
    CIdleHost host;
};

CFlashBenchDocument* Bench() {
    static const std::unique_ptr<CFlashBenchDocument> bench = CFlashBenchDocument::Load();
    return bench.get();
}

void BM_StartJouyouDeck(benchmark::State& state) {
    CFlashBenchDocument* bench = Bench();
    if (bench == nullptr) {
        state.SkipWithError("no generated kanji database");
        return;
    }
    CFlashQuiz quiz(bench->document, bench->abbreviations, bench->host, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(quiz.Start({"Jouyou"}));
}
BENCHMARK(BM_StartJouyouDeck)->Unit(benchmark::kMillisecond);

// Presents the cards of the Word Group one after another (Next), in multiple-choice mode
// with reading (0) or meaning (1) answers; a new run starts the deck again.
void BM_PresentCard(benchmark::State& state, const std::string& group, int kind) {
    CFlashBenchDocument* bench = Bench();
    if (bench == nullptr) {
        state.SkipWithError("no generated kanji database");
        return;
    }
    CFlashOptions& options = bench->document.Options().flash;
    options = CFlashOptions{};
    options.includeKanji = kind == 0;
    options.includeCompounds = kind == 1;
    options.includeKanaWords = kind == 2;
    options.includeCounters = kind == 3;
    options.desiredAnswer = static_cast<int>(state.range(0));
    CFlashQuiz quiz(bench->document, bench->abbreviations, bench->host, true);
    if (!quiz.Start({group})) {
        state.SkipWithError("no card of that kind");
        return;
    }
    for (auto _ : state) {
        quiz.Next();
        if (quiz.Current() == nullptr) {
            state.PauseTiming();
            quiz.Start({group});
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(quiz.Slots().correct);
    }
}
BENCHMARK_CAPTURE(BM_PresentCard, JouyouKanji, std::string("Jouyou"), 0)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PresentCard, SampleCompounds, std::string("Travel"), 1)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PresentCard, SampleKanaWords, std::string("Animals"), 2)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PresentCard, SampleCounters, std::string("Time"), 3)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace brushly
