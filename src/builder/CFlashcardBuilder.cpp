#include "builder/CFlashcardBuilder.h"

#include <algorithm>
#include <memory>

#include "builder/BuilderSources.h"
#include "document/CBrushly2Doc.h"
#include "platform/FormatText.h"

namespace brushly {
namespace {

int Digits(int count) {
    int digits = 1;
    for (; count >= 10; count /= 10)
        ++digits;
    return std::min(digits, CFlashcardBuilder::kIndexDigits);
}

// The kanji dealt out perGroup at a time.
std::vector<CKanjiSlice> Slices(const std::vector<CKanjiRef>& kanji, int perGroup) {
    std::vector<CKanjiSlice> slices;
    for (std::size_t at = 0; at < kanji.size(); at += static_cast<std::size_t>(perGroup)) {
        const std::size_t end = std::min(kanji.size(), at + static_cast<std::size_t>(perGroup));
        slices.push_back({{kanji.begin() + static_cast<std::ptrdiff_t>(at),
                           kanji.begin() + static_cast<std::ptrdiff_t>(end)}});
    }
    return slices;
}

std::vector<std::string> Characters(const CKanjiSlice& slice) {
    std::vector<std::string> characters;
    for (const CKanjiRef& kanji : slice.kanji)
        characters.push_back(kanji.record->character);
    return characters;
}

}  // namespace

CFlashcardBuilder::CFlashcardBuilder(const CKanjiLibrary& kanji, const CCompoundLibrary* compounds)
    : m_kanji(kanji), m_compounds(compounds) {}

bool CFlashcardBuilder::AddsCompounds(const CBuilderSettings& settings) const {
    return settings.addCompounds && m_compounds && m_compounds->IsEdictBuilt();
}

const char* CFlashcardBuilder::ProgressText(const CBuilderSettings& settings) const {
    return AddsCompounds(settings) ? kKanjiAndCompoundsText : kKanjiOnlyText;
}

std::vector<CKanjiSlice> CFlashcardBuilder::PlanGroups(const CBuilderSettings& settings) const {
    const int perGroup = ReadNumber(settings.cardsPerGroup);
    if (perGroup <= 0) return {};
    if (settings.source != CBuilderSettings::kSourceGrade &&
        settings.source != CBuilderSettings::kSourceJlpt) {
        return PlanReferenceGroups(settings, perGroup);
    }
    const int value = FirstValue(settings);
    std::vector<CKanjiRef> kanji;
    if (value >= 1) m_kanji.SelectByKey(settings.source, value, value, &kanji);
    return Slices(kanji, perGroup);
}

std::vector<CKanjiSlice> CFlashcardBuilder::PlanReferenceGroups(const CBuilderSettings& settings,
                                                                int perGroup) const {
    // The numbers that have a kanji, taken from the index rather than by visiting every
    // number of the range, which may be far wider than the book.
    const int key = settings.source;
    std::vector<CKanjiRef> inRange;
    m_kanji.SelectByKey(key, std::max(FirstValue(settings), 1), ReadNumber(settings.lastIndex),
                        &inRange);
    std::vector<std::int32_t> numbers;
    for (const CKanjiRef& kanji : inRange)
        numbers.push_back(kanji.record->KeyValue(key));
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());

    std::vector<CKanjiRef> kanji;
    for (const std::int32_t number : numbers)
        kanji.push_back(m_kanji.FindByReference(key, number));
    std::vector<CKanjiSlice> slices = Slices(kanji, perGroup);
    for (std::size_t group = 0, at = 0; group < slices.size(); ++group) {
        slices[group].lowestIndex = numbers[at];
        at += slices[group].kanji.size();
        slices[group].highestIndex = numbers[at - 1];
    }
    return slices;
}

std::string CFlashcardBuilder::GroupName(const CBuilderSettings& settings, const std::string& root,
                                         int number, int groupCount, const CKanjiSlice& slice) {
    std::string stem;
    switch (settings.source) {
        case CBuilderSettings::kSourceGrade:
            stem = FormatText("%s Level %d", root.c_str(), FirstValue(settings));
            break;
        case CBuilderSettings::kSourceJlpt:
            stem = FormatText("%s %d", root.c_str(), FirstValue(settings));
            break;
        default:
            if (settings.numbering == CBuilderSettings::kIndexNumbers) {
                return FormatText("%s #%0*d - #%0*d", root.c_str(), kIndexDigits, slice.lowestIndex,
                                  kIndexDigits, slice.highestIndex);
            }
            stem = root;
            break;
    }
    return stem + FormatText(" #%0*d", Digits(groupCount), number);
}

std::string CFlashcardBuilder::AddFreeGroup(CFlashcardSet& cards, const CBuilderSettings& settings,
                                            int number, int groupCount, const CKanjiSlice& slice) {
    std::string name = GroupName(settings, settings.rootName, number, groupCount, slice);
    for (int suffix = 1; !cards.AddGroup(name); ++suffix) {
        name = GroupName(settings, settings.rootName + "_" + std::to_string(suffix), number,
                         groupCount, slice);
    }
    return name;
}

std::optional<std::vector<CBuiltGroup>> CFlashcardBuilder::Build(CBrushly2Doc& document,
                                                                 const CBuilderSettings& settings,
                                                                 const ProgressCallback& progress,
                                                                 CCancellation* cancel) const {
    const std::vector<CKanjiSlice> slices = PlanGroups(settings);
    const int groupCount = static_cast<int>(slices.size());
    std::vector<std::vector<const CCompoundData*>> chosen(slices.size());
    if (!slices.empty() && AddsCompounds(settings)) {
        std::vector<std::vector<std::string>> targetKanji;
        for (const CKanjiSlice& slice : slices)
            targetKanji.push_back(Characters(slice));
        const std::vector<std::string> earlier =
            settings.compoundRule == CBuilderSettings::kRuleLowerIndices
                ? EarlierKanji(m_kanji, settings)
                : std::vector<std::string>();
        const CCompoundSelector selector(
            targetKanji, earlier,
            {settings.compoundRule, settings.includeKana, settings.commonOnly});
        auto selected = selector.Select(*m_compounds, progress, cancel);
        if (!selected) return std::nullopt;
        chosen = std::move(*selected);
    }
    if (cancel) {
        if (cancel->CancelRequested()) return std::nullopt;
        cancel->AllowCancel(false);
    }

    std::vector<CBuiltGroup> built;
    for (int group = 0; group < groupCount; ++group) {
        const CKanjiSlice& slice = slices[static_cast<std::size_t>(group)];
        const std::string name =
            AddFreeGroup(document.Cards(), settings, group + 1, groupCount, slice);
        for (const CKanjiRef& kanji : slice.kanji) {
            auto card = std::make_unique<CKanjiCard>();
            card->groupName = name;
            card->character = kanji.record->character;
            card->LinkTo(kanji);
            document.Cards().AddCard(std::move(card));
        }
        const int compoundCards =
            CCompoundSelector::AddCards(document, name, chosen[static_cast<std::size_t>(group)]);
        built.push_back({name, static_cast<int>(slice.kanji.size()), compoundCards});
        if (progress) progress((group + 1) * CCompoundSelector::kProgressScale / groupCount);
    }
    if (!built.empty()) document.SetModified(true);
    return built;
}

}  // namespace brushly
