#include "CToolCommand.h"

#include <algorithm>
#include <charconv>
#include <ostream>

namespace brushly::tool {

CCommandLine::CCommandLine(const std::vector<std::string>& arguments,
                           std::span<const COptionSpec> options) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            m_positionals.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help") {
            m_help = true;
            continue;
        }
        const auto spec = std::find_if(options.begin(), options.end(),
                                       [&](const COptionSpec& o) { return o.name == argument; });
        if (spec == options.end()) throw CUsageError("unknown option " + argument);
        if (!spec->takesValue) {
            m_values[argument] = "";
            continue;
        }
        if (i + 1 >= arguments.size()) throw CUsageError("option " + argument + " needs a value");
        m_values[argument] = arguments[++i];
        m_given.emplace_back(argument, arguments[i]);
    }
}

std::vector<std::string> CCommandLine::Values(std::string_view option) const {
    std::vector<std::string> values;
    for (const auto& [name, value] : m_given) {
        if (name == option) values.push_back(value);
    }
    return values;
}

std::optional<std::string> CCommandLine::Value(std::string_view option) const {
    const auto found = m_values.find(std::string(option));
    if (found == m_values.end()) return std::nullopt;
    return found->second;
}

std::string CCommandLine::Required(std::string_view option) const {
    const auto value = Value(option);
    if (!value || value->empty()) throw CUsageError("missing " + std::string(option));
    return *value;
}

int CCommandLine::Number(std::string_view option, int fallback, int low, int high) const {
    const auto text = Value(option);
    if (!text) return fallback;
    int value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error == std::errc() && end == text->data() + text->size() && value >= low &&
        value <= high) {
        return value;
    }
    throw CUsageError(std::string(option) + " must be a whole number from " + std::to_string(low) +
                      " to " + std::to_string(high) + ", not '" + *text + "'");
}

void CCommandLine::NoPositionals() const {
    if (!m_positionals.empty()) {
        throw CUsageError("unexpected argument '" + m_positionals.front() + "'");
    }
}

const std::string& CCommandLine::OnePositional(std::string_view what) const {
    if (m_positionals.size() != 1) {
        throw CUsageError(std::string(m_positionals.empty() ? "missing " : "exactly one ") +
                          std::string(what) + (m_positionals.empty() ? "" : " expected"));
    }
    return m_positionals.front();
}

namespace {
void PrintOverview(std::span<const CToolCommand> commands, std::ostream& out) {
    out << "Usage: brushly-tool COMMAND [ARGUMENTS...]\n"
           "       brushly-tool COMMAND --help\n\nCommands:\n";
    for (const CToolCommand& command : commands) {
        out << "  " << command.name
            << std::string(command.name.size() < 18 ? 18 - command.name.size() : 1, ' ')
            << command.summary << '\n';
    }
    out << "\nThe data folder the commands read (unless --data DIR names another):\n"
           "$BRUSHLY_DATA_DIR when set, else share/brushly of an installed tool (beside its\n"
           "bin folder), else the data/ folder that the build generated.\n";
}
}  // namespace

bool PageExists(std::string_view command, int page, int pageCount, std::ostream& err) {
    if (page <= pageCount) return true;
    err << "brushly-tool " << command << ": there is no page " << page << ": the matches fill "
        << pageCount << (pageCount == 1 ? " page\n" : " pages\n");
    return false;
}

int RunTool(std::span<const CToolCommand> commands, const std::vector<std::string>& arguments,
            std::ostream& out, std::ostream& err) {
    if (arguments.empty()) {
        PrintOverview(commands, err);
        return 2;
    }
    if (arguments.front() == "--help" || arguments.front() == "-h" || arguments.front() == "help") {
        PrintOverview(commands, out);
        return 0;
    }
    const auto command = std::find_if(commands.begin(), commands.end(), [&](const CToolCommand& c) {
        return c.name == arguments.front();
    });
    if (command == commands.end()) {
        err << "brushly-tool: unknown command '" << arguments.front()
            << "'; 'brushly-tool --help' lists the commands\n";
        return 2;
    }
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    try {
        const CCommandLine line(rest, command->options);
        if (line.WantsHelp()) {
            out << command->usage;
            return 0;
        }
        return command->run(line, out, err);
    } catch (const CUsageError& error) {
        err << "brushly-tool " << command->name << ": " << error.what() << "\n\n" << command->usage;
        return 2;
    } catch (const std::exception& error) {
        err << "brushly-tool " << command->name << ": " << error.what() << '\n';
        return 1;
    }
}

}  // namespace brushly::tool
