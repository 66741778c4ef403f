#include "dictionary/DictionaryStartup.h"

#include "dictionary/CAbbreviationList.h"
#include "dictionary/CCompoundLibrary.h"
#include "dictionary/CEdictImporter.h"
#include "dictionary/CLoadingDisplay.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/LibraryPair.h"
#include "platform/CPrompter.h"
#include "platform/FileStatus.h"

namespace brushly {

namespace {

void ShowCounts(CCompoundLibrary& library, CLoadingDisplay& display,
                void (CLoadingDisplay::*showCount)(int)) {
    library.SetProgress(
        [&display, showCount](int entriesRead) { (display.*showCount)(entriesRead); });
}

bool LoadWithCount(CCompoundLibrary& library, const std::string& path, CPrompter& prompter,
                   CLoadingDisplay& display, void (CLoadingDisplay::*showCount)(int)) {
    ShowCounts(library, display, showCount);
    const bool loaded = library.Load(path, false, prompter);
    library.SetProgress({});
    return loaded;
}

// Whether the stored database should be rebuilt from a newer EDICT file. Reads the stored
// identification and the EDICT header (the header replaces both libraries' identification
// until the full load). headerLoaded tells whether the stored file could be read at all.
bool WantsNewerEdict(const CDictionarySources& sources, CEdictImporter& importer,
                     const std::string& compoundPath, bool& headerLoaded) {
    headerLoaded = sources.compounds.Load(compoundPath, true, sources.prompter);
    if (!headerLoaded) return false;
    const std::string stored = sources.compounds.Identification();
    return importer.ImportEdict(false, true) &&
           IsNewerEdict(stored, sources.compounds.Identification()) &&
           sources.prompter.AskYesNo(kNewerEdictQuestion);
}

// The stored pair, each with its count shown as it loads.
CDictionaryIndicators LoadStoredPair(const CDictionarySources& sources,
                                     const std::string& compoundPath,
                                     const std::string& kanaWordPath) {
    ShowCounts(sources.compounds, sources.display, &CLoadingDisplay::SetCompoundCount);
    ShowCounts(sources.kanaWords, sources.display, &CLoadingDisplay::SetKanaWordCount);
    const CLibraryPairLoad loaded = LoadLibraryPair(
        sources.compounds, compoundPath, sources.kanaWords, kanaWordPath, sources.prompter);
    sources.compounds.SetProgress({});
    sources.kanaWords.SetProgress({});
    return {loaded.first, loaded.second};
}

}  // namespace

CDictionaryIndicators LoadDictionaries(const CDictionarySources& sources) {
    const std::string& directory = sources.dataDirectory;
    const std::string compoundPath = DataFilePath(directory, kEdictCompoundFileName);
    const std::string kanaWordPath = DataFilePath(directory, kEdictKanaWordFileName);
    const std::string abbreviationPath = DataFilePath(directory, kAbbreviationFileName);
    CLoadingDisplay& display = sources.display;
    display.ShowEdictLabel(true);
    if (PathExists(abbreviationPath))
        sources.abbreviations.Load(abbreviationPath, sources.prompter);

    CEdictImporter importer(sources.compounds, sources.kanaWords, sources.kanji, sources.prompter,
                            display, directory);
    CDictionaryIndicators indicators;
    bool askFirst = true;
    if (PathExists(compoundPath)) {
        display.SetStatus(kEdictDatabaseStatus);
        bool headerLoaded = false;
        if (!WantsNewerEdict(sources, importer, compoundPath, headerLoaded)) {
            display.ShowEdictLabel(false);
            // A file whose header could not be read was reported already; reading it again
            // would only repeat the message.
            if (!headerLoaded) {
                indicators.kanaWords =
                    PathExists(kanaWordPath) &&
                    LoadWithCount(sources.kanaWords, kanaWordPath, sources.prompter, display,
                                  &CLoadingDisplay::SetKanaWordCount);
                return indicators;
            }
            return LoadStoredPair(sources, compoundPath, kanaWordPath);
        }
        askFirst = false;
    }

    const bool imported = importer.ImportEdict(askFirst, false);
    if (importer.Cancelled()) {
        sources.prompter.Information(kImportCancelledMessage);
        if (PathExists(compoundPath)) {
            display.SetStatus(kEdictDatabaseStatus);
            return LoadStoredPair(sources, compoundPath, kanaWordPath);
        }
    }
    indicators = {imported, imported};
    if (!indicators.compounds) {
        display.SetStatus(kDemoDatabaseStatus);
        indicators.compounds =
            LoadWithCount(sources.compounds, DataFilePath(directory, kDemoCompoundFileName),
                          sources.prompter, display, &CLoadingDisplay::SetCompoundCount);
    }
    return indicators;
}

}  // namespace brushly
