#pragma once

#include <memory>
#include <string>

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

}  // namespace brushly::tool
