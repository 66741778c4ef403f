#include "practice/KanaTable.h"

#include "platform/FormatPercent.h"
#include "practice/QuizRun.h"

namespace brushly {

KanaCell KanaTableCell(const CKanaStats& stats, int lowerLevel, int upperLevel) {
    KanaCell cell;
    cell.kana = stats.kana;
    cell.romaji = stats.romaji;
    cell.percent = FormatPercent(stats.rightCount, stats.wrongCount, true) + " %";
    const int answers = stats.rightCount + stats.wrongCount;
    cell.counts = FormatText("(%d/%d)", stats.rightCount, answers);
    if (answers == 0) return cell;
    const int percent = stats.rightCount * 100 / answers;
    if (percent < lowerLevel)
        cell.band = kKanaBandRed;
    else if (percent < upperLevel)
        cell.band = kKanaBandYellow;
    else
        cell.band = kKanaBandGreen;
    return cell;
}

}  // namespace brushly
