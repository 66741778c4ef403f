#include <chrono>
#include <filesystem>
#include <fstream>
#include <limits>
#include <ostream>

#include "CStreamPrompter.h"
#include "Commands.h"
#include "ToolData.h"
#include "archive/CArchiveException.h"
#include "archive/FileHead.h"
#include "dictionary/CAbbreviationList.h"
#include "dictionary/CCompoundLibrary.h"
#include "dictionary/CCompoundSearch.h"
#include "dictionary/CEdictImporter.h"
#include "dictionary/CLoadingDisplay.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/LibraryPair.h"
#include "edictprep/EdictPreparation.h"
#include "platform/AtomicFile.h"
#include "platform/FileStatus.h"
#include "platform/ShiftJis.h"

// The dictionary commands: prepare-edict (the dictionary files of the set-up), import-edict
// (the program's import) and words (the compound search).
namespace brushly::tool {

namespace {

constexpr COptionSpec kPrepareOptions[] = {{"--edict", true}, {"--out", true}};
constexpr COptionSpec kImportOptions[] = {kDataOption};
constexpr COptionSpec kWordsOptions[] = {{"--romaji", true},
                                         {"--meaning", true},
                                         {"--kanji", true},
                                         {"--any", false},
                                         {"--whole-word", false},
                                         {"--no-compounds", false},
                                         {"--no-kana-words", false},
                                         {"--common-only", false},
                                         {"--hide-abbreviations", false},
                                         {"--page", true},
                                         kDataOption};

// The full EDICT fills some 26,000 pages when a query matches nearly every word.
constexpr int kMaxWordsPage = 99999;
// Shift-JIS kanji begin at 0x889F; the lead bytes below hold kana, symbols and Latin.
constexpr unsigned char kFirstKanjiLead = 0x88;

// The identification of the delivered compound library.
constexpr const char* kDemoIdentification = "Brushly compound database (common EDICT words)";

double SecondsSince(std::chrono::steady_clock::time_point started) {
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    return static_cast<int>(elapsed.count() * 100) / 100.0;
}

// The EDICT source of prepare-edict, whole: a regular file (see ReadFileHead). Throws.
std::string ReadEdictSource(const std::string& path) {
    return ReadFileHead(path, std::numeric_limits<std::size_t>::max());
}

// Writes text to path whole, so that a failure keeps the old file.
void WriteWholeFile(const std::filesystem::path& path, const std::string& text) {
    if (const int failure = WriteFileAtomically(path.string(), text, false); failure != 0)
        throw CFileException(path.string(), "write", failure);
}

// A common word: its meaning ends with EDICT's "(P)".
bool IsCommon(const CCompoundData& entry) {
    return entry.meaning.ends_with("(P)");
}

// A headword of two kanji taught in the six grades of elementary school.
bool IsTwoSchoolKanji(std::string_view headword, const CKanjiLibrary& kanji) {
    if (headword.size() != 4) return false;
    for (std::size_t at = 0; at < headword.size(); at += 2) {
        const CKanjiRef found = kanji.FindByCharacter(headword.substr(at, 2));
        if (!found) return false;
        const std::int32_t grade = found.record->KeyValue(kKeyGrade);
        if (grade < 1 || grade > 6) return false;
    }
    return true;
}

// The delivered compound library for a machine without EDICT: the common words of the
// converted dictionary written with two kanji of the elementary school grades. Returns the
// number of entries written.
int WriteDemoLibrary(const std::string& sjisText, const std::filesystem::path& directory,
                     CPrompter& prompter) {
    const auto kanji = LoadKanjiLibrary(directory.string(), prompter);
    if (!kanji) throw std::runtime_error("the kanji database is needed for the demo library");
    CCompoundLibrary compounds;
    CCompoundLibrary kanaWords;
    CSilentLoadingDisplay display;
    CEdictImporter importer(compounds, kanaWords, *kanji, prompter, display, directory.string());
    std::size_t start = sjisText.find('\n');
    while (start != std::string::npos && start + 1 < sjisText.size()) {
        const std::size_t end = sjisText.find('\n', start + 1);
        importer.ParseEdictLine(std::string_view(sjisText).substr(
            start + 1, end == std::string::npos ? std::string::npos : end - start));
        start = end;
    }
    CCompoundLibrary demo;
    demo.SetIdentification(kDemoIdentification);
    for (const char letter : kCompoundLetters) {
        for (const auto& entry : compounds.Letter(letter)) {
            if (IsCommon(*entry) && IsTwoSchoolKanji(entry->headword, *kanji))
                demo.Add(std::make_unique<CCompoundData>(*entry));
        }
    }
    const std::string path = DataFilePath(directory.string(), kDemoCompoundFileName);
    if (!demo.Save(path, prompter)) throw std::runtime_error("cannot write " + path);
    return demo.TotalCount();
}

int RunPrepareEdict(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    line.NoPositionals();
    const std::string edict = line.Required("--edict");
    const std::filesystem::path directory = line.Required("--out");
    try {
        const auto started = std::chrono::steady_clock::now();
        const edictprep::CConvertedEdict converted =
            edictprep::ConvertEdictToShiftJis(ReadEdictSource(edict));
        std::error_code folderError;
        std::filesystem::create_directories(directory, folderError);
        if (folderError) throw CFileException(directory.string(), "create", folderError.value());
        WriteWholeFile(directory / "edict_SJIS.txt", converted.text);
        std::string abbreviations;
        for (const std::string& code : edictprep::CollectAbbreviations(converted.text))
            abbreviations += code + "\n";
        WriteWholeFile(directory / "edictabbrev.txt", abbreviations);
        CStreamPrompter prompter(err);
        const int demoEntries = WriteDemoLibrary(converted.text, directory, prompter);
        out << "edict_SJIS.txt: " << converted.lines << " lines, " << converted.droppedLines
            << " dropped (characters without a Shift-JIS form)\n"
            << "edictabbrev.txt: " << std::count(abbreviations.begin(), abbreviations.end(), '\n')
            << " abbreviations\n"
            << "CompDBdemo.kdb2: " << demoEntries << " common words of two school kanji\n"
            << "Wrote " << directory.string() << " in " << SecondsSince(started) << " s\n";
        return 0;
    } catch (const std::exception& failure) {
        err << "brushly-tool prepare-edict: " << failure.what() << "\n";
        return 1;
    }
}

int RunImportEdict(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    line.NoPositionals();
    const std::string directory = DataDirectory(line);
    CStreamPrompter prompter(err);
    const auto kanji = LoadKanjiLibrary(directory, prompter);
    if (!kanji) return 1;
    CCompoundLibrary compounds;
    CCompoundLibrary kanaWords;
    CSilentLoadingDisplay display;
    CEdictImporter importer(compounds, kanaWords, *kanji, prompter, display, directory);
    const auto started = std::chrono::steady_clock::now();
    if (!importer.ImportEdict(false, false)) {
        err << "brushly-tool import-edict: no EDICT import from "
            << DataFilePath(directory, kEdictFileName) << "\n";
        return 1;
    }
    // The prompter has told why on err.
    if (!importer.Saved()) return 1;
    const CEdictImportCounts& counts = importer.Counts();
    out << "Identification: " << compounds.Identification() << "\n"
        << "Compounds: " << counts.compounds << "\n"
        << "Kana words: " << counts.kanaWords << "\n"
        << "Malformed lines: " << counts.malformedLines << "\n"
        << "Entries left out: " << counts.droppedEntries << "\n"
        << "Imported and saved in " << SecondsSince(started) << " s\n";
    return 0;
}

// Loads the EDICT-built libraries as one pair, or the delivered compound library without
// them, as the program starts; false when a library could not be loaded.
bool LoadWordLibraries(const std::string& directory, CCompoundLibrary& compounds,
                       CCompoundLibrary& kanaWords, CPrompter& prompter) {
    const std::string edictCompounds = DataFilePath(directory, kEdictCompoundFileName);
    const std::string edictKanaWords = DataFilePath(directory, kEdictKanaWordFileName);
    if (!PathExists(edictCompounds)) {
        return LoadCompoundLibrary(directory, compounds, prompter);
    }
    const CLibraryPairLoad loaded =
        LoadLibraryPair(compounds, edictCompounds, kanaWords, edictKanaWords, prompter);
    return loaded.first && (loaded.second || !PathExists(edictKanaWords));
}

// The option's query in Shift-JIS, as the dialog's boxes hold it; empty without the option.
std::string QueryOption(const CCommandLine& line, std::string_view option) {
    const auto value = line.Value(option);
    if (value && value->empty()) throw CUsageError(std::string(option) + " needs a query");
    return value ? sjis::FromUtf8(*value) : std::string();
}

// The dialog's kanji box holds one kanji taken from the kanji search.
std::string KanjiOption(const CCommandLine& line) {
    const std::string kanji = QueryOption(line, "--kanji");
    if (!kanji.empty() &&
        (kanji.size() != 2 || static_cast<unsigned char>(kanji[0]) < kFirstKanjiLead)) {
        throw CUsageError("--kanji must be one kanji, not '" + *line.Value("--kanji") + "'");
    }
    return kanji;
}

// The dialog's criteria and options from the command line. The tool matches meanings
// anywhere and shows uncommon words unless told otherwise, as it always has.
CCompoundSearchState WordsState(const CCommandLine& line) {
    CCompoundSearchState state;
    state.romaji = QueryOption(line, "--romaji");
    state.meaning = QueryOption(line, "--meaning");
    state.kanji = KanjiOption(line);
    state.useRomaji = !state.romaji.empty();
    state.useMeaning = !state.meaning.empty();
    state.useKanji = !state.kanji.empty();
    if (!state.useRomaji && !state.useMeaning && !state.useKanji)
        throw CUsageError("give --romaji, --meaning or --kanji");
    state.anyMode = line.Has("--any") ? 1 : 0;
    state.wholeWord = line.Has("--whole-word");
    state.commonOnly = line.Has("--common-only");
    state.hideAbbreviations = line.Has("--hide-abbreviations");
    state.includeCompounds = !line.Has("--no-compounds");
    state.includeKanaWords = !line.Has("--no-kana-words");
    if (!state.includeCompounds && !state.includeKanaWords)
        throw CUsageError("--no-compounds with --no-kana-words leaves nothing to search");
    // The engine would drop the kanji silently: kana words have none.
    if (!state.includeCompounds && state.useKanji)
        throw CUsageError("--kanji searches compounds only; it cannot go with --no-compounds");
    return state;
}

const char* KindName(CCompoundRowKind kind) {
    switch (kind) {
        case CCompoundRowKind::kCompound:
            return "compound";
        case CCompoundRowKind::kCommonCompound:
            return "common compound";
        case CCompoundRowKind::kKanaWord:
            return "kana word";
        case CCompoundRowKind::kCommonKanaWord:
            return "common kana word";
    }
    return "";
}

int RunWords(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    line.NoPositionals();
    CCompoundSearchState state = WordsState(line);
    const int page = line.Number("--page", 1, 1, kMaxWordsPage);

    CStreamPrompter prompter(err);
    const std::string directory = DataDirectory(line);
    CCompoundLibrary compounds;
    CCompoundLibrary kanaWords;
    if (!LoadWordLibraries(directory, compounds, kanaWords, prompter)) return 1;
    CAbbreviationList abbreviations;
    const std::string abbreviationPath = DataFilePath(directory, kAbbreviationFileName);
    if (PathExists(abbreviationPath)) abbreviations.Load(abbreviationPath, prompter);

    // The questions of an empty result are answered No and the message follows them on err.
    CCompoundSearch search(&compounds, &kanaWords, abbreviations, state, prompter);
    search.Search();
    if (state.combined.empty()) {
        out << search.Caption() << '\n';
        return 1;
    }
    if (!PageExists("words", page, search.PageCount(), err)) return 2;
    state.page = page;
    out << search.Caption() << '\n';
    const std::vector<CCompoundRow> rows = search.PageRows(0);
    const std::size_t first = static_cast<std::size_t>(page - 1) * CCompoundSearch::kPageSize;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        out << sjis::ToUtf8(state.combined[first + i]->headword) << '\t' << rows[i].reading << '\t'
            << sjis::ToUtf8(rows[i].meaning) << '\t' << KindName(rows[i].kind) << '\n';
    }
    return 0;
}

}  // namespace

constexpr CToolCommand kPrepareEdictCommand{
    "prepare-edict", "convert EDICT to Shift-JIS and list its abbreviations",
    "Usage: brushly-tool prepare-edict --edict FILE --out DIR\n"
    "\n"
    "Writes edict_SJIS.txt, the EDICT dictionary converted from EUC-JP to Shift-JIS (a line\n"
    "holding a character that Shift-JIS cannot hold is dropped whole, and counted),\n"
    "edictabbrev.txt, the part-of-speech, field and usage codes heading its senses, one a\n"
    "line, and CompDBdemo.kdb2, the compound library delivered for a machine without EDICT\n"
    "(its common words written with two kanji of the school grades 1 to 6). The folder\n"
    "must hold the kanji database.\n"
    "\n"
    "Options:\n"
    "  --edict FILE  EDICT in EUC-JP (edict package)\n"
    "  --out DIR     folder to write the two files into (created if missing)\n",
    kPrepareOptions, &RunPrepareEdict};

constexpr CToolCommand kImportEdictCommand{
    "import-edict", "import edict_SJIS.txt into the word libraries, as the program does",
    "Usage: brushly-tool import-edict [--data DIR]\n"
    "\n"
    "Imports DIR/edict_SJIS.txt as the program does at start-up: words with a reading go\n"
    "into the compound library, kana-only words into the kana-word library, and both are\n"
    "saved as CompDBedictdem.kdb2 and KanaDBedictdem.kdb2 in DIR. Prints the counts.\n"
    "\n"
    "Options:\n"
    "  --data DIR  folder with MasterDB.kdb and edict_SJIS.txt (default: the data\n"
    "              folder)\n",
    kImportOptions, &RunImportEdict};

constexpr CToolCommand kWordsCommand{
    "words", "search the word dictionary as the compound search dialog does",
    "Usage: brushly-tool words [--romaji Q] [--meaning Q] [--kanji K] [--any] [--whole-word]\n"
    "                          [--no-compounds] [--no-kana-words] [--common-only]\n"
    "                          [--hide-abbreviations] [--page N] [--data DIR]\n"
    "\n"
    "Runs the compound search dialog's search over the word libraries (the EDICT-built\n"
    "compound and kana-word libraries when EDICT was imported, else the delivered compound\n"
    "library) and prints its caption, then one line per match of the page (ten to a page):\n"
    "headword, romaji, meaning and kind (compound, common compound, kana word or common kana\n"
    "word), separated by tabs; compounds come first. One criterion runs its own search; two\n"
    "or three run the combined search, matching all of them unless --any. When nothing is\n"
    "found, the dialog's questions (answered No) and its message go to standard error.\n"
    "\n"
    "Options:\n"
    "  --romaji Q             romaji occurring in the reading (tu also finds tsu, oo also ou)\n"
    "  --meaning Q            text occurring in the English meaning\n"
    "  --kanji K              one kanji of the headword (compounds only)\n"
    "  --any                  match any of the criteria instead of all\n"
    "  --whole-word           the meaning must stand as a whole word\n"
    "  --no-compounds         leave out the compounds\n"
    "  --no-kana-words        leave out the kana words\n"
    "  --common-only          only EDICT's common words, marked (P)\n"
    "  --hide-abbreviations   meanings without EDICT's abbreviations, such as (n,vs)\n"
    "  --page N               the page to print (default 1)\n"
    "  --data DIR             folder with the .kdb2 files and edictabbrev.txt (default:\n"
    "                         the data folder)\n"
    "\n"
    "Exit status: 0 matches printed, 1 no matches or no word library, 2 bad options or a\n"
    "page past the last.\n",
    kWordsOptions, &RunWords};

}  // namespace brushly::tool
