#include "reference/ReferenceFrame.h"

#include "platform/ShiftJis.h"
#include "reference/CKanjiLibrary.h"

namespace brushly {

namespace {

bool InFrame(CPoint point, int maxX) {
    return point.x >= kMinReferenceCoordinate && point.x <= maxX &&
           point.y >= kMinReferenceCoordinate && point.y <= kMaxReferenceCoordinate;
}

void CheckKanji(const CKanjiData& kanji) {
    int stroke = 0;
    for (std::size_t i = 0; i < kanji.strokes.Size(); ++i) {
        const CStrokeData& segment = kanji.strokes[i];
        if (segment.newStroke != 0 || stroke == 0) ++stroke;
        for (const CPoint point : {segment.start, segment.end}) {
            if (!InFrame(point, kMaxReferenceCoordinate)) {
                throw CReferenceRangeError(
                    CoordinateRangeMessage("kanji " + sjis::ToUtf8(kanji.character), stroke, point,
                                           kMaxReferenceCoordinate));
            }
        }
    }
}

template <class T>
void CheckKana(std::span<const std::unique_ptr<T>> group, std::string_view script) {
    constexpr int kMaxX = kMaxReferenceCoordinate + kKanaPrimaryOnlyX;
    for (const auto& kana : group) {
        for (std::size_t stroke = 0; stroke < kana->strokes.size(); ++stroke) {
            for (const CKanaPoint& kanaPoint : kana->strokes[stroke].points) {
                const CPoint point{kanaPoint.x, kanaPoint.y};
                if (InFrame(point, kMaxX)) continue;
                throw CReferenceRangeError(
                    CoordinateRangeMessage(std::string(script) + " " + sjis::ToUtf8(kana->kana) +
                                               " (" + kana->romaji + ")",
                                           static_cast<int>(stroke) + 1, point, kMaxX));
            }
        }
    }
}

}  // namespace

std::string CoordinateRangeMessage(std::string_view record, int stroke, CPoint point, int maxX) {
    const std::string low = std::to_string(kMinReferenceCoordinate);
    std::string message = "The Kanji Database is damaged: ";
    message += record;
    message += ", stroke " + std::to_string(stroke) + " has the point (" + std::to_string(point.x) +
               ", " + std::to_string(point.y) + ") outside the drawing frame (x " + low + " to " +
               std::to_string(maxX) + ", y " + low + " to " +
               std::to_string(kMaxReferenceCoordinate) + ").";
    return message;
}

void CheckReferenceCoordinates(const CKanjiLibrary& library) {
    for (int group = 1; group <= CKanjiLibrary::kKanjiGroups; ++group) {
        for (const auto& kanji : library.KanjiGroup(group))
            CheckKanji(*kanji);
    }
    CheckKana(library.Hiragana(), "hiragana");
    CheckKana(library.Katakana(), "katakana");
}

}  // namespace brushly
