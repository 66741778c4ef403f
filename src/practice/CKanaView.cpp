#include "practice/CKanaView.h"

#include <memory>

namespace brushly {

CKanaView::CKanaView(CBrushly2Doc& document, const CJapaneseTextStyle& style, QWidget* parent)
    : CReadingView(
          document, style,
          [&](brushly::CFlashQuizHost& host) {
              return std::make_unique<CKanaQuiz>(document, host);
          },
          "Edit the options for the Kana Flash View", parent) {}

// The base holds the quiz this view's factory made; the host is named from outside
// because the base keeps it private.
const CKanaQuiz& CKanaView::Quiz() const {
    return static_cast<const CKanaQuiz&>(ReadingQuiz());
}

CKanaQuiz& CKanaView::KanaQuiz() {
    return static_cast<CKanaQuiz&>(MutableQuiz());
}

bool CKanaView::Open(int script) {
    bool started = false;
    Run([&] { started = KanaQuiz().Start(script); });
    return started;
}

void CKanaView::OptionsChanged(const CKanaFlashOptions& before) {
    RunModeCommand(before.quizMode, [&] { KanaQuiz().OptionsChanged(before); });
}

}  // namespace brushly
