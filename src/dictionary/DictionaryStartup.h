#pragma once

#include <string>

namespace brushly {

class CAbbreviationList;
class CCompoundLibrary;
class CKanjiLibrary;
class CLoadingDisplay;
class CPrompter;

// Everything the dictionary step of start-up reads and fills; borrowed for the call.
struct CDictionarySources {
    CCompoundLibrary& compounds;
    CCompoundLibrary& kanaWords;
    const CKanjiLibrary& kanji;  // loaded already; decides which headwords are compounds
    CAbbreviationList& abbreviations;
    CPrompter& prompter;
    CLoadingDisplay& display;
    std::string dataDirectory;  // the install directory; empty for the working directory
};

// Whether each library holds a database after start-up.
struct CDictionaryIndicators {
    bool compounds = false;
    bool kanaWords = false;
};

inline constexpr const char* kNewerEdictQuestion =
    "A newer version of the EDICT file has been detected.\nWould you like to load this file "
    "now?";
inline constexpr const char* kEdictDatabaseStatus = "Loading the EDICT Compound Database...";
inline constexpr const char* kDemoDatabaseStatus = "Loading Brushly Compound Database...";
inline constexpr const char* kImportCancelledMessage =
    "The EDICT import was cancelled.\nThe compound and kana word databases were not changed.";

// The dictionary step of start-up, run after the kanji database has loaded. Loads the
// abbreviation list when edictabbrev.txt exists. Then:
//   - with CompDBedictdem.kdb2: when edict_SJIS.txt's identification is newer than the
//     stored one, asks kNewerEdictQuestion and on Yes imports it; otherwise loads the
//     compound library and, when present, KanaDBedictdem.kdb2 into the kana-word library as
//     one pair (LoadLibraryPair: an import between the two reads is read again);
//   - without it: offers to import edict_SJIS.txt (CEdictImporter::kImportQuestion).
// An import stopped by the display's Cancel is reported with kImportCancelledMessage; the
// stored CompDBedictdem.kdb2 and KanaDBedictdem.kdb2, when there are, are then loaded as
// above. After an import that produced no compound library, loads the delivered CompDBdemo.kdb2
// into the compound library instead. An EDICT-built database that fails to load is reported
// by the library and left empty, without the fallback.
CDictionaryIndicators LoadDictionaries(const CDictionarySources& sources);

}  // namespace brushly
