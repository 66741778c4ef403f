#pragma once

#include <string>
#include <string_view>

namespace brushly {

class CSettingsStore;

// The keys of the settings store (all in section "settings") and their defaults when absent.
namespace settings {

// Directory holding the data files; filled in at the first start (EnsureInstallDirectory).
inline constexpr std::string_view kInstallDir = "installdir";
// Written as kVersionValue at every start.
inline constexpr std::string_view kVersion = "version";
inline constexpr std::string_view kVersionValue = "2.09.0010";
// Face name of the Japanese font in use; kNoFont when none is installed.
inline constexpr std::string_view kFont = "font";
inline constexpr std::string_view kNoFont = "none";
// Size threshold of the built-in character renderer; -1 while not chosen.
inline constexpr std::string_view kEmulate = "emulate";
inline constexpr int kEmulateDefault = -1;
// 1 = do not show the missing-font warning at start-up.
inline constexpr std::string_view kFontWarning = "fontwarning";
inline constexpr int kFontWarningDefault = 0;
// Identification of the loaded kanji database and compound library, written after loading.
inline constexpr std::string_view kKanjiDatabase = "kdb";
inline constexpr std::string_view kCompoundDatabase = "kdb2";
// Long-o display: 0 "oo", 1 "ou".
inline constexpr std::string_view kLongOMode = "oomode";
inline constexpr int kLongOModeDefault = 0;
// 1 = Japanese text of multi-character cards drawn top to bottom.
inline constexpr std::string_view kVerticalMode = "vertmode";
inline constexpr int kVerticalModeDefault = 0;
// 1 = readings shown in romaji, 0 = in kana.
inline constexpr std::string_view kRomajiMode = "romajimode";
inline constexpr int kRomajiModeDefault = 1;
// 1 = the document is saved periodically.
inline constexpr std::string_view kAutosave = "autosave";
inline constexpr int kAutosaveDefault = 1;
// 1 = strokes are drawn with smoothed (antialiased) edges in the views.
inline constexpr std::string_view kSmoothStrokes = "smoothstrokes";
inline constexpr int kSmoothStrokesDefault = 1;
// 1 = do not show the Kanji Draw Box practice dialog before the Draw View.
inline constexpr std::string_view kPractice = "practice";
inline constexpr int kPracticeDefault = 0;

// The data directory of this copy of the program (see brushly::DefaultDataDirectory): the
// environment's, the installed one, else the one the build generated the data into.
std::string DefaultDataDirectory();

// The install directory: the stored "installdir" when it is not empty; otherwise
// defaultDirectory, which is written back so that later starts find it.
std::string EnsureInstallDirectory(CSettingsStore& store, const std::string& defaultDirectory);

}  // namespace settings
}  // namespace brushly
