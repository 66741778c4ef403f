#include "app/wordgroup/CCardCommands.h"

#include <algorithm>
#include <memory>

#include "app/wordgroup/CardClasses.h"
#include "document/CFlashcardSet.h"

namespace brushly {

namespace {

// The card of `kind` at `index` of the group's list; null outside the list.
CObject* CardAt(CWordGroup& group, CardKind kind, int index) {
    return WithCardClass(kind, [&](auto* type) -> CObject* {
        using Card = std::remove_pointer_t<decltype(type)>;
        auto& cards = group.Cards<Card>();
        if (index < 0 || index >= static_cast<int>(cards.size())) return nullptr;
        return cards[static_cast<std::size_t>(index)];
    });
}

// Where the group lists the card; nullopt when it does not.
std::optional<CCardSelection> FindInGroup(const CWordGroup& group, const CObject* card) {
    if (!card) return std::nullopt;
    for (const CardKind kind : kCardKinds) {
        const int index = WithCardClass(kind, [&](auto* type) {
            using Card = std::remove_pointer_t<decltype(type)>;
            const auto& cards = group.Cards<Card>();
            const auto found = std::find_if(cards.begin(), cards.end(), [card](const Card* held) {
                return static_cast<const CObject*>(held) == card;
            });
            return found == cards.end() ? -1 : static_cast<int>(found - cards.begin());
        });
        if (index >= 0) return CCardSelection{kind, index};
    }
    return std::nullopt;
}

}  // namespace

CCardCommands::CCardCommands(CBrushly2Doc& document, CPrompter& prompter)
    : m_document(document), m_prompter(prompter) {}

void CCardCommands::SetGroup(const std::string& name) {
    m_groupName = name;
    m_selection.reset();
}

const CWordGroup* CCardCommands::Group() const {
    return m_document.Cards().FindGroup(m_groupName);
}

CWordGroup* CCardCommands::MutableGroup() {
    return m_document.Cards().FindGroup(m_groupName);
}

int CCardCommands::ListSize(CardKind kind) const {
    const CWordGroup* group = Group();
    if (!group) return 0;
    return WithCardClass(kind, [group](auto* type) {
        using Card = std::remove_pointer_t<decltype(type)>;
        return static_cast<int>(group->Cards<Card>().size());
    });
}

void CCardCommands::Select(CardKind kind, int index) {
    if (index >= 0 && index < ListSize(kind)) {
        m_selection = CCardSelection{kind, index};
    } else {
        m_selection.reset();
    }
}

bool CCardCommands::SelectCard(const CObject* card) {
    const CWordGroup* group = Group();
    m_selection = group ? FindInGroup(*group, card) : std::nullopt;
    return m_selection.has_value();
}

const CObject* CCardCommands::SelectedCard() const {
    CWordGroup* group = m_document.Cards().FindGroup(m_groupName);
    if (!group || !m_selection) return nullptr;
    return CardAt(*group, m_selection->kind, m_selection->index);
}

bool CCardCommands::SelectedCardActive() const {
    const CObject* card = SelectedCard();
    if (!card) return false;
    return WithCardClass(m_selection->kind, [card](auto* type) {
        using Card = std::remove_pointer_t<decltype(type)>;
        return static_cast<const Card*>(card)->active != 0;
    });
}

bool CCardCommands::CanMoveUp() const {
    return SelectedCard() && m_selection->index > 0;
}

bool CCardCommands::CanMoveDown() const {
    return SelectedCard() && m_selection->index + 1 < ListSize(m_selection->kind);
}

const CObject* CCardCommands::Needs(const char* noneMessage) {
    const CObject* card = SelectedCard();
    if (!card && noneMessage) m_prompter.Information(noneMessage);
    return card;
}

bool CCardCommands::Changed(const CObject* select) {
    if (!SelectCard(select)) m_selection.reset();
    m_document.SetModified(true);
    return true;
}

bool CCardCommands::Add(CardKind kind, CCardEditorHost& host) {
    if (!Group()) return false;
    const CObject* stored = host.AddCard(kind, m_groupName);
    return stored ? Changed(stored) : false;
}

bool CCardCommands::Edit(CCardEditorHost& host) {
    const CObject* card = Needs(kEditNoneMessage);
    if (!card) return false;
    const CObject* stored = host.EditCard(m_selection->kind, *card);
    return stored ? Changed(stored) : false;
}

bool CCardCommands::DeleteSelected() {
    const CCardSelection selection = *m_selection;
    const CObject* card = SelectedCard();
    const bool removed = WithCardClass(selection.kind, [&](auto* type) {
        using Card = std::remove_pointer_t<decltype(type)>;
        return m_document.Cards().RemoveCard(static_cast<const Card*>(card));
    });
    if (!removed) return false;
    // The card that took its place, else the one before it.
    Select(selection.kind, std::min(selection.index, ListSize(selection.kind) - 1));
    m_document.SetModified(true);
    return true;
}

bool CCardCommands::Delete() {
    if (!Needs(nullptr)) return false;
    if (!m_prompter.AskYesNo(kDeleteQuestions[static_cast<int>(m_selection->kind)])) return false;
    return DeleteSelected();
}

bool CCardCommands::ResetStats() {
    const CObject* card = Needs(kResetNoneMessage);
    if (!card || !m_prompter.AskYesNo(kResetQuestion)) return false;
    WithCardClass(m_selection->kind, [card](auto* type) {
        using Card = std::remove_pointer_t<decltype(type)>;
        CFlashcardSet::ResetStats(*const_cast<Card*>(static_cast<const Card*>(card)));
    });
    return Changed(card);
}

bool CCardCommands::ResetAll() {
    CWordGroup* group = MutableGroup();
    if (!group || !m_prompter.AskYesNo(kResetAllQuestion)) return false;
    CFlashcardSet::ResetGroupStats(*group);
    return Changed(SelectedCard());
}

bool CCardCommands::ToggleActive() {
    const CObject* card = Needs(nullptr);
    if (!card) return false;
    const bool active = SelectedCardActive();
    WithCardClass(m_selection->kind, [card, active](auto* type) {
        using Card = std::remove_pointer_t<decltype(type)>;
        CFlashcardSet::SetActive(*const_cast<Card*>(static_cast<const Card*>(card)), !active);
    });
    return Changed(card);
}

bool CCardCommands::ActivateAll() {
    CWordGroup* group = MutableGroup();
    if (!group) return false;
    CFlashcardSet::ActivateAll(*group);
    return Changed(SelectedCard());
}

bool CCardCommands::MoveUp() {
    const CObject* card = Needs(nullptr);
    if (!card) return false;
    const bool moved = WithCardClass(m_selection->kind, [&](auto* type) {
        using Card = std::remove_pointer_t<decltype(type)>;
        return m_document.Cards().MoveCardUp(static_cast<const Card*>(card));
    });
    return moved && Changed(card);
}

bool CCardCommands::MoveDown() {
    const CObject* card = Needs(nullptr);
    if (!card) return false;
    const bool moved = WithCardClass(m_selection->kind, [&](auto* type) {
        using Card = std::remove_pointer_t<decltype(type)>;
        return m_document.Cards().MoveCardDown(static_cast<const Card*>(card));
    });
    return moved && Changed(card);
}

void CCardCommands::PutOnClipboard(CBrushly2Doc& document, CardKind kind, const CObject& card) {
    WithCardClass(kind, [&](auto* type) {
        using Card = std::remove_pointer_t<decltype(type)>;
        document.SetClipboard(static_cast<CBrushly2Doc::ClipboardKind>(kind),
                              CFlashcardSet::CopyCard(static_cast<const Card&>(card)));
    });
}

const CObject* CCardCommands::PasteClipboard(CBrushly2Doc& document, const std::string& groupName) {
    const CObject* held = document.ClipboardCard();
    const int kind = document.ClipboardCardKind();
    if (!held || kind < 0 || kind >= kCardKindCount) return nullptr;
    return WithCardClass(static_cast<CardKind>(kind), [&](auto* type) -> const CObject* {
        using Card = std::remove_pointer_t<decltype(type)>;
        const auto* card = dynamic_cast<const Card*>(held);
        if (!card) return nullptr;
        return document.Cards().CopyCardToGroup(*card, groupName);
    });
}

bool CCardCommands::CopySelected() {
    const CObject* card = Needs(kCutCopyNoneMessage);
    if (card) PutOnClipboard(m_document, m_selection->kind, *card);
    return card != nullptr;
}

bool CCardCommands::Cut() {
    return CopySelected() && DeleteSelected();
}

bool CCardCommands::Copy() {
    CopySelected();
    return false;
}

bool CCardCommands::CanPaste() const {
    return m_document.ClipboardCard() != nullptr && Group() != nullptr;
}

bool CCardCommands::Paste() {
    const CObject* pasted = PasteClipboard(m_document, m_groupName);
    return pasted ? Changed(pasted) : false;
}

bool CCardCommands::CopyOrMove(const TargetChooser& chooseTargets, bool move) {
    const CObject* card = Needs(kMoveCopyNoneMessage);
    if (!card) return false;
    const std::vector<std::string> targets = chooseTargets();
    const CObject* select = card;
    bool copied = false;
    WithCardClass(m_selection->kind, [&](auto* type) {
        using Card = std::remove_pointer_t<decltype(type)>;
        const Card& original = static_cast<const Card&>(*card);
        for (const std::string& target : targets) {
            const Card* copy = m_document.Cards().CopyCardToGroup(original, target);
            if (!copy) continue;
            copied = true;
            if (move && target == m_groupName) select = copy;
        }
        if (copied && move) {
            if (select == card) select = nullptr;
            m_document.Cards().RemoveCard(&original);
        }
    });
    return copied ? Changed(select) : false;
}

bool CCardCommands::CopyToGroups(const TargetChooser& chooseTargets) {
    return CopyOrMove(chooseTargets, false);
}

bool CCardCommands::MoveToGroups(const TargetChooser& chooseTargets) {
    return CopyOrMove(chooseTargets, true);
}

void CCardCommands::CardsBuilt(int added) {
    // The builder may have erased the group's compounds; the other lists are untouched.
    if (m_selection && m_selection->kind == CardKind::kCompound) m_selection.reset();
    if (added > 0) m_document.SetModified(true);
}

}  // namespace brushly
