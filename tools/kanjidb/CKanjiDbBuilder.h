#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "reference/CKanjiLibrary.h"

namespace brushly::kanjidb {

// Where the generator reads its three data sets.
struct CKanjiDbSources {
    std::string kanjivgDir;    // KanjiVG's plain SVGs, one per code point (05f0c.svg)
    std::string kanjidicPath;  // KANJIDIC2 XML, gzip-compressed or plain
    std::string edictPath;     // EDICT, EUC-JP text
};

// The generated database, its JLPT list and the quality report.
struct CKanjiDb {
    std::unique_ptr<CKanjiLibrary> library;
    std::string jlptList;  // Shift-JIS, CR LF lines
    std::string report;    // human-readable quality report
};

// The database title: the identification text whose fixed positions the Database Info
// dialog cuts: characters 6 to 9 the version (shown as "1.001"), 11 to 16 the date of the
// KANJIDIC2 edition as YYMMDD (shown as "22/08/23").
std::string DatabaseTitle(const std::string& kanjidicDate);

// Told after each KANJIDIC2 character is handled: how many are done of how many in all.
using KanjiProgress = std::function<void(int done, int total)>;

// Builds the database from the sources: one record per kanji that both KANJIDIC2 and
// KanjiVG have, in KANJIDIC2 order within its stroke-count group (above 24 strokes: group
// 24), and the 104 + 104 kana records. Deterministic. Throws std::runtime_error naming the
// source that cannot be read. progress may be empty.
CKanjiDb BuildKanjiDb(const CKanjiDbSources& sources, const KanjiProgress& progress = {});

// Writes MasterDB.kdb and blyjlptsjis.txt into the directory (created if missing); each
// file is replaced only once it is completely written.
void WriteKanjiDb(CKanjiDb& database, const std::string& directory);

}  // namespace brushly::kanjidb
