#include <chrono>
#include <ostream>

#include "Commands.h"
#include "kanjidb/CKanjiDbBuilder.h"

// brushly-tool build-kanji-db: generates the kanji database and the JLPT list from the
// public data sets.
namespace brushly::tool {

namespace {

constexpr COptionSpec kBuildOptions[] = {
    {"--kanjivg", true}, {"--kanjidic", true}, {"--edict", true}, {"--out", true}};

int RunBuildKanjiDb(const CCommandLine& line, std::ostream& out, std::ostream&) {
    line.NoPositionals();
    const kanjidb::CKanjiDbSources sources{line.Required("--kanjivg"), line.Required("--kanjidic"),
                                           line.Required("--edict")};
    const std::string directory = line.Required("--out");
    const auto started = std::chrono::steady_clock::now();
    kanjidb::CKanjiDb database = kanjidb::BuildKanjiDb(sources);
    kanjidb::WriteKanjiDb(database, directory);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    out << database.report << "Wrote " << directory << "/MasterDB.kdb and " << directory
        << "/blyjlptsjis.txt in " << static_cast<int>(elapsed.count() * 10) / 10.0 << " s\n";
    return 0;
}

}  // namespace

constexpr CToolCommand kBuildKanjiDbCommand{
    "build-kanji-db", "generate MasterDB.kdb and the JLPT list from KanjiVG, KANJIDIC2, EDICT",
    "Usage: brushly-tool build-kanji-db --kanjivg DIR --kanjidic FILE --edict FILE --out DIR\n"
    "\n"
    "Generates the kanji database MasterDB.kdb and the JLPT list blyjlptsjis.txt in the\n"
    "output folder and prints a quality report. The same inputs always give the same bytes.\n"
    "\n"
    "Options:\n"
    "  --kanjivg DIR    KanjiVG's SVG folder (npm @madcat/kanjivg, dist/orig/main)\n"
    "  --kanjidic FILE  KANJIDIC2 XML, gzip-compressed or plain (kanjidic-xml package)\n"
    "  --edict FILE     EDICT in EUC-JP (edict package)\n"
    "  --out DIR        folder to write the two files into (created if missing)\n",
    kBuildOptions, &RunBuildKanjiDb};

}  // namespace brushly::tool
