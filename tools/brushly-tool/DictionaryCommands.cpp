#include <chrono>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "CStreamPrompter.h"
#include "Commands.h"
#include "ToolData.h"
#include "dictionary/CCompoundLibrary.h"
#include "dictionary/CEdictImporter.h"
#include "dictionary/CLoadingDisplay.h"
#include "dictionary/DictionaryFiles.h"
#include "edictprep/EdictPreparation.h"
#include "platform/ShiftJis.h"

// The dictionary commands: prepare-edict (the dictionary files of the set-up), import-edict
// (the program's import) and words (the compound search).
namespace brushly::tool {

namespace {

constexpr COptionSpec kPrepareOptions[] = {{"--edict", true}, {"--out", true}};
constexpr COptionSpec kImportOptions[] = {kDataOption};
constexpr COptionSpec kWordsOptions[] = {
    {"--romaji", true},      {"--meaning", true},     {"--kanji", true}, {"--any", false},
    {"--whole-word", false}, {"--kana-words", false}, kDataOption};

// The identification of the delivered compound library.
constexpr const char* kDemoIdentification = "Brushly compound database (common EDICT words)";

double SecondsSince(std::chrono::steady_clock::time_point started) {
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    return static_cast<int>(elapsed.count() * 100) / 100.0;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) throw std::runtime_error("cannot read " + path);
    return text.str();
}

// Writes text to path through a temporary file, so that a failure keeps the old file.
void WriteWholeFile(const std::filesystem::path& path, const std::string& text) {
    const std::filesystem::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporary);
            throw std::runtime_error("cannot write " + path.string());
        }
    }
    std::filesystem::rename(temporary, path);
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
            edictprep::ConvertEdictToShiftJis(ReadWholeFile(edict));
        std::filesystem::create_directories(directory);
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
    const CEdictImportCounts& counts = importer.Counts();
    out << "Identification: " << compounds.Identification() << "\n"
        << "Compounds: " << counts.compounds << "\n"
        << "Kana words: " << counts.kanaWords << "\n"
        << "Malformed lines: " << counts.malformedLines << "\n"
        << "Entries left out: " << counts.droppedEntries << "\n"
        << "Imported and saved in " << SecondsSince(started) << " s\n";
    return 0;
}

// Loads the EDICT-built libraries, or the delivered compound library without them, as the
// program starts; false when no compound library could be loaded.
bool LoadWordLibraries(const std::string& directory, CCompoundLibrary& compounds,
                       CCompoundLibrary& kanaWords, CPrompter& prompter) {
    const std::string edictCompounds = DataFilePath(directory, kEdictCompoundFileName);
    if (std::filesystem::exists(edictCompounds)) {
        const std::string edictKanaWords = DataFilePath(directory, kEdictKanaWordFileName);
        if (std::filesystem::exists(edictKanaWords))
            kanaWords.Load(edictKanaWords, false, prompter);
        return compounds.Load(edictCompounds, false, prompter);
    }
    return compounds.Load(DataFilePath(directory, kDemoCompoundFileName), false, prompter);
}

std::string QueryOption(const CCommandLine& line, std::string_view option) {
    const auto value = line.Value(option);
    if (value && value->empty()) throw CUsageError(std::string(option) + " needs a query");
    return value ? *value : std::string();
}

int RunWords(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    line.NoPositionals();
    const std::string romaji = QueryOption(line, "--romaji");
    const std::string meaning = QueryOption(line, "--meaning");
    const std::string kanji = sjis::FromUtf8(QueryOption(line, "--kanji"));
    const int criteria = !romaji.empty() + !meaning.empty() + !kanji.empty();
    if (criteria == 0) throw CUsageError("give --romaji, --meaning or --kanji");
    const bool wholeWord = line.Has("--whole-word");
    const bool withKanaWords = line.Has("--kana-words");

    CStreamPrompter prompter(err);
    CCompoundLibrary compounds;
    CCompoundLibrary kanaWords;
    if (!LoadWordLibraries(DataDirectory(line), compounds, kanaWords, prompter)) return 1;

    // One criterion runs its own search, more run the combined one, as the search dialog
    // does; the kana-word library has no kanji to search.
    std::vector<const CCompoundData*> matches;
    const auto search = [&](const CCompoundLibrary& library) {
        if (criteria > 1) {
            library.Search(matches, romaji, meaning, kanji, line.Has("--any") ? 1 : 0, wholeWord);
        } else if (!romaji.empty()) {
            library.FindByRomaji(matches, romaji);
        } else if (!meaning.empty()) {
            library.FindByMeaning(matches, meaning, wholeWord);
        } else {
            library.FindByKanji(matches, kanji);
        }
    };
    search(compounds);
    if (withKanaWords && kanji.empty()) search(kanaWords);
    for (const CCompoundData* entry : matches) {
        out << sjis::ToUtf8(entry->headword) << "\t" << entry->romaji << "\t"
            << sjis::ToUtf8(entry->meaning) << "\n";
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
    "  --data DIR  folder with MasterDB.kdb and edict_SJIS.txt (default: $BRUSHLY_DATA_DIR,\n"
    "              else data/)\n",
    kImportOptions, &RunImportEdict};

constexpr CToolCommand kWordsCommand{
    "words", "search the word dictionary by romaji, meaning or kanji",
    "Usage: brushly-tool words [--romaji Q] [--meaning Q] [--kanji K] [--any] [--whole-word]\n"
    "                          [--kana-words] [--data DIR]\n"
    "\n"
    "Searches the compound library (the EDICT-built one when it was imported, else the\n"
    "delivered one) as the compound search dialog does and prints one line per match:\n"
    "headword, romaji and meaning, separated by tabs. One criterion runs its own search;\n"
    "two or three run the combined search, matching all of them unless --any.\n"
    "\n"
    "Options:\n"
    "  --romaji Q      romaji occurring in the reading (tu also finds tsu, oo also ou)\n"
    "  --meaning Q     text occurring in the English meaning\n"
    "  --kanji K       a kanji of the headword (compounds only)\n"
    "  --any           match any of the criteria instead of all\n"
    "  --whole-word    the meaning must stand as a whole word\n"
    "  --kana-words    search the kana-word library too\n"
    "  --data DIR      folder with the .kdb2 files (default: $BRUSHLY_DATA_DIR, else data/)\n",
    kWordsOptions, &RunWords};

}  // namespace brushly::tool
