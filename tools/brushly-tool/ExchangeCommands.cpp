#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "CStreamPrompter.h"
#include "Commands.h"
#include "ToolData.h"
#include "exchange/CWordGroupExporter.h"
#include "exchange/CWordGroupImporter.h"
#include "exchange/CardCounts.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/ShiftJis.h"

// brushly-tool export / import: Word Groups to and from text files, over the engine the File
// menu's Import and Export use.
namespace brushly::tool {

namespace {

constexpr COptionSpec kExportOptions[] = {{"--group", true}, {"--format", true}, {"--out", true}};
constexpr COptionSpec kImportOptions[] = {
    kDataOption, {"--group-prefix", true}, {"--dry-run", false}};

ExportFormat FormatOption(const CCommandLine& line) {
    const std::string format = line.Value("--format").value_or("tsv");
    if (format == "tsv") return ExportFormat::kTable;
    if (format == "srs") return ExportFormat::kSpacedRepetition;
    throw CUsageError("--format takes tsv or srs, not '" + format + "'");
}

// The groups --group names (UTF-8), or every group without the option; false, the unknown
// name on err, for a name no group has.
bool ChosenGroups(const CCommandLine& line, const CFlashcardSet& cards,
                  std::vector<std::string>& groups, std::ostream& err) {
    const std::vector<std::string> named = line.Values("--group");
    if (named.empty()) {
        groups = cards.GroupNames();
        return true;
    }
    for (const std::string& name : named) {
        const std::string sjisName = sjis::FromUtf8(name);
        if (cards.FindGroup(sjisName) == nullptr) {
            err << "brushly-tool export: the document has no Word Group named '" << name << "'\n";
            return false;
        }
        groups.push_back(sjisName);
    }
    return true;
}

int CardCount(const CFlashcardSet& cards, const std::vector<std::string>& groups) {
    int count = 0;
    for (const std::string& name : groups)
        count += cards.FindGroup(name)->cardCount;
    return count;
}

bool Write(const std::string& path, const std::string& text, std::ostream& err) {
    std::string error;
    if (CWordGroupExporter::WriteFile(path, text, error)) return true;
    err << "brushly-tool export: " << error << '\n';
    return false;
}

int RunExport(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    const std::string& path = line.OnePositional("DOC.bly");
    if (!CBrushly2Doc::HasDocumentExtension(path))
        throw CUsageError("the document must be a .bly file: " + path);
    const ExportFormat format = FormatOption(line);
    const std::string target = line.Required("--out");

    CStreamPrompter prompter(err);
    const CMemorySettingsStore settings;
    CBrushly2Doc document(settings, prompter);
    if (!document.Open(path)) return 1;
    std::vector<std::string> groups;
    if (!ChosenGroups(line, document.Cards(), groups, err)) return 1;
    const int cards = CardCount(document.Cards(), groups);
    const std::string counts = CardsInGroupsText(cards, static_cast<int>(groups.size()));

    if (target == "-") {
        out << CWordGroupExporter::Export(document.Cards(), groups, format);
        return 0;
    }
    std::error_code error;
    if (!std::filesystem::is_directory(target, error)) {
        if (!Write(target, CWordGroupExporter::Export(document.Cards(), groups, format), err))
            return 1;
        out << "Exported " << counts << " to " << target << '\n';
        return 0;
    }
    const std::vector<std::string> names = CWordGroupExporter::FileNamesFor(groups, format);
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const std::string file = (std::filesystem::path(target) / names[i]).string();
        if (!Write(file, CWordGroupExporter::Export(document.Cards(), {groups[i]}, format), err))
            return 1;
        out << file << '\n';
    }
    out << "Exported " << counts << " to " << Counted(groups.size(), "file", "files") << " in "
        << target << '\n';
    return 0;
}

int RunImport(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    if (line.Positionals().size() != 2)
        throw CUsageError("give the document and the file: DOC.bly FILE");
    const std::string& path = line.Positionals()[0];
    if (!CBrushly2Doc::HasDocumentExtension(path))
        throw CUsageError("the document must be a .bly file: " + path);
    const std::string& file = line.Positionals()[1];
    const bool dryRun = line.Has("--dry-run");

    std::string bytes, error;
    if (!CWordGroupImporter::ReadFile(file, bytes, error)) {
        err << "brushly-tool import: " << error << '\n';
        return 1;
    }
    CStreamPrompter prompter(err);
    const CMemorySettingsStore settings;
    CBrushly2Doc document(settings, prompter);
    if (!LoadKanjiInto(document, line)) return 1;
    bool created = false;
    if (!OpenOrCreateDocument(document, path, created)) return 1;

    CImportPlan plan = CWordGroupImporter(document.KanjiLibrary())
                           .Read(bytes, CWordGroupImporter::GroupNameForPath(file));
    plan.ProposeNames(document.Cards(), sjis::FromUtf8(line.Value("--group-prefix").value_or("")));
    out << file << ": " << plan.encoding << ", " << plan.layout << ", "
        << Counted(static_cast<std::size_t>(plan.rowCount), "row", "rows") << '\n';
    for (const CImportGroup& group : plan.groups) {
        out << sjis::ToUtf8(group.name) << ": "
            << Counted(static_cast<std::size_t>(group.CardCount()), "card", "cards");
        if (group.name != group.sourceName)
            out << " (named " << sjis::ToUtf8(group.sourceName) << " in the file)";
        out << '\n';
    }
    for (const CImportProblem& problem : plan.problems)
        out << "line " << problem.line << ": " << sjis::ToUtf8(problem.reason) << '\n';
    if (plan.groups.empty()) {
        err << "brushly-tool import: no flashcards were found in " << file << '\n';
        return 1;
    }
    const CImportPlan::Totals totals = plan.SelectedTotals();
    const std::string counts = CardsInGroupsText(totals.cards, totals.groups);
    if (dryRun) {
        out << "Would import " << counts << "; " << Counted(plan.problems.size(), "row", "rows")
            << " not imported (dry run: " << path << " unchanged)\n";
        return 0;
    }
    plan.Apply(document.Cards());
    document.SetModified(true);
    if (!(created ? document.SaveAs(path) : document.Save())) return 1;
    out << "Imported " << counts << "; " << Counted(plan.problems.size(), "row", "rows")
        << " not imported. " << (created ? "Wrote " : "Saved ") << path << '\n';
    return 0;
}

}  // namespace

constexpr CToolCommand kExportCommand{
    "export", "write Word Groups of a document as UTF-8 text files",
    "Usage: brushly-tool export DOC.bly [--group NAME]... [--format tsv|srs] --out FILE\n"
    "\n"
    "Writes the Word Groups of DOC.bly (every group, or those named by --group) as UTF-8\n"
    "text, as the File menu's Export does.\n"
    "\n"
    "tsv, the Word Group table: tab-separated, a header line naming the columns (kind,\n"
    "japanese, reading, romaji, meaning, group, right, wrong, active, comment, readings,\n"
    "forms, extra 1, extra 2, counter type), one card per line, every field kept. A tab,\n"
    "line break or backslash inside a field is written \\t, \\n or \\\\. The readings column\n"
    "holds a kanji card's reading groups, \"ON;ON/kun;kun/meaning;meaning\" separated by\n"
    "\"|\"; the forms column a counter's \"number=romaji\" pairs separated by \";\". An empty\n"
    "Word Group is kept as a row of kind \"group\".\n"
    "\n"
    "srs, notes for spaced-repetition programs: the header lines #separator:tab, #html:false\n"
    "and #tags column:3, then one note per card: the Japanese text, \"reading — meaning\",\n"
    "and the Word Group name as a tag (blanks written _).\n"
    "\n"
    "Options:\n"
    "  --group NAME   a Word Group to write (UTF-8); repeat for more (default: all)\n"
    "  --format F     tsv (default) or srs\n"
    "  --out FILE     the file to write, replaced whole; - for standard output; an existing\n"
    "                 folder to write each Word Group to its own file named after it\n"
    "\n"
    "Exit status: 0 written; 1 a document that could not be opened, an unknown group or a\n"
    "file that could not be written; 2 bad options.\n",
    kExportOptions, &RunExport};

constexpr CToolCommand kImportCommand{
    "import", "add the Word Groups of a text file to a document",
    "Usage: brushly-tool import DOC.bly FILE [--group-prefix P] [--dry-run] [--data DIR]\n"
    "\n"
    "Reads FILE as the File menu's Import does and adds its Word Groups to DOC.bly (made\n"
    "when missing), then saves it. FILE is a Word Group table or notes written by export,\n"
    "or any tab- or comma-separated file in UTF-8, UTF-16 or Shift-JIS whose header names\n"
    "the Japanese text and the reading or the meaning (\"Expression\", \"Reading\",\n"
    "\"Meaning\", \"Tags\", ... are understood). Rows without a group go to a group named\n"
    "after FILE. A group whose name is taken is added as NAME_1, NAME_2, ...\n"
    "\n"
    "Prints the encoding and layout found, each group with its card count, and every row\n"
    "that became no card with its line number and reason; those rows are not imported.\n"
    "\n"
    "Options:\n"
    "  --group-prefix P  put P before every imported group's name\n"
    "  --dry-run         print what would be imported; leave DOC.bly unchanged\n"
    "  --data DIR        folder with MasterDB.kdb, for kanji readings (default:\n"
    "                    the data folder)\n"
    "\n"
    "Exit status: 0 imported (or a dry run); 1 a file that could not be read or held no\n"
    "flashcards, or a document that could not be opened or saved; 2 bad options.\n",
    kImportOptions, &RunImport};

}  // namespace brushly::tool
