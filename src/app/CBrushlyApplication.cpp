#include "app/CBrushlyApplication.h"

#include <filesystem>

#include "app/AppSettings.h"
#include "archive/CArchiveException.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/DictionaryStartup.h"
#include "document/CBrushly2Doc.h"
#include "platform/CPrompter.h"
#include "platform/CSettingsStore.h"
#include "platform/FileStatus.h"

namespace brushly {

namespace {
constexpr std::string_view kKanjiDatabaseFileName = "MasterDB.kdb";
constexpr std::string_view kJlptListFileName = "blyjlptsjis.txt";

// An on/off setting switched over; a value other than 1 counts as off.
int Flipped(int value) {
    return value == 1 ? 0 : 1;
}
}  // namespace

CBrushlyApplication::CBrushlyApplication(CSettingsStore& settings, CPrompter& prompter,
                                         LoadingRunner runLoading, std::string defaultDataDirectory)
    : m_settings(settings),
      m_prompter(prompter),
      m_runLoading(std::move(runLoading)),
      m_defaultDataDirectory(std::move(defaultDataDirectory)),
      m_recentFiles(settings) {}

CBrushlyApplication::~CBrushlyApplication() = default;

int CBrushlyApplication::Start(const std::string& documentPath) {
    m_installDirectory = settings::EnsureInstallDirectory(m_settings, m_defaultDataDirectory);
    m_settings.WriteString(settings::kVersion, settings::kVersionValue);
    m_document = std::make_unique<CBrushly2Doc>(m_settings, m_prompter);

    const bool loaded =
        m_runLoading([this](CStartupDisplay& display) { return LoadDatabases(display); });
    if (!loaded || !m_document->DatabasesLoaded()) {
        m_document.reset();
        return kStartFailedExitCode;
    }
    m_settings.WriteString(settings::kKanjiDatabase, m_document->KanjiLibrary()->Title());
    const CCompoundLibrary* compounds = m_document->CompoundLibrary();
    m_settings.WriteString(settings::kCompoundDatabase,
                           compounds ? compounds->Identification() : std::string());
    if (m_chooseJapaneseFont) m_chooseJapaneseFont(*m_document);

    if (documentPath.empty()) {
        m_document->NewDocument();
        return 0;
    }
    if (!m_document->Open(documentPath)) return kStartFailedExitCode;
    m_recentFiles.Add(documentPath);
    return 0;
}

bool CBrushlyApplication::LoadDatabases(CStartupDisplay& display) {
    display.SetStatus(kKanjiStatus);
    auto kanji = std::make_unique<CKanjiLibrary>();
    const auto countKanji = [&display](int kanjiRead) { display.SetKanjiCount(kanjiRead); };
    if (!kanji->Load(DataFilePath(m_installDirectory, kKanjiDatabaseFileName), m_prompter,
                     countKanji)) {
        return false;
    }
    const std::string jlptList = DataFilePath(m_installDirectory, kJlptListFileName);
    if (PathMayBeRead(jlptList)) kanji->LoadJlptList(jlptList, m_prompter);

    auto compounds = std::make_unique<CCompoundLibrary>();
    auto kanaWords = std::make_unique<CCompoundLibrary>();
    const CDictionaryIndicators indicators = LoadDictionaries(
        {*compounds, *kanaWords, *kanji, m_abbreviations, m_prompter, display, m_installDirectory});
    m_document->SetKanjiLibrary(std::move(kanji));
    m_document->SetWordLibraries(indicators.compounds ? std::move(compounds) : nullptr,
                                 indicators.kanaWords ? std::move(kanaWords) : nullptr);
    return true;
}

std::string CBrushlyApplication::DocumentTitle() const {
    if (!m_document || m_document->Path().empty()) return kUntitled;
    return std::filesystem::path(m_document->Path()).filename().string();
}

std::string CBrushlyApplication::WindowTitle() const {
    return DocumentTitle() + kTitleSuffix;
}

std::string CBrushlyApplication::SaveChangesQuestion() const {
    return "Save changes to " + DocumentTitle() + "?";
}

bool CBrushlyApplication::SaveModified(const SavePathChooser& choosePath) {
    if (!m_document->IsModified()) return true;
    switch (m_prompter.AskYesNoCancel(SaveChangesQuestion())) {
        case CPrompter::Answer::Yes:
            return FileSave(choosePath);
        case CPrompter::Answer::No:
            return true;
        case CPrompter::Answer::Cancel:
            return false;
    }
    return false;
}

bool CBrushlyApplication::FileNew(const SavePathChooser& choosePath) {
    if (!SaveModified(choosePath)) return false;
    m_document->NewDocument();
    return true;
}

bool CBrushlyApplication::FileOpen(const std::string& path, const SavePathChooser& choosePath) {
    if (!SaveModified(choosePath)) return false;
    if (!m_document->Open(path)) return false;
    m_recentFiles.Add(path);
    return true;
}

bool CBrushlyApplication::FileSave(const SavePathChooser& choosePath) {
    if (!m_document->Path().empty()) return m_document->Save();
    const std::optional<std::string> path = choosePath();
    return path && FileSaveAs(*path);
}

bool CBrushlyApplication::FileSaveAs(const std::string& path) {
    if (!m_document->SaveAs(path)) return false;
    m_recentFiles.Add(path);
    return true;
}

bool CBrushlyApplication::AutosaveTick(const StatusCallback& showStatus) {
    return m_document->AutosaveOn() && m_document->Autosave(showStatus);
}

std::string CBrushlyApplication::RecoveryPath() const {
    if (m_document->Path().empty())
        return DataFilePath(m_installDirectory, std::string(kUntitled) + kRecoverySuffix);
    std::filesystem::path path(m_document->Path());
    path.replace_extension();
    path += kRecoverySuffix;
    return path.string();
}

void CBrushlyApplication::RecoverFromFailure(const std::string& description) {
    std::string message = kFailureMessage;
    message += description;
    if (m_document) {
        const std::string path = RecoveryPath();
        try {
            m_document->WriteCopy(path);
            message += kRecoveredMessage;
            message += path;
            message += '.';
        } catch (...) {
            message += kNotRecoveredMessage;
            message += DescribeFailure(std::current_exception());
        }
    }
    m_prompter.Error(message);
}

void CBrushlyApplication::ToggleVerticalMode() {
    const int mode = Flipped(m_document->VerticalMode());
    m_settings.WriteInt(settings::kVerticalMode, mode);
    m_document->SetVerticalMode(mode);
}

void CBrushlyApplication::ToggleRomajiMode() {
    const int mode = Flipped(m_document->RomajiMode());
    m_settings.WriteInt(settings::kRomajiMode, mode);
    m_document->SetRomajiMode(mode);
}

void CBrushlyApplication::ToggleAutosave() {
    const int value = m_document->AutosaveOn() ? 0 : 1;
    m_settings.WriteInt(settings::kAutosave, value);
    m_document->SetAutosave(value);
}

}  // namespace brushly
