#include <signal.h>

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

// Characters between two progress lines: a line every few seconds of a full run.
constexpr int kProgressEvery = 1000;

// Holds back Ctrl+C, a hang-up and termination while it lives: a signal that arrives meanwhile
// ends the process only after the output files have both taken their places, so that an
// interrupted run leaves neither a temporary file nor one new file beside an old one.
class CDeferredInterrupts {
public:
    CDeferredInterrupts() {
        sigset_t held;
        sigemptyset(&held);
        for (const int number : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&held, number);
        pthread_sigmask(SIG_BLOCK, &held, &m_previous);
    }
    ~CDeferredInterrupts() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    CDeferredInterrupts(const CDeferredInterrupts&) = delete;
    CDeferredInterrupts& operator=(const CDeferredInterrupts&) = delete;

private:
    sigset_t m_previous;
};

int RunBuildKanjiDb(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    line.NoPositionals();
    const kanjidb::CKanjiDbSources sources{line.Required("--kanjivg"), line.Required("--kanjidic"),
                                           line.Required("--edict")};
    const std::string directory = line.Required("--out");
    const auto started = std::chrono::steady_clock::now();
    // On standard error, so that the report on standard output stays as it was.
    kanjidb::CKanjiDb database = kanjidb::BuildKanjiDb(sources, [&err](int done, int total) {
        if (done % kProgressEvery == 0 || done == total)
            err << "build-kanji-db: " << done << " of " << total << " kanji" << std::endl;
    });
    {
        const CDeferredInterrupts deferred;
        kanjidb::WriteKanjiDb(database, directory);
    }
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
    "The count of KANJIDIC2 characters handled goes to standard error every 1000. Each file\n"
    "is replaced only once it is complete; an interrupt while they are written takes effect\n"
    "after both are in place.\n"
    "\n"
    "Options:\n"
    "  --kanjivg DIR    KanjiVG's SVG folder (npm @madcat/kanjivg, dist/orig/main)\n"
    "  --kanjidic FILE  KANJIDIC2 XML, gzip-compressed or plain (kanjidic-xml package)\n"
    "  --edict FILE     EDICT in EUC-JP (edict package)\n"
    "  --out DIR        folder to write the two files into (created if missing)\n",
    kBuildOptions, &RunBuildKanjiDb};

}  // namespace brushly::tool
