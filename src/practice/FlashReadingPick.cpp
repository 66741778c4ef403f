#include "practice/FlashReadingPick.h"

#include "platform/CRandom.h"
#include "practice/FlashAnswerText.h"

namespace brushly {

namespace {

using Groups = std::vector<std::unique_ptr<CKanjiReading>>;

const std::vector<std::string>& ReadingsOf(const CKanjiReading& group, int kind) {
    return kind == kFlashOnReading ? group.onReadings : group.kunReadings;
}

// The first group whose list of that kind is not empty, or null.
const CKanjiReading* FirstGroupWith(const Groups& groups, int kind) {
    for (const auto& group : groups) {
        if (!ReadingsOf(*group, kind).empty()) return group.get();
    }
    return nullptr;
}

const std::string& RandomOf(const std::vector<std::string>& list, CRandom& random) {
    return list[static_cast<std::size_t>(random.PickRandom(static_cast<int>(list.size())) - 1)];
}

}  // namespace

FlashReadingPick PickKanjiReading(const Groups& groups, int kind, int longOMode, CRandom& random) {
    FlashReadingPick pick;
    pick.kind = kind;
    if (groups.empty()) return pick;
    const CKanjiReading& drawn =
        *groups[static_cast<std::size_t>(random.PickRandom(static_cast<int>(groups.size())) - 1)];
    const CKanjiReading* chosen =
        ReadingsOf(drawn, kind).empty() ? FirstGroupWith(groups, kind) : &drawn;
    if (chosen == nullptr) {
        pick.kind = kind == kFlashOnReading ? kFlashKunReading : kFlashOnReading;
        pick.fellBack = true;
        chosen = ReadingsOf(drawn, pick.kind).empty() ? FirstGroupWith(groups, pick.kind) : &drawn;
        if (chosen == nullptr) return pick;
    }
    pick.reading = CleanKanjiReading(RandomOf(ReadingsOf(*chosen, pick.kind), random), longOMode);
    return pick;
}

std::string PickKanjiMeaning(const Groups& groups, CRandom& random) {
    if (groups.empty()) return {};
    const CKanjiReading* chosen =
        groups[static_cast<std::size_t>(random.PickRandom(static_cast<int>(groups.size())) - 1)]
            .get();
    if (chosen->meanings.empty()) {
        chosen = nullptr;
        for (const auto& group : groups) {
            if (!group->meanings.empty()) {
                chosen = group.get();
                break;
            }
        }
        if (chosen == nullptr) return {};
    }
    return RemoveVerbTags(RandomOf(chosen->meanings, random));
}

}  // namespace brushly
