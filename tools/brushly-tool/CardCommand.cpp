#include <algorithm>
#include <filesystem>
#include <iterator>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "CStreamPrompter.h"
#include "Commands.h"
#include "ToolData.h"
#include "app/editors/CCompoundCardEditor.h"
#include "app/editors/CCounterCardEditor.h"
#include "app/editors/CKanaWordEditor.h"
#include "app/editors/CKanjiCardEditor.h"
#include "app/wordgroup/CFlashcardFinder.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/FileStatus.h"
#include "platform/ShiftJis.h"

// brushly-tool card DOC.bly VERB: single cards of a document, over the card editors' engines,
// so that what the tool stores passed the checks the editors make.
namespace brushly::tool {

namespace {

constexpr COptionSpec kCardOptions[] = {
    kDataOption,           {"--group", true},     {"--kanji", true},   {"--compound", true},
    {"--kana-word", true}, {"--counter", true},   {"--romaji", true},  {"--meaning", true},
    {"--forms", true},     {"--inactive", false}, {"--reading", true}, {"--and", false},
    {"--kinds", true}};

constexpr std::string_view kKindOptions[] = {"--kanji", "--compound", "--kana-word", "--counter"};

// The one card kind option given; a CUsageError for none or several.
std::string_view KindOption(const CCommandLine& line) {
    std::vector<std::string_view> given;
    std::copy_if(std::begin(kKindOptions), std::end(kKindOptions), std::back_inserter(given),
                 [&](std::string_view option) { return line.Has(option); });
    if (given.size() != 1)
        throw CUsageError("give exactly one of --kanji, --compound, --kana-word or --counter");
    return given.front();
}

// The options that go with a kind, and those that do not.
void CheckKindOptions(const CCommandLine& line, std::string_view kind) {
    const bool kanji = kind == "--kanji";
    for (const char* option : {"--romaji", "--meaning"}) {
        if (kanji && line.Has(option))
            throw CUsageError(std::string(option) + " cannot go with --kanji");
        if (!kanji && !line.Has(option)) throw CUsageError("missing " + std::string(option));
    }
    if (kind == "--counter" && !line.Has("--forms")) throw CUsageError("missing --forms");
    if (kind != "--counter" && line.Has("--forms"))
        throw CUsageError("--forms goes with --counter");
}

// The items of a comma-separated list, empty ones included.
std::vector<std::string> CommaItems(const std::string& text) {
    std::vector<std::string> items;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        items.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

// "1:ippon,2:nihon" as number and romaji pairs.
std::vector<std::pair<std::string, std::string>> Forms(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> forms;
    for (const std::string& form : CommaItems(text)) {
        const std::size_t colon = form.find(':');
        if (colon == std::string::npos || colon == 0 || colon + 1 == form.size())
            throw CUsageError("--forms takes NUMBER:ROMAJI pairs separated by commas, not '" +
                              form + "'");
        forms.emplace_back(form.substr(0, colon), form.substr(colon + 1));
    }
    return forms;
}

// The kanji and its readings from the database; false, the reason on err, for a character
// the database does not hold.
bool FillKanji(CKanjiCardEditor& editor, const CCommandLine& line, std::ostream& err) {
    const std::string character = line.Required("--kanji");
    editor.SetCharacter(sjis::FromUtf8(character));
    if (editor.Record() == nullptr || editor.Working().character != sjis::FromUtf8(character)) {
        err << "brushly-tool card: '" << character << "' is not a kanji of the database\n";
        return false;
    }
    return editor.ImportReadings();
}

bool FillCounter(CCounterCardEditor& editor, const CCommandLine& line) {
    editor.SetCharacter(sjis::FromUtf8(line.Required("--counter")));
    editor.SetRomaji(line.Required("--romaji"));
    editor.SetMeaning(line.Required("--meaning"));
    for (const auto& [number, romaji] : Forms(line.Required("--forms"))) {
        if (!editor.AddForm(number, romaji)) return false;
    }
    return true;
}

// Fills the editor and stores the card as the editor's "Save && E&xit" does; false when
// either refused (the reason printed).
template <class Editor, class Fill>
bool AddWith(Editor& editor, const CCommandLine& line, Fill fill) {
    editor.SetActive(!line.Has("--inactive"));
    return fill(editor) && editor.Save();
}

bool AddCard(CBrushly2Doc& document, CPrompter& prompter, const CCommandLine& line,
             std::string_view kind, const std::string& group, std::ostream& err) {
    if (kind == "--kanji") {
        CKanjiCardEditor editor(document, prompter, group, false);
        return AddWith(editor, line, [&](auto& e) { return FillKanji(e, line, err); });
    }
    if (kind == "--compound") {
        CCompoundCardEditor editor(document, prompter, group, false);
        return AddWith(editor, line, [&](auto& e) {
            e.Take({sjis::FromUtf8(line.Required("--compound")), line.Required("--romaji"),
                    line.Required("--meaning")});
            return true;
        });
    }
    if (kind == "--kana-word") {
        const std::string kana = sjis::FromUtf8(line.Required("--kana-word"));
        if (!sjis::IsKanaText(kana)) throw CUsageError("--kana-word must be written in kana");
        CKanaWordEditor editor(document, prompter, group, false);
        return AddWith(editor, line, [&](auto& e) {
            e.Take({kana, line.Required("--romaji"), line.Required("--meaning")});
            return true;
        });
    }
    CCounterCardEditor editor(document, prompter, group, false);
    return AddWith(editor, line, [&](auto& e) { return FillCounter(e, line); });
}

int RunAdd(const CCommandLine& line, const std::string& path, std::ostream& out,
           std::ostream& err) {
    const std::string_view kind = KindOption(line);
    CheckKindOptions(line, kind);
    const std::string group = sjis::FromUtf8(line.Required("--group"));
    if (!PathMayBeRead(path)) {
        err << "brushly-tool card: there is no document " << path
            << " (brushly-tool doc --new writes one)\n";
        return 1;
    }
    CStreamPrompter prompter(err);
    const CMemorySettingsStore settings;
    CBrushly2Doc document(settings, prompter);
    if (!LoadKanjiInto(document, line)) return 1;
    if (!document.Open(path)) return 1;
    if (document.Cards().FindGroup(group) == nullptr) {
        err << "brushly-tool card: " << path << " has no Word Group '" << sjis::ToUtf8(group)
            << "'\n";
        return 1;
    }
    if (!AddCard(document, prompter, line, kind, group, err)) return 1;
    if (!document.Save()) return 1;
    out << "Added a " << kind.substr(2) << " card to '" << sjis::ToUtf8(group) << "' in " << path
        << '\n';
    return 0;
}

// The options of one verb refused on the other, so that a mistyped line is not half obeyed.
void CheckVerbOptions(const CCommandLine& line, std::string_view verb) {
    constexpr std::string_view kAddOnly[] = {"--group",   "--kanji",  "--compound", "--kana-word",
                                             "--counter", "--romaji", "--forms",    "--inactive"};
    constexpr std::string_view kFindOnly[] = {"--reading", "--and", "--kinds"};
    for (std::string_view option : verb == "add" ? std::span<const std::string_view>(kFindOnly)
                                                 : std::span<const std::string_view>(kAddOnly)) {
        if (line.Has(option))
            throw CUsageError(std::string(option) + " does not go with " + std::string(verb));
    }
}

// "kanji,compound,kana,counter" as CFindQuery kind bits.
unsigned Kinds(const std::string& text) {
    constexpr std::pair<std::string_view, CardKind> kNames[] = {{"kanji", CardKind::kKanji},
                                                                {"compound", CardKind::kCompound},
                                                                {"kana", CardKind::kKanaWord},
                                                                {"counter", CardKind::kCounter}};
    unsigned kinds = 0;
    for (const std::string& name : CommaItems(text)) {
        const auto* found = std::find_if(std::begin(kNames), std::end(kNames),
                                         [&](const auto& entry) { return entry.first == name; });
        if (found == std::end(kNames))
            throw CUsageError("--kinds takes kanji, compound, kana and counter, not '" + name +
                              "'");
        kinds |= CFindQuery::KindBit(found->second);
    }
    return kinds;
}

const char* KindName(CardKind kind) {
    constexpr const char* kNames[] = {"kanji", "compound", "kana", "counter"};
    return kNames[static_cast<int>(kind)];
}

int RunFind(const CCommandLine& line, const std::string& path, std::ostream& out,
            std::ostream& err) {
    CFindQuery query;
    query.reading = line.Value("--reading").value_or("");
    query.meaning = line.Value("--meaning").value_or("");
    query.useAnd = line.Has("--and");
    if (line.Has("--kinds")) query.kinds = Kinds(line.Required("--kinds"));
    if (query.reading.empty() && query.meaning.empty())
        throw CUsageError("give --reading, --meaning or both");
    CStreamPrompter prompter(err);
    const CMemorySettingsStore settings;
    CBrushly2Doc document(settings, prompter);
    if (!document.Open(path)) return 1;
    const std::vector<CFindMatch> matches =
        CFlashcardFinder::Search(document.Cards(), query, document.LongOMode());
    for (const CFindMatch& match : matches) {
        out << sjis::ToUtf8(match.groupName) << '\t' << KindName(match.kind) << '\t'
            << sjis::ToUtf8(match.text) << '\n';
    }
    out << matches.size() << (matches.size() == 1 ? " match\n" : " matches\n");
    return 0;
}

int RunCard(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    const std::vector<std::string>& positionals = line.Positionals();
    if (positionals.size() != 2)
        throw CUsageError("give the document and a verb: DOC.bly add, or DOC.bly find");
    const std::string& path = positionals[0];
    if (!CBrushly2Doc::HasDocumentExtension(path))
        throw CUsageError("the document must be a .bly file: " + path);
    const std::string& verb = positionals[1];
    if (verb != "add" && verb != "find")
        throw CUsageError("unknown verb '" + verb + "'; the verbs are: add, find");
    CheckVerbOptions(line, verb);
    return verb == "add" ? RunAdd(line, path, out, err) : RunFind(line, path, out, err);
}

}  // namespace

constexpr CToolCommand kCardCommand{
    "card", "add a card to a Word Group of a document, or find cards, as the program does",
    "Usage: brushly-tool card DOC.bly add --group G --kanji K [--inactive] [--data DIR]\n"
    "       brushly-tool card DOC.bly add --group G --compound TEXT --romaji R --meaning M\n"
    "       brushly-tool card DOC.bly add --group G --kana-word KANA --romaji R --meaning M\n"
    "       brushly-tool card DOC.bly add --group G --counter K --romaji R --meaning M\n"
    "                                     --forms \"1:ippon,2:nihon\"\n"
    "       brushly-tool card DOC.bly find [--reading R] [--meaning M] [--and]\n"
    "                                      [--kinds kanji,compound,kana,counter]\n"
    "\n"
    "Opens DOC.bly, adds one card to its Word Group G through the card editor of its kind and\n"
    "saves the document. The card must pass the editor's checks; a refusal is printed with\n"
    "the editor's message. Kanji and kana are given in UTF-8.\n"
    "\n"
    "find searches every Word Group as Find Flashcard does: the reading as typed, with \"ou\"\n"
    "read as \"oo\" and the reverse; a kanji card's ON and Kun readings, a word's romaji; the\n"
    "meaning as a whole word of a kanji card or counter, anywhere in a word's meaning. One\n"
    "line per match: Word Group, kind and the reading / meaning text, tab-separated, then the\n"
    "number of matches.\n"
    "\n"
    "Verbs:\n"
    "  add          add one card, of the kind the option below names\n"
    "  find         list the cards a reading and/or meaning finds\n"
    "\n"
    "Options:\n"
    "  --group G        the Word Group, which must exist\n"
    "  --kanji K        a Kanji card of K with its readings from the kanji database\n"
    "  --compound TEXT  a Compound card of TEXT (at least two double-byte characters)\n"
    "  --kana-word KANA a Kana Word card of KANA (hiragana or katakana)\n"
    "  --counter K      a Counter card of the kanji K, with the counted forms of --forms\n"
    "  --romaji R       the card's romaji (not with --kanji)\n"
    "  --meaning M      the card's English meaning (not with --kanji); for find, the meaning\n"
    "                   searched\n"
    "  --forms LIST     a counter's forms: NUMBER:ROMAJI pairs separated by commas\n"
    "  --inactive       the card is left out of practice\n"
    "  --reading R      find: the reading searched, in romaji\n"
    "  --and            find: a card must match both the reading and the meaning\n"
    "  --kinds LIST     find: the card kinds searched (default all four)\n"
    "  --data DIR       folder with MasterDB.kdb (default: the data folder)\n"
    "\n"
    "Exit status: 0 added and saved, or searched; 1 a refused card, an unknown kanji or group, or "
    "a\n"
    "document that could not be opened or saved; 2 bad options.\n",
    kCardOptions, &RunCard};

}  // namespace brushly::tool
