#include "kanjidb/CKanjidic.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <pugixml.hpp>
#include <stdexcept>

#include "platform/ShiftJis.h"

namespace brushly::kanjidb {

namespace {

// The dic_ref type of each reference book of the record.
struct CReferenceField {
    std::string_view type;
    std::int32_t CKanjiData::*field;
};

constexpr std::array kReferenceFields{
    CReferenceField{"sh_kk", &CKanjiData::hadamitzkySpahn},
    CReferenceField{"halpern_kkld", &CKanjiData::halpernKld},
    CReferenceField{"halpern_njecd", &CKanjiData::halpernNjecd},
    CReferenceField{"heisig", &CKanjiData::heisig},
    CReferenceField{"henshall", &CKanjiData::henshall},
    CReferenceField{"kodansha_compact", &CKanjiData::kodansha},
    CReferenceField{"nelson_c", &CKanjiData::nelsonOriginal},
    CReferenceField{"nelson_n", &CKanjiData::nelsonNew},
    CReferenceField{"oneill_kk", &CKanjiData::oNeill},
    CReferenceField{"sakade", &CKanjiData::sakade},
};

constexpr int kOtherJouyouGrade = 8;

// The whole text as a decimal integer; none for anything else ("2.13", "").
std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool IsOneDoubleByteCharacter(std::string_view sjisText) {
    return sjisText.size() == 2 && sjis::IsLeadByte(static_cast<unsigned char>(sjisText[0]));
}

// The converter writes "?" for what code page 932 lacks; kana never contain it otherwise.
bool IsFullyConverted(std::string_view sjisText) {
    return !sjisText.empty() && sjisText.find('?') == std::string_view::npos;
}

// Shift-JIS of a code point given in hexadecimal ("53F1"); "?" when there is none.
std::string SjisOfCodePoint(std::string_view hex) {
    std::uint32_t codePoint = 0;
    const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), codePoint, 16);
    if (error != std::errc() || end != hex.data() + hex.size()) return "?";
    std::string utf32;
    for (int shift = 0; shift < 32; shift += 8)
        utf32 += static_cast<char>(codePoint >> shift & 0xFF);
    return sjis::CCodeConverter("UTF-32LE", "CP932", "?").Convert(utf32);
}

// Shift-JIS of a JIS X 0208 position "plane-row-cell" ("1-43-43"); empty when it is none.
std::string SjisOfJisPosition(std::string_view kuten) {
    int numbers[3] = {};
    for (int& number : numbers) {
        const std::size_t end = std::min(kuten.find('-'), kuten.size());
        number = Number(kuten.substr(0, end)).value_or(0);
        kuten.remove_prefix(std::min(end + 1, kuten.size()));
    }
    const auto [plane, row, cell] = numbers;
    if (plane != 1 || row < 1 || row > 94 || cell < 1 || cell > 94) return {};
    // EUC-JP writes the position as two bytes offset by 0xA0.
    const char eucJp[] = {static_cast<char>(row + 0xA0), static_cast<char>(cell + 0xA0)};
    return sjis::FromEucJp(std::string_view(eucJp, 2));
}

// The first variant of the character that code page 932 can write; empty when none.
std::string WritableVariant(pugi::xml_node misc) {
    for (const pugi::xml_node variant : misc.children("variant")) {
        const std::string_view type = variant.attribute("var_type").value();
        std::string character;
        if (type == "ucs") character = SjisOfCodePoint(variant.child_value());
        if (type == "jis208") character = SjisOfJisPosition(variant.child_value());
        if (IsOneDoubleByteCharacter(character)) return character;
    }
    return {};
}

// The grade and JLPT level of a character that code page 932 cannot write, passed on to the
// variant that it can.
struct CLevels {
    int grade = 0;
    int jlpt = 0;
};

std::optional<CKanjidicEntry> ParseCharacter(pugi::xml_node node, sjis::CCodeConverter& toSjis) {
    CKanjidicEntry entry;
    entry.character = toSjis.Convert(node.child_value("literal"));
    if (!IsOneDoubleByteCharacter(entry.character)) return std::nullopt;

    const pugi::xml_node misc = node.child("misc");
    entry.strokeCount = Number(misc.child_value("stroke_count")).value_or(0);
    entry.grade = Number(misc.child_value("grade")).value_or(0);
    entry.frequency = Number(misc.child_value("freq")).value_or(0);
    entry.jlpt = Number(misc.child_value("jlpt")).value_or(0);

    for (const pugi::xml_node reference : node.child("dic_number").children("dic_ref")) {
        if (const auto value = Number(reference.child_value())) {
            entry.references.try_emplace(reference.attribute("dr_type").value(), *value);
        }
    }

    for (const pugi::xml_node group : node.child("reading_meaning").children("rmgroup")) {
        for (const pugi::xml_node reading : group.children("reading")) {
            const std::string_view type = reading.attribute("r_type").value();
            auto* readings = type == "ja_on"    ? &entry.onReadings
                             : type == "ja_kun" ? &entry.kunReadings
                                                : nullptr;
            if (!readings) continue;
            std::string kana = toSjis.Convert(reading.child_value());
            if (IsFullyConverted(kana)) readings->push_back(std::move(kana));
        }
        for (const pugi::xml_node meaning : group.children("meaning")) {
            // Without m_lang a meaning is English.
            const std::string_view language = meaning.attribute("m_lang").value();
            const std::string_view text = meaning.child_value();
            if ((language.empty() || language == "en") && !text.empty() && IsAscii(text)) {
                entry.meanings.emplace_back(text);
            }
        }
    }
    return entry;
}

// Runs "gzip -dc -- path" and collects its output.
// The decompressed contents of a gzip file.
std::string Gunzip(const std::string& path) {
    const gzFile file = gzopen(path.c_str(), "rb");
    if (!file) throw std::runtime_error("cannot open " + path);
    std::string text;
    char buffer[1 << 16];
    int count = 0;
    while ((count = gzread(file, buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(count));
    }
    int error = Z_OK;
    const std::string message = count < 0 ? gzerror(file, &error) : "";
    gzclose(file);
    if (count < 0) throw std::runtime_error("cannot decompress " + path + ": " + message);
    return text;
}

}  // namespace

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string ReadDataFile(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    if (!stream) throw std::runtime_error("cannot open " + path);
    std::string bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    if (stream.bad()) throw std::runtime_error("cannot read " + path);
    const bool gzip = bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1F &&
                      static_cast<unsigned char>(bytes[1]) == 0x8B;
    return gzip ? Gunzip(path) : bytes;
}

CKanjidic ParseKanjidic(std::string_view xml) {
    pugi::xml_document document;
    const pugi::xml_parse_result result =
        document.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!result) {
        throw std::runtime_error("malformed XML at byte " + std::to_string(result.offset) + ": " +
                                 result.description());
    }
    const pugi::xml_node root = document.child("kanjidic2");
    if (!root) throw std::runtime_error("no <kanjidic2> element");

    CKanjidic kanjidic;
    kanjidic.dateOfCreation = root.child("header").child_value("date_of_creation");
    sjis::CCodeConverter toSjis("UTF-8", "CP932", "?");
    std::map<std::string, CLevels> variantLevels;
    for (const pugi::xml_node character : root.children("character")) {
        if (auto entry = ParseCharacter(character, toSjis)) {
            kanjidic.entries.push_back(std::move(*entry));
            continue;
        }
        const pugi::xml_node misc = character.child("misc");
        const CLevels levels{Number(misc.child_value("grade")).value_or(0),
                             Number(misc.child_value("jlpt")).value_or(0)};
        if (levels.grade == 0 && levels.jlpt == 0) continue;
        const std::string variant = WritableVariant(misc);
        if (!variant.empty()) variantLevels.try_emplace(variant, levels);
    }
    for (CKanjidicEntry& entry : kanjidic.entries) {
        const auto found = variantLevels.find(entry.character);
        if (found == variantLevels.end()) continue;
        if (entry.grade == 0) entry.grade = found->second.grade;
        if (entry.jlpt == 0) entry.jlpt = found->second.jlpt;
    }
    return kanjidic;
}

CKanjidic ReadKanjidic(const std::string& path) {
    const std::string xml = ReadDataFile(path);
    try {
        return ParseKanjidic(xml);
    } catch (const std::runtime_error& error) {
        throw std::runtime_error("KANJIDIC2 file " + path + ": " + error.what());
    }
}

void ApplyReferences(const CKanjidicEntry& entry, CKanjiData& record) {
    const bool jouyou = (entry.grade >= 1 && entry.grade <= 6) || entry.grade == kOtherJouyouGrade;
    record.grade = jouyou ? entry.grade : 0;
    for (const CReferenceField& reference : kReferenceFields) {
        const auto found = entry.references.find(std::string(reference.type));
        record.*reference.field = found != entry.references.end() ? found->second : 0;
    }
    record.reservedValue = entry.frequency;
}

}  // namespace brushly::kanjidb
