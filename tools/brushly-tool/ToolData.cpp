#include "ToolData.h"

#include <filesystem>
#include <ostream>

#include "dictionary/DictionaryFiles.h"
#include "lookup/CKanjiSearch.h"
#include "platform/DataDirectory.h"
#include "platform/FileStatus.h"
#include "platform/ShiftJis.h"

namespace brushly::tool {

std::string DataDirectory(const CCommandLine& line) {
    if (const auto directory = line.Value(kDataOption.name)) return *directory;
    return DefaultDataDirectory(BRUSHLY_DEFAULT_DATA_DIR);
}

std::unique_ptr<CKanjiLibrary> LoadKanjiLibrary(const std::string& directory, CPrompter& prompter) {
    const std::filesystem::path folder(directory);
    auto library = std::make_unique<CKanjiLibrary>();
    if (!library->Load((folder / "MasterDB.kdb").string(), prompter)) return nullptr;
    const std::filesystem::path jlptList = folder / "blyjlptsjis.txt";
    if (PathMayBeRead(jlptList.string())) library->LoadJlptList(jlptList.string(), prompter);
    return library;
}

namespace {

// "heisig (Heisig), ...": each book's key name and its label in the search.
std::string ReferenceNames() {
    std::string names;
    for (int row = 0; row < CKanjiSearch::kShiftJisRow; ++row) {
        names += (row > 0 ? ", " : "") + std::string(ReferenceKeyName(row + kFirstBookKey)) + " (" +
                 CKanjiSearch::kReferenceRows[static_cast<std::size_t>(row)] + ")";
    }
    return names;
}

}  // namespace

int ReferenceKeyNamed(const std::string& name) {
    const std::string wanted = sjis::AsciiLower(name);
    for (int row = 0; row < CKanjiSearch::kShiftJisRow; ++row) {
        const int key = row + kFirstBookKey;
        if (wanted ==
                sjis::AsciiLower(CKanjiSearch::kReferenceRows[static_cast<std::size_t>(row)]) ||
            wanted == sjis::AsciiLower(ReferenceKeyName(key))) {
            return key;
        }
    }
    throw CUsageError("unknown reference '" + name + "'; the references are " + ReferenceNames());
}

bool LoadCompoundLibrary(const std::string& directory, CCompoundLibrary& compounds,
                         CPrompter& prompter) {
    std::string path = DataFilePath(directory, kEdictCompoundFileName);
    if (!PathExists(path)) path = DataFilePath(directory, kDemoCompoundFileName);
    return compounds.Load(path, false, prompter);
}

CKanjiRef FindKanji(const CKanjiLibrary& library, const std::string& character,
                    std::string_view command, std::ostream& err) {
    const CKanjiRef kanji = library.FindByCharacter(sjis::FromUtf8(character));
    if (!kanji) {
        err << "brushly-tool " << command << ": '" << character
            << "' is not a kanji of the database\n";
    }
    return kanji;
}

std::string Counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

bool LoadKanjiInto(CBrushly2Doc& document, const CCommandLine& line) {
    auto library = LoadKanjiLibrary(DataDirectory(line), document.Prompter());
    if (!library) return false;
    document.SetKanjiLibrary(std::move(library));
    return true;
}

bool OpenOrCreateDocument(CBrushly2Doc& document, const std::string& path, bool& created) {
    std::error_code error;
    created = !std::filesystem::exists(path, error) && !error;
    if (!created) return document.Open(path);
    // A run's first New brings the sample Word Groups; the document wanted here is the one a
    // later New makes, holding only what the command adds.
    document.NewDocument();
    document.NewDocument();
    return true;
}

}  // namespace brushly::tool
