#include "practice/QuizRun.h"

namespace brushly {

std::string RunCaption(const std::string& prefix, std::size_t position, std::size_t total,
                       std::size_t missed) {
    const int shown = static_cast<int>(std::min(position + 1, total));
    return FormatText(kRunCaptionFormat, prefix.c_str(), shown, static_cast<int>(total),
                      static_cast<int>(missed));
}

RunEnd AskAtEndOfRun(CPrompter& prompter, const CRunTally& tally, bool noQuiz) {
    const int right = tally.total - tally.missed - tally.skipped;
    const char* reviewWords = tally.reviewing ? kRunSummaryReviewWords : "";
    const std::string summary =
        tally.skipped > 0
            ? FormatText(kRunSummarySkippedFormat, right, tally.total, reviewWords, tally.skipped)
            : FormatText(kRunSummaryFormat, right, tally.total, reviewWords);
    const std::string score =
        (tally.total == 0 ? std::string("--") : std::to_string(right * 100 / tally.total)) + "%";
    const std::string report =
        summary + "\n\n" + FormatText(kRunScoreFormat, score.c_str()) + "\n\n";
    // No Quiz mode asks its questions without the score.
    bool reportPending = !noQuiz;

    if (tally.missed > 0) {
        std::string question = FormatText(
            tally.missed == 1 ? kRunReviewOneQuestion : kRunReviewManyQuestion, tally.missed);
        if (reportPending) {
            question = report + question;
            reportPending = false;
        }
        if (prompter.AskYesNo(question)) return RunEnd::kReview;
    }
    if (prompter.AskYesNo((reportPending ? report : std::string()) + kRunReshuffleQuestion))
        return RunEnd::kRestart;
    return RunEnd::kReturn;
}

}  // namespace brushly
