#include "exchange/CWordGroupImporter.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "exchange/CImportRowReader.h"
#include "exchange/TextRecords.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

constexpr const char* kNoJapaneseColumn = "the header names no column for the Japanese text";
constexpr const char* kNoReadingColumn = "the header names neither the reading nor the meaning";

// What the "#" lines at the top of a file declare.
struct CFileHeaders {
    bool any = false;
    char delimiter = '\0';
    bool html = false;
    int tagsColumn = 0;  // 1-based, 0 when not given
    int deckColumn = 0;
    std::vector<int> otherColumns;  // guid and note type columns, 1-based
    bool hasColumns = false;
    std::string columns;
};

char DelimiterNamed(const std::string& value) {
    constexpr std::pair<std::string_view, char> kNames[] = {{"tab", '\t'},      {"comma", ','},
                                                            {"semicolon", ';'}, {"space", ' '},
                                                            {"pipe", '|'},      {"colon", ':'}};
    for (const auto& [name, delimiter] : kNames) {
        if (LowerField(value) == name) return delimiter;
    }
    return value.size() == 1 ? value.front() : '\0';
}

int ColumnNumber(const std::string& value) {
    int number = 0;
    for (const char c : value) {
        if (c < '0' || c > '9' || number > 1000) return 0;
        number = number * 10 + (c - '0');
    }
    return number;
}

// Reads the "#key:value" lines that open the text, advancing text and line past them.
CFileHeaders ReadHeaders(std::string_view& text, int& line) {
    CFileHeaders headers;
    while (!text.empty() && text.front() == '#') {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view header = text.substr(1, end - 1);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++line;
        headers.any = true;
        const std::size_t colon = header.find(':');
        if (colon == std::string_view::npos) continue;
        const std::string key = LowerField(TrimmedField(header.substr(0, colon)));
        const std::string value = TrimmedField(header.substr(colon + 1));
        if (key == "separator")
            headers.delimiter = DelimiterNamed(value);
        else if (key == "html")
            headers.html = LowerField(value) == "true";
        else if (key == "tags column")
            headers.tagsColumn = ColumnNumber(value);
        else if (key == "deck column")
            headers.deckColumn = ColumnNumber(value);
        else if (key == "guid column" || key == "notetype column")
            headers.otherColumns.push_back(ColumnNumber(value));
        else if (key == "columns") {
            headers.hasColumns = true;
            headers.columns = std::string(header.substr(colon + 1));
        }
    }
    return headers;
}

// A tab when the header line holds one, else a comma, else a semicolon (spreadsheets in
// countries that write a decimal comma), else a comma.
char GuessDelimiter(std::string_view headerLine) {
    for (const char delimiter : {'\t', ',', ';'}) {
        if (headerLine.find(delimiter) != std::string_view::npos) return delimiter;
    }
    return ',';
}

std::vector<std::string> Cells(std::string_view line, char delimiter) {
    std::vector<std::string> cells;
    for (std::size_t from = 0;;) {
        const std::size_t cut = line.find(delimiter, from);
        cells.emplace_back(TrimmedField(line.substr(from, cut - from)));
        if (cut == std::string_view::npos) break;
        from = cut + 1;
    }
    return cells;
}

// The column map a header line gives; groupIsTags set when the group comes from "tags".
CColumnMap MapHeader(const std::vector<std::string>& cells, bool& groupIsTags) {
    CColumnMap columns;
    columns.fill(-1);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto column = ColumnForHeader(cells[i]);
        if (!column) continue;
        int& index = columns[static_cast<std::size_t>(*column)];
        if (index >= 0) continue;
        index = static_cast<int>(i);
        if (*column == CardColumn::kGroup) {
            const std::string name = LowerField(cells[i]);
            groupIsTags = name == "tags" || name == "tag";
        }
    }
    return columns;
}

int At(const CColumnMap& columns, CardColumn column) {
    return columns[static_cast<std::size_t>(column)];
}

// Notes without a header line: the deck or tags column names the group, the first other
// column is the front and the next the back.
CColumnMap PositionalColumns(const CFileHeaders& headers, bool& groupIsTags) {
    CColumnMap columns;
    columns.fill(-1);
    const int groupColumn = headers.deckColumn > 0 ? headers.deckColumn : headers.tagsColumn;
    groupIsTags = headers.deckColumn == 0 && headers.tagsColumn > 0;
    if (groupColumn > 0) columns[static_cast<std::size_t>(CardColumn::kGroup)] = groupColumn - 1;
    std::vector<int> reserved = headers.otherColumns;
    reserved.push_back(headers.tagsColumn);
    reserved.push_back(headers.deckColumn);
    int next = 1;
    for (CardColumn column : {CardColumn::kJapanese, CardColumn::kMeaning}) {
        while (std::find(reserved.begin(), reserved.end(), next) != reserved.end())
            ++next;
        columns[static_cast<std::size_t>(column)] = next++ - 1;
    }
    return columns;
}

}  // namespace

CImportPlan CWordGroupImporter::Read(std::string_view bytes,
                                     const std::string& fallbackGroup) const {
    CImportPlan plan;
    const CDecodedText decoded = DecodeText(bytes);
    plan.encoding = decoded.encoding;
    std::string_view text = decoded.utf8;
    int line = 1;
    const CFileHeaders headers = ReadHeaders(text, line);
    const std::string_view firstLine = text.substr(0, text.find('\n'));
    const char delimiter =
        headers.delimiter != '\0' ? headers.delimiter : GuessDelimiter(firstLine);
    const bool table =
        !headers.any && delimiter == '\t' &&
        ColumnForHeader(firstLine.substr(0, firstLine.find('\t'))) == CardColumn::kKind;
    plan.layout = table               ? "Brushly table"
                  : headers.any       ? "spaced-repetition notes"
                  : delimiter == '\t' ? "tab-separated"
                  : delimiter == ';'  ? "semicolon-separated"
                                      : "comma-separated";
    std::vector<CTextRecord> records =
        ReadRecords(text, line, delimiter,
                    table ? FieldQuoting::kBackslash : FieldQuoting::kDoubleQuotes, plan.problems);

    bool groupIsTags = false;
    CColumnMap columns;
    int headerCells = 0;
    std::size_t firstData = 0;
    if (headers.hasColumns) {
        const std::vector<std::string> cells = Cells(headers.columns, delimiter);
        columns = MapHeader(cells, groupIsTags);
        headerCells = static_cast<int>(cells.size());
    } else if (!records.empty()) {
        columns = MapHeader(records.front().fields, groupIsTags);
        headerCells = static_cast<int>(records.front().fields.size());
        firstData = 1;
    }
    const bool named =
        At(columns, CardColumn::kJapanese) >= 0 &&
        (At(columns, CardColumn::kReading) >= 0 || At(columns, CardColumn::kMeaning) >= 0);
    if (!named && headers.any && !headers.hasColumns) {
        columns = PositionalColumns(headers, groupIsTags);
        headerCells = 0;
        firstData = 0;
    } else if (!named) {
        if (records.empty()) return plan;
        const int headerLine = headers.hasColumns ? 1 : records.front().line;
        plan.problems.insert(
            plan.problems.begin(),
            {headerLine,
             At(columns, CardColumn::kJapanese) < 0 ? kNoJapaneseColumn : kNoReadingColumn});
        return plan;
    }

    CImportRowReader reader(columns, headerCells, m_kanji, plan, fallbackGroup);
    reader.SplitBackField(headers.any);
    reader.FieldsAreHtml(headers.html);
    reader.GroupIsTags(groupIsTags);
    std::vector<CImportProblem> fileProblems = std::move(plan.problems);
    plan.problems.clear();
    for (std::size_t i = firstData; i < records.size(); ++i)
        reader.Read(records[i]);
    plan.problems.insert(plan.problems.end(), fileProblems.begin(), fileProblems.end());
    return plan;
}

bool CWordGroupImporter::ReadFile(const std::string& path, std::string& bytes, std::string& error) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        error = "Cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = path + " is not a file.";
        return false;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxFileBytes) {
        error = path + " is too large to be a Word Group file (more than " +
                std::to_string(kMaxFileBytes >> 20) + " MB).";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        error = "Cannot read " + path + ".";
        return false;
    }
    if (bytes.size() > kMaxFileBytes) {
        error = path + " is too large to be a Word Group file.";
        return false;
    }
    return true;
}

std::string CWordGroupImporter::GroupNameForPath(const std::string& path) {
    return sjis::FromUtf8(std::filesystem::path(path).stem().string());
}

}  // namespace brushly
