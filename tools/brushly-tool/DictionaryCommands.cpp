#include <chrono>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "Commands.h"
#include "ToolData.h"
#include "edictprep/EdictPreparation.h"

// brushly-tool prepare-edict: the dictionary text and its abbreviation list for the program.
namespace brushly::tool {

namespace {

constexpr COptionSpec kPrepareOptions[] = {{"--edict", true}, {"--out", true}};

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) throw std::runtime_error("cannot read " + path);
    return text.str();
}

// Writes text to path through a temporary file, so that a failure keeps the old file.
void WriteWholeFile(const std::filesystem::path& path, const std::string& text) {
    const std::filesystem::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporary);
            throw std::runtime_error("cannot write " + path.string());
        }
    }
    std::filesystem::rename(temporary, path);
}

int RunPrepareEdict(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    line.NoPositionals();
    const std::string edict = line.Required("--edict");
    const std::filesystem::path directory = line.Required("--out");
    try {
        const auto started = std::chrono::steady_clock::now();
        const edictprep::CConvertedEdict converted =
            edictprep::ConvertEdictToShiftJis(ReadWholeFile(edict));
        std::filesystem::create_directories(directory);
        WriteWholeFile(directory / "edict_SJIS.txt", converted.text);
        std::string abbreviations;
        for (const std::string& code : edictprep::CollectAbbreviations(converted.text))
            abbreviations += code + "\n";
        WriteWholeFile(directory / "edictabbrev.txt", abbreviations);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
        out << "edict_SJIS.txt: " << converted.lines << " lines, " << converted.droppedLines
            << " dropped (characters without a Shift-JIS form)\n"
            << "edictabbrev.txt: " << std::count(abbreviations.begin(), abbreviations.end(), '\n')
            << " abbreviations\n"
            << "Wrote " << directory.string() << " in "
            << static_cast<int>(elapsed.count() * 10) / 10.0 << " s\n";
        return 0;
    } catch (const std::exception& failure) {
        err << "brushly-tool prepare-edict: " << failure.what() << "\n";
        return 1;
    }
}

}  // namespace

constexpr CToolCommand kPrepareEdictCommand{
    "prepare-edict", "convert EDICT to Shift-JIS and list its abbreviations",
    "Usage: brushly-tool prepare-edict --edict FILE --out DIR\n"
    "\n"
    "Writes edict_SJIS.txt, the EDICT dictionary converted from EUC-JP to Shift-JIS (a line\n"
    "holding a character that Shift-JIS cannot hold is dropped whole, and counted), and\n"
    "edictabbrev.txt, the part-of-speech, field and usage codes heading its senses, one a\n"
    "line.\n"
    "\n"
    "Options:\n"
    "  --edict FILE  EDICT in EUC-JP (edict package)\n"
    "  --out DIR     folder to write the two files into (created if missing)\n",
    kPrepareOptions, &RunPrepareEdict};

}  // namespace brushly::tool
