#include "exchange/CExportCommand.h"

#include <filesystem>

#include "exchange/CardCounts.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

std::string FolderOf(const CExportChoice& choice) {
    if (choice.filePerGroup) return choice.path;
    const std::filesystem::path folder = std::filesystem::path(choice.path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

}  // namespace

std::vector<CExportCommand::CTarget> CExportCommand::Targets(const CExportChoice& choice) {
    std::vector<CTarget> targets;
    if (choice.groups.empty() || choice.path.empty()) return targets;
    if (!choice.filePerGroup) {
        targets.push_back(
            {choice.path, std::filesystem::path(choice.path).filename().string(), choice.groups});
        return targets;
    }
    const std::vector<std::string> names =
        CWordGroupExporter::FileNamesFor(choice.groups, choice.format);
    for (std::size_t index = 0; index < names.size(); ++index) {
        targets.push_back({(std::filesystem::path(choice.path) / names[index]).string(),
                           names[index],
                           {choice.groups[index]}});
    }
    return targets;
}

std::string CExportCommand::ReplaceQuestion(const CExportChoice& choice,
                                            const std::vector<CTarget>& targets) {
    std::string names;
    int existing = 0;
    for (const CTarget& target : targets) {
        std::error_code ignored;
        if (!std::filesystem::exists(target.path, ignored)) continue;
        if (existing++ < kListedNames) {
            names += target.fileName;
            names += '\n';
        }
    }
    if (existing == 0) return {};
    if (existing > kListedNames)
        names += "and " + std::to_string(existing - kListedNames) + " more\n";
    std::string question = "These files already exist in ";
    question += FolderOf(choice);
    question += ":\n";
    question += names;
    question += "Replace them?";
    return sjis::FromUtf8(question);
}

bool CExportCommand::Run(const CFlashcardSet& cards, const CExportChoice& choice,
                         CPrompter& prompter) {
    if (choice.groups.empty()) {
        prompter.Information(kNothingCheckedMessage);
        return false;
    }
    if (choice.path.empty()) {
        prompter.Information(kNoPathMessage);
        return false;
    }
    const std::vector<CTarget> targets = Targets(choice);
    const std::string question = ReplaceQuestion(choice, targets);
    if (!question.empty() && !prompter.AskYesNo(question)) return false;
    for (const CTarget& target : targets) {
        std::string error;
        if (!CWordGroupExporter::WriteFile(
                target.path, CWordGroupExporter::Export(cards, target.groups, choice.format),
                error)) {
            prompter.Error(sjis::FromUtf8(error));
            return false;
        }
    }
    int cardCount = 0;
    for (const std::string& name : choice.groups) {
        if (const CWordGroup* group = cards.FindGroup(name)) cardCount += group->cardCount;
    }
    std::string done = "Exported ";
    done += CardsInGroupsText(cardCount, static_cast<int>(choice.groups.size()));
    done += " to ";
    done += choice.path;
    done += '.';
    prompter.Information(sjis::FromUtf8(done));
    return true;
}

}  // namespace brushly
