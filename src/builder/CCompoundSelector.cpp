#include "builder/CCompoundSelector.h"

#include <memory>
#include <set>
#include <utility>

#include "document/CBrushly2Doc.h"
#include "platform/ShiftJis.h"

namespace brushly {
namespace {

constexpr std::size_t kCodeCount = 0x10000;

}  // namespace

CCompoundSelector::CCompoundSelector(const std::vector<std::vector<std::string>>& targetKanji,
                                     const std::vector<std::string>& outsideKanji, COptions options)
    : m_targetOf(kCodeCount, kNoTarget),
      m_allowedOutside(kCodeCount, false),
      m_targetCount(targetKanji.size()),
      m_options(options) {
    // Filled from the last target back, so that a kanji held twice keeps its first target.
    for (std::size_t target = targetKanji.size(); target-- > 0;) {
        for (const std::string& kanji : targetKanji[target]) {
            if (kanji.size() == 2)
                m_targetOf[Code(kanji[0], kanji[1])] = static_cast<std::int32_t>(target);
        }
    }
    for (const std::string& kanji : outsideKanji) {
        if (kanji.size() == 2) m_allowedOutside[Code(kanji[0], kanji[1])] = true;
    }
    if (m_options.includeKana) {
        for (const unsigned char lead : {sjis::kHiraganaLead, sjis::kKatakanaLead}) {
            for (std::size_t trail = 0; trail < 0x100; ++trail)
                m_allowedOutside[lead << 8 | trail] = true;
        }
    }
}

int CCompoundSelector::TargetOf(const CCompoundData& entry) const {
    const std::string& text = entry.headword;
    if (text.size() % 2 != 0) return kNoTarget;
    if (m_options.commonOnly && entry.meaning.find(kCommonTag) == std::string::npos)
        return kNoTarget;
    int first = kNoTarget;
    int highest = kNoTarget;
    for (std::size_t at = 0; at < text.size(); at += 2) {
        const std::uint16_t code = Code(text[at], text[at + 1]);
        const int target = m_targetOf[code];
        if (target == kNoTarget) {
            if (!m_allowedOutside[code]) return kNoTarget;
            continue;
        }
        if (first == kNoTarget) first = target;
        if (m_options.rule == CBuilderSettings::kRuleSameGroup && target != first) return kNoTarget;
        if (target > highest) highest = target;
    }
    return highest;
}

std::optional<std::vector<std::vector<const CCompoundData*>>> CCompoundSelector::Select(
    const CCompoundLibrary& library, const ProgressCallback& progress,
    CCancellation* cancel) const {
    std::vector<std::vector<const CCompoundData*>> chosen(m_targetCount);
    const long long total = library.TotalCount();
    long long examined = 0;
    int reported = -1;
    for (const char letter : kCompoundLetters) {
        for (const auto& entry : library.Letter(letter)) {
            const int target = TargetOf(*entry);
            if (target != kNoTarget)
                chosen[static_cast<std::size_t>(target)].push_back(entry.get());
            const int position = static_cast<int>(++examined * kProgressScale / total);
            if (position == reported) continue;
            reported = position;
            if (progress) progress(position);
            if (cancel && cancel->CancelRequested()) return std::nullopt;
        }
    }
    return chosen;
}

int CCompoundSelector::AddCards(CBrushly2Doc& document, const std::string& groupName,
                                const std::vector<const CCompoundData*>& entries) {
    CFlashcardSet& cards = document.Cards();
    std::set<std::pair<std::string, std::string>> present;
    for (const CKanjiCompound* card : cards.FindGroup(groupName)->compoundCards)
        present.emplace(card->headword, card->romaji);
    int added = 0;
    for (const CCompoundData* entry : entries) {
        if (present.contains({entry->headword, entry->romaji})) continue;
        auto card = std::make_unique<CKanjiCompound>(*entry);
        card->groupName = groupName;
        cards.AddCard(std::move(card));
        ++added;
    }
    if (added > 0) document.SetModified(true);
    return added;
}

}  // namespace brushly
