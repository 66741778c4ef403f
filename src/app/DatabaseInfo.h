#pragma once

#include <string>
#include <string_view>

namespace brushly {

class CBrushly2Doc;

// What one group of the "Brushly Database Information" dialog shows.
struct CDatabaseFields {
    std::string version;
    std::string date;
    std::string countLabel;  // "number of characters:" or "number of entries:"
    int count = 0;
};

// The fields of the kanji database, cut from its title (positions counted from 0, missing
// characters left out): version = character 6 "." characters 7 to 9, date = characters
// 11-12 "/" 13-14 "/" 15-16; kanjiCount is the number of kanji of grade 0 to 10.
CDatabaseFields KanjiDatabaseFields(std::string_view title, int kanjiCount);

// Whether a compound library identification names an EDICT-built library (begins "EDICT").
bool IsEdictIdentification(std::string_view identification);

// The fields of the compound library. EDICT-built: version = characters 15 to 20, date =
// characters 6 to 12 (where these hold no digit: the header's copyright year and creation
// date, EdictReleaseOf), "number of entries:" compoundCount + kanaWordCount. Other: version =
// character 5 "." characters 6 to 8, date = characters 10-11 "/" 12-13 "/" 14-15,
// "number of entries:" compoundCount. Not loaded: "invalid", "---" and 0.
CDatabaseFields CompoundDatabaseFields(bool loaded, std::string_view identification,
                                       int compoundCount, int kanaWordCount);

// Both groups for the document's databases (no kanji database: its fields cut from the
// empty title with count 0).
struct CDatabaseInfo {
    CDatabaseFields kanji;
    CDatabaseFields compounds;
    bool edictBuilt = false;
};
CDatabaseInfo DescribeDatabases(const CBrushly2Doc& document);

}  // namespace brushly
