#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/RecentFiles.h"
#include "dictionary/CAbbreviationList.h"
#include "dictionary/CLoadingDisplay.h"

namespace brushly {

class CBrushly2Doc;
class CPrompter;
class CSettingsStore;

// The loading dialog as the start-up's loading step sees it: the dictionary display plus
// the "Kanji Loaded:" counter.
class CStartupDisplay : public CLoadingDisplay {
public:
    virtual void SetKanjiCount(int count) = 0;
};

// The loading dialog's part played without a window, for headless starts: it keeps the
// kanji count and the status texts and ignores the rest.
class CSilentStartupDisplay final : public CStartupDisplay {
public:
    void SetKanjiCount(int count) override { kanjiCount = count; }
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    void ShowEdictLabel(bool) override {}
    void ShowEdictBar(bool) override {}
    void SetProgressRange(int, int) override {}
    void SetProgressValue(int) override {}
    void SetCompoundCount(int) override {}
    void SetKanaWordCount(int) override {}
    bool CancelRequested() override { return false; }
    void AllowCancel(bool) override {}

    int kanjiCount = 0;
    std::vector<std::string> statuses;
};

// The application without its windows: the start-up sequence (install directory, version,
// loading the databases, the Japanese font decisions, the first document) and the document
// commands of the File menu and autosave, so that every decision runs headless.
//
// The settings store and the prompter are borrowed and must outlive the application.
class CBrushlyApplication {
public:
    // The process's exit code when the kanji database cannot be loaded or the document
    // named on the command line cannot be opened.
    static constexpr int kStartFailedExitCode = -1;
    static constexpr const char* kKanjiStatus = "Loading Brushly Kanji Database";
    static constexpr const char* kUntitled = "Untitled";
    static constexpr const char* kTitleSuffix = " - Brushly";
    // The messages after an unexpected failure: the failure's description, then where the
    // Word Groups were saved, respectively why they could not be.
    static constexpr const char* kFailureMessage = "Brushly met an unexpected error: ";
    static constexpr const char* kRecoveredMessage = "\nYour Word Groups were saved to ";
    static constexpr const char* kNotRecoveredMessage = "\nYour Word Groups could not be saved: ";
    static constexpr const char* kRecoverySuffix = ".recovered.bly";

    // The work of the loading dialog: loads the databases into the document; false when
    // the kanji database failed (its message has been shown), which closes with Cancel.
    using LoadingWork = std::function<bool(CStartupDisplay& display)>;
    // Shows the loading dialog, runs the work inside it and returns true when the dialog
    // ended with OK. Tests run the work directly with a silent display.
    using LoadingRunner = std::function<bool(const LoadingWork& work)>;
    // The Japanese font decisions, run once after loading with the document in place.
    using JapaneseFontHook = std::function<void(CBrushly2Doc& document)>;
    // Asks where to save a never-saved document; nothing when the user cancels.
    using SavePathChooser = std::function<std::optional<std::string>()>;
    using StatusCallback = std::function<void(const std::string& text)>;

    // defaultDataDirectory becomes "installdir" when that is empty at start-up.
    CBrushlyApplication(CSettingsStore& settings, CPrompter& prompter, LoadingRunner runLoading,
                        std::string defaultDataDirectory);
    ~CBrushlyApplication();
    CBrushlyApplication(const CBrushlyApplication&) = delete;
    CBrushlyApplication& operator=(const CBrushlyApplication&) = delete;

    // Called by Start after loading; the default makes no decision.
    void SetJapaneseFontHook(JapaneseFontHook hook) { m_chooseJapaneseFont = std::move(hook); }

    // Runs the start-up: fills an empty "installdir", writes "version", creates the
    // document, runs the loading step, writes "kdb" (the kanji database's title) and "kdb2"
    // (the compound library's identification), calls the font hook and then gives the
    // document its first contents: NewDocument, or documentPath when not empty. Returns 0,
    // or kStartFailedExitCode when the loading did not end with OK (the document is
    // released) or documentPath could not be opened.
    int Start(const std::string& documentPath);

    // Valid after a successful Start.
    CBrushly2Doc& Document() { return *m_document; }
    const CBrushly2Doc& Document() const { return *m_document; }
    bool HasDocument() const { return m_document != nullptr; }
    const CAbbreviationList& Abbreviations() const { return m_abbreviations; }
    CRecentFiles& RecentFiles() { return m_recentFiles; }
    const std::string& InstallDirectory() const { return m_installDirectory; }
    CPrompter& Prompter() { return m_prompter; }
    CSettingsStore& Settings() { return m_settings; }

    // "Untitled", or the document's file name.
    std::string DocumentTitle() const;
    // DocumentTitle followed by kTitleSuffix.
    std::string WindowTitle() const;
    // "Save changes to <DocumentTitle>?"
    std::string SaveChangesQuestion() const;

    // --- File commands; each returns whether it went through. ---
    // Nothing to do when the document is unmodified. Otherwise asks SaveChangesQuestion:
    // Yes saves (a never-saved document through choosePath), No discards, Cancel keeps
    // everything. False after Cancel or when the save did not happen, which stops the
    // command that asked.
    bool SaveModified(const SavePathChooser& choosePath);
    bool FileNew(const SavePathChooser& choosePath);
    // After SaveModified, opens path; an opened path heads the recent-file list.
    bool FileOpen(const std::string& path, const SavePathChooser& choosePath);
    // Saves to the document's path, or through choosePath when it has none.
    bool FileSave(const SavePathChooser& choosePath);
    bool FileSaveAs(const std::string& path);

    // One tick of the autosave timer: when "autosave" is on, saves a document that has a
    // path, showing its status text first. True when the document was written.
    bool AutosaveTick(const StatusCallback& showStatus);

    // After a failure nothing else handled (an exception out of an event handler): writes
    // the document, when there is one, to RecoveryPath (never over its own file) and shows
    // kFailureMessage with the description, followed by kRecoveredMessage and the path, or
    // kNotRecoveredMessage and the reason. The document itself is left as it was.
    void RecoverFromFailure(const std::string& description);
    // Beside the document, its file name without ".bly" followed by kRecoverySuffix
    // ("kanji.bly" -> "kanji.recovered.bly"); for an untitled document "Untitled" followed by
    // kRecoverySuffix in the install directory.
    std::string RecoveryPath() const;

    // View and Tools toggles: switch the document's mode over and write the setting at once.
    void ToggleVerticalMode();
    void ToggleRomajiMode();
    void ToggleAutosave();

private:
    bool LoadDatabases(CStartupDisplay& display);

    CSettingsStore& m_settings;
    CPrompter& m_prompter;
    LoadingRunner m_runLoading;
    std::string m_defaultDataDirectory;
    std::string m_installDirectory;
    JapaneseFontHook m_chooseJapaneseFont;
    CRecentFiles m_recentFiles;
    CAbbreviationList m_abbreviations;
    std::unique_ptr<CBrushly2Doc> m_document;
};

}  // namespace brushly
