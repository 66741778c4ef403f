#pragma once

#include <QWidget>

#include "document/CBrushly2Doc.h"
#include "handwriting/JapaneseText.h"
#include "practice/CKanaQuiz.h"
#include "practice/CReadingView.h"

namespace brushly {

// The Kana View: the hiragana or katakana reading drill, a CReadingView over a CKanaQuiz
// (see there for the window, its mouse and keys; the question is the kana, the slots hold
// romaji).
//
// The document and the text style's kanji library must outlive the view.
class CKanaView final : public CReadingView {
public:
    CKanaView(CBrushly2Doc& document, const CJapaneseTextStyle& style, QWidget* parent = nullptr);

    // Drills the kana of `script` (CKanaQuiz::kHiragana or kKatakana) in the Include set of
    // the kana options and presents the first; false (nothing presented) when the set is
    // empty.
    bool Open(int script);
    // After the Kana Flash View page's OK, with the kana options as they were before it
    // opened.
    void OptionsChanged(const CKanaFlashOptions& before);

    const CKanaQuiz& Quiz() const;

private:
    CKanaQuiz& KanaQuiz();
};

}  // namespace brushly
