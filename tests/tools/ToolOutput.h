#pragma once

#include <ostream>
#include <span>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "CToolCommand.h"

// Running brushly-tool commands in the tests without a process.
namespace brushly::testing {

// What one run printed on standard output and standard error, and its exit status.
struct CToolOutput {
    int status = 0;
    std::string out;
    std::string err;

    friend bool operator==(const CToolOutput&, const CToolOutput&) = default;
    // GoogleTest's form in failure messages: the texts as written, not as bytes.
    friend void PrintTo(const CToolOutput& output, std::ostream* stream) {
        *stream << "status " << output.status << ", out \"" << output.out << "\", err \""
                << output.err << '"';
    }
};

// A run that printed out, with nothing on standard error.
inline CToolOutput Printed(std::string out) {
    return {0, std::move(out), ""};
}

// What a refused command line gives: the message and the command's usage on standard
// error, exit status 2.
inline CToolOutput UsageFailure(const tool::CToolCommand& command, const std::string& message) {
    return {2, "",
            "brushly-tool " + std::string(command.name) + ": " + message + "\n\n" +
                std::string(command.usage)};
}

// Runs arguments (the command's name first) against commands, as brushly-tool's main does.
inline CToolOutput RunCommand(std::span<const tool::CToolCommand> commands,
                              const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const int status = tool::RunTool(commands, arguments, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace brushly::testing
