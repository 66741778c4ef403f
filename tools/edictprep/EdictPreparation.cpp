#include "edictprep/EdictPreparation.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "platform/ShiftJis.h"

namespace brushly::edictprep {

namespace {

// Marks a character without a CP932 form: EDICT text never holds a NUL byte.
constexpr char kUnconvertible = '\0';
// The mark of a common word, read by the program on its own.
constexpr std::string_view kCommonMark = "P";

bool IsCodeStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool IsCodeChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-';
}

bool IsCode(std::string_view word) {
    return !word.empty() && IsCodeStart(word.front()) &&
           std::all_of(word.begin(), word.end(), IsCodeChar);
}

using CUseCounts = std::unordered_map<std::string, int>;

// The codes of one group "(a,b,c)", or none when any of its parts is not a code.
std::vector<std::string_view> GroupCodes(std::string_view group) {
    std::vector<std::string_view> codes;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = group.find(',', start);
        const std::size_t length = comma == std::string_view::npos ? comma : comma - start;
        const std::string_view part = group.substr(start, length);
        if (!IsCode(part)) return {};
        codes.push_back(part);
        if (comma == std::string_view::npos) return codes;
        start = comma + 1;
    }
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

// Counts the codes of the leading tag groups of one sense, and the plain words of the rest.
void CountSense(std::string_view sense, CUseCounts& tagUses, CUseCounts& wordUses) {
    sense = TrimBlanks(sense);
    while (!sense.empty() && sense.front() == '(') {
        const std::size_t close = sense.find(')');
        if (close == std::string_view::npos) break;
        for (const std::string_view code : GroupCodes(sense.substr(1, close - 1)))
            ++tagUses[std::string(code)];
        sense = TrimBlanks(sense.substr(close + 1));
    }
    std::size_t pos = 0;
    while (pos < sense.size()) {
        if (!IsCodeStart(sense[pos])) {
            pos += sjis::CharLength(sense, pos);
            continue;
        }
        std::size_t end = pos;
        while (end < sense.size() && IsCodeChar(sense[end]))
            ++end;
        ++wordUses[std::string(sense.substr(pos, end - pos))];
        pos = end;
    }
}

}  // namespace

CConvertedEdict ConvertEdictToShiftJis(std::string_view eucJp) {
    sjis::CCodeConverter converter("EUC-JP", "CP932", std::string(1, kUnconvertible));
    CConvertedEdict result;
    result.text.reserve(eucJp.size());
    std::size_t start = 0;
    while (start < eucJp.size()) {
        std::size_t end = eucJp.find('\n', start);
        if (end == std::string_view::npos) end = eucJp.size();
        const std::string line = converter.Convert(eucJp.substr(start, end - start));
        start = end + 1;
        if (line.find(kUnconvertible) != std::string::npos) {
            ++result.droppedLines;
            continue;
        }
        result.text += line;
        result.text += '\n';
        ++result.lines;
    }
    return result;
}

std::vector<std::string> CollectAbbreviations(std::string_view sjisText) {
    CUseCounts tagUses;
    CUseCounts wordUses;
    // The header line holds no entry.
    std::size_t start = sjisText.find('\n');
    while (start != std::string_view::npos && start + 1 < sjisText.size()) {
        ++start;
        std::size_t end = sjisText.find('\n', start);
        if (end == std::string_view::npos) end = sjisText.size();
        const std::string_view line = sjisText.substr(start, end - start);
        start = end;
        const std::size_t gloss = line.find(" /");
        if (gloss == std::string_view::npos) continue;
        for (std::size_t at = gloss + 2; at < line.size();) {
            std::size_t next = line.find('/', at);
            if (next == std::string_view::npos) next = line.size();
            CountSense(line.substr(at, next - at), tagUses, wordUses);
            at = next + 1;
        }
    }
    std::vector<std::string> abbreviations;
    for (const auto& [code, uses] : tagUses) {
        const auto asWord = wordUses.find(code);
        const int plainUses = asWord == wordUses.end() ? 0 : asWord->second;
        if (code != kCommonMark && uses >= kMinimumTagUses && uses >= plainUses)
            abbreviations.push_back(code);
    }
    std::sort(abbreviations.begin(), abbreviations.end());
    return abbreviations;
}

}  // namespace brushly::edictprep
