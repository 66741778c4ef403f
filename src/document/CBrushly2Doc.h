#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "archive/CArchive.h"
#include "archive/CClassRegistry.h"
#include "dictionary/CCompoundLibrary.h"
#include "dictionary/CompoundSearchState.h"
#include "document/BuilderSettings.h"
#include "document/CBrushlyOptions.h"
#include "document/CFlashcardSet.h"
#include "document/KanaStatistics.h"
#include "lookup/KanjiSearchState.h"
#include "platform/CPrompter.h"
#include "platform/CRandom.h"
#include "platform/CSettingsStore.h"
#include "reference/CKanjiLibrary.h"

namespace brushly {

// The one document of the program: the user's flashcards and Word Groups, the kana
// statistics and the practice options, saved as a .bly file; and, for the whole run, the
// kanji database and the two word dictionaries, which stay loaded across New and Open.
//
// File layout (one archive stream, version 3):
//   int32 fileVersion (3), string databaseTitle, CBrushlyOptions body in place,
//   object arrays of kanji, compound, kana word and counter cards, object arrays of the
//   hiragana and katakana statistics, string list of group names, int32 commonWordsOnly.
// A file that fails to read up to the group names is taken for a version-1 document and
// converted.
//
// Messages go through the prompter given at construction, which must outlive the document.
class CBrushly2Doc {
public:
    static constexpr std::int32_t kFileVersion = 3;
    static constexpr const char* kWrongExtensionMessage =
        "You can only Open a Brushly file (.bly).";
    static constexpr const char* kConversionMessage =
        "Brushly will now convert from 1.0 to 2.0 file format.";
    static constexpr const char* kSavingStatusFormat = "Brushly is saving %s.";
    static constexpr const char* kDamagedFileMessage =
        "This file is damaged. What could be read is opened as an untitled document; use Save "
        "As to keep it under another name.";

    // What the card clipboard holds.
    enum ClipboardKind : int {
        kClipboardEmpty = -1,
        kClipboardKanji = 0,
        kClipboardCompound = 1,
        kClipboardKanaWord = 2,
        kClipboardCounter = 3,
    };

    using StatusCallback = std::function<void(const std::string& text)>;
    using ProgressCallback = std::function<void(int percent)>;

    // Empty contents, no databases. Reads "oomode" (0), "smoothstrokes" (1), "vertmode" (0),
    // "romajimode" (1) and "autosave" (1) from the settings store, which is not kept. The
    // random generator is seeded with `seed`, or the clock when none is given, and warmed up
    // by discarding 1000 values.
    CBrushly2Doc(const CSettingsStore& settings, CPrompter& prompter,
                 std::optional<std::uint32_t> seed = std::nullopt);
    ~CBrushly2Doc();
    CBrushly2Doc(const CBrushly2Doc&) = delete;
    CBrushly2Doc& operator=(const CBrushly2Doc&) = delete;

    // --- The databases of the run, handed over once loaded. ---
    // Takes the kanji database. Builds the kana statistics arrays when the document has
    // none, else links the ones it has to the new records.
    void SetKanjiLibrary(std::unique_ptr<CKanjiLibrary> library);
    // Takes the compound and kana-word dictionaries; either may be null. The compound
    // search's results, which point into the old ones, are emptied.
    void SetWordLibraries(std::unique_ptr<CCompoundLibrary> compounds,
                          std::unique_ptr<CCompoundLibrary> kanaWords);
    // True once the kanji database is set.
    bool DatabasesLoaded() const { return m_kanjiLibrary != nullptr; }
    const CKanjiLibrary* KanjiLibrary() const { return m_kanjiLibrary.get(); }
    const CCompoundLibrary* CompoundLibrary() const { return m_compoundLibrary.get(); }
    const CCompoundLibrary* KanaWordLibrary() const { return m_kanaWordLibrary.get(); }

    // --- Lifecycle. ---
    // Destroys every card, Word Group and kana statistics record and empties the name list;
    // options and title stay.
    void DeleteContents();
    // A new, unsaved document: DeleteContents, the kanji database's title (empty without
    // it), default options, commonWordsOnly 1, fresh kana statistics when the databases are
    // loaded. The first call of a run, and only that one, adds the sample Word Groups.
    // Leaves the document unmodified, with no path.
    void NewDocument();
    // Opens a .bly or .bly2 file; any other extension shows kWrongExtensionMessage and
    // changes nothing. A file that cannot be opened shows the failure's standard
    // description and changes nothing. A file that fails to read as a current document
    // shows kConversionMessage and is converted from version 1 (ConvertFromVersion1: when
    // nothing of it can be read the document stays as it was and the result is false; read
    // in part, the document holds what was read, untitled). A current file with bytes after
    // its end is damaged: kDamagedFileMessage, and the document holds what was read, untitled
    // and modified, so that neither Save nor Autosave writes over the file. Otherwise the
    // document takes the file's
    // cards, kana statistics, group names, options, title and version; commonWordsOnly is read from
    // a version 3 file (1 when missing) and kept from before for older ones. The groups are rebuilt
    // and the kana statistics linked to the kanji database. The new-database flag is set when the
    // file's title differs from the loaded kanji database's. Once opened (converted or not) the
    // document has the path and is unmodified; returns false when nothing was opened.
    bool Open(const std::string& path);
    // Writes the whole document to its path, respectively to `path`, with
    // WriteFileAtomically: the old file is replaced only when everything was written (a
    // failed save leaves it whole), keeps its permissions and stays one save back as
    // "<name>~"; a symbolic link is written through. A failure shows its standard
    // description and changes nothing (the modified flag and path stay); success marks the
    // document unmodified, at version 3, with that path. Save without a path does nothing
    // and returns false.
    bool Save();
    bool SaveAs(const std::string& path);
    // Writes the document to path as SaveAs does, but keeps no backup, shows nothing and
    // leaves the document's path and modified flag; throws the failure (CFileException).
    void WriteCopy(const std::string& path);
    // Saves to the current path when it is a full path (non-empty and holding a "/");
    // otherwise does nothing and returns false. Before writing, passes
    // "Brushly is saving <file name>." to showStatus. The caller decides when to run it
    // (AutosaveOn) and restores the status text.
    bool Autosave(const StatusCallback& showStatus);
    // Sets databaseTitle to the kanji database's title and links every kanji and counter
    // card to the record of its character (group 0, index -1 when there is none), kanji
    // cards first. Before card i of the total, progress gets floor(i * 100 / total). Does
    // nothing without a kanji database.
    void RelinkToDatabase(const ProgressCallback& progress);
    // Links the kana statistics to the kanji database's kana records (no database: no-op).
    void LinkKanaStatistics();

    // Whether a file name has the extension of a document Open accepts ("bly" or "bly2").
    static bool HasDocumentExtension(std::string_view path);
    // "Brushly is saving %s." with the file name of path (the text after the last "/").
    static std::string SavingStatusText(std::string_view path);

    // --- Contents. ---
    CFlashcardSet& Cards() { return *m_contents.cards; }
    const CFlashcardSet& Cards() const { return *m_contents.cards; }
    CKanaStatsArray& HiraganaStats() { return m_contents.hiraganaStats; }
    CKanaStatsArray& KatakanaStats() { return m_contents.katakanaStats; }
    const CKanaStatsArray& HiraganaStats() const { return m_contents.hiraganaStats; }
    const CKanaStatsArray& KatakanaStats() const { return m_contents.katakanaStats; }
    CBrushlyOptions& Options() { return m_contents.options; }
    const CBrushlyOptions& Options() const { return m_contents.options; }
    std::int32_t FileVersion() const { return m_contents.fileVersion; }
    const std::string& DatabaseTitle() const { return m_contents.databaseTitle; }
    void SetDatabaseTitle(std::string title) { m_contents.databaseTitle = std::move(title); }
    std::int32_t CommonWordsOnly() const { return m_commonWordsOnly; }
    void SetCommonWordsOnly(std::int32_t value) { m_commonWordsOnly = value; }

    // --- State of the run. ---
    const std::string& Path() const { return m_path; }
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }
    std::int32_t ConversionPending() const { return m_conversionPending; }
    bool NewDatabase() const { return m_newDatabase; }
    void SetNewDatabase(bool flag) { m_newDatabase = flag; }
    CRandom& Random() { return m_random; }
    CPrompter& Prompter() { return m_prompter; }

    // Display settings, as read at construction; the views and options sheet update them.
    int LongOMode() const { return m_longOMode; }
    int VerticalMode() const { return m_verticalMode; }
    int RomajiMode() const { return m_romajiMode; }
    bool AutosaveOn() const { return m_autosave == 1; }
    void SetLongOMode(int mode) { m_longOMode = mode; }
    // Whether the views draw strokes with smoothed edges ("smoothstrokes", 1 by default); a
    // display choice only: the checks compare the strokes' points.
    bool SmoothStrokes() const { return m_smoothStrokes; }
    void SetSmoothStrokes(bool on) { m_smoothStrokes = on; }
    void SetVerticalMode(int mode) { m_verticalMode = mode; }
    void SetRomajiMode(int mode) { m_romajiMode = mode; }
    void SetAutosave(int value) { m_autosave = value; }

    // The card clipboard: one card of a ClipboardKind, owned here; null when empty.
    ClipboardKind ClipboardCardKind() const { return m_clipboardKind; }
    const CObject* ClipboardCard() const { return m_clipboardCard.get(); }
    // Takes the card; kClipboardEmpty with a null card empties the clipboard.
    void SetClipboard(ClipboardKind kind, std::unique_ptr<CObject> card);
    // The kanji search's inputs, results and selection, kept for the whole run (New and
    // Open leave them, as they only refer to the kanji database).
    CKanjiSearchState& KanjiSearch() { return m_kanjiSearch; }
    // The compound search's criteria, options and results, kept for the whole run; the
    // results are emptied when the word libraries are replaced.
    CCompoundSearchState& CompoundSearch() { return m_compoundSearch; }
    // The Flashcard Builder's last choices, kept for the run like the search states.
    CBuilderSettings& BuilderSettings() { return m_builderSettings; }

private:
    // What a file holds apart from commonWordsOnly; read into a fresh one, then taken over.
    struct CContents {
        CContents();
        std::int32_t fileVersion = kFileVersion;
        std::string databaseTitle;
        CBrushlyOptions options;
        std::unique_ptr<CFlashcardSet> cards;
        CKanaStatsArray hiraganaStats;
        CKanaStatsArray katakanaStats;
    };

    // Steps 1 to 10 of the layout, written or read; reading throws the archive's failures.
    static void SerializeContents(CArchive& archive, CContents& contents);
    // Shows the conversion message and reads a version-1 file into fresh contents. Read
    // whole, they replace the document's, bound to path; read in part, they replace them
    // untitled and modified; when nothing could be read the document stays as it was and
    // the result is false. Missing kana statistics are built afresh.
    bool ConvertFromVersion1(const std::string& path);
    // The groups rebuilt, the kana statistics linked, the new-database flag set, the path
    // taken, unmodified.
    void FinishLoading(const std::string& path);
    // The document written to path; keepBackup keeps the old file as "<name>~". Throws.
    void Write(const std::string& path, bool keepBackup);
    // FinishLoading of a file read in part: no path, modified.
    void KeepUntitled();

    CPrompter& m_prompter;
    CClassRegistry m_registry;
    CRandom m_random;
    CContents m_contents;
    std::int32_t m_commonWordsOnly = 1;

    std::unique_ptr<CKanjiLibrary> m_kanjiLibrary;
    std::unique_ptr<CCompoundLibrary> m_compoundLibrary;
    std::unique_ptr<CCompoundLibrary> m_kanaWordLibrary;

    int m_longOMode = 0;
    bool m_smoothStrokes = true;
    int m_verticalMode = 0;
    int m_romajiMode = 1;
    int m_autosave = 1;

    ClipboardKind m_clipboardKind = kClipboardEmpty;
    std::unique_ptr<CObject> m_clipboardCard;
    CKanjiSearchState m_kanjiSearch;
    CCompoundSearchState m_compoundSearch;
    CBuilderSettings m_builderSettings;

    std::string m_path;
    std::int32_t m_conversionPending = 0;
    bool m_newDatabase = false;
    bool m_modified = false;
    bool m_sampleGroupsGiven = false;
};

}  // namespace brushly
