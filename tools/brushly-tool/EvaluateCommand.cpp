#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "CStreamPrompter.h"
#include "Commands.h"
#include "ToolData.h"
#include "platform/FileStatus.h"
#include "writingeval/SampleSets.h"
#include "writingeval/StrokeSources.h"
#include "writingeval/WritingEvaluation.h"

// brushly-tool evaluate-writing: the yardstick of the recogniser and the stroke comparison.
// Whole sets of characters are written by varied mouse hands and judged by the draw boxes and
// the handwriting search in one process, the database loaded once.
namespace brushly::tool {

namespace {

using writingeval::CEvaluation;
using writingeval::CEvaluationOptions;
using writingeval::CEvaluationRow;
using writingeval::CSample;
using writingeval::ERange;

constexpr COptionSpec kEvaluateOptions[] = {
    kDataOption,         {"--kanjivg", true},   {"--hanzi", true},   {"--set", true},
    {"--hand", true},    {"--spacing", true},   {"--mode", true},    {"--limit", true},
    {"--every", true},   {"--seed", true},      {"--search", false}, {"--order", false},
    {"--causes", false}, {"--failures", false}, {"--only", true},    {"--impostors", false}};

constexpr int kMaxSpacing = 8;
constexpr std::size_t kShownCauses = 10;
constexpr const char* kModeNames[] = {"exact", "similar", "any"};

// The run as the command line asks for it.
struct CRun {
    std::string set;
    CEvaluationOptions options;
    bool allSpacings = false;
    std::size_t limit = 0;  // 0: no limit
    std::size_t every = 1;
    bool failures = false;  // list every failure
    std::string only;       // UTF-8 characters to keep; empty: all
};

// The value of option as a whole number from low to high.
std::uint64_t WholeNumber(std::string_view option, const std::string& text, std::uint64_t low,
                          std::uint64_t high) {
    std::uint64_t value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (error == std::errc() && end == last && value >= low && value <= high) return value;
    throw CUsageError(std::string(option) + " takes a whole number from " + std::to_string(low) +
                      " to " + std::to_string(high) + ", not '" + text + "'");
}

CRun ParseRun(const CCommandLine& line) {
    line.NoPositionals();
    CRun run;
    run.set = line.Required("--set");
    if (run.set != "jouyou" && run.set != "dev" && run.set != "kana" && run.set != "all-kanjivg") {
        throw CUsageError("--set must be jouyou, dev, kana or all-kanjivg, not '" + run.set + "'");
    }
    const std::string hand = line.Value("--hand").value_or("spacing");
    if (hand != "spacing" && hand != "full") {
        throw CUsageError("--hand must be spacing or full, not '" + hand + "'");
    }
    run.options.hand = hand == "full" ? ERange::kFull : ERange::kSpacing;
    if (const auto spacing = line.Value("--spacing")) {
        if (run.options.hand == ERange::kFull) {
            throw CUsageError("--spacing is for --hand spacing; the full hand draws its own");
        }
        run.allSpacings = *spacing == "all";
        run.options.spacings.clear();
        if (run.allSpacings) {
            for (int s = 1; s <= kMaxSpacing; ++s)
                run.options.spacings.push_back(s);
        } else {
            run.options.spacings.push_back(
                static_cast<double>(WholeNumber("--spacing", *spacing, 1, kMaxSpacing)));
        }
    }
    const std::string mode = line.Value("--mode").value_or("exact");
    run.options.typeModes.clear();
    for (int m = 0; m < 3; ++m) {
        if (mode == "all" || mode == kModeNames[m]) run.options.typeModes.push_back(m);
    }
    if (run.options.typeModes.empty()) {
        throw CUsageError("--mode must be exact, similar, any or all, not '" + mode + "'");
    }
    if (const auto limit = line.Value("--limit")) {
        run.limit = WholeNumber("--limit", *limit, 1, 1000000);
    }
    if (const auto every = line.Value("--every")) {
        run.every = WholeNumber("--every", *every, 1, 1000000);
    }
    if (const auto seed = line.Value("--seed")) {
        run.options.seed = WholeNumber("--seed", *seed, 0, UINT64_MAX);
    }
    run.options.search = line.Has("--search");
    run.options.order = line.Has("--order");
    run.options.impostors = line.Has("--impostors");
    run.failures = line.Has("--failures");
    run.options.causes = line.Has("--causes") || run.failures;
    run.only = line.Value("--only").value_or("");
    return run;
}

// A folder the set needs; an error message when it is missing.
bool FolderThere(const std::filesystem::path& folder, std::string_view what, std::ostream& err) {
    if (IsFolder(folder.string())) return true;
    err << "brushly-tool evaluate-writing: no " << what << " folder at " << folder.string() << '\n';
    return false;
}

// Every k-th sample of the set (of those named by --only), at most limit of them.
std::vector<CSample> Selected(std::vector<CSample> samples, const CRun& run) {
    if (!run.only.empty()) {
        std::erase_if(samples, [&](const CSample& sample) {
            return sample.name.empty() || run.only.find(sample.name) == std::string::npos;
        });
    }
    std::vector<CSample> selected;
    for (std::size_t i = 0; i < samples.size(); i += run.every) {
        if (run.limit > 0 && selected.size() >= run.limit) break;
        selected.push_back(std::move(samples[i]));
    }
    return selected;
}

std::string Percent(int part, int whole) {
    if (whole == 0) return "-";
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 100.0 * part / whole);
    return text;
}

std::string ModeName(int typeMode) {
    return typeMode == writingeval::kKanaRow ? "kana" : kModeNames[typeMode];
}

void PrintRow(std::ostream& out, const std::string& spacing, const CEvaluationRow& row,
              const CEvaluationOptions& options) {
    char text[160];
    std::snprintf(text, sizeof text, "%-7s %-7s %6d %8s", spacing.c_str(),
                  ModeName(row.typeMode).c_str(), row.count,
                  Percent(row.correct, row.count).c_str());
    out << text;
    if (options.search) {
        const double mean = row.searched > 0 ? row.searchMilliseconds / row.searched : 0.0;
        std::snprintf(text, sizeof text, " %6s %6s %8.2f", Percent(row.top1, row.searched).c_str(),
                      Percent(row.top10, row.searched).c_str(), mean);
        out << text;
    }
    if (options.order) {
        std::snprintf(text, sizeof text, " %7d %6s %6s %6s %8d", row.orderChecked,
                      Percent(row.swapDetected, row.orderChecked).c_str(),
                      Percent(row.lateDetected, row.orderChecked).c_str(),
                      Percent(row.extraDetected, row.orderChecked).c_str(), row.swapAccepted);
        out << text;
    }
    if (options.impostors) {
        std::snprintf(text, sizeof text, " %9d %9s", row.impostorsChecked,
                      Percent(row.impostorsAccepted, row.impostorsChecked).c_str());
        out << text;
    }
    out << '\n';
}

void PrintTable(std::ostream& out, const CRun& run, const CEvaluation& evaluation) {
    out << "spacing mode     count correct%";
    if (run.options.search) out << "  top1% top10%  ms/srch";
    if (run.options.order) out << " ordered  swap%  late% extra% accepted";
    if (run.options.impostors) out << " impostors accepted%";
    out << '\n';
    for (const CEvaluationRow& row : evaluation.rows) {
        const std::string spacing =
            run.options.hand == ERange::kFull ? "1-8" : std::to_string(std::lround(row.spacing));
        PrintRow(out, spacing, row, run.options);
    }
    if (!run.allSpacings) return;
    // The overall figure of each type mode, over every spacing.
    const std::size_t modes = evaluation.rows.size() / run.options.spacings.size();
    for (std::size_t m = 0; m < modes; ++m) {
        CEvaluationRow total = evaluation.rows[m];
        for (std::size_t i = m + modes; i < evaluation.rows.size(); i += modes)
            total.Add(evaluation.rows[i]);
        PrintRow(out, "all", total, run.options);
    }
}

void PrintCauses(std::ostream& out, const CEvaluation& evaluation) {
    for (const auto& [typeMode, counts] : evaluation.causes) {
        out << "\nFailure causes, " << ModeName(typeMode) << ":\n";
        for (const auto& ranked : writingeval::TopCauses(counts, kShownCauses)) {
            char text[32];
            std::snprintf(text, sizeof text, "%6d  ", ranked.count.count);
            out << text << ranked.cause << "  e.g. " << ranked.count.example << '\n';
        }
    }
}

void PrintFailures(std::ostream& out, const CRun& run, const CEvaluation& evaluation) {
    out << "\nFailures:\n";
    for (const writingeval::CFailure& failure : evaluation.failures) {
        const std::string spacing = run.options.hand == ERange::kFull
                                        ? "1-8"
                                        : std::to_string(std::lround(failure.spacing));
        out << spacing << ' ' << ModeName(failure.typeMode) << ' ' << failure.name << "  "
            << failure.cause.cause << "  (" << failure.cause.detail << ")\n";
    }
}

int RunEvaluate(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    const CRun run = ParseRun(line);
    const std::filesystem::path kanjiVg =
        line.Value("--kanjivg").value_or(writingeval::KanjiVgDirectory().string());
    const std::filesystem::path hanzi =
        line.Value("--hanzi").value_or(writingeval::HanziDirectory().string());
    if (run.set != "kana" && !FolderThere(kanjiVg, "KanjiVG", err)) return 1;
    if (run.set == "dev" && !FolderThere(hanzi, "hanzi-writer-data", err)) return 1;

    CStreamPrompter prompter(err);
    const auto library = LoadKanjiLibrary(DataDirectory(line), prompter);
    if (!library) return 1;

    std::vector<CSample> samples;
    if (run.set == "jouyou") {
        samples = writingeval::KanjiVgSamples(writingeval::JouyouKanji(*library), kanjiVg);
    } else if (run.set == "all-kanjivg") {
        samples = writingeval::KanjiVgSamples(writingeval::AllKanji(*library), kanjiVg);
    } else if (run.set == "dev") {
        samples = writingeval::DevelopmentSamples(*library, kanjiVg, hanzi);
    } else {
        samples = writingeval::KanaSamples(*library);
    }
    const std::size_t setSize = samples.size();
    samples = Selected(std::move(samples), run);
    if (samples.empty()) {
        err << "brushly-tool evaluate-writing: the " << run.set << " set has no characters\n";
        return 1;
    }

    out << "set " << run.set << ": " << samples.size() << " of " << setSize << " characters; hand "
        << line.Value("--hand").value_or("spacing") << ", seed " << run.options.seed << "\n\n";
    const CEvaluation evaluation = writingeval::Evaluate(*library, samples, run.options);
    PrintTable(out, run, evaluation);
    if (run.options.causes) PrintCauses(out, evaluation);
    if (run.failures) PrintFailures(out, run, evaluation);
    return 0;
}

}  // namespace

constexpr CToolCommand kEvaluateWritingCommand{
    "evaluate-writing", "write character sets with varied mouse hands and report the verdicts",
    "Usage: brushly-tool evaluate-writing --set jouyou|dev|kana|all-kanjivg\n"
    "           [--hand spacing|full] [--spacing N|all] [--mode exact|similar|any|all]\n"
    "           [--limit N] [--every K] [--seed S] [--search] [--order] [--impostors]\n"
    "           [--causes] [--failures] [--only CHARS] [--data DIR] [--kanjivg DIR] [--hanzi DIR]\n"
    "\n"
    "Writes every character of a set as a mouse hand would, stroke by stroke, into the draw\n"
    "box (feedback after each stroke, order enforced, tolerance 20, autocorrection on) and\n"
    "prints, per spacing and type mode, how many were judged correct.\n"
    "\n"
    "Sets:\n"
    "  jouyou        the grade 1 to 8 kanji, written along their KanjiVG paths\n"
    "  all-kanjivg   every kanji of the database that has a KanjiVG file\n"
    "  dev           kanji outside the jouyou list written from hanzi-writer-data medians,\n"
    "                those with the database's stroke count in KanjiVG's stroke order\n"
    "  kana          the hiragana and katakana records, in the kana box\n"
    "\n"
    "Options:\n"
    "  --hand H       spacing (the default): irregular point spacing and pauses only;\n"
    "                 full: also scale, shear, rotation, stroke shifts, wobble and jitter,\n"
    "                 drawn per character, with spacings of 1 to 8 px\n"
    "  --spacing N    the spacing hand's point spacing, 1 to 8 px (default 3); all: each of\n"
    "                 1 to 8, then the figure over all of them\n"
    "  --mode M       stroke types must be exact (the default), similar, any; all: each\n"
    "  --limit N      at most N characters of the set\n"
    "  --only CHARS   only the set's characters among CHARS (UTF-8), before --every\n"
    "  --every K      every K-th character of the set (before --limit)\n"
    "  --seed S       the hands' seed (default 1); a seed always gives the same writing\n"
    "  --search       also the handwriting search: top-1 and top-10 rates, mean ms a search\n"
    "  --order        also, for kanji of 3 or more strokes judged correct: the first two\n"
    "                 strokes swapped, one stroke written last, one extra stroke in an empty\n"
    "                 corner; the rates at which the box reports them, and how many\n"
    "                 swapped writings it accepted as correct (never, when sound)\n"
    "  --impostors    also each kanji written into the box of the set's next kanji with as\n"
    "                 many strokes; the rate at which the box took it for that kanji\n"
    "  --causes       the ten most common causes of failure per type mode, with an example\n"
    "  --failures     also every failure: spacing, mode, character, cause and its strokes\n"
    "  --data DIR     folder with MasterDB.kdb (default: the data folder)\n"
    "  --kanjivg DIR  KanjiVG's main folder (default: $BRUSHLY_KANJIVG_DIR, else .cache/)\n"
    "  --hanzi DIR    hanzi-writer-data's folder (default: $BRUSHLY_HANZI_DIR, else .cache/)\n"
    "\n"
    "Exit status: 0 done, 1 missing data or an empty set, 2 bad options.\n",
    kEvaluateOptions, &RunEvaluate};

}  // namespace brushly::tool
