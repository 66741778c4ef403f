#include "app/wordgroup/CCardRows.h"

#include "app/wordgroup/CardClasses.h"
#include "lookup/RomajiKana.h"
#include "platform/FormatText.h"

namespace brushly {

namespace {

std::string JoinForms(const std::vector<std::string>& forms, int longOMode) {
    std::string joined;
    for (const std::string& form : forms) {
        if (!joined.empty()) joined += ", ";
        joined += LongORomaji(form, longOMode);
    }
    return joined;
}

CCardRow RowOf(const CKanjiCard& card, int longOMode) {
    CCardRow row{card.character, {}, {}, card.active != 0};
    if (card.readings.empty()) return row;
    // DisplayText puts " : " between the readings and the meanings; readings hold no colon.
    const std::string text = card.readings.front()->DisplayText(longOMode);
    const std::size_t colon = text.find(" : ");
    row.reading = text.substr(0, colon);
    if (colon != std::string::npos) row.meaning = text.substr(colon + 3);
    return row;
}

CCardRow RowOf(const CKanjiCompound& card, int longOMode) {
    return {card.headword, LongORomaji(card.romaji, longOMode), card.meaning, card.active != 0};
}

CCardRow RowOf(const CKanaWord& card, int longOMode) {
    return {card.kana, card.DisplayRomaji(longOMode), card.meaning, card.active != 0};
}

CCardRow RowOf(const CCounterCard& card, int longOMode) {
    return {card.character, JoinForms(card.formRomaji, longOMode), card.meaning, card.active != 0};
}

}  // namespace

std::vector<CCardRow> CCardRows::Rows(const CWordGroup& group, CardKind kind, int longOMode) {
    return WithCardClass(kind, [&](auto* type) {
        using Card = std::remove_pointer_t<decltype(type)>;
        const auto& cards = group.Cards<Card>();
        std::vector<CCardRow> rows;
        rows.reserve(cards.size());
        for (const Card* card : cards)
            rows.push_back(RowOf(*card, longOMode));
        return rows;
    });
}

std::string CCardRows::TotalText(const CWordGroup& group) {
    return FormatText(kTotalFormat, group.cardCount);
}

}  // namespace brushly
