#include "ToolData.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "platform/ShiftJis.h"

namespace brushly::tool {

std::string DataDirectory(const CCommandLine& line) {
    if (const auto directory = line.Value(kDataOption.name)) return *directory;
    if (const char* directory = std::getenv("BRUSHLY_DATA_DIR"); directory && *directory) {
        return directory;
    }
    return BRUSHLY_DEFAULT_DATA_DIR;
}

std::unique_ptr<CKanjiLibrary> LoadKanjiLibrary(const std::string& directory, CPrompter& prompter) {
    const std::filesystem::path folder(directory);
    auto library = std::make_unique<CKanjiLibrary>();
    if (!library->Load((folder / "MasterDB.kdb").string(), prompter)) return nullptr;
    const std::filesystem::path jlptList = folder / "blyjlptsjis.txt";
    if (std::filesystem::exists(jlptList)) library->LoadJlptList(jlptList.string(), prompter);
    return library;
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

}  // namespace brushly::tool
