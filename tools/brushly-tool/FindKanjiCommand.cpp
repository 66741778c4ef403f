#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "CStreamPrompter.h"
#include "CStrokeFile.h"
#include "Commands.h"
#include "ToolData.h"
#include "lookup/CKanjiSearch.h"
#include "platform/ShiftJis.h"

// brushly-tool find-kanji: the kanji search of the program from the command line, one
// search per call over the same engine, printed a page at a time.
namespace brushly::tool {

namespace {

constexpr COptionSpec kFindOptions[] = {
    kDataOption,           {"--reading", true}, {"--on", false},     {"--kun", false},
    {"--meaning", true},   {"--and", false},    {"--strokes", true}, {"--plus-minus", true},
    {"--reference", true}, {"--number", true},  {"--sjis", true},    {"--strokes-file", true},
    {"--page", true}};

// The window's stroke edit takes two digits; no search fills anywhere near kMaxPage pages.
constexpr int kMaxStrokes = 99;
constexpr int kMaxPage = 9999;

enum class SearchKind { kText, kReference, kShiftJis, kHandwriting };

// The one search the options ask for; the options of the other searches are refused, so
// that none of them is silently ignored.
SearchKind ChosenSearch(const CCommandLine& line) {
    std::vector<SearchKind> kinds;
    if (line.Has("--reading") || line.Has("--meaning")) kinds.push_back(SearchKind::kText);
    if (line.Has("--reference")) kinds.push_back(SearchKind::kReference);
    if (line.Has("--sjis")) kinds.push_back(SearchKind::kShiftJis);
    if (line.Has("--strokes-file")) kinds.push_back(SearchKind::kHandwriting);
    if (kinds.size() != 1) {
        throw CUsageError(std::string(kinds.empty() ? "nothing to search for" : "one search only") +
                          ": give --reading and/or --meaning, --reference, --sjis or "
                          "--strokes-file");
    }
    if (kinds.front() != SearchKind::kText) {
        for (const char* option : {"--on", "--kun", "--and", "--strokes", "--plus-minus"}) {
            if (line.Has(option))
                throw CUsageError(std::string(option) + " goes with --reading or --meaning");
        }
    }
    if (line.Has("--plus-minus") && !line.Has("--strokes"))
        throw CUsageError("--plus-minus needs --strokes");
    if (line.Has("--number") && kinds.front() != SearchKind::kReference)
        throw CUsageError("--number goes with --reference");
    return kinds.front();
}

std::string Utf8Option(const CCommandLine& line, std::string_view option) {
    return line.Has(option) ? sjis::FromUtf8(line.Required(option)) : std::string();
}

void ReadTextInputs(const CCommandLine& line, CKanjiSearchState& state) {
    state.reading = Utf8Option(line, "--reading");
    state.meaning = Utf8Option(line, "--meaning");
    // Naming neither reading kind means both, as naming both does.
    const bool on = line.Has("--on");
    const bool kun = line.Has("--kun");
    state.useOn = on || !kun;
    state.useKun = kun || !on;
    state.andMode = line.Has("--and") ? 1 : 0;
    state.strokeWindow = line.Has("--strokes");
    state.strokes = line.Number("--strokes", state.strokes, 0, kMaxStrokes);
    state.tolerance =
        line.Number("--plus-minus", state.tolerance, 0, CKanjiSearch::kMaxStrokeTolerance);
}

// The engine passes over a code that is not four hexadecimal digits without a word; here
// the user has to hear why nothing was found.
std::string ShiftJisCode(const CCommandLine& line) {
    const std::string code = line.Required("--sjis");
    const bool hex = std::all_of(code.begin(), code.end(), [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c));
    });
    if (code.size() != 4 || !hex)
        throw CUsageError("--sjis must be four hexadecimal digits, not '" + code + "'");
    return code;
}

// A value of the engine's "Show Data" list, so that counts and grades read as the window's.
std::string DataField(const std::vector<CKanjiDataField>& fields, std::string_view label) {
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [&](const CKanjiDataField& f) { return f.label == label; });
    return found == fields.end() ? std::string() : found->value;
}

void PrintPage(const CKanjiSearch& search, const CKanjiLibrary& library, std::ostream& out) {
    const CKanjiSearchState& state = search.State();
    out << state.caption << '\n';
    const std::vector<CKanjiResultRow> rows = search.PageRows(0);
    const std::size_t first = static_cast<std::size_t>(state.page - 1) * CKanjiSearch::kPageSize;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CKanjiMatch& match = state.results[first + i];
        const CKanjiData& record =
            *library.KanjiGroup(match.group)[static_cast<std::size_t>(match.index)];
        const std::vector<CKanjiDataField> fields = KanjiDataFields(record);
        out << sjis::ToUtf8(rows[i].character) << '\t' << DataField(fields, "Strokes") << '\t'
            << DataField(fields, "Grade") << '\t' << sjis::ToUtf8(rows[i].text) << '\n';
    }
}

int RunFindKanji(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    line.NoPositionals();
    const SearchKind kind = ChosenSearch(line);
    const int page = line.Number("--page", 1, 1, kMaxPage);
    CKanjiSearchState state;
    std::optional<CStrokeFile> strokes;
    switch (kind) {
        case SearchKind::kText:
            ReadTextInputs(line, state);
            break;
        case SearchKind::kReference:
            state.reference = ReferenceKeyNamed(line.Required("--reference")) - kFirstBookKey;
            state.referenceNumber = line.Required("--number");
            break;
        case SearchKind::kShiftJis:
            state.reference = CKanjiSearch::kShiftJisRow;
            state.referenceNumber = ShiftJisCode(line);
            break;
        case SearchKind::kHandwriting:
            strokes = ReadStrokeFile(line, "--strokes-file", "find-kanji", err);
            if (!strokes) return 2;
            if (strokes->batch)
                throw CUsageError("--strokes-file must hold one object, not an array of them");
            break;
    }

    CStreamPrompter prompter(err);
    const auto library = LoadKanjiLibrary(DataDirectory(line), prompter);
    if (!library) return 1;
    CKanjiSearch search(*library, state, prompter);
    switch (kind) {
        case SearchKind::kText:
            // Refused only for AND without both texts; the engine has said why.
            if (!search.SearchText()) return 2;
            break;
        case SearchKind::kReference:
        case SearchKind::kShiftJis:
            search.Find(true);  // the tool prints UTF-8, so any kanji can be shown
            break;
        case SearchKind::kHandwriting:
            search.SearchHandwriting(RecogniseStrokes(strokes->samples.front().strokes));
            break;
    }

    if (state.caption == CKanjiSearch::kNoMatchesCaption) {
        out << state.caption << '\n';
        return 1;
    }
    if (!PageExists("find-kanji", page, state.pageCount, err)) return 2;
    state.page = page;
    PrintPage(search, *library, out);
    return 0;
}

}  // namespace

constexpr CToolCommand kFindKanjiCommand{
    "find-kanji", "search the kanji database as the Kanji Search window does",
    "Usage: brushly-tool find-kanji --reading R [--on] [--kun] [--meaning M] [--and]\n"
    "                              [--strokes N [--plus-minus T]] [--page N] [--data DIR]\n"
    "       brushly-tool find-kanji --meaning M [--strokes N [--plus-minus T]] [--page N]\n"
    "       brushly-tool find-kanji --reference NAME --number N [--data DIR]\n"
    "       brushly-tool find-kanji --sjis XXXX [--data DIR]\n"
    "       brushly-tool find-kanji --strokes-file FILE.json [--page N] [--data DIR]\n"
    "\n"
    "Runs one search of the Kanji Search window over the kanji database and prints its\n"
    "caption, then one line per match of the page (ten to a page): the kanji, its stroke\n"
    "count, its grade (none, 1 to 7 or 7+) and the reading group that matched, separated by\n"
    "tabs. The window's messages, such as \"No Matches\", go to standard error.\n"
    "\n"
    "Options:\n"
    "  --reading R          a reading in romaji, On or Kun (\"tu\" and \"ou\" spellings work)\n"
    "  --on, --kun          only On or only Kun readings (default both)\n"
    "  --meaning M          an English meaning, matched as a whole word\n"
    "  --and                kanji must match the reading and the meaning (default either)\n"
    "  --strokes N          only kanji of N strokes, 0 to 99\n"
    "  --plus-minus T       with --strokes: N - T to N + T strokes, T from 0 to 10\n"
    "  --reference NAME     a reference book by name or by its label in the window, any case:\n"
    "                         hadamitzkySpahn  Hadam../Spahn\n"
    "                         halpernKld       Halpern (KLD)\n"
    "                         halpernNjecd     Halpern (NJECD)\n"
    "                         heisig           Heisig\n"
    "                         henshall         Henshall\n"
    "                         kodansha         Kodansha\n"
    "                         nelsonOriginal   Nelson (Original)\n"
    "                         nelsonNew        Nelson (New)\n"
    "                         oNeill           O'Neill\n"
    "                         sakade           Sakade\n"
    "  --number N           the kanji's number in that book, as typed in the window\n"
    "  --sjis XXXX          a Shift-JIS code, four hexadecimal digits\n"
    "  --strokes-file FILE  written strokes, one object as for brushly-tool write\n"
    "  --page N             the page to print (default 1)\n"
    "  --data DIR           folder with MasterDB.kdb (default: the data folder)\n"
    "\n"
    "Exit status: 0 matches printed (or a Shift-JIS code outside the database, as the caption\n"
    "says), 1 no matches or no database, 2 bad options, a bad strokes file or a page past the\n"
    "last.\n",
    kFindOptions, &RunFindKanji};

}  // namespace brushly::tool
