#include <ostream>
#include <string>

#include "Commands.h"
#include "lookup/RomajiKana.h"
#include "platform/ShiftJis.h"

// brushly-tool kana and romaji: the romaji/kana conversion on the command line. Arguments and
// output are UTF-8; the conversion itself works on Shift-JIS like the program.
namespace brushly::tool {

namespace {

constexpr COptionSpec kKanaOptions[] = {{"--long-mark", false}, {"--vertical", false}};

int RunKana(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    const std::string& text = line.OnePositional("TEXT");
    const std::string kana =
        RomajiToKana(sjis::FromUtf8(text), line.Has("--long-mark"), line.Has("--vertical"));
    if (kana.empty()) {
        err << "brushly-tool kana: no romaji to convert in '" << text << "'\n";
        return 1;
    }
    out << sjis::ToUtf8(kana) << '\n';
    return 0;
}

int RunRomaji(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    const std::string& text = line.OnePositional("TEXT");
    const std::string romaji = KanaToRomaji(sjis::FromUtf8(text));
    if (romaji.empty()) {
        err << "brushly-tool romaji: no kana to convert in '" << text << "'\n";
        return 1;
    }
    out << romaji << '\n';
    return 0;
}

}  // namespace

constexpr CToolCommand kKanaCommand{
    "kana", "print the kana of a romaji text",
    "Usage: brushly-tool kana TEXT [--long-mark] [--vertical]\n"
    "\n"
    "Prints the kana of the romaji TEXT: lower-case romaji gives hiragana, upper-case romaji\n"
    "gives katakana (gakkou gives がっこう, TOOKYOO gives トウキョウ). Letters that form no\n"
    "syllable are left out.\n"
    "\n"
    "Options:\n"
    "  --long-mark   write a doubled katakana vowel as the long-vowel mark (トーキョー)\n"
    "  --vertical    with --long-mark, use the mark of vertical text, 丨\n",
    kKanaOptions, &RunKana};

constexpr CToolCommand kRomajiCommand{
    "romaji",
    "print the romaji of a kana text",
    "Usage: brushly-tool romaji TEXT\n"
    "\n"
    "Prints the romaji of the kana TEXT: hiragana in lower case, katakana in upper case\n"
    "(おおきい gives o'okii, ラーメン gives RAAMEN). Other characters are left out; a small kana\n"
    "that cannot follow the kana before it is marked X.\n",
    {},
    &RunRomaji};

}  // namespace brushly::tool
