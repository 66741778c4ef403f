#pragma once

#include <set>
#include <string>

#include "kanjidb/KanaRecords.h"
#include "kanjidb/KanjiVgStrokes.h"
#include "support/CTempDirectory.h"

namespace brushly::testing {

// A kana folder of one-stroke files, one per kana the table needs, each stroke a diagonal
// that starts at a point telling the kana apart.
inline void WriteKanaFolder(const CTempDirectory& folder) {
    using kanjidb::kKanaTable;
    std::set<char32_t> needed;
    for (const kanjidb::CKanaTableEntry& entry : kKanaTable) {
        for (const char32_t offset : {char32_t{0}, kanjidb::kKatakanaOffset}) {
            needed.insert(entry.kana + offset);
            if (entry.small != 0) needed.insert(entry.small + offset);
        }
    }
    for (const char32_t kana : needed) {
        const int x = static_cast<int>(kana % 50);
        folder.Write(kanjidb::KanjiVgFileName(kana),
                     "<svg><path d=\"M" + std::to_string(x) + ",10l40,40\"/></svg>");
    }
}

}  // namespace brushly::testing
