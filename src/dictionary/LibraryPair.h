#pragma once

#include <string>

namespace brushly {

class CCompoundLibrary;
class CPrompter;

// The EDICT-built word libraries, CompDBedictdem.kdb2 and KanaDBedictdem.kdb2, are one
// edition of EDICT in two files: they are replaced together and read as a pair.

// Writes both libraries to temporary files beside their targets, flushed to disk, and only
// then renames both into place; the first target's old file is kept under a hard link until
// the second rename has succeeded, and put back if it fails. Throws CFileException naming
// the file that failed: both targets are then as they were and no temporary file remains.
// A reader between the two renames sees the new first and the old second library, which
// LoadLibraryPair detects by their identifications.
void SaveLibraryPair(CCompoundLibrary& first, const std::string& firstPath,
                     CCompoundLibrary& second, const std::string& secondPath);

// What LoadLibraryPair found.
struct CLibraryPairLoad {
    bool first = false;
    bool second = false;
};

inline constexpr int kLibraryPairAttempts = 3;
inline constexpr const char* kMixedEditionsMessage =
    "The compound database and the kana word database are from different EDICT editions.\nThe "
    "kana words are left out. Import the EDICT file again to rebuild both.";

// Loads the first library and, when its file exists, the second (each reporting its own
// failure through the prompter, see CCompoundLibrary::Load). When both loaded with different
// identifications an import replaced them meanwhile: both are emptied and read again, up to
// kLibraryPairAttempts reads in all; a pair still mixed is reported with
// kMixedEditionsMessage and the second library left empty. The libraries' progress callbacks
// are the caller's.
CLibraryPairLoad LoadLibraryPair(CCompoundLibrary& first, const std::string& firstPath,
                                 CCompoundLibrary& second, const std::string& secondPath,
                                 CPrompter& prompter);

}  // namespace brushly
