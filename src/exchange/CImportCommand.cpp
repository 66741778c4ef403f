#include "exchange/CImportCommand.h"

#include <filesystem>

#include "exchange/CWordGroupImporter.h"
#include "exchange/CardCounts.h"
#include "platform/ShiftJis.h"

namespace brushly {

std::string CImportCommand::ProblemLine(const CImportProblem& problem) {
    std::string line = "Line " + std::to_string(problem.line);
    line += ": ";
    line += problem.reason;
    return line;
}

std::optional<CImportPlan> CImportCommand::Read(const std::string& path, const CKanjiLibrary* kanji,
                                                const CFlashcardSet& cards, CPrompter& prompter) {
    std::string bytes;
    std::string error;
    if (!CWordGroupImporter::ReadFile(path, bytes, error)) {
        prompter.Error(sjis::FromUtf8(error));
        return std::nullopt;
    }
    CImportPlan plan =
        CWordGroupImporter(kanji).Read(bytes, CWordGroupImporter::GroupNameForPath(path));
    // A row that fails still names its group: without any card, such groups are no import.
    if (plan.groups.empty() || (plan.CardCount() == 0 && !plan.problems.empty())) {
        // The file name is the message's only non-ASCII part: it is converted alone, the
        // problems' reasons being Shift-JIS already.
        std::string message = "No flashcards were found in ";
        message += sjis::FromUtf8(std::filesystem::path(path).filename().string());
        message += '.';
        const int count = static_cast<int>(plan.problems.size());
        for (int index = 0; index < count && index < kListedProblems; ++index)
            message += "\n" + ProblemLine(plan.problems[index]);
        if (count > kListedProblems)
            message += "\nand " + std::to_string(count - kListedProblems) + " more";
        prompter.Information(message);
        return std::nullopt;
    }
    plan.ProposeNames(cards, "");
    return plan;
}

bool CImportCommand::Apply(CImportPlan& plan, CFlashcardSet& cards, CPrompter& prompter) {
    if (plan.Apply(cards)) return true;
    prompter.Error(plan.NameProblem(cards));
    return false;
}

std::string CImportCommand::ImportedMessage(const CImportPlan::Totals& totals) {
    return "Imported " + CardsInGroupsText(totals.cards, totals.groups) + ".";
}

}  // namespace brushly
