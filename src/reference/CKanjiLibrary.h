#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "archive/CArchive.h"
#include "reference/CKanaData.h"
#include "reference/CKanjiData.h"
#include "reference/CKanjiStrokes.h"

namespace brushly {

class CPrompter;
class CRandom;

// A kanji of the database with its identity: group number (= stroke count, 1 to 24) and
// index in the group. No match: record null, group 0, index -1.
struct CKanjiRef {
    const CKanjiData* record = nullptr;
    int group = 0;
    int index = -1;

    explicit operator bool() const { return record != nullptr; }
};

// The kanji database (MasterDB.kdb): groups 1 to 24 hold the kanji by stroke count,
// group 25 the hiragana, group 26 the katakana records, then one trailing stroke list.
// Read-only after loading except for the JLPT levels. Owns every record.
//
// Lookups that concern kanji answer as a scan of groups 1 to 24 in ascending order, each in
// index order, would: the first match wins. The character and reference-number lookups use
// indexes built on first use, so they cost O(1) however often they are called.
class CKanjiLibrary final : public CObject {
public:
    static constexpr int kKanjiGroups = 24;
    static constexpr int kHiraganaGroup = 25;
    static constexpr int kKatakanaGroup = 26;
    static const CRuntimeClass kRuntimeClass;

    static constexpr const char* kLoadFailureMessage =
        "The correct Brushly Kanji Database could not be loaded.\nCheck that the correct Kanji "
        "Database file - ''MasterDB.kdb'' - is in your Brushly directory.\n\nBrushly will not "
        "run without this file. If the file is there, please report the problem to the Brushly "
        "developers.";

    CKanjiLibrary() = default;
    CKanjiLibrary(const CKanjiLibrary&) = delete;
    CKanjiLibrary& operator=(const CKanjiLibrary&) = delete;

    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    // The library's body, in place: title, groups 1 to 26, trailing strokes. Loading throws
    // CReferenceRangeError for a coordinate outside the drawing frame and its margin.
    void Serialize(CArchive& archive) override;

    // Called with the running count of kanji read after each of groups 1 to 24.
    using ProgressCallback = std::function<void(int kanjiRead)>;

    // Reads the database file; a kanji or kana coordinate outside the drawing frame and its
    // margin fails the load (ReferenceFrame.h). On any failure shows the failure's standard
    // description, then kLoadFailureMessage, through the prompter and returns false; what was read
    // before the failure is kept.
    bool Load(const std::string& path, CPrompter& prompter, const ProgressCallback& progress = {});
    // Sets the JLPT level of every kanji the list names (Shift-JIS, CR LF lines; a line
    // "1" to "4" starts a level). Reads at most the first 10000 bytes. A failure to read is
    // reported with its standard description; levels assigned so far stay.
    void LoadJlptList(const std::string& path, CPrompter& prompter);
    // The same for the bytes of a list.
    void ApplyJlptList(std::string_view bytes);

    const std::string& Title() const { return m_title; }
    void SetTitle(std::string title) { m_title = std::move(title); }

    // Groups by number: 1 to 24 kanji, 25 hiragana, 26 katakana. An empty span outside.
    std::span<const std::unique_ptr<CKanjiData>> KanjiGroup(int group) const;
    std::span<const std::unique_ptr<CHiraganaData>> Hiragana() const { return m_hiragana; }
    std::span<const std::unique_ptr<CKatakanaData>> Katakana() const { return m_katakana; }
    // Number of records in group 1 to 26; 0 outside.
    int GroupSize(int group) const;
    // Number of kanji records in groups 1 to 24.
    int KanjiCount() const;
    const CKanjiStrokes& TrailingStrokes() const { return m_trailingStrokes; }

    // Building a database (the generator and tests): records are appended to their group.
    void AddKanji(int group, std::unique_ptr<CKanjiData> record);
    void AddHiragana(std::unique_ptr<CHiraganaData> record);
    void AddKatakana(std::unique_ptr<CKatakanaData> record);
    CKanjiStrokes& MutableTrailingStrokes() { return m_trailingStrokes; }

    CKanjiRef FindByCharacter(std::string_view character) const;
    // Key 2 to 11 (a reference book); no match for other keys.
    CKanjiRef FindByReference(int key, std::int32_t number) const;
    // Kanji whose field for key 0 to 11 lies in [low, high], in visiting order; appended to
    // matches when given. Returns the number of matches.
    int SelectByKey(int key, std::int32_t low, std::int32_t high,
                    std::vector<CKanjiRef>* matches = nullptr) const;
    // A kanji drawn uniformly from groups 1 to 24 with random.PickRandom; none when the
    // groups are empty.
    CKanjiRef RandomKanji(CRandom& random) const;

    const CHiraganaData* FindHiragana(std::string_view romaji) const;
    const CKatakanaData* FindKatakana(std::string_view romaji) const;
    const CHiraganaData* FindHiraganaByKana(std::string_view kana) const;
    const CKatakanaData* FindKatakanaByKana(std::string_view kana) const;

    // Mutable access for the JLPT levels and tests.
    CKanjiData* MutableKanji(const CKanjiRef& ref);

private:
    using Position = std::pair<int, int>;  // group, index

    CKanjiRef RefAt(Position position) const;
    void InvalidateIndexes();
    const std::unordered_map<std::string, Position>& CharacterIndex() const;
    const std::unordered_map<std::int32_t, Position>& ReferenceIndex(int key) const;

    std::string m_title;
    std::array<std::vector<std::unique_ptr<CKanjiData>>, kKanjiGroups> m_kanji;
    std::vector<std::unique_ptr<CHiraganaData>> m_hiragana;
    std::vector<std::unique_ptr<CKatakanaData>> m_katakana;
    CKanjiStrokes m_trailingStrokes;
    ProgressCallback m_progress;

    // Caches derived from the groups, rebuilt after any change to them.
    mutable std::optional<std::unordered_map<std::string, Position>> m_characterIndex;
    mutable std::array<std::optional<std::unordered_map<std::int32_t, Position>>,
                       kReferenceKeyCount>
        m_referenceIndexes;
    mutable std::optional<int> m_kanjiCount;
};

}  // namespace brushly
