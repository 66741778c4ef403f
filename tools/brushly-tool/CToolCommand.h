#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace brushly::tool {

// A command-line mistake: the message is printed with the command's usage, exit status 2.
class CUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One option a command accepts: "--name" alone, or "--name VALUE".
struct COptionSpec {
    std::string_view name;
    bool takesValue;
};

// The arguments of one command, parsed against its option list. Throws CUsageError for an
// unknown option or an option whose value is missing.
class CCommandLine {
public:
    CCommandLine(const std::vector<std::string>& arguments, std::span<const COptionSpec> options);

    bool Has(std::string_view option) const { return m_values.count(std::string(option)) > 0; }
    std::optional<std::string> Value(std::string_view option) const;
    // Every value an option was given, in order (Value gives the last).
    std::vector<std::string> Values(std::string_view option) const;
    const std::vector<std::string>& Positionals() const { return m_positionals; }
    bool WantsHelp() const { return m_help; }

    // The option's value; CUsageError when it is missing or empty.
    std::string Required(std::string_view option) const;
    // The option's value as a whole number from low to high, fallback without the option;
    // CUsageError for any other text.
    int Number(std::string_view option, int fallback, int low, int high) const;
    // CUsageError naming the first positional argument, if there is one.
    void NoPositionals() const;
    // The single positional argument; CUsageError naming `what` when there is not exactly one.
    const std::string& OnePositional(std::string_view what) const;

private:
    std::map<std::string, std::string> m_values;
    std::vector<std::pair<std::string, std::string>> m_given;  // every option, in order
    std::vector<std::string> m_positionals;
    bool m_help = false;
};

// A subcommand of brushly-tool. run returns the exit status: 0 success, 1 a failure of the
// task (message on err), 2 a usage error.
struct CToolCommand {
    std::string_view name;
    std::string_view summary;
    std::string_view usage;  // full --help text
    std::span<const COptionSpec> options;
    int (*run)(const CCommandLine& line, std::ostream& out, std::ostream& err);
};

// Whether page is one of the pageCount pages a search's matches fill; when it is past the
// last, err gets "brushly-tool COMMAND: there is no page N: the matches fill M pages".
bool PageExists(std::string_view command, int page, int pageCount, std::ostream& err);

// Runs the command named by arguments[0] with the rest; prints help for --help.
int RunTool(std::span<const CToolCommand> commands, const std::vector<std::string>& arguments,
            std::ostream& out, std::ostream& err);

}  // namespace brushly::tool
