#pragma once

#include "CToolCommand.h"

// The subcommands of brushly-tool, each defined in the file of its subsystem.
namespace brushly::tool {

extern const CToolCommand kKanaCommand;
extern const CToolCommand kRomajiCommand;
extern const CToolCommand kKanjiCommand;
extern const CToolCommand kBuildKanjiDbCommand;
extern const CToolCommand kPrepareEdictCommand;
extern const CToolCommand kImportEdictCommand;
extern const CToolCommand kWordsCommand;
extern const CToolCommand kRenderCommand;
extern const CToolCommand kSheetCommand;
extern const CToolCommand kWriteCommand;
extern const CToolCommand kSearchStrokesCommand;
extern const CToolCommand kFindKanjiCommand;
extern const CToolCommand kDocCommand;
extern const CToolCommand kBuildGroupsCommand;
extern const CToolCommand kEvaluateWritingCommand;
extern const CToolCommand kVerbCommand;
extern const CToolCommand kCounterCommand;
extern const CToolCommand kCardCommand;
extern const CToolCommand kExportCommand;
extern const CToolCommand kImportCommand;

}  // namespace brushly::tool
