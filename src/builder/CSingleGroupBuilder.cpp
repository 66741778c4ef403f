#include "builder/CSingleGroupBuilder.h"

#include <utility>

#include "document/CBrushly2Doc.h"

namespace brushly {
namespace {

// The characters of a group's kanji cards; the selector keeps each once.
void AppendKanji(const CWordGroup& group, std::vector<std::string>& characters) {
    for (const CKanjiCard* card : group.kanjiCards)
        characters.push_back(card->character);
}

}  // namespace

CSingleGroupBuilder::CSingleGroupBuilder(CBrushly2Doc& document, const CCompoundLibrary* compounds,
                                         std::string groupName, CPrompter& prompter)
    : m_document(document),
      m_compounds(compounds),
      m_groupName(std::move(groupName)),
      m_prompter(prompter) {}

bool CSingleGroupBuilder::CanBuild() {
    if (!m_compounds || !m_compounds->IsEdictBuilt()) {
        m_prompter.Information(kInstallEdictMessage);
        return false;
    }
    const CWordGroup* group = m_document.Cards().FindGroup(m_groupName);
    if (!group || group->kanjiCards.empty()) {
        m_prompter.Information(kNoKanjiCardsMessage);
        return false;
    }
    return true;
}

std::vector<std::string> CSingleGroupBuilder::OtherKanjiGroups() const {
    const CFlashcardSet& cards = m_document.Cards();
    std::vector<std::string> names;
    for (const std::string& name : cards.GroupNames()) {
        if (name != m_groupName && !cards.FindGroup(name)->kanjiCards.empty())
            names.push_back(name);
    }
    return names;
}

std::optional<int> CSingleGroupBuilder::Build(const CBuilderSettings& settings,
                                              const std::vector<std::string>& selectedGroups,
                                              const ProgressCallback& progress,
                                              CCancellation* cancel) {
    CFlashcardSet& cards = m_document.Cards();
    const CWordGroup& group = *cards.FindGroup(m_groupName);
    std::vector<std::vector<std::string>> targetKanji(1);
    AppendKanji(group, targetKanji.front());
    std::vector<std::string> outside;
    if (settings.singleGroupScope == CBuilderSettings::kScopeSelectedGroups) {
        for (const std::string& name : selectedGroups) {
            if (const CWordGroup* other = cards.FindGroup(name)) AppendKanji(*other, outside);
        }
    }
    const CCompoundSelector selector(
        targetKanji, outside,
        {CBuilderSettings::kRuleEarlierGroups, settings.includeKana, settings.commonOnly});
    const auto chosen = selector.Select(*m_compounds, progress, cancel);
    if (!chosen) return std::nullopt;
    if (cancel) cancel->AllowCancel(false);
    if (settings.eraseExisting && !group.compoundCards.empty()) {
        // RemoveCard edits the list, so it is walked from a copy.
        for (const CKanjiCompound* card : std::vector(group.compoundCards))
            cards.RemoveCard(card);
        m_document.SetModified(true);
    }
    return CCompoundSelector::AddCards(m_document, m_groupName, chosen->front());
}

}  // namespace brushly
