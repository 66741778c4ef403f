#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "CToolCommand.h"
#include "platform/CPrompter.h"
#include "reference/CKanjiLibrary.h"

namespace brushly::tool {

// The --data option of the commands that read the reference data.
inline constexpr COptionSpec kDataOption{"--data", true};

// The data folder: --data DIR, else $BRUSHLY_DATA_DIR, else the folder the set-up writes.
std::string DataDirectory(const CCommandLine& line);

// Loads DIR/MasterDB.kdb and, when present, DIR/blyjlptsjis.txt, as the program does.
// Failures are shown through the prompter; null when the database could not be loaded.
std::unique_ptr<CKanjiLibrary> LoadKanjiLibrary(const std::string& directory, CPrompter& prompter);

// The record of a character given in UTF-8. Without one, the reference is empty and err gets
// "brushly-tool COMMAND: 'CHAR' is not a kanji of the database".
CKanjiRef FindKanji(const CKanjiLibrary& library, const std::string& character,
                    std::string_view command, std::ostream& err);

}  // namespace brushly::tool
