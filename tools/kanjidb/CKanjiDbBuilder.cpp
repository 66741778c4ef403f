#include "kanjidb/CKanjiDbBuilder.h"
#include "archive/CArchiveException.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "archive/CDiskFile.h"
#include "kanjidb/CEdictDictionary.h"
#include "kanjidb/CKanjidic.h"
#include "kanjidb/KanaRecords.h"
#include "kanjidb/KanjiVgStrokes.h"
#include "kanjidb/ReadingGroups.h"
#include "kanjidb/StrokeClassifier.h"
#include "kanjidb/StrokeFidelity.h"
#include "platform/FileStatus.h"
#include "platform/ShiftJis.h"
#include "reference/StrokeType.h"

namespace brushly::kanjidb {

namespace {

constexpr int kJouyouTotal = 2136;
constexpr int kKanjiPerJlptLine = 20;
constexpr const char* kVersion = "1001";
constexpr std::size_t kWorstTypes = 5;  // far-stroke types the report names

bool IsJouyou(int grade) {
    return (grade >= 1 && grade <= 6) || grade == 8;
}

// KanjiVG's file for a character: its code point as five lower-case hex digits.
std::filesystem::path KanjiVgFile(const std::string& directory, const std::string& character) {
    const std::u16string unicode = sjis::ToUtf16(character);
    char name[16];
    std::snprintf(name, sizeof name, "%05x.svg", unicode.empty() ? 0u : unsigned{unicode[0]});
    return std::filesystem::path(directory) / name;
}

// The JLPT list: each level's line ("1" to "4"), then its kanji, a line at a time.
std::string JlptList(const std::map<int, std::vector<std::string>>& levels) {
    std::string list;
    for (const auto& [level, characters] : levels) {
        list += std::to_string(level) + "\r\n";
        for (std::size_t i = 0; i < characters.size(); i += kKanjiPerJlptLine) {
            for (std::size_t j = i; j < std::min(characters.size(), i + kKanjiPerJlptLine); ++j) {
                list += characters[j];
            }
            list += "\r\n";
        }
    }
    return list;
}

struct CBuildCounts {
    std::map<std::string, std::vector<std::string>> skipped;  // reason -> characters (UTF-8)
    int jouyou = 0;
    int jouyouStrokeCountAgrees = 0;
    int kunWithMarker = 0;
};

// The KanjiVG types with the most far strokes, most first and at most kWorstTypes of them:
// " (㇕va 11, ㇉ 8)"; empty when there is none.
std::string FarTypes(const CStrokeReport& strokes) {
    std::vector<std::pair<int, std::string>> types;
    for (const auto& [type, count] : strokes.farStrokesPerType)
        types.emplace_back(-count, type.empty() ? "untyped" : type);
    std::sort(types.begin(), types.end());
    std::string list;
    for (std::size_t i = 0; i < std::min<std::size_t>(types.size(), kWorstTypes); ++i) {
        list += (i == 0 ? " (" : ", ") + types[i].second + " " + std::to_string(-types[i].first);
    }
    return list.empty() ? list : list + ")";
}

std::string Report(const CKanjiLibrary& library, const CBuildCounts& counts,
                   const CStrokeReport& strokes, const CReadingReport& readings) {
    std::ostringstream report;
    report << "Kanji written: " << library.KanjiCount() << "\n  per group:";
    for (int group = 1; group <= CKanjiLibrary::kKanjiGroups; ++group) {
        report << (group % 12 == 1 ? "\n   " : "") << " " << group << ":"
               << library.GroupSize(group);
    }
    report << "\nJouyou kanji present: " << counts.jouyou << " of " << kJouyouTotal
           << "\nJouyou stroke counts agreeing with KANJIDIC2: " << counts.jouyouStrokeCountAgrees
           << " of " << counts.jouyou << "\nKana records: " << library.GroupSize(25)
           << " hiragana, " << library.GroupSize(26) << " katakana\nKanji skipped:";
    if (counts.skipped.empty()) report << " none";
    for (const auto& [reason, characters] : counts.skipped) {
        report << "\n  " << characters.size() << " " << reason << ":";
        for (std::size_t i = 0; i < std::min<std::size_t>(characters.size(), 20); ++i) {
            report << " " << characters[i];
        }
        if (characters.size() > 20) report << " ...";
    }
    report << "\nSegments per type code:";
    for (const auto& [type, count] : strokes.segmentsPerType) {
        report << "\n  " << type << " " << StrokeTypeName(type) << ": " << count;
    }
    report << "\nBoxes (code 8 ... 9): " << strokes.boxes << "\nStrokes farther than "
           << kFarFromPath << " px from their path: " << strokes.farStrokes << FarTypes(strokes)
           << "\nKun readings given a verb-class marker: " << readings.kunWithMarker
           << "\nReading groups per kanji:";
    for (const auto& [groups, kanji] : readings.groupsPerKanji) {
        report << "\n  " << groups << ": " << kanji;
    }
    report << "\n";
    return report.str();
}

}  // namespace

std::string DatabaseTitle(const std::string& kanjidicDate) {
    std::string date = "000000";
    // "2022-08-23" -> "220823"
    if (kanjidicDate.size() >= 10) {
        date = kanjidicDate.substr(2, 2) + kanjidicDate.substr(5, 2) + kanjidicDate.substr(8, 2);
    }
    return std::string("KANJI ") + kVersion + " " + date +
           " KanjiVG 2.0.2 (CC BY-SA 3.0), KANJIDIC2 and EDICT (EDRDG)";
}

CKanjiDb BuildKanjiDb(const CKanjiDbSources& sources, const KanjiProgress& progress) {
    const CKanjidic kanjidic = ReadKanjidic(sources.kanjidicPath);
    const CEdictDictionary edict = CEdictDictionary::Read(sources.edictPath);
    if (!IsFolder(sources.kanjivgDir)) {
        throw std::runtime_error("no KanjiVG folder at " + sources.kanjivgDir);
    }

    CKanjiDb database;
    database.library = std::make_unique<CKanjiLibrary>();
    CKanjiLibrary& library = *database.library;
    library.SetTitle(DatabaseTitle(kanjidic.dateOfCreation));

    CBuildCounts counts;
    CStrokeReport strokeReport;
    CReadingReport readingReport;
    std::map<int, std::vector<std::string>> jlptLevels;
    const int total = static_cast<int>(kanjidic.entries.size());
    int done = 0;
    for (const CKanjidicEntry& entry : kanjidic.entries) {
        if (progress && done > 0) progress(done, total);
        ++done;
        const std::filesystem::path svg = KanjiVgFile(sources.kanjivgDir, entry.character);
        const std::string utf8 = sjis::ToUtf8(entry.character);
        if (!PathExists(svg.string())) {
            counts.skipped["without KanjiVG strokes"].push_back(utf8);
            continue;
        }
        const auto vgStrokes = ReadKanjiVgFile(svg.string());
        if (!vgStrokes || vgStrokes->empty()) {
            counts.skipped["with an unreadable KanjiVG file"].push_back(utf8);
            continue;
        }
        auto record = std::make_unique<CKanjiData>();
        record->character = entry.character;
        ApplyReferences(entry, *record);
        record->strokes = ClassifyStrokes(*vgStrokes, strokeReport);
        record->readings = BuildReadingGroups(entry, edict, readingReport);

        const int strokeCount = static_cast<int>(vgStrokes->size());
        if (IsJouyou(record->grade)) {
            ++counts.jouyou;
            if (strokeCount == entry.strokeCount) ++counts.jouyouStrokeCountAgrees;
        }
        if (entry.jlpt >= 1 && entry.jlpt <= 4) jlptLevels[entry.jlpt].push_back(entry.character);
        library.AddKanji(std::min(strokeCount, CKanjiLibrary::kKanjiGroups), std::move(record));
    }

    if (progress) progress(done, total);

    std::vector<std::unique_ptr<CHiraganaData>> hiragana;
    std::vector<std::unique_ptr<CKatakanaData>> katakana;
    BuildKanaRecords(sources.kanjivgDir, hiragana, katakana);
    for (auto& record : hiragana)
        library.AddHiragana(std::move(record));
    for (auto& record : katakana)
        library.AddKatakana(std::move(record));

    database.jlptList = JlptList(jlptLevels);
    database.report = Report(library, counts, strokeReport, readingReport);
    return database;
}

void WriteKanjiDb(CKanjiDb& database, const std::string& directory) {
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) throw CFileException(directory, "create", error.value());
    const std::filesystem::path folder(directory);
    {
        CDiskFile file((folder / "MasterDB.kdb").string(), CDiskFile::Mode::Create);
        CArchive archive(file, CArchive::Mode::Store);
        database.library->Serialize(archive);
        archive.Close();
        file.Commit();
    }
    CDiskFile list((folder / "blyjlptsjis.txt").string(), CDiskFile::Mode::Create);
    list.Write(database.jlptList.data(), database.jlptList.size());
    list.Commit();
}

}  // namespace brushly::kanjidb
