#pragma once

#include <optional>
#include <string>

#include "document/CFlashcardSet.h"
#include "exchange/CImportPlan.h"
#include "platform/CPrompter.h"
#include "reference/CKanjiLibrary.h"

// The Import command around its dialog: the file read into a plan, and the plan applied.
namespace brushly {

class CImportCommand {
public:
    // The no-cards message lists at most this many problems.
    static constexpr int kListedProblems = 20;

    // "Line N: reason", Shift-JIS as the reason is.
    static std::string ProblemLine(const CImportProblem& problem);

    // Reads the file at path (UTF-8) with the kanji library (may be null) and proposes names
    // that the set does not hold. Nothing when the file cannot be read, holds no group, or
    // no card but rows that failed (only empty groups of a file without problems import),
    // after telling why through the prompter.
    static std::optional<CImportPlan> Read(const std::string& path, const CKanjiLibrary* kanji,
                                           const CFlashcardSet& cards, CPrompter& prompter);

    // Adds the plan's selected groups to the set. False, with the name problem told and the
    // set unchanged, when the names do not fit the set. The caller marks the document
    // modified and tells ImportedMessage of the plan's SelectedTotals taken before.
    static bool Apply(CImportPlan& plan, CFlashcardSet& cards, CPrompter& prompter);
    static std::string ImportedMessage(const CImportPlan::Totals& totals);
};

}  // namespace brushly
