#include <optional>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

#include "CStreamPrompter.h"
#include "CStrokeFile.h"
#include "Commands.h"
#include "ToolData.h"
#include "handwriting/CKanaDrawBox.h"
#include "handwriting/CKanjiDrawBox.h"
#include "handwriting/CStrokeRecogniser.h"
#include "handwriting/HandwritingSearch.h"
#include "platform/ShiftJis.h"

// brushly-tool write and search-strokes: written strokes from a JSON file, checked in the draw
// box against a character or looked up with the handwriting search, so that recorded writing
// can be replayed and whole test sets run in one process.
namespace brushly::tool {

namespace {

constexpr COptionSpec kWriteOptions[] = {kDataOption,           {"--strokes", true},
                                         {"--type-mode", true}, {"--tolerance", true},
                                         {"--order", true},     {"--autocorrect", true}};
constexpr COptionSpec kSearchOptions[] = {kDataOption, {"--strokes", true}, {"--max", true}};

constexpr std::string_view kVerdictCorrect = "correct";
constexpr std::string_view kVerdictIncorrect = "incorrect";
constexpr std::string_view kVerdictWrongOrder = "out of order";
constexpr std::string_view kVerdictIncomplete = "incomplete";
constexpr std::string_view kVerdictIncompleteWrongOrder = "incomplete, out of order";
// A stroke that begins outside the box: the box never sees it.
constexpr std::string_view kVerdictOutside = "outside the box";
// A stroke the check neither kept nor put into a feedback list.
constexpr std::string_view kVerdictDropped = "dropped";

constexpr int kDefaultMaximum = 10;

bool SwitchOption(const CCommandLine& line, std::string_view option, bool fallback) {
    const auto text = line.Value(option);
    if (!text) return fallback;
    if (*text == "on") return true;
    if (*text == "off") return false;
    throw CUsageError(std::string(option) + " must be on or off, not '" + *text + "'");
}

// What writing one character in the box gave.
struct CWriteOutcome {
    std::string caption;
    std::vector<std::string_view> verdicts;  // per stroke of the file
};

std::size_t StrokeCount(const CKanjiStrokes& strokes) {
    return static_cast<std::size_t>(strokes.StrokeCount());
}

std::size_t StrokeCount(const std::vector<CPolyline>& strokes) {
    return strokes.size();
}

// Where the check left the stroke just drawn, given the user's stroke count before it: with
// feedback after each stroke a check keeps a correct stroke and sorts a rejected one into
// exactly one feedback list (the lists of earlier checks are rebuilt each time). Only the
// kanji box has lists of partly matched strokes.
template <class Box>
std::string_view Verdict(const Box& box, std::size_t userStrokesBefore) {
    if (StrokeCount(box.UserStrokes()) > userStrokesBefore) return kVerdictCorrect;
    if (StrokeCount(box.Incorrect()) > 0) return kVerdictIncorrect;
    if (StrokeCount(box.WrongOrder()) > 0) return kVerdictWrongOrder;
    if constexpr (std::is_same_v<Box, CKanjiDrawBox>) {
        if (StrokeCount(box.Incomplete()) > 0) return kVerdictIncomplete;
        if (StrokeCount(box.IncompleteWrongOrder()) > 0) return kVerdictIncompleteWrongOrder;
    }
    return kVerdictDropped;
}

// Replays the strokes as pen events, one pen-down to release each.
template <class Box>
CWriteOutcome WriteInBox(Box& box, const std::vector<std::vector<CPoint>>& strokes) {
    CWriteOutcome outcome;
    for (const std::vector<CPoint>& points : strokes) {
        const std::size_t before = StrokeCount(box.UserStrokes());
        box.PenDown(points.front());
        // The box ignores a pen put down outside its area.
        if (!box.Drawing()) {
            outcome.verdicts.push_back(kVerdictOutside);
            continue;
        }
        for (std::size_t i = 1; i < points.size(); ++i)
            box.PenMove(points[i]);
        box.PenUp();
        outcome.verdicts.push_back(Verdict(box, before));
    }
    outcome.caption = box.Caption();
    return outcome;
}

CDrawBoxSettings WriteSettings(const CCommandLine& line) {
    CDrawBoxSettings settings;
    settings.feedbackMode = kFeedbackEachStroke;
    settings.typeMode = line.Number("--type-mode", settings.typeMode, 0, 2);
    settings.tolerance = line.Number("--tolerance", settings.tolerance, 1, 1000);
    settings.enforceOrder = SwitchOption(line, "--order", settings.enforceOrder);
    settings.autocorrect = SwitchOption(line, "--autocorrect", settings.autocorrect);
    return settings;
}

CWriteOutcome WriteKana(const CKanaData& kana, KanaBoxMode mode, const CDrawBoxSettings& settings,
                        const CWrittenSample& sample) {
    CKanaDrawBox box;
    box.SetKana(
        KanaReference(kana), mode,
        {settings.feedbackMode, settings.autocorrect, settings.enforceOrder, settings.tolerance});
    return WriteInBox(box, sample.strokes);
}

// Writes one sample against its character: a kanji in the kanji box, a kana in the kana box;
// nothing when the character is not in the database.
std::optional<CWriteOutcome> WriteSample(const CKanjiLibrary& library,
                                         const CDrawBoxSettings& settings,
                                         const std::string& character,
                                         const CWrittenSample& sample) {
    const std::string sjisCharacter = sjis::FromUtf8(character);
    if (const CKanjiRef kanji = library.FindByCharacter(sjisCharacter)) {
        CKanjiDrawBox box;
        box.SetCharacter(kanji.record->strokes, settings);
        return WriteInBox(box, sample.strokes);
    }
    if (const CHiraganaData* hiragana = library.FindHiraganaByKana(sjisCharacter)) {
        return WriteKana(*hiragana, KanaBoxMode::kHiragana, settings, sample);
    }
    if (const CKatakanaData* katakana = library.FindKatakanaByKana(sjisCharacter)) {
        return WriteKana(*katakana, KanaBoxMode::kKatakana, settings, sample);
    }
    return std::nullopt;
}

std::string JoinVerdicts(const std::vector<std::string_view>& verdicts) {
    if (verdicts.empty()) return "(no strokes)";
    std::string joined;
    for (std::string_view verdict : verdicts)
        joined += (joined.empty() ? "" : "; ") + std::string(verdict);
    return joined;
}

std::string CaptionText(const std::string& caption) {
    return caption.empty() ? "(none)" : caption;
}

int RunWrite(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    if (line.Positionals().size() > 1) throw CUsageError("at most one CHAR expected");
    const std::string fallback = line.Positionals().empty() ? "" : line.Positionals().front();
    const CDrawBoxSettings settings = WriteSettings(line);
    const std::optional<CStrokeFile> file = ReadStrokeFile(line, "--strokes", "write", err);
    if (!file) return 2;
    for (std::size_t i = 0; i < file->samples.size(); ++i) {
        if (file->samples[i].character.empty() && fallback.empty()) {
            err << "brushly-tool write: " << *line.Value("--strokes") << ": "
                << (file->batch ? "object " + std::to_string(i) + " has" : "the object has")
                << " no \"char\" and no CHAR argument was given\n";
            return 2;
        }
    }
    CStreamPrompter prompter(err);
    const auto library = LoadKanjiLibrary(DataDirectory(line), prompter);
    if (!library) return 1;

    int status = 0;
    for (const CWrittenSample& sample : file->samples) {
        const std::string& character = sample.character.empty() ? fallback : sample.character;
        const std::optional<CWriteOutcome> outcome =
            WriteSample(*library, settings, character, sample);
        if (!outcome) {
            err << "brushly-tool write: '" << character
                << "' is not a kanji or kana of the database\n";
            if (file->batch) out << character << "\t(not in the database)\n";
            status = 1;
        } else if (file->batch) {
            out << character << '\t' << CaptionText(outcome->caption) << '\t'
                << JoinVerdicts(outcome->verdicts) << '\n';
        } else {
            out << "Caption: " << CaptionText(outcome->caption) << '\n';
            for (std::size_t i = 0; i < outcome->verdicts.size(); ++i)
                out << "Stroke " << i + 1 << ": " << outcome->verdicts[i] << '\n';
        }
    }
    return status;
}

// The search's candidates for the strokes as the recogniser reads them, best first.
std::vector<CCandidate> SearchCandidates(const CKanjiLibrary& library,
                                         const std::vector<std::vector<CPoint>>& strokes,
                                         std::size_t maximum) {
    std::vector<CCandidate> candidates;
    BestMatchesByPaths(library, RecogniseStrokes(strokes), maximum, candidates);
    return candidates;
}

int RunSearchStrokes(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    line.NoPositionals();
    const int maximum = line.Number("--max", kDefaultMaximum, 1, 1000);
    const std::optional<CStrokeFile> file =
        ReadStrokeFile(line, "--strokes", "search-strokes", err);
    if (!file) return 2;
    CStreamPrompter prompter(err);
    const auto library = LoadKanjiLibrary(DataDirectory(line), prompter);
    if (!library) return 1;

    for (const CWrittenSample& sample : file->samples) {
        const std::vector<CCandidate> candidates =
            SearchCandidates(*library, sample.strokes, static_cast<std::size_t>(maximum));
        // One line per candidate for a single sample, one line per sample in a batch.
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            const CCandidate& candidate = candidates[i];
            const CKanjiData& record =
                *library->KanjiGroup(candidate.group)[static_cast<std::size_t>(candidate.index)];
            if (file->batch && i > 0) out << ' ';
            out << sjis::ToUtf8(record.character) << ' ' << candidate.score;
            if (!file->batch) out << '\n';
        }
        if (file->batch) out << '\n';
    }
    return 0;
}

}  // namespace

constexpr CToolCommand kWriteCommand{
    "write", "check written strokes against a character, as the draw box does",
    "Usage: brushly-tool write [CHAR] --strokes FILE.json [--type-mode 0|1|2] [--tolerance N]\n"
    "                         [--order on|off] [--autocorrect on|off] [--data DIR]\n"
    "\n"
    "Writes the strokes of FILE.json into the draw box set to CHAR (a kanji, hiragana or\n"
    "katakana of the database) with feedback after each stroke, and prints the final caption\n"
    "and, per stroke, correct, incorrect, out of order, incomplete or \"incomplete, out of\n"
    "order\" (or \"outside the box\" for a stroke that begins outside the 200 x 200 box).\n"
    "\n"
    "FILE.json holds {\"strokes\": [[[x, y], [x, y], ...], ...]}, one point list per pen-down\n"
    "to pen-up in draw-box pixels (x right, y down, whole numbers; fractions are refused), and\n"
    "optionally \"char\", which takes the place of CHAR. A JSON array of such objects is a\n"
    "batch: one line per object, in order: the character, the caption and the per-stroke\n"
    "results separated by \"; \", the three fields separated by tabs.\n"
    "\n"
    "Options:\n"
    "  --strokes FILE.json  the written strokes\n"
    "  --type-mode MODE     stroke types must be 0 exact (the default), 1 similar, 2 any;\n"
    "                       kanji only\n"
    "  --tolerance N        closeness in percent, a whole number from 1 to 1000 (default 20)\n"
    "  --order on|off       strokes must come in order (default on)\n"
    "  --autocorrect on|off move recognised strokes onto the database strokes (default on)\n"
    "  --data DIR           folder with MasterDB.kdb (default: the data folder)\n"
    "\n"
    "Exit status: 0 done, 1 a character not in the database, 2 bad options or a bad file.\n",
    kWriteOptions, &RunWrite};

constexpr CToolCommand kSearchStrokesCommand{
    "search-strokes", "look up the kanji that written strokes resemble",
    "Usage: brushly-tool search-strokes --strokes FILE.json [--max N] [--data DIR]\n"
    "\n"
    "Recognises each stroke of FILE.json as the draw box does and prints the kanji of the\n"
    "handwriting search, best first, one per line: the character and its score (1000 at\n"
    "best). FILE.json is as for brushly-tool write (\"char\" is ignored); for a batch, an\n"
    "array of objects, each object gives one line of candidates separated by blanks.\n"
    "\n"
    "Options:\n"
    "  --strokes FILE.json  the written strokes\n"
    "  --max N              at most N candidates, 1 to 1000 (default 10)\n"
    "  --data DIR           folder with MasterDB.kdb (default: the data folder)\n",
    kSearchOptions, &RunSearchStrokes};

}  // namespace brushly::tool
