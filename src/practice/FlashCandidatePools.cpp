#include "practice/FlashCandidatePools.h"

#include "document/CBrushly2Doc.h"

namespace brushly {

bool ContainsKanji(std::string_view text, std::string_view kanji) {
    if (kanji.empty()) return false;
    for (std::size_t pos = text.find(kanji); pos != std::string_view::npos;
         pos = text.find(kanji, pos + 1)) {
        if (pos % 2 == 0) return true;
    }
    return false;
}

const std::vector<const CCompoundData*>& FlashCompoundPools::Pool(int tier) const {
    return tier == 0 ? deck : tier == 1 ? document : database;
}

FlashCompoundPools GatherCompoundPools(const CBrushly2Doc& document,
                                       const std::vector<FlashDeckEntry>& deck,
                                       std::string_view kanji) {
    FlashCompoundPools pools;
    for (const FlashDeckEntry& entry : deck) {
        if (entry.kind == FlashKind::kCompound && ContainsKanji(entry.compound->headword, kanji)) {
            pools.deck.push_back(entry.compound);
        }
    }
    for (const auto& card : document.Cards().CompoundCards()) {
        if (ContainsKanji(card->headword, kanji)) pools.document.push_back(card.get());
    }
    const CCompoundLibrary* library = document.CompoundLibrary();
    if (library == nullptr) return pools;
    library->FindByKanji(pools.database, kanji);
    if (document.CommonWordsOnly() != 0 && library->Identification().starts_with("EDICT")) {
        std::erase_if(pools.database, [](const CCompoundData* compound) {
            return compound->meaning.find("/(P)") == std::string::npos;
        });
    }
    return pools;
}

int NextCandidateTier(FlashCandidateTiers& tiers) {
    constexpr int kLastTier = 2;
    while (tiers.tier <= kLastTier) {
        const int size = tiers.sizes[static_cast<std::size_t>(tiers.tier)];
        const int limit = tiers.tier < kLastTier ? 5 * size + 1 : tiers.lastPoolDraws;
        if (size > 0 && (limit == 0 || tiers.draws < limit)) {
            ++tiers.draws;
            return tiers.tier;
        }
        ++tiers.tier;
        tiers.draws = 0;
    }
    return -1;
}

}  // namespace brushly
