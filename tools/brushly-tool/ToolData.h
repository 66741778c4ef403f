#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "CToolCommand.h"
#include "dictionary/CCompoundLibrary.h"
#include "document/CBrushly2Doc.h"
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

// The reference book (key kFirstBookKey to 11) named by its key name ("heisig") or by its
// label in the Kanji Search window ("Nelson (New)"), in any case. Any other name is a
// CUsageError listing them all: "unknown reference 'NAME'; the references are heisig
// (Heisig), ...".
int ReferenceKeyNamed(const std::string& name);

// Loads the EDICT-built compound library of the directory, or without one the delivered
// library, as the program starts; false, the failure shown, when none could be loaded.
bool LoadCompoundLibrary(const std::string& directory, CCompoundLibrary& compounds,
                         CPrompter& prompter);

// The record of a character given in UTF-8. Without one, the reference is empty and err gets
// "brushly-tool COMMAND: 'CHAR' is not a kanji of the database".
CKanjiRef FindKanji(const CKanjiLibrary& library, const std::string& character,
                    std::string_view command, std::ostream& err);

// "1 card", "2 cards": the count and the noun for it.
std::string Counted(std::size_t count, const char* one, const char* many);

// Loads the kanji database of the --data folder into the document, as LoadKanjiLibrary does,
// failures shown through the document's prompter; false when it could not be loaded.
bool LoadKanjiInto(CBrushly2Doc& document, const CCommandLine& line);

// Opens the document, or when the file is missing makes a new, empty one (created set);
// false when it could not be opened (the reason shown through the document's prompter).
bool OpenOrCreateDocument(CBrushly2Doc& document, const std::string& path, bool& created);

}  // namespace brushly::tool
