#include "CToolCommand.h"

#include <gtest/gtest.h>

#include <sstream>

namespace brushly::tool {
namespace {

constexpr COptionSpec kEchoOptions[] = {{"--upper", false}, {"--repeat", true}};

int RunEcho(const CCommandLine& line, std::ostream& out, std::ostream&) {
    const std::string& text = line.OnePositional("TEXT");
    const int repeat = std::stoi(line.Value("--repeat").value_or("1"));
    for (int i = 0; i < repeat; ++i)
        out << (line.Has("--upper") ? "LOUD " : "") << text << '\n';
    return 0;
}

const CToolCommand kEcho{"echo", "print a text", "Usage: brushly-tool echo TEXT\n", kEchoOptions,
                         &RunEcho};

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result RunEchoTool(std::vector<std::string> arguments) {
    std::ostringstream out, err;
    const int status = RunTool(std::span(&kEcho, 1), arguments, out, err);
    return {status, out.str(), err.str()};
}

TEST(ToolCommand, RunsACommandWithItsOptions) {
    EXPECT_EQ(RunEchoTool({"echo", "hi"}).out, "hi\n");
    EXPECT_EQ(RunEchoTool({"echo", "--repeat", "2", "--upper", "hi"}).out, "LOUD hi\nLOUD hi\n");
    EXPECT_EQ(RunEchoTool({"echo", "--", "--upper"}).out, "--upper\n");
}

TEST(ToolCommand, PrintsHelpAndRejectsBadInput) {
    EXPECT_EQ(RunEchoTool({"echo", "--help"}).out, "Usage: brushly-tool echo TEXT\n");
    EXPECT_NE(RunEchoTool({"--help"}).out.find("echo"), std::string::npos);

    const Result none = RunEchoTool({});
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("Usage: brushly-tool COMMAND"), std::string::npos);

    const Result unknown = RunEchoTool({"draw"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown command 'draw'"), std::string::npos);

    const Result option = RunEchoTool({"echo", "--loud", "x"});
    EXPECT_EQ(option.status, 2);
    EXPECT_NE(option.err.find("unknown option --loud"), std::string::npos);
    EXPECT_NE(option.err.find("Usage: brushly-tool echo TEXT"), std::string::npos);

    EXPECT_NE(RunEchoTool({"echo", "x", "--repeat"}).err.find("option --repeat needs a value"),
              std::string::npos);
    EXPECT_NE(RunEchoTool({"echo"}).err.find("missing TEXT"), std::string::npos);
    EXPECT_NE(RunEchoTool({"echo", "a", "b"}).err.find("exactly one TEXT expected"),
              std::string::npos);

    // A failure inside the command is reported with status 1.
    const Result failed = RunEchoTool({"echo", "--repeat", "many", "x"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("brushly-tool echo: "), std::string::npos);
}

}  // namespace
}  // namespace brushly::tool
