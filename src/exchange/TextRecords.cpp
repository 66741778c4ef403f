#include "exchange/TextRecords.h"

#include "platform/ShiftJis.h"

namespace brushly {

namespace {

constexpr const char* kUnclosedQuote = "a quoted field is not closed before the end of the file";
constexpr const char* kReplacementUtf8 = "\xEF\xBF\xBD";

std::string Unescape(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        switch (field[i + 1]) {
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                out += '\\';
                continue;
        }
        ++i;
    }
    return out;
}

// Reads the records of unquoted lines, each line cut at the delimiter.
void ReadPlain(std::string_view text, int line, char delimiter, std::vector<CTextRecord>& records) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view lineText = text.substr(start, end - start);
        if (!lineText.empty() && lineText.back() == '\r') lineText.remove_suffix(1);
        if (!lineText.empty()) {
            CTextRecord record{line, {}};
            for (std::size_t from = 0;;) {
                const std::size_t cut = lineText.find(delimiter, from);
                record.fields.push_back(Unescape(lineText.substr(from, cut - from)));
                if (cut == std::string_view::npos) break;
                from = cut + 1;
            }
            records.push_back(std::move(record));
        }
        start = end + 1;
        ++line;
    }
}

// Reads records whose fields may be enclosed in double quotes.
void ReadQuoted(std::string_view text, int line, char delimiter, std::vector<CTextRecord>& records,
                std::vector<CImportProblem>& problems) {
    std::size_t i = 0;
    while (i < text.size()) {
        CTextRecord record{line, {}};
        bool lineEnded = false;
        while (!lineEnded) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                const int openedOn = line;
                for (++i;; ++i) {
                    if (i == text.size()) {
                        problems.push_back({openedOn, kUnclosedQuote});
                        return;
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == '\n') ++line;
                    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
                    field += text[i];
                }
            }
            // Unquoted text, or what follows a closing quote up to the delimiter.
            while (i < text.size() && text[i] != delimiter && text[i] != '\n')
                field += text[i++];
            if (!field.empty() && field.back() == '\r' && (i == text.size() || text[i] == '\n'))
                field.pop_back();
            record.fields.push_back(std::move(field));
            if (i < text.size() && text[i] == delimiter) {
                ++i;
            } else {
                lineEnded = true;
                if (i < text.size()) ++i;
            }
        }
        const bool empty = record.fields.size() == 1 && record.fields.front().empty();
        if (!empty) records.push_back(std::move(record));
        ++line;
    }
}

}  // namespace

std::vector<CTextRecord> ReadRecords(std::string_view text, int firstLine, char delimiter,
                                     FieldQuoting quoting, std::vector<CImportProblem>& problems) {
    std::vector<CTextRecord> records;
    if (quoting == FieldQuoting::kBackslash)
        ReadPlain(text, firstLine, delimiter, records);
    else
        ReadQuoted(text, firstLine, delimiter, records, problems);
    return records;
}

std::string LowerField(std::string_view field) {
    std::string lower(field);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

std::string TrimmedField(std::string_view field) {
    const std::size_t first = field.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return std::string(field.substr(first, field.find_last_not_of(" \t\r\n") - first + 1));
}

std::string EscapeTableField(std::string_view field) {
    std::string out;
    out.reserve(field.size() + 2);
    for (const char c : field) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string QuoteField(std::string_view field, char delimiter) {
    const bool plain =
        field.find_first_of(std::string{delimiter, '\n', '\r', '"'}) == std::string_view::npos &&
        (field.empty() || (field.front() != ' ' && field.back() != ' '));
    if (plain) return std::string(field);
    std::string out = "\"";
    for (const char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (byte < 0x80) {
            ++i;
            continue;
        }
        if ((byte & 0xE0) == 0xC0) {
            length = 2;
            code = byte & 0x1F;
        } else if ((byte & 0xF0) == 0xE0) {
            length = 3;
            code = byte & 0x0F;
        } else if ((byte & 0xF8) == 0xF0) {
            length = 4;
            code = byte & 0x07;
        } else {
            return false;
        }
        if (i + length > bytes.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

CDecodedText DecodeText(std::string_view bytes) {
    const auto startsWith = [&](std::string_view mark) {
        return bytes.substr(0, mark.size()) == mark;
    };
    if (startsWith("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    else if (startsWith("\xFF\xFE") || startsWith("\xFE\xFF")) {
        const char* from = bytes[0] == '\xFF' ? "UTF-16LE" : "UTF-16BE";
        bytes.remove_prefix(2);
        sjis::CCodeConverter converter(from, "UTF-8", kReplacementUtf8);
        return {converter.Convert(bytes), "UTF-16"};
    } else if (!IsValidUtf8(bytes)) {
        return {sjis::ToUtf8(bytes), "Shift-JIS"};
    }
    return {std::string(bytes), "UTF-8"};
}

}  // namespace brushly
