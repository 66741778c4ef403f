#include <ostream>
#include <string>
#include <vector>

#include "CStreamPrompter.h"
#include "Commands.h"
#include "ToolData.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/ShiftJis.h"

// brushly-tool doc: the Word Groups and cards of a document, or a new document written out.
namespace brushly::tool {

namespace {

constexpr COptionSpec kDocOptions[] = {kDataOption, {"--cards", false}, {"--new", true}};

std::string Join(const std::vector<std::string>& texts, const std::string& separator) {
    std::string joined;
    for (std::size_t i = 0; i < texts.size(); ++i)
        joined += (i == 0 ? "" : separator) + texts[i];
    return joined;
}

// One card as printed with --cards: kind, text, reading, meaning, counts and state. Texts
// are Shift-JIS in the document and UTF-8 on output.
struct CCardLine {
    const char* kind;
    std::string text;
    std::string reading;
    std::string meaning;
    std::int32_t rightCount;
    std::int32_t wrongCount;
    std::int32_t active;
};

CCardLine LineOf(const CKanjiCard& card) {
    std::vector<std::string> readings, meanings;
    for (const auto& group : card.readings) {
        for (const std::string& on : group->onReadings)
            readings.push_back(on);
        for (const std::string& kun : group->kunReadings)
            readings.push_back(kun);
        meanings.push_back(group->MeaningsText());
    }
    return {"kanji",         card.character,  Join(readings, ", "), Join(meanings, "; "),
            card.rightCount, card.wrongCount, card.active};
}

CCardLine LineOf(const CKanjiCompound& card) {
    return {"compound",      card.headword,   card.romaji, card.meaning,
            card.rightCount, card.wrongCount, card.active};
}

CCardLine LineOf(const CKanaWord& card) {
    return {"kana word",     card.kana,       card.romaji, card.meaning,
            card.rightCount, card.wrongCount, card.active};
}

CCardLine LineOf(const CCounterCard& card) {
    return {"counter",       card.character,  card.romaji, card.meaning,
            card.rightCount, card.wrongCount, card.active};
}

template <class Card>
void PrintCards(const std::vector<Card*>& cards, std::ostream& out) {
    for (const Card* card : cards) {
        const CCardLine line = LineOf(*card);
        out << "  " << line.kind << " | " << sjis::ToUtf8(line.text) << " | "
            << sjis::ToUtf8(line.reading) << " | " << sjis::ToUtf8(line.meaning) << " | right "
            << line.rightCount << ", wrong " << line.wrongCount << " | "
            << (line.active ? "active" : "inactive") << '\n';
    }
}

void PrintDocument(const CBrushly2Doc& document, bool withCards, std::ostream& out) {
    const CFlashcardSet& cards = document.Cards();
    out << "Version: " << document.FileVersion() << '\n'
        << "Database: " << sjis::ToUtf8(document.DatabaseTitle());
    // The program re-links such a document's cards to the loaded database.
    if (document.NewDatabase()) {
        out << " (the loaded database is " << sjis::ToUtf8(document.KanjiLibrary()->Title()) << ")";
    }
    out << "\nWord Groups: " << cards.GroupNames().size() << '\n';
    for (const std::string& name : cards.GroupNames()) {
        const CWordGroup& group = *cards.FindGroup(name);
        out << sjis::ToUtf8(name) << ": " << group.cardCount << " cards (kanji "
            << group.kanjiCards.size() << ", compounds " << group.compoundCards.size()
            << ", kana words " << group.kanaWordCards.size() << ", counters "
            << group.counterCards.size() << ")\n";
        if (!withCards) continue;
        PrintCards(group.kanjiCards, out);
        PrintCards(group.compoundCards, out);
        PrintCards(group.kanaWordCards, out);
        PrintCards(group.counterCards, out);
    }
}

std::size_t CardCount(const CFlashcardSet& cards) {
    return cards.KanjiCards().size() + cards.CompoundCards().size() + cards.KanaWordCards().size() +
           cards.CounterCards().size();
}

int WriteNewDocument(const CCommandLine& line, const std::string& path, std::ostream& out,
                     std::ostream& err) {
    if (!CBrushly2Doc::HasDocumentExtension(path)) {
        throw CUsageError("the new document must be a .bly file: " + path);
    }
    CStreamPrompter prompter(err);
    const CMemorySettingsStore settings;
    CBrushly2Doc document(settings, prompter);
    if (!LoadKanjiInto(document, line)) return 1;
    document.NewDocument();
    if (!document.SaveAs(path)) return 1;
    out << "Wrote " << path << ": " << document.Cards().GroupNames().size() << " Word Groups, "
        << CardCount(document.Cards()) << " cards\n";
    return 0;
}

int RunDoc(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    if (const auto newPath = line.Value("--new")) {
        line.NoPositionals();
        if (line.Has("--cards")) throw CUsageError("--cards cannot be used with --new");
        if (newPath->empty()) throw CUsageError("missing --new");
        return WriteNewDocument(line, *newPath, out, err);
    }
    const std::string& path = line.OnePositional("FILE");
    CStreamPrompter prompter(err);
    const CMemorySettingsStore settings;
    CBrushly2Doc document(settings, prompter);
    if (line.Has(kDataOption.name) && !LoadKanjiInto(document, line)) return 1;
    if (!document.Open(path)) return 1;
    PrintDocument(document, line.Has("--cards"), out);
    return 0;
}

}  // namespace

constexpr CToolCommand kDocCommand{
    "doc", "print a document's Word Groups and cards, or write a new document",
    "Usage: brushly-tool doc FILE.bly [--cards] [--data DIR]\n"
    "       brushly-tool doc --new OUT.bly [--data DIR]\n"
    "\n"
    "Opens FILE.bly as the program does (a version-1 document is converted on the way) and\n"
    "prints its version, database title and Word Groups in order, each with its card count\n"
    "per kind. Texts are printed in UTF-8.\n"
    "\n"
    "With --new, writes the document that the program's first New creates: the sample Word\n"
    "Groups, their kanji and counter cards taking their readings from the kanji database.\n"
    "\n"
    "Options:\n"
    "  --cards      also print every card of each group: kind | text | reading | meaning |\n"
    "               right and wrong counts | active or inactive\n"
    "  --new OUT    write a new document with the sample Word Groups to OUT (.bly)\n"
    "  --data DIR   folder with MasterDB.kdb and blyjlptsjis.txt (default: the data\n"
    "               folder); with FILE, the database is loaded\n"
    "               only when --data is given, and a document made against another\n"
    "               database shows the loaded database's title beside its own\n",
    kDocOptions, &RunDoc};

}  // namespace brushly::tool
