#include <ostream>
#include <string>
#include <vector>

#include "CStreamPrompter.h"
#include "Commands.h"
#include "ToolData.h"
#include "builder/BuilderSources.h"
#include "builder/CFlashcardBuilder.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/ShiftJis.h"

// brushly-tool build-groups: the Flashcard Builder wizard's generation from the command line,
// into a document that is saved afterwards.
namespace brushly::tool {

namespace {

constexpr COptionSpec kBuildGroupsOptions[] = {kDataOption,
                                               {"--source", true},
                                               {"--first", true},
                                               {"--last", true},
                                               {"--per-group", true},
                                               {"--numbering", true},
                                               {"--root", true},
                                               {"--compounds", true},
                                               {"--common-only", true},
                                               {"--include-kana", true}};

// No book numbers its kanji anywhere near this high.
constexpr int kMaxReferenceNumber = 99999;
constexpr int kMaxGrade = 8;
constexpr int kMaxKyuu = 4;

int SourceNamed(const std::string& name) {
    const std::string lower = sjis::AsciiLower(name);
    if (lower == "grade") return CBuilderSettings::kSourceGrade;
    if (lower == "jlpt") return CBuilderSettings::kSourceJlpt;
    try {
        return ReferenceKeyNamed(name);
    } catch (const CUsageError& error) {
        throw CUsageError(std::string("--source is grade, jlpt or a reference book: ") +
                          error.what());
    }
}

bool Switch(const CCommandLine& line, std::string_view option, bool fallback) {
    const auto value = line.Value(option);
    if (!value) return fallback;
    if (*value == "on" || *value == "off") return *value == "on";
    throw CUsageError(std::string(option) + " must be on or off, not '" + *value + "'");
}

// The compound options into the settings; --compounds none leaves the other two unused, so
// they are refused with it.
void ReadCompoundOptions(const CCommandLine& line, CBuilderSettings& settings) {
    const std::string rule = line.Value("--compounds").value_or("0");
    settings.addCompounds = rule != "none";
    if (!settings.addCompounds) {
        for (const char* option : {"--common-only", "--include-kana"}) {
            if (line.Has(option))
                throw CUsageError(std::string(option) + " cannot go with --compounds none");
        }
        return;
    }
    if (rule != "0" && rule != "1" && rule != "2")
        throw CUsageError("--compounds must be 0, 1, 2 or none, not '" + rule + "'");
    settings.compoundRule = rule[0] - '0';
    settings.commonOnly = Switch(line, "--common-only", true);
    settings.includeKana = Switch(line, "--include-kana", false);
    if (settings.compoundRule == CBuilderSettings::kRuleLowerIndices &&
        !LowerIndicesChoice(settings).enabled) {
        throw CUsageError(
            "--compounds 2 needs kanji before the first group: a --first above 1, or a JLPT "
            "kyuu below 4");
    }
}

CBuilderSettings ReadSettings(const CCommandLine& line) {
    CBuilderSettings settings;
    settings.source = SourceNamed(line.Required("--source"));
    const bool book = settings.source >= kFirstBookKey;
    const int maxFirst = settings.source == CBuilderSettings::kSourceGrade  ? kMaxGrade
                         : settings.source == CBuilderSettings::kSourceJlpt ? kMaxKyuu
                                                                            : kMaxReferenceNumber;
    if (!line.Has("--first")) throw CUsageError("missing --first");
    const int first = line.Number("--first", 1, 1, maxFirst);
    settings.firstIndex = std::to_string(first);
    if (book) {
        if (!line.Has("--last")) throw CUsageError("missing --last");
        settings.lastIndex =
            std::to_string(line.Number("--last", first, first, kMaxReferenceNumber));
    } else if (line.Has("--last")) {
        throw CUsageError("--last goes with a reference book");
    }
    if (!line.Has("--per-group")) throw CUsageError("missing --per-group");
    settings.cardsPerGroup = std::to_string(line.Number("--per-group", 1, 1, kMaxCardsPerGroup));

    const std::string numbering = line.Value("--numbering").value_or("number");
    if (numbering != "number" && numbering != "index")
        throw CUsageError("--numbering must be number or index, not '" + numbering + "'");
    if (numbering == "index" && !book)
        throw CUsageError("--numbering index goes with a reference book");
    settings.numbering =
        numbering == "index" ? CBuilderSettings::kIndexNumbers : CBuilderSettings::kNumbered;

    settings.rootName = std::string(kBuilderRootNames[static_cast<std::size_t>(settings.source)]);
    if (const auto root = line.Value("--root")) {
        if (root->empty()) throw CUsageError("--root needs a name");
        settings.rootName = sjis::FromUtf8(*root);
    }
    ReadCompoundOptions(line, settings);
    return settings;
}

// "grade 3", "JLPT kyuu 2", "Heisig numbers 1 to 20": what the settings chose, for a message.
std::string Choice(const CBuilderSettings& settings) {
    switch (settings.source) {
        case CBuilderSettings::kSourceGrade:
            return "grade " + settings.firstIndex;
        case CBuilderSettings::kSourceJlpt:
            return "JLPT kyuu " + settings.firstIndex;
        default:
            return std::string(kBuilderPage3Names[static_cast<std::size_t>(settings.source)]) +
                   " " + settings.firstIndex + " to " + settings.lastIndex;
    }
}

int RunBuildGroups(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    const std::string& path = line.OnePositional("DOC.bly");
    if (!CBrushly2Doc::HasDocumentExtension(path))
        throw CUsageError("the document must be a .bly file: " + path);
    CBuilderSettings settings = ReadSettings(line);

    CStreamPrompter prompter(err);
    const std::string directory = DataDirectory(line);
    auto kanji = LoadKanjiLibrary(directory, prompter);
    if (!kanji) return 1;
    std::unique_ptr<CCompoundLibrary> compounds;
    if (settings.addCompounds) {
        compounds = std::make_unique<CCompoundLibrary>();
        if (!LoadCompoundLibrary(directory, *compounds, prompter)) return 1;
        if (!compounds->IsEdictBuilt()) {
            err << "brushly-tool build-groups: no EDICT-built compound library in " << directory
                << " (brushly-tool import-edict writes it); --compounds none builds kanji cards "
                   "only\n";
            return 1;
        }
    }
    UpdateCounts(*kanji, settings);
    if (settings.groupCount == 0) {
        err << "brushly-tool build-groups: the database has no kanji of " << Choice(settings)
            << '\n';
        return 1;
    }

    const CMemorySettingsStore store;
    CBrushly2Doc document(store, prompter);
    document.SetKanjiLibrary(std::move(kanji));
    document.SetWordLibraries(std::move(compounds), nullptr);
    bool created = false;
    if (!OpenOrCreateDocument(document, path, created)) return 1;
    document.BuilderSettings() = settings;
    const CFlashcardBuilder builder(*document.KanjiLibrary(), document.CompoundLibrary());
    const std::vector<CBuiltGroup> built = *builder.Build(document, settings, {});
    if (!(created ? document.SaveAs(path) : document.Save())) return 1;

    for (const CBuiltGroup& group : built) {
        out << sjis::ToUtf8(group.name) << ": " << group.kanjiCards << " kanji, "
            << Counted(static_cast<std::size_t>(group.compoundCards), "compound", "compounds")
            << '\n';
    }
    out << (created ? "Wrote " : "Saved ") << path << ": "
        << Counted(built.size(), "new Word Group", "new Word Groups") << ", "
        << document.Cards().GroupNames().size() << " in all\n";
    return 0;
}

}  // namespace

constexpr CToolCommand kBuildGroupsCommand{
    "build-groups", "build Word Groups of kanji and compound cards as the Flashcard Builder does",
    "Usage: brushly-tool build-groups DOC.bly --source grade|jlpt|REFERENCE --first N [--last M]\n"
    "                                 --per-group K [--numbering number|index] [--root NAME]\n"
    "                                 [--compounds 0|1|2|none] [--common-only on|off]\n"
    "                                 [--include-kana on|off] [--data DIR]\n"
    "\n"
    "Builds new Word Groups in DOC.bly as the Flashcard Builder wizard does and saves it: the\n"
    "kanji of a school grade, of a JLPT kyuu or of a range of a reference book's numbers,\n"
    "K kanji cards to a group, each group then filled with the compounds of the EDICT-built\n"
    "compound library that its kanji can write. A name already in use gets its root changed\n"
    "to ROOT_1, ROOT_2, ... DOC.bly is opened as the program opens it, or created as a new\n"
    "document (without the sample Word Groups) when missing. Prints each new Word Group with\n"
    "its numbers of kanji and compound cards.\n"
    "\n"
    "Options:\n"
    "  --source S           grade, jlpt, or a reference book as brushly-tool find-kanji\n"
    "                       --reference names it (heisig, nelsonNew, \"Nelson (New)\", ...)\n"
    "  --first N            the grade (1 to 6, 7 or 8 for 7 and above), the JLPT kyuu (1 to\n"
    "                       4) or the first reference number\n"
    "  --last M             the last reference number (reference books only)\n"
    "  --per-group K        kanji cards per Word Group, 1 to 30\n"
    "  --numbering N        number: ROOT #1, ROOT #2, ... (default); index: ROOT #0101 - #0150\n"
    "                       (reference books only). A grade's groups are named\n"
    "                       ROOT Level G #1, a kyuu's ROOT K #1.\n"
    "  --root NAME          the groups' root name (default the source's: Grade, JLPT Kyuu,\n"
    "                       Heisig, ...)\n"
    "  --compounds R        the kanji a group's compounds may hold besides kana: 0 its own\n"
    "                       and the earlier new groups' (default), 1 its own only, 2 as 0\n"
    "                       and the kanji before the first group; none adds no compounds\n"
    "  --common-only on|off   only words EDICT marks common (default on)\n"
    "  --include-kana on|off  also compounds written partly in kana (default off)\n"
    "  --data DIR           folder with MasterDB.kdb, blyjlptsjis.txt and CompDBedictdem.kdb2\n"
    "                       (default: the data folder)\n"
    "\n"
    "Exit status: 0 built and saved; 1 no kanji for the choice, no EDICT-built compound\n"
    "library (unless --compounds none), or a document that could not be opened or saved;\n"
    "2 bad options.\n",
    kBuildGroupsOptions, &RunBuildGroups};

}  // namespace brushly::tool
