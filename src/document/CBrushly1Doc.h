#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/CArchive.h"
#include "archive/CClassRegistry.h"
#include "archive/CFile.h"
#include "document/CBrushlyOptions.h"
#include "document/CCounterCard.h"
#include "document/CKanaStats.h"
#include "document/CKanaWord.h"
#include "document/CKanjiCard.h"
#include "platform/CPrompter.h"

namespace brushly {

// A document of the first file format, held only while it is converted to the current
// one (Version1Conversion.h). Version 1 kept each kanji's compound cards inside the kanji
// card (CKanjiCard::compounds) and had no compound array of its own; the card classes are
// those of the current format.
//
// File layout, from start to end (archive encoding of CArchive.h):
//   1. int32        1                the format version; not checked when read
//   2. 6 bytes      FF FE FF FF FE FF kVersionMark; a file without it fails to read
//   3. string       title            not taken over
//   4. options      CBrushlyOptions body, in place; not taken over
//   5. object array kanjiCards       CKanjiCard, each with its compounds
//   6. object array kanaWordCards    CKanaWord
//   7. object array counterCards     CCounterCard
//   8. object array hiraganaStats    CKanaStats
//   9. object array katakanaStats    CKanaStats
//  10. string list  groupNames       the Word Group names in order
//  11. string list  extraNames       not taken over
// A version-1 file is recognised only by failing to read as a current document. That
// reader takes the mark for its title string: a wide-text marker whose length is another
// wide-text marker is malformed, so it fails there on every version-1 file, whatever its
// contents (without the mark, a title and options body can pass for a current document's
// start and small empty arrays).
class CBrushly1Doc {
public:
    static constexpr std::int32_t kFormatVersion = 1;
    static constexpr std::array<std::uint8_t, 6> kVersionMark{0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF};

    std::string title;
    CBrushlyOptions options;
    std::vector<std::unique_ptr<CKanjiCard>> kanjiCards;
    std::vector<std::unique_ptr<CKanaWord>> kanaWordCards;
    std::vector<std::unique_ptr<CCounterCard>> counterCards;
    std::vector<std::unique_ptr<CKanaStats>> hiraganaStats;
    std::vector<std::unique_ptr<CKanaStats>> katakanaStats;
    std::vector<std::string> groupNames;
    std::vector<std::string> extraNames;

    // Writes or reads the layout above. Reading fills the members in order and keeps what
    // was read when it throws (an object array keeps the elements read before the failure;
    // the element being read is dropped).
    void Serialize(CArchive& archive);

    // Reads a whole file through a loading archive over the registry's classes (the
    // document classes). A failure is shown once through the prompter with its standard
    // description; what was read stays. True when the file was read completely.
    bool Read(CFile& file, const CClassRegistry& registry, CPrompter& prompter);

    // Writes the document as a version-1 file; throws the archive's and the file's
    // failures.
    void Write(CFile& file);
};

}  // namespace brushly
