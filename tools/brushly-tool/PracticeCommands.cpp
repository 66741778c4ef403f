#include <ostream>
#include <string>

#include "CStreamPrompter.h"
#include "Commands.h"
#include "ToolData.h"
#include "lookup/RomajiKana.h"
#include "platform/ShiftJis.h"
#include "practice/CounterNumbers.h"
#include "practice/VerbConjugation.h"

// brushly-tool verb and counter: the conjugation and counter engines' output, for checking
// by a teacher or a script.
namespace brushly::tool {

namespace {

constexpr COptionSpec kVerbOptions[] = {kDataOption};
constexpr COptionSpec kCounterOptions[] = {
    kDataOption, {"--kanji", true}, {"--native", false}, {"--prefix", false}};

// A form as the verb table shows it: the kanji (unless the form drops it) and the kana; "-"
// for a form the class lacks.
std::string ShownForm(const std::string& kanji, const VerbParts& parts, int form) {
    if (VerbFormText(parts, form).empty()) return "-";
    const std::string kana = VerbFormKana(parts, form);
    return sjis::ToUtf8(VerbFormShowsKanji(parts, form) ? kanji + kana : kana);
}

// One line per form: its label (formal forms marked), affirmative, negative.
void PrintVerbTable(const std::string& kanji, const VerbParts& parts, std::ostream& out) {
    constexpr int kNegativeOffset = 13;
    constexpr int kFirstPassive = 27;
    for (int form = 1; form < kFirstPassive; ++form) {
        if (IsNegativeVerbForm(form)) continue;
        out << "  " << VerbFormLabel(form) << (IsFormalVerbForm(form) ? " (formal)" : "") << ": "
            << ShownForm(kanji, parts, form) << ", "
            << ShownForm(kanji, parts, form + kNegativeOffset) << "\n";
    }
    for (int form = kFirstPassive; form <= kVerbFormCount; ++form)
        out << "  " << VerbFormLabel(form) << ": " << ShownForm(kanji, parts, form) << ", -\n";
}

int RunVerb(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    const std::string& character = line.OnePositional("CHAR");
    CStreamPrompter prompter(err);
    const auto library = LoadKanjiLibrary(DataDirectory(line), prompter);
    if (!library) return 1;
    const CKanjiRef kanji = FindKanji(*library, character, "verb", err);
    if (!kanji) return 1;
    bool anyVerb = false;
    for (const auto& group : kanji.record->readings) {
        for (std::size_t kun = 0; kun < group->kunReadings.size(); ++kun) {
            const int verbClass = group->VerbClass(kun);
            if (verbClass < kVerbRu || verbClass > kVerbKuru) continue;
            anyVerb = true;
            const std::string& reading = group->kunReadings[kun];
            out << sjis::ToUtf8(reading) << ": verb class " << verbClass << " ("
                << CKanjiReading::VerbClassName(verbClass) << ")\n";
            PrintVerbTable(kanji.record->character, ComputeVerbParts(reading, verbClass), out);
        }
    }
    if (!anyVerb) {
        err << "brushly-tool verb: '" << character << "' has no verb reading\n";
        return 1;
    }
    return 0;
}

int RunCounter(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    const std::string& root = line.OnePositional("ROOT");
    const std::string character = sjis::FromUtf8(line.Required("--kanji"));
    // A counter is a kanji of the database or a kana (つ).
    if (!sjis::IsHiragana(character, 0) && !sjis::IsKatakana(character, 0)) {
        CStreamPrompter prompter(err);
        const auto library = LoadKanjiLibrary(DataDirectory(line), prompter);
        if (!library) return 1;
        if (!FindKanji(*library, line.Required("--kanji"), "counter", err)) return 1;
    }
    CCounterCard card;
    card.character = character;
    const std::string message = AutoExpandCounter(
        card, root, {.nativeWords = line.Has("--native"), .rootFirst = line.Has("--prefix")});
    if (!message.empty()) {
        err << "brushly-tool counter: " << message << "\n";
        return 1;
    }
    for (std::size_t i = 0; i < card.formNumbers.size(); ++i) {
        out << card.formNumbers[i] << "\t"
            << sjis::ToUtf8(RomajiToKana(card.formRomaji[i], false, false)) << "\t"
            << card.formRomaji[i] << "\n";
    }
    return 0;
}

}  // namespace

constexpr CToolCommand kVerbCommand{
    "verb", "print the verb tables of a kanji's Kun readings",
    "Usage: brushly-tool verb CHAR [--data DIR]\n"
    "\n"
    "For each Kun reading of CHAR that is a verb, prints the reading, its verb class and the\n"
    "thirty forms as the Flash View's verb table shows them, one row a line: the row label\n"
    "(formal rows marked), the affirmative form and the negative form (\"-\" where there is\n"
    "none). Fails when CHAR is not in the database or has no verb reading.\n"
    "\n"
    "Options:\n"
    "  --data DIR   folder with MasterDB.kdb and blyjlptsjis.txt (default: the data\n"
    "               folder)\n",
    kVerbOptions, &RunVerb};

constexpr CToolCommand kCounterCommand{
    "counter", "print the auto-expanded forms of a counter",
    "Usage: brushly-tool counter ROOT --kanji CHAR [--native] [--prefix] [--data DIR]\n"
    "\n"
    "Prints the counted forms that the counter editor's auto expansion makes from the romaji\n"
    "ROOT for the counter CHAR, one a line: number, kana and romaji, separated by tabs.\n"
    "Example: brushly-tool counter hon --kanji 本 gives 1 いっぽん ippon, ... 10 じゅっぽん\n"
    "juppon.\n"
    "\n"
    "Options:\n"
    "  --kanji CHAR the counter (a kanji of the database, or a kana such as つ)\n"
    "  --native     the native numbers (hito, futa, ...) instead of ichi, ni, ...\n"
    "  --prefix     the root stands before the number (dai: daiichi, daini, ...)\n"
    "  --data DIR   folder with MasterDB.kdb and blyjlptsjis.txt (default: the data\n"
    "               folder)\n",
    kCounterOptions, &RunCounter};

}  // namespace brushly::tool
