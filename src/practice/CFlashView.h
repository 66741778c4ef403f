#pragma once

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "document/CBrushly2Doc.h"
#include "handwriting/JapaneseText.h"
#include "practice/CFlashQuiz.h"
#include "practice/CReadingView.h"

namespace brushly {

class CAbbreviationList;

// The Flash View: the reading drill over the cards of the selected Word Groups, a
// CReadingView over a CFlashQuiz (see there for the window, its mouse and keys).
//
// The document, abbreviation list and the text style's kanji library must outlive the
// view.
class CFlashView final : public CReadingView {
public:
    // `japaneseFont` is false when characters are drawn from the stroke data; it decides
    // which cards the deck may hold.
    CFlashView(CBrushly2Doc& document, const CAbbreviationList& abbreviations,
               const CJapaneseTextStyle& style, bool japaneseFont, QWidget* parent = nullptr);

    // Builds and shuffles the deck of the Word Groups and presents its first card; false
    // (nothing presented) when the deck is empty.
    bool Open(const std::vector<std::string>& groupNames);
    // After the options page's OK, with the Flash options and "commonly used words" setting
    // as they were before it opened.
    void OptionsChanged(const CFlashOptions& before, std::int32_t commonWordsBefore);

    const CFlashQuiz& Quiz() const;

private:
    CFlashQuiz& FlashQuiz();
};

}  // namespace brushly
