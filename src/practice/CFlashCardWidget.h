#pragma once

#include <QRect>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "handwriting/JapaneseText.h"
#include "platform/CCanvas.h"
#include "practice/CFlashSlotFiller.h"
#include "practice/FlashCardData.h"
#include "practice/FlashSlotFont.h"

namespace brushly {

// What the card area shows; texts are Shift-JIS or ASCII.
struct CFlashCardContent {
    std::string question;
    FlashSlots slots;
    // The slots are shown (Multiple Choice) and hold meanings rather than readings.
    bool showSlots = false;
    bool meanings = false;
    // The card data of a flipped card, stacked below the question (beside it in Vertical
    // Mode).
    std::vector<FlashDataPanel> panels;
    // Vertical Mode: the question top to bottom, the slots in a column beside it.
    bool vertical = false;
};

// The card area of the Flash View: the question, large and centred, the four
// multiple-choice slots (green when right, red when wrong, all at the size of the slot font
// rule) and the card-data panels, with the verb table in columns and its formal rows in the
// formal colour; while a long deck is shuffled, the "Loading/Shuffling Flashcards..." box
// (240 x 100, centred) instead. It only draws what it is given and reports clicks.
//
// Sizes are pixels. The style's kanji library must outlive the widget.
class CFlashCardWidget final : public QWidget {
public:
    static constexpr int kMargin = 20;
    static constexpr int kQuestionTop = 10;
    static constexpr int kLargestQuestion = 100;
    static constexpr int kSmallestQuestion = 24;
    static constexpr int kSlotPadding = 8;
    static constexpr int kSlotGap = 15;
    static constexpr int kSlotsBelowQuestion = 30;
    static constexpr int kPanelsBelow = 25;
    static constexpr int kTextSize = 16;
    static constexpr int kLineHeight = 22;
    static constexpr int kValueColumn = 200;
    static constexpr int kVerbLabelWidth = 150;
    static constexpr int kShufflingWidth = 240;
    static constexpr int kShufflingHeight = 100;
    static constexpr CColor kRightColor{0, 192, 0};
    static constexpr CColor kWrongColor{255, 0, 0};
    static constexpr CColor kHeadingColor{0, 0, 160};
    static constexpr CColor kFormalColor{160, 0, 0};
    static constexpr const char* kDefaultLatinFace = "Arial";

    explicit CFlashCardWidget(const CJapaneseTextStyle& style, QWidget* parent = nullptr);

    void SetContent(CFlashCardContent content);
    const CFlashCardContent& Content() const { return m_content; }
    void SetShuffling(bool shown);
    bool Shuffling() const { return m_shuffling; }
    // Whether strokes drawn for Japanese text have smoothed edges; on at first.
    void SetSmoothStrokes(bool on) { m_smoothStrokes = on; }
    // The face of Latin text (romaji, meanings, panel headings); kDefaultLatinFace until set.
    void SetLatinFace(std::string face);

    // slot 1 to 4 clicked, and a click anywhere else.
    using SlotHandler = std::function<void(int slot)>;
    using CardHandler = std::function<void()>;
    void SetClickHandlers(SlotHandler slot, CardHandler card);

    // The layout of the current content and size.
    const FlashSlotFont& SlotFont() const { return m_slotFont; }
    QRect QuestionRect() const { return m_questionRect; }
    // Slot 1 to 4; empty while the slots are not shown.
    QRect SlotRect(int slot) const;
    // The slot (1 to 4) at a point, 0 for none.
    int SlotAt(QPoint point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Layout();
    int JapaneseWidth(std::string_view text, int size) const;
    int LatinWidth(std::string_view text, int size) const;
    int SlotTextWidth(std::string_view text, int size) const;
    const std::string& SlotText(const FlashSlot& slot) const;

    void DrawText(CCanvas& canvas, std::string_view text, int size, QPoint origin,
                  CColor color) const;
    void DrawQuestion(CCanvas& canvas) const;
    void DrawSlots(CCanvas& canvas) const;
    void DrawSlot(CCanvas& canvas, const FlashSlot& slot, int number) const;
    // Draws the panels from the layout's origin, flowing into further columns.
    void DrawPanels(CCanvas& canvas) const;
    // The pixels a panel takes from top to the next panel's top.
    int PanelHeight(const FlashDataPanel& panel) const;
    // text, cut with ".." to at most width pixels in the panels' text size.
    std::string Fitted(const std::string& text, int width) const;
    // A panel at origin whose text lines are cut to width pixels.
    void DrawPanel(CCanvas& canvas, const FlashDataPanel& panel, QPoint origin, int width) const;
    void DrawVerbTable(CCanvas& canvas, const FlashDataPanel& panel, QPoint origin) const;
    void DrawShuffling(CCanvas& canvas) const;

    CJapaneseTextStyle m_style;
    std::string m_latinFace = kDefaultLatinFace;
    CFlashCardContent m_content;
    bool m_shuffling = false;
    bool m_smoothStrokes = true;
    SlotHandler m_slotHandler;
    CardHandler m_cardHandler;

    int m_questionSize = kLargestQuestion;
    QRect m_questionRect;
    FlashSlotFont m_slotFont;
    std::array<QRect, 4> m_slotRects;
    QPoint m_panelsOrigin;
};

}  // namespace brushly
