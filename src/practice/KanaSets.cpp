#include "practice/KanaSets.h"

#include <numeric>

namespace brushly {

std::vector<int> KanaSetPositions(KanaSet set) {
    int count = kKanaTableSize;
    if (set == KanaSet::kGojuuOn) count = kGojuuOnCount;
    if (set == KanaSet::kGojuuOnVoiced) count = kSingleKanaCount;
    std::vector<int> positions(static_cast<std::size_t>(count));
    std::iota(positions.begin(), positions.end(), 0);
    return positions;
}

bool IsCombinedKanaPosition(int position) {
    return position >= kSingleKanaCount && position < kKanaTableSize;
}

}  // namespace brushly
