#include "support/SmallKanjiDatabase.h"

#include "archive/CMemFile.h"

namespace brushly::testing {

std::unique_ptr<CStrokeData> Segment(int x1, int y1, int x2, int y2, int type, int newStroke) {
    auto segment = std::make_unique<CStrokeData>();
    segment->start = {x1, y1};
    segment->end = {x2, y2};
    segment->type = type;
    segment->newStroke = newStroke;
    return segment;
}

std::unique_ptr<CKanjiLibrary> MakeSmallKanjiLibrary() {
    auto library = std::make_unique<CKanjiLibrary>();
    library->SetTitle("T");

    auto one = std::make_unique<CKanjiData>();
    one->character = "\x88\xea";  // 一
    one->strokes.segments.push_back(Segment(10, 100, 190, 100, 1, 1));
    auto reading = std::make_unique<CKanjiReading>();
    reading->onReadings = {"ICHI"};
    reading->meanings = {"one"};
    one->readings.push_back(std::move(reading));
    one->heisig = 1;
    one->henshall = 1;
    one->grade = 1;
    one->hadamitzkySpahn = 2;
    one->reservedValue = 7;
    library->AddKanji(1, std::move(one));

    auto two = std::make_unique<CKanjiData>();
    two->character = "\x93\xf1";  // 二
    two->strokes.segments.push_back(Segment(40, 60, 160, 60, 1, 1));
    two->strokes.segments.push_back(Segment(10, 150, 190, 150, 1, 1));
    two->heisig = 2;
    two->grade = 1;
    library->AddKanji(2, std::move(two));

    auto ko = std::make_unique<CHiraganaData>();
    ko->romaji = "ko";
    ko->kana = "\x82\xb1";  // こ
    for (int stroke = 0; stroke < 2; ++stroke) {
        CObArray points;
        for (int point = 0; point < 2; ++point) {
            CKanaPoint kanaPoint;
            kanaPoint.x = 50 + 100 * point;
            kanaPoint.y = 60 + 80 * stroke;
            points.points.push_back(kanaPoint);
        }
        ko->strokes.push_back(std::move(points));
    }
    library->AddHiragana(std::move(ko));

    library->MutableTrailingStrokes().segments.push_back(Segment(1, 2, 3, 4, 5, 1));
    return library;
}

std::string KanjiLibraryBytes(CKanjiLibrary& library) {
    CMemFile file;
    CArchive archive(file, CArchive::Mode::Store);
    library.Serialize(archive);
    archive.Close();
    return file.Bytes();
}

std::unique_ptr<CKanjiReading> MakeReading(std::vector<std::string> on,
                                           std::vector<std::string> kun,
                                           std::vector<std::string> meanings) {
    auto reading = std::make_unique<CKanjiReading>();
    reading->onReadings = std::move(on);
    reading->kunReadings = std::move(kun);
    reading->meanings = std::move(meanings);
    return reading;
}

}  // namespace brushly::testing
