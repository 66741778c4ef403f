#include "document/Version1Conversion.h"

#include <exception>

#include "archive/CArchiveException.h"
#include "archive/CDiskFile.h"

namespace brushly {

namespace {

// Moves every element into the end of target, in order; null slots of a damaged file are
// dropped. The source is left empty.
template <class T>
void AppendAll(std::vector<std::unique_ptr<T>>& source, std::vector<std::unique_ptr<T>>& target) {
    for (auto& element : source) {
        if (element) target.push_back(std::move(element));
    }
    source.clear();
}

}  // namespace

void ConvertVersion1Document(CBrushly1Doc& version1, const CVersion1Target& target) {
    target.options = CBrushlyOptions{};
    target.fileVersion = kConvertedFileVersion;
    target.databaseTitle.clear();

    auto& compoundCards = target.cards.CompoundCards();
    for (auto& kanjiCard : version1.kanjiCards) {
        if (!kanjiCard) continue;
        for (auto& compound : kanjiCard->compounds) {
            if (!compound) continue;
            compound->groupName = kanjiCard->groupName;
            compound->active = 1;
            compoundCards.push_back(std::move(compound));
        }
        kanjiCard->compounds.clear();
    }
    AppendAll(version1.kanjiCards, target.cards.KanjiCards());
    AppendAll(version1.kanaWordCards, target.cards.KanaWordCards());
    AppendAll(version1.counterCards, target.cards.CounterCards());
    AppendAll(version1.hiraganaStats, target.hiraganaStats);
    AppendAll(version1.katakanaStats, target.katakanaStats);

    auto& groupNames = target.cards.GroupNames();
    groupNames.insert(groupNames.end(), version1.groupNames.begin(), version1.groupNames.end());
    version1.groupNames.clear();
}

bool ConvertVersion1File(const std::string& path, const CClassRegistry& registry,
                         CPrompter& prompter, const CVersion1Target& target) {
    CBrushly1Doc version1;
    bool complete = false;
    std::unique_ptr<CDiskFile> file;
    try {
        file = std::make_unique<CDiskFile>(path, CDiskFile::Mode::Read);
    } catch (...) {
        prompter.Error(DescribeFailure(std::current_exception()));
    }
    if (file) complete = version1.Read(*file, registry, prompter);
    ConvertVersion1Document(version1, target);
    return complete;
}

}  // namespace brushly
