#include <ostream>
#include <string>

#include "CJsonWriter.h"
#include "CStreamPrompter.h"
#include "Commands.h"
#include "ToolData.h"
#include "platform/ShiftJis.h"
#include "reference/StrokeType.h"

// brushly-tool kanji: one record of the kanji database, as text or as JSON.
namespace brushly::tool {

namespace {

constexpr COptionSpec kKanjiOptions[] = {kDataOption, {"--json", false}};

std::string SegmentLine(const CStrokeData& segment) {
    return "(" + std::to_string(segment.start.x) + "," + std::to_string(segment.start.y) + ")-(" +
           std::to_string(segment.end.x) + "," + std::to_string(segment.end.y) + ") type " +
           std::to_string(segment.type) + " " + std::string(StrokeTypeName(segment.type)) +
           (segment.newStroke ? " new stroke" : "");
}

void PrintText(const CKanjiRef& kanji, std::ostream& out) {
    const CKanjiData& record = *kanji.record;
    out << "Character: " << sjis::ToUtf8(record.character) << "\n"
        << "Group: " << kanji.group << "  Index: " << kanji.index << "\n";
    for (int key = 0; key < kReferenceKeyCount; ++key) {
        out << ReferenceKeyLabel(key) << ": " << record.KeyValue(key) << "\n";
    }
    for (std::size_t i = 0; i < record.readings.size(); ++i) {
        const CKanjiReading& reading = *record.readings[i];
        out << "Reading group " << i + 1 << ": " << sjis::ToUtf8(reading.DisplayText(0)) << "\n";
        for (std::size_t kun = 0; kun < reading.kunReadings.size(); ++kun) {
            const int verbClass = reading.VerbClass(kun);
            out << "  Kun " << sjis::ToUtf8(reading.kunReadings[kun]) << ": verb class "
                << verbClass << " (" << CKanjiReading::VerbClassName(verbClass) << ")\n";
        }
    }
    out << "Strokes: " << record.strokes.StrokeCount() << " in " << record.strokes.segments.size()
        << " segments\n";
    for (const auto& segment : record.strokes.segments)
        out << "  " << SegmentLine(*segment) << "\n";
}

void WriteStrings(CJsonWriter& json, std::string_view key, const std::vector<std::string>& texts) {
    json.Key(key).BeginArray();
    for (const std::string& text : texts)
        json.String(sjis::ToUtf8(text));
    json.EndArray();
}

void PrintJson(const CKanjiRef& kanji, std::ostream& out) {
    const CKanjiData& record = *kanji.record;
    CJsonWriter json(out);
    json.BeginObject();
    json.Key("character").String(sjis::ToUtf8(record.character));
    json.Key("group").Number(kanji.group);
    json.Key("index").Number(kanji.index);
    for (int key = 0; key < kReferenceKeyCount; ++key) {
        json.Key(ReferenceKeyName(key)).Number(record.KeyValue(key));
    }
    json.Key("reservedValue").Number(record.reservedValue);
    json.Key("readings").BeginArray();
    for (const auto& reading : record.readings) {
        json.BeginObject();
        json.Key("display").String(sjis::ToUtf8(reading->DisplayText(0)));
        WriteStrings(json, "on", reading->onReadings);
        json.Key("kun").BeginArray();
        for (std::size_t kun = 0; kun < reading->kunReadings.size(); ++kun) {
            const int verbClass = reading->VerbClass(kun);
            json.BeginObject();
            json.Key("reading").String(sjis::ToUtf8(reading->kunReadings[kun]));
            json.Key("verbClass").Number(verbClass);
            json.Key("verbClassName").String(CKanjiReading::VerbClassName(verbClass));
            json.EndObject();
        }
        json.EndArray();
        WriteStrings(json, "meanings", reading->meanings);
        json.EndObject();
    }
    json.EndArray();
    json.Key("strokeCount").Number(record.strokes.StrokeCount());
    json.Key("segments").BeginArray();
    for (const auto& segment : record.strokes.segments) {
        json.BeginObject();
        json.Key("start").BeginArray().Number(segment->start.x).Number(segment->start.y).EndArray();
        json.Key("end").BeginArray().Number(segment->end.x).Number(segment->end.y).EndArray();
        json.Key("type").Number(segment->type);
        json.Key("typeName").String(StrokeTypeName(segment->type));
        json.Key("newStroke").Bool(segment->newStroke != 0);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    out << '\n';
}

int RunKanji(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    const std::string& character = line.OnePositional("CHAR");
    CStreamPrompter prompter(err);
    const auto library = LoadKanjiLibrary(DataDirectory(line), prompter);
    if (!library) return 1;
    const CKanjiRef kanji = FindKanji(*library, character, "kanji", err);
    if (!kanji) return 1;
    if (line.Has("--json")) {
        PrintJson(kanji, out);
    } else {
        PrintText(kanji, out);
    }
    return 0;
}

}  // namespace

constexpr CToolCommand kKanjiCommand{
    "kanji", "print a kanji's database record",
    "Usage: brushly-tool kanji CHAR [--data DIR] [--json]\n"
    "\n"
    "Prints the kanji database record of CHAR: group (stroke count) and index, grade, JLPT\n"
    "level, the ten reference-book numbers, every reading group with the verb class of each\n"
    "Kun reading, and the stroke segments (start, end, type, whether a stroke begins).\n"
    "\n"
    "Options:\n"
    "  --data DIR   folder with MasterDB.kdb and blyjlptsjis.txt (default: the data\n"
    "               folder)\n"
    "  --json       print the record as one JSON object\n",
    kKanjiOptions, &RunKanji};

}  // namespace brushly::tool
