#include "app/DatabaseInfo.h"

#include "dictionary/EdictRelease.h"
#include "document/CBrushly2Doc.h"

namespace brushly {

namespace {

constexpr const char* kCharacterCountLabel = "number of characters:";
constexpr const char* kEntryCountLabel = "number of entries:";

// Characters first to last (inclusive) of text, as many of them as it holds.
std::string Cut(std::string_view text, std::size_t first, std::size_t last) {
    if (first >= text.size()) return {};
    return std::string(text.substr(first, last - first + 1));
}

// "aa/bb/cc" from the three two-character pieces starting at first.
std::string CutDate(std::string_view text, std::size_t first) {
    return Cut(text, first, first + 1) + "/" + Cut(text, first + 2, first + 3) + "/" +
           Cut(text, first + 4, first + 5);
}

}  // namespace

CDatabaseFields KanjiDatabaseFields(std::string_view title, int kanjiCount) {
    return {Cut(title, 6, 6) + "." + Cut(title, 7, 9), CutDate(title, 11), kCharacterCountLabel,
            kanjiCount};
}

bool IsEdictIdentification(std::string_view identification) {
    return identification.starts_with("EDICT");
}

CDatabaseFields CompoundDatabaseFields(bool loaded, std::string_view identification,
                                       int compoundCount, int kanaWordCount) {
    if (!loaded) return {"invalid", "---", kEntryCountLabel, 0};
    if (IsEdictIdentification(identification)) {
        // Current headers hold no release number at the fixed places but say when they
        // were made.
        const CEdictRelease release = EdictReleaseOf(identification);
        std::string version = Cut(identification, 15, 20);
        std::string date = Cut(identification, 6, 12);
        if (!HoldsDigit(version) && !release.copyrightYear.empty()) version = release.copyrightYear;
        if (!HoldsDigit(date) && !release.created.empty()) date = release.created;
        return {version, date, kEntryCountLabel, compoundCount + kanaWordCount};
    }
    return {Cut(identification, 5, 5) + "." + Cut(identification, 6, 8),
            CutDate(identification, 10), kEntryCountLabel, compoundCount};
}

CDatabaseInfo DescribeDatabases(const CBrushly2Doc& document) {
    const CKanjiLibrary* kanji = document.KanjiLibrary();
    const int kanjiCount = kanji ? kanji->SelectByKey(0, 0, 10) : 0;
    const CCompoundLibrary* compounds = document.CompoundLibrary();
    const CCompoundLibrary* kanaWords = document.KanaWordLibrary();
    const bool loaded = compounds != nullptr && compounds->TotalCount() > 0;
    const std::string identification = compounds ? compounds->Identification() : std::string();
    CDatabaseInfo info{
        KanjiDatabaseFields(document.DatabaseTitle(), kanjiCount),
        CompoundDatabaseFields(loaded, identification, loaded ? compounds->TotalCount() : 0,
                               kanaWords ? kanaWords->TotalCount() : 0),
        loaded && IsEdictIdentification(identification)};
    return info;
}

}  // namespace brushly
