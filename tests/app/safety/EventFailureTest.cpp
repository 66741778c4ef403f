// An exception out of an event handler ends in a message and a recovery copy of the
// document, and the program goes on.
#include <gtest/gtest.h>

#include <QEvent>
#include <QWidget>
#include <stdexcept>

#include "app/CApplicationUnderTest.h"
#include "app/CBrushlyQtApplication.h"
#include "document/CBrushly2Doc.h"

namespace brushly {
namespace {

using testing::CTempDirectory;

// A widget whose handler of user events fails.
class CFailingWidget final : public QWidget {
protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw std::runtime_error("The handler failed.");
        return QWidget::event(event);
    }
};

CBrushlyQtApplication& QtApplication() {
    static int argc = 1;
    static char name[] = "app_exception_tests";
    static char* argv[] = {name, nullptr};
    static CBrushlyQtApplication* const application = new CBrushlyQtApplication(argc, argv);
    return *application;
}

TEST(EventFailureTest, AnExceptionFromAHandlerIsReportedAndTheDocumentRecovered) {
    CBrushlyQtApplication& qt = QtApplication();
    testing::CApplicationUnderTest underTest;
    CBrushlyApplication& application = underTest.m_application;
    CScriptedPrompter& prompter = underTest.m_prompter;
    const CTempDirectory& data = underTest.m_data;
    ASSERT_EQ(application.Start(""), 0);
    const std::string path = data.File("kanji.bly");
    ASSERT_TRUE(application.FileSaveAs(path));
    const std::string saved = CTempDirectory::Read(path);
    application.Document().Cards().AddGroup("Since the save");
    prompter.Clear();
    qt.SetFailureHandler([&application](const std::string& description) {
        application.RecoverFromFailure(description);
    });

    CFailingWidget widget;
    QEvent failing(QEvent::User);
    EXPECT_FALSE(QApplication::sendEvent(&widget, &failing));

    const std::string recovered = data.File("kanji.recovered.bly");
    EXPECT_EQ(prompter.Texts(),
              std::vector<std::string>{"Brushly met an unexpected error: The handler failed.\n"
                                       "Your Word Groups were saved to " +
                                       recovered + "."});
    EXPECT_EQ(CTempDirectory::Read(path), saved);
    CScriptedPrompter quiet;
    CBrushly2Doc copy(underTest.m_settings, quiet, 1u);
    ASSERT_TRUE(copy.Open(recovered));
    EXPECT_NE(copy.Cards().FindGroup("Since the save"), nullptr);

    // The program goes on: the next event is handled as usual.
    QEvent ordinary(QEvent::Hide);
    QApplication::sendEvent(&widget, &ordinary);
    EXPECT_EQ(prompter.Texts().size(), 1u);
    qt.SetFailureHandler({});
}

}  // namespace
}  // namespace brushly
