#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "app/AppSettings.h"
#include "app/CBrushlyApplication.h"
#include "app/CLoadingDialog.h"
#include "dictionary/CAbbreviationList.h"
#include "dictionary/CCompoundLibrary.h"
#include "dictionary/CEdictImporter.h"
#include "dictionary/DictionaryStartup.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"
#include "support/QtTestApplication.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

class StartupTest : public ::testing::Test {
protected:
    // Writes the small kanji database into the data directory, with the delivered compound
    // library when the data has been generated (without it the start reports the missing
    // library and goes on).
    void WriteDatabases() {
        auto library = testing::MakeSmallKanjiLibrary();
        m_data.Write("MasterDB.kdb", testing::KanjiLibraryBytes(*library));
        const std::filesystem::path demo =
            std::filesystem::path(BRUSHLY_DEFAULT_DATA_DIR) / "CompDBdemo.kdb2";
        if (std::filesystem::exists(demo)) {
            std::filesystem::copy_file(demo, m_data.Path() / "CompDBdemo.kdb2");
        }
    }

    std::unique_ptr<CBrushlyApplication> MakeApplication() {
        auto application = std::make_unique<CBrushlyApplication>(
            m_settings, m_prompter,
            [this](const CBrushlyApplication::LoadingWork& work) { return work(m_display); },
            m_data.Path().string());
        application->SetJapaneseFontHook([this](CBrushly2Doc&) { ++m_fontHookCalls; });
        return application;
    }

    testing::CTempDirectory m_data;
    CMemorySettingsStore m_settings;
    CScriptedPrompter m_prompter;
    CSilentStartupDisplay m_display;
    int m_fontHookCalls = 0;
};

TEST_F(StartupTest, LoadsTheDatabasesAndWritesTheSettings) {
    WriteDatabases();
    auto application = MakeApplication();

    EXPECT_EQ(application->Start(""), 0);

    EXPECT_EQ(m_settings.GetString("installdir", "?"), m_data.Path().string());
    EXPECT_EQ(m_settings.GetString("version", ""), "2.09.0010");
    EXPECT_EQ(m_settings.GetString("kdb", ""), "T");
    const CCompoundLibrary* compounds = application->Document().CompoundLibrary();
    EXPECT_EQ(m_settings.GetString("kdb2", "absent"),
              compounds ? compounds->Identification() : std::string());
    EXPECT_TRUE(application->Document().DatabasesLoaded());
    EXPECT_EQ(m_display.statuses.front(), "Loading Brushly Kanji Database");
    EXPECT_EQ(m_display.kanjiCount, 2);
    EXPECT_EQ(m_fontHookCalls, 1);
    EXPECT_EQ(application->Document().Cards().GroupNames().size(), 8u);
    EXPECT_FALSE(application->Document().IsModified());
    EXPECT_EQ(application->WindowTitle(), "Untitled - Brushly");
}

TEST_F(StartupTest, WithoutTheKanjiDatabaseEndsWithMinusOneAfterItsMessage) {
    auto application = MakeApplication();

    EXPECT_EQ(application->Start(""), CBrushlyApplication::kStartFailedExitCode);
    EXPECT_EQ(CBrushlyApplication::kStartFailedExitCode, -1);

    ASSERT_FALSE(m_prompter.Texts().empty());
    EXPECT_EQ(m_prompter.Texts().back(), CKanjiLibrary::kLoadFailureMessage);
    EXPECT_FALSE(application->HasDocument());
    EXPECT_EQ(m_fontHookCalls, 0);
    EXPECT_EQ(m_settings.GetString("kdb", "absent"), "absent");
    EXPECT_EQ(m_settings.GetString("version", ""), "2.09.0010");
}

TEST_F(StartupTest, AStoredInstallDirectoryIsNeverChanged) {
    WriteDatabases();
    m_settings.WriteString("installdir", "/no/such/brushly/directory");
    auto application = MakeApplication();

    EXPECT_EQ(application->Start(""), -1);
    EXPECT_EQ(m_settings.GetString("installdir", ""), "/no/such/brushly/directory");
}

TEST_F(StartupTest, OpensTheDocumentNamedOnTheCommandLine) {
    WriteDatabases();
    const std::string path = m_data.File("words.bly");
    {
        auto first = MakeApplication();
        ASSERT_EQ(first->Start(""), 0);
        ASSERT_TRUE(first->FileSaveAs(path));
    }
    auto application = MakeApplication();

    EXPECT_EQ(application->Start(path), 0);
    EXPECT_EQ(application->Document().Path(), path);
    EXPECT_EQ(application->WindowTitle(), "words.bly - Brushly");
    EXPECT_EQ(application->RecentFiles().Paths().front(), path);
}

TEST_F(StartupTest, AutosaveOfANeverSavedDocumentWritesNothing) {
    WriteDatabases();
    auto application = MakeApplication();
    ASSERT_EQ(application->Start(""), 0);
    application->Document().SetModified(true);
    bool statusShown = false;

    EXPECT_FALSE(application->AutosaveTick([&](const std::string&) { statusShown = true; }));
    EXPECT_FALSE(statusShown);
    EXPECT_TRUE(application->Document().IsModified());
}

TEST_F(StartupTest, AutosaveSavesASavedDocumentOnlyWhileSwitchedOn) {
    WriteDatabases();
    auto application = MakeApplication();
    ASSERT_EQ(application->Start(""), 0);
    ASSERT_TRUE(application->FileSaveAs(m_data.File("auto.bly")));
    application->Document().SetModified(true);
    std::string status;

    EXPECT_TRUE(application->AutosaveTick([&](const std::string& text) { status = text; }));
    EXPECT_EQ(status, "Brushly is saving auto.bly.");
    EXPECT_FALSE(application->Document().IsModified());

    application->ToggleAutosave();
    EXPECT_EQ(m_settings.GetInt("autosave", 1), 0);
    application->Document().SetModified(true);
    EXPECT_FALSE(application->AutosaveTick([](const std::string&) {}));
}

TEST_F(StartupTest, NewAsksToSaveAModifiedDocument) {
    WriteDatabases();
    auto application = MakeApplication();
    ASSERT_EQ(application->Start(""), 0);
    application->Document().SetModified(true);
    m_prompter.ScriptChoices({CPrompter::Answer::Yes});
    const auto cancelSaveAs = [] { return std::optional<std::string>(); };

    EXPECT_FALSE(application->FileNew(cancelSaveAs));
    EXPECT_EQ(m_prompter.Texts().back(), "Save changes to Untitled?");
    EXPECT_TRUE(application->Document().IsModified());

    m_prompter.ScriptChoices({CPrompter::Answer::Cancel});
    EXPECT_FALSE(application->FileNew(cancelSaveAs));
    EXPECT_TRUE(application->Document().IsModified());

    m_prompter.ScriptChoices({CPrompter::Answer::No});
    EXPECT_TRUE(application->FileNew(cancelSaveAs));
    EXPECT_FALSE(application->Document().IsModified());
}

TEST_F(StartupTest, ModeTogglesWriteTheirSettingsAtOnce) {
    WriteDatabases();
    auto application = MakeApplication();
    ASSERT_EQ(application->Start(""), 0);

    application->ToggleVerticalMode();
    application->ToggleRomajiMode();

    EXPECT_EQ(m_settings.GetInt("vertmode", -1), 1);
    EXPECT_EQ(m_settings.GetInt("romajimode", -1), 0);
    EXPECT_EQ(application->Document().VerticalMode(), 1);
    EXPECT_EQ(application->Document().RomajiMode(), 0);
}

TEST(LoadingDialogTest, EndsWithOkAfterTheWorkAndWithCancelWhenItFails) {
    testing::EnsureQtApplication();
    int kanjiShown = -1;
    EXPECT_TRUE(CLoadingDialog::Run([&](CStartupDisplay& display) {
        display.SetKanjiCount(6);
        kanjiShown = 6;
        return true;
    }));
    EXPECT_EQ(kanjiShown, 6);
    EXPECT_FALSE(CLoadingDialog::Run([](CStartupDisplay&) { return false; }));
}

TEST(LoadingDialogTest, ShowsItsCountersAndHidesTheEdictProgress) {
    testing::EnsureQtApplication();
    CLoadingDialog dialog([](CStartupDisplay&) { return true; });
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(),
              QStringLiteral("Brushly 2.0 - Loading Kanji and Compound Libraries"));
    const QStringList texts = [&dialog] {
        QStringList shown;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->isVisible()) shown << label->text();
        }
        return shown;
    }();
    for (const char* text : {"Kanji Loaded:", "Compounds Loaded:", "Kana Words Loaded:",
                             "Loading Brushly Kanji Database"}) {
        EXPECT_TRUE(texts.contains(QString::fromLatin1(text))) << text;
    }
    EXPECT_FALSE(texts.contains(QStringLiteral("New EDICT Load progress:")));
    EXPECT_FALSE(dialog.findChild<QProgressBar*>()->isVisible());
}

// The button sits beside the bar, hidden with it, enabled only while the work allows a stop;
// a click reaches the work at its next progress, and Escape during the work never ends the
// dialog.
TEST(LoadingDialogTest, CancelBesideTheEdictBarIsHeardOnlyWhileAllowed) {
    testing::EnsureQtApplication();
    std::vector<bool> visible, enabled, heard;
    CLoadingDialog* shown = nullptr;
    CLoadingDialog dialog([&](CStartupDisplay& display) {
        const auto* button = shown->findChild<QPushButton*>(QStringLiteral("cancelImportButton"));
        const auto look = [&] {
            visible.push_back(button->isVisible());
            enabled.push_back(button->isEnabled());
            heard.push_back(display.CancelRequested());
        };
        look();
        display.ShowEdictBar(true);
        shown->reject();  // Escape before the import allows a stop: nothing happens
        look();
        display.AllowCancel(true);
        QTimer::singleShot(0, button, &QPushButton::click);
        look();
        display.SetProgressValue(10);
        look();
        display.AllowCancel(false);
        display.ShowEdictBar(false);
        look();
        return true;
    });
    shown = &dialog;
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.findChild<QPushButton*>()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(visible, (std::vector<bool>{false, true, true, true, false}));
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, true, false, false}));
    EXPECT_EQ(heard, (std::vector<bool>{false, false, false, true, true}));
}

// The first start's import behind the real dialog, its Cancel pressed as soon as it is
// enabled: the start goes on with the delivered database and says why.
TEST(LoadingDialogTest, CancelledFirstImportGoesOnWithTheDemoDatabase) {
    testing::EnsureQtApplication();
    testing::CTempDirectory directory;
    std::string edict = sjis::FromUtf8("　？？？ /EDICT, Version 05/001 Japanese-English/\n");
    while (edict.size() < 5 * CEdictImporter::kBlockSize)
        edict += sjis::FromUtf8("すし /(n) sushi/\n");
    directory.Write("edict_SJIS.txt", edict);
    CScriptedPrompter prompter;
    CCompoundLibrary demo;
    demo.SetIdentification("demo");
    ASSERT_TRUE(demo.Save(directory.File("CompDBdemo.kdb2"), prompter));
    prompter.ScriptAnswers({true});
    const auto kanji = testing::MakeSmallKanjiLibrary();
    CCompoundLibrary compounds, kanaWords;
    CAbbreviationList abbreviations;
    CDictionaryIndicators indicators;
    bool pressed = false;
    QTimer presser;
    ASSERT_TRUE(CLoadingDialog::Run([&](CStartupDisplay& display) {
        auto* dialog = dynamic_cast<CLoadingDialog*>(&display);
        auto* button = dialog->findChild<QPushButton*>(QStringLiteral("cancelImportButton"));
        QObject::connect(&presser, &QTimer::timeout, [&pressed, button] {
            if (!pressed && button->isEnabled()) {
                button->click();
                pressed = true;
            }
        });
        presser.start(0);
        indicators = LoadDictionaries({compounds, kanaWords, *kanji, abbreviations, prompter,
                                       display, directory.Path().string()});
        presser.stop();
        return true;
    }));
    EXPECT_TRUE(pressed);
    EXPECT_EQ(prompter.Texts(),
              (std::vector<std::string>{CEdictImporter::kImportQuestion, kImportCancelledMessage}));
    EXPECT_TRUE(indicators.compounds && compounds.Identification() == "demo");
    // Nothing of the import reached the folder: it holds the EDICT file and the demo alone.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.Path()),
                            std::filesystem::directory_iterator()),
              2);
}

TEST(RecentFilesTest, KeepsFourPathsMostRecentFirstInTheStore) {
    CMemorySettingsStore settings;
    CRecentFiles recent(settings);
    for (const char* path : {"/a.bly", "/b.bly", "/c.bly", "/d.bly", "/e.bly", "/c.bly"}) {
        recent.Add(path);
    }

    const std::vector<std::string> expected{"/c.bly", "/e.bly", "/d.bly", "/b.bly"};
    EXPECT_EQ(recent.Paths(), expected);
    EXPECT_EQ(CRecentFiles(settings).Paths(), expected);
}

}  // namespace
}  // namespace brushly
