#pragma once

#include <QRect>
#include <QWidget>
#include <functional>

#include "document/CBrushly2Doc.h"
#include "handwriting/JapaneseText.h"
#include "platform/CCanvas.h"
#include "platform/CPrompter.h"

class QPushButton;

namespace brushly {

// The kana table: one cell per kana of the shown script with its romaji, its right
// percentage, its counts and the colour band of the kana options' recognition levels
// (KanaTableCell). A left click on a cell asks whether to reset it and, on Yes, sets that
// kana's counts to 0.
//
// Above the table: the heading, the script button ("HIRAGANA" / "KATAKANA", switching the
// table to the other script), "Practice\nReading", "Practice\nWriting" and "Return to Main
// View", which call their handlers (the practice ones with the shown script).
//
// Grid, in cells of kCellWidth x kCellHeight pixels: the single kana in the order of the
// gojuu-on chart turned to read left to right, one column per consonant row (a k s t n h
// m y r w, then g z d b p) and one grid row per vowel (a i u e o); ya yu yo sit in rows a,
// u and o, and the w column holds wa (a), n (u) and wo (o). Below them, after a gap of
// kBlockGap, the combined kana in columns of three (kya kyu kyo, sha shu sho, ...) in table
// order. A script with fewer records than the table shows only the cells it has.
//
// The document, the prompter and the text style's kanji library must outlive the view.
class CKanaStatView final : public QWidget {
public:
    static constexpr const char* kHeading = "Recognition Statistics - (left click to reset)";
    static constexpr const char* kHiraganaText = "HIRAGANA";
    static constexpr const char* kKatakanaText = "KATAKANA";
    static constexpr const char* kReturnText = "Return to Main View";
    static constexpr const char* kPracticeReadingText = "Practice\nReading";
    static constexpr const char* kPracticeWritingText = "Practice\nWriting";

    static constexpr int kCellWidth = 57;
    static constexpr int kCellHeight = 71;
    static constexpr int kColumns = 15;
    // Pixel height of the kana, so that a combined kana (two characters) fits its cell.
    static constexpr int kKanaSize = 24;
    static constexpr int kTableLeft = 10;
    static constexpr int kTableTop = 90;
    static constexpr int kBlockGap = 15;
    static constexpr CColor kRedBand{255, 150, 150};
    static constexpr CColor kYellowBand{255, 255, 150};
    static constexpr CColor kGreenBand{150, 255, 150};

    CKanaStatView(CBrushly2Doc& document, const CJapaneseTextStyle& style, CPrompter& prompter,
                  QWidget* parent = nullptr);

    // CKanaQuiz::kHiragana or kKatakana; relabels the script button and redraws.
    void SetScript(int script);
    int Script() const { return m_script; }

    using Handler = std::function<void()>;
    using ScriptHandler = std::function<void(int script)>;
    void SetReturnHandler(Handler handler) { m_returnHandler = std::move(handler); }
    void SetPracticeReadingHandler(ScriptHandler handler) { m_readingHandler = std::move(handler); }
    void SetPracticeWritingHandler(ScriptHandler handler) { m_writingHandler = std::move(handler); }

    QPushButton& ScriptButton() { return *m_scriptButton; }
    // The cell of table position 0-103, in view pixels; empty when the shown script has no
    // record there.
    QRect CellRect(int position) const;
    // The table position of the cell at a point, -1 for none.
    int CellAt(QPoint point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const CKanaStatsArray& Stats() const;
    CKanaStatsArray& Stats();
    void AskReset(int position);
    void DrawCell(CCanvas& canvas, int position) const;

    CBrushly2Doc& m_document;
    CJapaneseTextStyle m_style;
    CPrompter& m_prompter;
    int m_script = 0;
    // The cell framed while its reset is asked; -1 for none.
    int m_highlighted = -1;
    Handler m_returnHandler;
    ScriptHandler m_readingHandler;
    ScriptHandler m_writingHandler;
    QPushButton* m_scriptButton;
};

}  // namespace brushly
