#pragma once

#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>

namespace brushly {

class CCompoundLibrary;
class CKanjiLibrary;
class CLoadingDisplay;
class CPrompter;

// Whether the EDICT file's identification names a later release than the one stored with
// a database. With a creation date in the file's header (EdictReleaseOf): a later date than
// the stored one's, or any date when the stored one has none. Without: the numbers at
// characters 15-16, then at 18-20, compared in that order (read as atoi reads them). Equal
// releases are not newer.
bool IsNewerEdict(std::string_view stored, std::string_view edict);

// What an import added and left out.
struct CEdictImportCounts {
    int compounds = 0;  // entries added to the compound library
    int kanaWords = 0;  // entries added to the kana-word library
    // Lines that are not EDICT entries: 10,000 bytes or longer, or without the blank after
    // the headword.
    int malformedLines = 0;
    // Entries the filters left out: marked (X), no romaji, a single character, or a
    // headword with a character that is neither a known kanji nor a kana.
    int droppedEntries = 0;
};

// Converts the EDICT dictionary (edict_SJIS.txt, Shift-JIS) into the compound library
// (entries with a reading: words written with kanji) and the kana-word library (entries
// without one), and saves both as .kdb2 files in the data directory.
//
// The libraries, the kanji database, the prompter and the display are borrowed and must
// outlive the importer. Entries are appended to the libraries; the importer never clears
// them except after a failed read.
class CEdictImporter {
public:
    static constexpr std::size_t kBlockSize = 10000;
    // Lines of this many bytes or more (line feed included) are skipped.
    static constexpr std::size_t kMaxLineBytes = 10000;
    static constexpr int kProgressEnd = 20000;
    static constexpr const char* kImportQuestion =
        "An EDICT file has been detected.\nWould you like to load this file now?";
    static constexpr const char* kImportStatus = "Loading the new EDICT file...";
    static constexpr const char* kSavingStatus = "Saving EDICT information....";
    static constexpr const char* kSaveFailureMessage =
        "The EDICT file was imported but could not be saved.\nThe compound and kana word "
        "databases from before the import are kept on disk; the imported words are used until "
        "Brushly closes.";

    // dataDirectory holds edict_SJIS.txt and receives the .kdb2 files (see DataFilePath).
    // Indexes the kanji of groups 1 to 24 of kanji once, here.
    CEdictImporter(CCompoundLibrary& compounds, CCompoundLibrary& kanaWords,
                   const CKanjiLibrary& kanji, CPrompter& prompter, CLoadingDisplay& display,
                   std::string dataDirectory);

    // Reads edict_SJIS.txt: its header line's identification (the line from the first
    // "EDICT", or the whole line without one) replaces that of both libraries; with
    // headerOnly that is all. Otherwise every further line goes to ParseEdictLine and both
    // libraries are saved (CompDBedictdem.kdb2, KanaDBedictdem.kdb2) together or not at all
    // (SaveLibraryPair). A failed save is shown with its standard description and then
    // kSaveFailureMessage; the import still returns true, since the entries are in memory,
    // and Saved() tells.
    // With askFirst the user is asked kImportQuestion first. Returns false when there is
    // no file, the user declines, the file holds no complete header line, or reading
    // fails; a read failure is shown with its standard description and empties both
    // libraries, so that nothing half-imported is used or saved.
    // A full import offers the display's Cancel while the file is read (asked after each
    // block and once more at the end): a stop empties both libraries, hides the progress
    // label and bar, replaces no file and returns false with Cancelled() set. Cancel is
    // withdrawn before the two files are replaced; that replacement always runs to its end.
    bool ImportEdict(bool askFirst, bool headerOnly);

    // Adds the entry of one EDICT line (its line feed and carriage return optional) to one
    // library, or counts it as malformed or dropped:
    //   headword [reading] /sense/sense/     a compound, romaji from the reading
    //   headword /sense/sense/               a kana word, romaji from the headword
    // The meaning is the gloss without the enclosing "/" (inner ones stay).
    void ParseEdictLine(std::string_view line);

    // Whether the headword has even length and each of its two-byte characters is a kanji
    // of the kanji database (groups 1 to 24) or has lead byte 0x82 or 0x83 (kana and the
    // full-width letters and digits).
    bool IsKnownHeadword(std::string_view headword) const;

    const CEdictImportCounts& Counts() const { return m_counts; }
    // Whether the last full import saved both libraries.
    bool Saved() const { return m_saved; }
    // Whether the last import was stopped by the display's Cancel.
    bool Cancelled() const { return m_cancelled; }

private:
    // Handles one complete line of the file; returns true once the header is done and
    // nothing more is wanted.
    bool HandleLine(std::string_view line, bool headerOnly);
    void SetIdentification(std::string_view headerLine);
    bool ReadEdict(const std::string& path, bool headerOnly);
    // Drops what a stopped import added and hides its progress.
    void AbandonImport();

    CCompoundLibrary& m_compounds;
    CCompoundLibrary& m_kanaWords;
    CPrompter& m_prompter;
    CLoadingDisplay& m_display;
    std::string m_dataDirectory;
    // The kanji of the database by their two bytes (lead << 8 | trail).
    std::bitset<65536> m_kanjiCodes;
    CEdictImportCounts m_counts;
    bool m_headerSeen = false;
    bool m_saved = false;
    bool m_cancelled = false;
};

}  // namespace brushly
