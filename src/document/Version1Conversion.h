#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/CClassRegistry.h"
#include "document/CBrushly1Doc.h"
#include "document/CBrushlyOptions.h"
#include "document/CFlashcardSet.h"
#include "document/CKanaStats.h"
#include "platform/CPrompter.h"

namespace brushly {

// The parts of the current document that a conversion fills. The document has just been
// emptied; the conversion only appends to the arrays and the name list.
struct CVersion1Target {
    CFlashcardSet& cards;
    std::vector<std::unique_ptr<CKanaStats>>& hiraganaStats;
    std::vector<std::unique_ptr<CKanaStats>>& katakanaStats;
    CBrushlyOptions& options;
    std::int32_t& fileVersion;
    std::string& databaseTitle;
};

// The file version a converted document is saved with.
inline constexpr std::int32_t kConvertedFileVersion = 3;

// Moves a version-1 document into the target:
//   - the options become their defaults, fileVersion 3, databaseTitle empty (the version-1
//     title and options, and its second name list, are not taken over);
//   - for each kanji card in order: its compounds, in order, are appended to the compound
//     master array with the kanji card's groupName and active = 1, then the kanji card,
//     its compound list now empty, to the kanji master array;
//   - the kana word cards, counter cards, hiragana and katakana statistics, and the group
//     names are appended in order.
// Cards are moved, not copied: every other field keeps the value read. The version-1
// document is left without cards, statistics or names. The caller rebuilds the Word
// Groups (CFlashcardSet::Rebuild), as after every load.
void ConvertVersion1Document(CBrushly1Doc& version1, const CVersion1Target& target);

// Reads the file at path as a version-1 document (CBrushly1Doc::Read; a failure to open or
// read is shown once with its standard description) and converts whatever was read.
// True when the whole file was read.
bool ConvertVersion1File(const std::string& path, const CClassRegistry& registry,
                         CPrompter& prompter, const CVersion1Target& target);

}  // namespace brushly
