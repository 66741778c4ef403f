#include "practice/CFlashView.h"

#include <memory>

namespace brushly {

CFlashView::CFlashView(CBrushly2Doc& document, const CAbbreviationList& abbreviations,
                       const CJapaneseTextStyle& style, bool japaneseFont, QWidget* parent)
    : CReadingView(
          document, style,
          [&](brushly::CFlashQuizHost& host) {
              return std::make_unique<CFlashQuiz>(document, abbreviations, host, japaneseFont);
          },
          "Edit the options for the Flash View", parent) {}

// The base holds the quiz this view's factory made; the host is named from outside
// because the base keeps it private.
const CFlashQuiz& CFlashView::Quiz() const {
    return static_cast<const CFlashQuiz&>(ReadingQuiz());
}

CFlashQuiz& CFlashView::FlashQuiz() {
    return static_cast<CFlashQuiz&>(MutableQuiz());
}

bool CFlashView::Open(const std::vector<std::string>& groupNames) {
    bool started = false;
    Run([&] { started = FlashQuiz().Start(groupNames); });
    return started;
}

void CFlashView::OptionsChanged(const CFlashOptions& before, std::int32_t commonWordsBefore) {
    RunModeCommand(before.quizMode, [&] { FlashQuiz().OptionsChanged(before, commonWordsBefore); });
}

}  // namespace brushly
