#pragma once

#include <string>
#include <vector>

#include "document/CFlashcardSet.h"
#include "exchange/CWordGroupExporter.h"
#include "platform/CPrompter.h"

// The Export command behind its dialog: which files to write, what to ask and what to say.
namespace brushly {

// What the student chose in the export dialog.
struct CExportChoice {
    std::vector<std::string> groups;  // Shift-JIS names, in the order written
    ExportFormat format = ExportFormat::kTable;
    bool filePerGroup = true;  // else all groups in one file
    std::string path;          // UTF-8: the folder (file per group) or the file
};

class CExportCommand {
public:
    static constexpr const char* kNothingCheckedMessage = "Select the Word Groups to export.";
    static constexpr const char* kNoPathMessage = "Choose where to write the files.";
    // The replace question lists at most this many file names.
    static constexpr int kListedNames = 10;

    // One file to write and the groups it holds.
    struct CTarget {
        std::string path;      // UTF-8
        std::string fileName;  // UTF-8, without the folder
        std::vector<std::string> groups;
    };

    // The files of a choice: one per group in the folder, named by
    // CWordGroupExporter::FileNamesFor, or the one file. Empty without groups or a path.
    static std::vector<CTarget> Targets(const CExportChoice& choice);

    // The Yes/No question (Shift-JIS) before targets that exist are replaced; empty when none
    // exists.
    static std::string ReplaceQuestion(const CExportChoice& choice,
                                       const std::vector<CTarget>& targets);

    // The whole command: refusals and the replace question through the prompter, then every
    // file written (the folder must exist; it is not created) and the result told. True when
    // all files are written; false when refused, declined or a write failed (its error told;
    // the files before it stay written).
    static bool Run(const CFlashcardSet& cards, const CExportChoice& choice, CPrompter& prompter);
};

}  // namespace brushly
