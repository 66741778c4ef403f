#pragma once

#include <memory>
#include <string>
#include <vector>

#include "reference/CKanjiLibrary.h"

namespace brushly::testing {

// A database small enough to spell out byte by byte:
//   title "T";
//   group 1: 一 (one segment (10,100)-(190,100) type 1; reading group ON "ICHI", meaning
//            "one"; Heisig 1, Henshall 1, grade 1, hadamitzkySpahn 2, reservedValue 7);
//   group 2: 二 (two segments; no readings; Heisig 2, grade 1);
//   group 25: こ, romaji "ko", two strokes of two points each;
//   trailing strokes: one segment.
std::unique_ptr<CKanjiLibrary> MakeSmallKanjiLibrary();

// A segment from (x1, y1) to (x2, y2).
std::unique_ptr<CStrokeData> Segment(int x1, int y1, int x2, int y2, int type, int newStroke);

// A reading group of those ON readings, kun readings and meanings.
std::unique_ptr<CKanjiReading> MakeReading(std::vector<std::string> on,
                                           std::vector<std::string> kun,
                                           std::vector<std::string> meanings);

// The bytes of a library written as the database file.
std::string KanjiLibraryBytes(CKanjiLibrary& library);

}  // namespace brushly::testing
