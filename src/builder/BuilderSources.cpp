#include "builder/BuilderSources.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "platform/FormatText.h"

namespace brushly {
namespace {

constexpr const char* kJlptFourLabel =
    "kanji from that group, all previous Word Groups,\nand from JLPT kyuu 4";
constexpr const char* kJlptRangeFormat =
    "kanji from that group, all previous Word Groups,\nand from JLPT kyuu %d to 4";
constexpr const char* kFirstOneFormat =
    "kanji from that group, all previous Word Groups,\nand for %s 1";
constexpr const char* kRangeFormat =
    "kanji from that group, all previous Word Groups,\nand from %s 1 to %d";

constexpr int kLastJlptKyuu = 4;

bool GradeOrJlpt(int source) {
    return source == CBuilderSettings::kSourceGrade || source == CBuilderSettings::kSourceJlpt;
}

}  // namespace

int ReadNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    long long value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        // Past INT_MAX the clamp below decides; stop growing so nothing overflows.
        if (value <= INT_MAX) value = value * 10 + (text[at] - '0');
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int FirstValue(const CBuilderSettings& settings) {
    const int first = ReadNumber(settings.firstIndex);
    return settings.source == CBuilderSettings::kSourceGrade && first == 7 ? 8 : first;
}

CBuilderCounts Count(const CKanjiLibrary& library, const CBuilderSettings& settings) {
    CBuilderCounts counts;
    const int first = FirstValue(settings);
    if (GradeOrJlpt(settings.source)) {
        // 0 is the value of kanji that have no grade or level, not a choice.
        if (first >= 1) counts.cardCount = library.SelectByKey(settings.source, first, first);
    } else {
        counts.cardCount = library.SelectByKey(settings.source, std::max(first, 1),
                                               ReadNumber(settings.lastIndex));
    }
    const int perGroup = ReadNumber(settings.cardsPerGroup);
    if (perGroup > 0) counts.groupCount = (counts.cardCount + perGroup - 1) / perGroup;
    return counts;
}

void UpdateCounts(const CKanjiLibrary& library, CBuilderSettings& settings) {
    if (settings.source == CBuilderSettings::kSourceGrade)
        settings.firstIndex = std::to_string(FirstValue(settings));
    const CBuilderCounts counts = Count(library, settings);
    settings.cardCount = counts.cardCount;
    settings.groupCount = counts.groupCount;
}

CLowerIndicesChoice LowerIndicesChoice(const CBuilderSettings& settings) {
    const int first = FirstValue(settings);
    if (settings.source == CBuilderSettings::kSourceJlpt) {
        if (first >= kLastJlptKyuu) return {kLowerIndicesLabel, false};
        if (first == kLastJlptKyuu - 1) return {kJlptFourLabel, true};
        return {FormatText(kJlptRangeFormat, first + 1), true};
    }
    if (first <= 1) return {kLowerIndicesLabel, false};
    const std::string_view name =
        settings.source >= 0 && settings.source < kBuilderSourceCount
            ? kBuilderPage3Names[static_cast<std::size_t>(settings.source)]
            : std::string_view();
    if (first == 2) {
        const std::string singular(
            name.substr(0, name.ends_with('s') ? name.size() - 1 : name.size()));
        return {FormatText(kFirstOneFormat, singular.c_str()), true};
    }
    return {FormatText(kRangeFormat, std::string(name).c_str(), first - 1), true};
}

std::vector<std::string> EarlierKanji(const CKanjiLibrary& library,
                                      const CBuilderSettings& settings) {
    // JLPT kyuu count down towards the hardest, so the earlier ones are the higher kyuu.
    const int first = FirstValue(settings);
    const bool jlpt = settings.source == CBuilderSettings::kSourceJlpt;
    const int low = jlpt ? first + 1 : 1;
    const int high = jlpt ? kLastJlptKyuu : first - 1;
    std::vector<std::string> characters;
    if (low > high || low < 1) return characters;
    std::vector<CKanjiRef> found;
    library.SelectByKey(settings.source, low, high, &found);
    characters.reserve(found.size());
    for (const CKanjiRef& kanji : found)
        characters.push_back(kanji.record->character);
    return characters;
}

}  // namespace brushly
