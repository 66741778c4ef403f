#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/CCompoundLibrary.h"
#include "document/BuilderSettings.h"
#include "platform/CCancellation.h"

namespace brushly {

class CBrushly2Doc;

// The compound selection the Flashcard Builder's wizard and its single-group form share:
// which compounds of the compound library may join which target Word Group, given the
// kanji each target holds.
//
// A compound is examined as follows:
//   - its headword must have an even number of bytes (two-byte characters only), and with
//     common only its meaning must hold "/(P)";
//   - each character is looked up in the targets' kanji, the first target first; one found
//     in none must be kana (lead byte 0x82 or 0x83) with include kana on, or one of the
//     outside kanji, or the compound is rejected;
//   - with kRuleSameGroup every character found in a target must be in the same target;
//     otherwise the compound goes to the highest-numbered target holding one of its
//     characters;
//   - a compound with no character in any target goes nowhere.
class CCompoundSelector {
public:
    static constexpr int kProgressScale = 10000;
    static constexpr std::string_view kCommonTag = "/(P)";

    // Called with examined * kProgressScale / total each time that value changes.
    using ProgressCallback = std::function<void(int position)>;

    struct COptions {
        int rule = CBuilderSettings::kRuleEarlierGroups;
        bool includeKana = false;
        bool commonOnly = true;
    };

    // targetKanji: the Shift-JIS kanji of each target, in group order. outsideKanji: kanji
    // allowed in a compound though no target holds them (rule 2's earlier kanji, or the
    // single-group form's selected groups). Characters that are not two bytes are ignored.
    CCompoundSelector(const std::vector<std::vector<std::string>>& targetKanji,
                      const std::vector<std::string>& outsideKanji, COptions options);

    // The target a compound goes to, or -1.
    int TargetOf(const CCompoundData& entry) const;
    // One pass over the library in its walking order (kCompoundLetters, then stored order):
    // for each target, the entries that go to it, in that order. cancel (may be null) is
    // asked each time the progress position changes; nothing is returned once it says stop.
    std::optional<std::vector<std::vector<const CCompoundData*>>> Select(
        const CCompoundLibrary& library, const ProgressCallback& progress,
        CCancellation* cancel = nullptr) const;

    // Appends to the group (which must exist) and the document's cards a compound card
    // (headword, romaji and meaning as the entry holds them) for each entry, except those
    // whose headword and romaji equal a compound card the group held before the call; marks
    // the document modified when one was added. Returns the number added.
    static int AddCards(CBrushly2Doc& document, const std::string& groupName,
                        const std::vector<const CCompoundData*>& entries);

private:
    static constexpr int kNoTarget = -1;

    static std::uint16_t Code(char lead, char trail) {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(lead) << 8 |
                                          static_cast<unsigned char>(trail));
    }

    // By two-byte code: the first target holding the kanji, and whether it may stand
    // outside the targets (an outside kanji, or kana with include kana).
    std::vector<std::int32_t> m_targetOf;
    std::vector<bool> m_allowedOutside;
    std::size_t m_targetCount;
    COptions m_options;
};

}  // namespace brushly
