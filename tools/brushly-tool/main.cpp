#include <signal.h>

#include <array>
#include <iostream>

#include "Commands.h"

int main(int argc, char* argv[]) {
    using namespace brushly::tool;
    // A write past the file-size limit then fails with EFBIG and is reported.
    signal(SIGXFSZ, SIG_IGN);
    const std::array commands{
        kKanaCommand,         kRomajiCommand,      kKanjiCommand,           kBuildKanjiDbCommand,
        kPrepareEdictCommand, kImportEdictCommand, kWordsCommand,           kRenderCommand,
        kSheetCommand,        kWriteCommand,       kSearchStrokesCommand,   kFindKanjiCommand,
        kDocCommand,          kBuildGroupsCommand, kEvaluateWritingCommand, kVerbCommand,
        kCounterCommand,      kCardCommand,        kExportCommand,          kImportCommand};
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return RunTool(commands, arguments, std::cout, std::cerr);
}
