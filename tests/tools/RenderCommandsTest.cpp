#include <gtest/gtest.h>

#include <QImage>
#include <sstream>

#include "Commands.h"
#include "support/CTempDirectory.h"
#include "support/QtTestApplication.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly::tool {
namespace {

class RenderCommands : public ::testing::Test {
protected:
    void SetUp() override {
        testing::EnsureQtApplication();
        auto library = testing::MakeSmallKanjiLibrary();
        m_directory.Write("MasterDB.kdb", testing::KanjiLibraryBytes(*library));
    }

    int Run(const CToolCommand& command, std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), std::string(command.name));
        arguments.insert(arguments.end(), {"--data", m_directory.Path().string()});
        std::ostringstream out, err;
        const int status = RunTool(std::span(&command, 1), arguments, out, err);
        m_out = out.str();
        m_err = err.str();
        return status;
    }

    // Number of pixels darker than mid-grey.
    static int DarkPixels(const QImage& image) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        }
        return dark;
    }

    testing::CTempDirectory m_directory;
    std::string m_out, m_err;
};

TEST_F(RenderCommands, RenderDrawsTheCharacterInBothStyles) {
    const std::string brush = m_directory.File("one.png");
    ASSERT_EQ(Run(kRenderCommand, {"一", "--out", brush, "--size", "100"}), 0) << m_err;
    const QImage image(QString::fromStdString(brush));
    ASSERT_EQ(image.size(), QSize(100, 100));
    // The horizontal bar of 一 lies across the middle (y 100 of 168 in the stroke frame).
    EXPECT_GT(DarkPixels(image.copy(0, 50, 100, 20)), 100);
    EXPECT_EQ(DarkPixels(image.copy(0, 0, 100, 40)), 0);

    const std::string simple = m_directory.File("one-simple.png");
    ASSERT_EQ(Run(kRenderCommand, {"一", "--out", simple, "--style", "simple"}), 0) << m_err;
    EXPECT_GT(DarkPixels(QImage(QString::fromStdString(simple))), 200);
}

TEST_F(RenderCommands, SheetDrawsTenPerRowWithTheFontBeside) {
    const std::string sheet = m_directory.File("sheet.png");
    ASSERT_EQ(Run(kSheetCommand, {"--first", "5", "--out", sheet, "--size", "40"}), 0) << m_err;
    EXPECT_EQ(m_out, "Drew 2 kanji into " + sheet + "\n");  // the small database has two
    const QImage image(QString::fromStdString(sheet));
    EXPECT_EQ(image.width(), 10 * (2 * 40 + 3 * 8));
    EXPECT_EQ(image.height(), 40 + 2 * 8);
    EXPECT_GT(DarkPixels(image), 50);
}

TEST_F(RenderCommands, BadInputFailsClearly) {
    const std::string out = m_directory.File("x.png");
    EXPECT_EQ(Run(kRenderCommand, {"一", "--out", out, "--style", "pencil"}), 2);
    EXPECT_NE(m_err.find("--style must be brush or simple, not 'pencil'"), std::string::npos);
    EXPECT_EQ(Run(kRenderCommand, {"一", "--out", out, "--size", "0"}), 2);
    EXPECT_NE(m_err.find("--size must be a whole number from 8 to 4000, not '0'"),
              std::string::npos);
    EXPECT_EQ(Run(kRenderCommand, {"一"}), 2);
    EXPECT_NE(m_err.find("missing --out FILE.png"), std::string::npos);
    EXPECT_EQ(Run(kRenderCommand, {"食", "--out", out}), 1);
    EXPECT_NE(m_err.find("'食' is not a kanji of the database"), std::string::npos);
    EXPECT_EQ(Run(kRenderCommand, {"一", "--out", m_directory.File("no/such/dir/x.png")}), 1);
    EXPECT_NE(m_err.find("cannot write"), std::string::npos);
    EXPECT_EQ(Run(kSheetCommand, {"--first", "many", "--out", out}), 2);
}

}  // namespace
}  // namespace brushly::tool
