#include "practice/CFlashCardWidget.h"

#include <QFont>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/CQtCanvas.h"
#include "platform/ShiftJis.h"
#include "practice/CFlashQuiz.h"

namespace brushly {

namespace {

constexpr CColor kBlack{0, 0, 0};
constexpr CColor kWhite{255, 255, 255};
constexpr int kSlotNumberSize = 11;
constexpr int kPanelGap = 8;
// Width given to a panel without a table when panels flow into a further column.
constexpr int kPanelWidth = 380;

bool IsAscii(std::string_view text) {
    return std::none_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

CRect ToCRect(const QRect& rect) {
    return CRect{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

// A rectangle filled with `fill` inside a 1-pixel black frame.
void FramedBox(CCanvas& canvas, const QRect& rect, CColor fill) {
    canvas.FillRect(ToCRect(rect), kBlack);
    canvas.FillRect(ToCRect(rect.adjusted(1, 1, -1, -1)), fill);
}

}  // namespace

CFlashCardWidget::CFlashCardWidget(const CJapaneseTextStyle& style, QWidget* parent)
    : QWidget(parent), m_style(style) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CFlashCardWidget::SetContent(CFlashCardContent content) {
    m_content = std::move(content);
    Layout();
    update();
}

void CFlashCardWidget::SetShuffling(bool shown) {
    m_shuffling = shown;
    update();
}

void CFlashCardWidget::SetLatinFace(std::string face) {
    m_latinFace = std::move(face);
    Layout();
    update();
}

void CFlashCardWidget::SetClickHandlers(SlotHandler slot, CardHandler card) {
    m_slotHandler = std::move(slot);
    m_cardHandler = std::move(card);
}

QRect CFlashCardWidget::SlotRect(int slot) const {
    if (!m_content.showSlots || slot < 1 || slot > 4) return {};
    return m_slotRects[static_cast<std::size_t>(slot - 1)];
}

int CFlashCardWidget::SlotAt(QPoint point) const {
    for (int slot = 1; slot <= 4; ++slot)
        if (SlotRect(slot).contains(point)) return slot;
    return 0;
}

int CFlashCardWidget::JapaneseWidth(std::string_view text, int size) const {
    // The built-in renderer gives every byte half a square, as DrawJapaneseText lays it out.
    if (m_style.mode == CJapaneseFontMode::kBuiltIn)
        return static_cast<int>(text.size()) * size / 2;
    QFont font(QString::fromStdString(m_style.face));
    font.setPixelSize(size);
    return QFontMetrics(font).horizontalAdvance(QString::fromStdString(sjis::ToUtf8(text)));
}

int CFlashCardWidget::LatinWidth(std::string_view text, int size) const {
    // As the canvas sets up a CFont, so that the measure matches the drawing.
    QFont font(QString::fromStdString(m_latinFace));
    font.setPixelSize(size);
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return QFontMetrics(font).horizontalAdvance(QString::fromLatin1(text.data(), text.size()));
}

int CFlashCardWidget::SlotTextWidth(std::string_view text, int size) const {
    return IsAscii(text) ? LatinWidth(text, size) : JapaneseWidth(text, size);
}

const std::string& CFlashCardWidget::SlotText(const FlashSlot& slot) const {
    return m_content.slots.showKana ? slot.kana : slot.answer;
}

void CFlashCardWidget::Layout() {
    const int characters =
        std::max<int>(1, static_cast<int>(sjis::Characters(m_content.question).size()));
    if (m_content.vertical) {
        m_questionSize = std::clamp((height() - 2 * kQuestionTop) / characters, kSmallestQuestion,
                                    kLargestQuestion);
        m_questionRect = QRect(kMargin, kQuestionTop, m_questionSize, characters * m_questionSize);
    } else {
        m_questionSize = kLargestQuestion;
        while (m_questionSize > kSmallestQuestion &&
               JapaneseWidth(m_content.question, m_questionSize) > width() - 2 * kMargin)
            m_questionSize -= 4;
        const int questionWidth = JapaneseWidth(m_content.question, m_questionSize);
        m_questionRect = QRect((width() - questionWidth) / 2, kQuestionTop, questionWidth,
                               m_questionSize * 9 / 8);
    }

    std::vector<std::string> answers;
    for (const FlashSlot& slot : m_content.slots.slots)
        answers.push_back(SlotText(slot));
    const bool meanings = m_content.meanings && !m_content.slots.showKana;
    m_slotFont = ChooseFlashSlotFont(answers, meanings, [this](std::string_view text, int size) {
        return SlotTextWidth(text, size);
    });
    const int boxWidth = m_slotFont.slotWidth + 2 * kSlotPadding;
    const int textHeight =
        m_slotFont.wrapped ? FlashSlotFont::kWrapHeight : m_slotFont.size * 9 / 8;
    const int boxHeight = textHeight + 2 * kSlotPadding;
    QRect slotsArea;
    if (m_content.vertical) {
        const int left = m_questionRect.right() + 1 + 2 * kSlotGap;
        for (int i = 0; i < 4; ++i)
            m_slotRects[static_cast<std::size_t>(i)] =
                QRect(left, kQuestionTop + i * (boxHeight + kSlotGap), boxWidth, boxHeight);
    } else {
        // One row when it fits, else two rows of two.
        const int perRow = 4 * boxWidth + 3 * kSlotGap <= width() - 2 * kMargin ? 4 : 2;
        const int rowWidth = perRow * boxWidth + (perRow - 1) * kSlotGap;
        const int left = (width() - rowWidth) / 2;
        const int top = m_questionRect.bottom() + 1 + kSlotsBelowQuestion;
        for (int i = 0; i < 4; ++i)
            m_slotRects[static_cast<std::size_t>(i)] =
                QRect(left + (i % perRow) * (boxWidth + kSlotGap),
                      top + (i / perRow) * (boxHeight + kSlotGap), boxWidth, boxHeight);
    }
    QRect occupied = m_questionRect;
    if (m_content.showSlots)
        for (const QRect& rect : m_slotRects)
            occupied = occupied.united(rect);
    m_panelsOrigin = m_content.vertical ? QPoint(occupied.right() + 1 + 2 * kSlotGap, kQuestionTop)
                                        : QPoint(kMargin, occupied.bottom() + 1 + kPanelsBelow);
}

void CFlashCardWidget::DrawText(CCanvas& canvas, std::string_view text, int size, QPoint origin,
                                CColor color) const {
    const CPen previous = canvas.SetPen(CPen{color});
    if (IsAscii(text)) {
        const std::u16string utf16(text.begin(), text.end());
        canvas.DrawText(utf16, CFont{m_latinFace, size, 400}, CPoint{origin.x(), origin.y()});
    } else {
        DrawJapaneseText(canvas, m_style, text, size, CPoint{origin.x(), origin.y()});
    }
    canvas.SetPen(previous);
}

void CFlashCardWidget::DrawQuestion(CCanvas& canvas) const {
    if (m_content.question.empty()) return;
    CJapaneseTextLayout layout;
    layout.vertical = m_content.vertical;
    DrawJapaneseText(canvas, m_style, m_content.question, m_questionSize,
                     CPoint{m_questionRect.left(), m_questionRect.top()}, layout);
}

void CFlashCardWidget::DrawSlots(CCanvas& canvas) const {
    if (!m_content.showSlots) return;
    for (int number = 1; number <= 4; ++number)
        DrawSlot(canvas, m_content.slots.slots[static_cast<std::size_t>(number - 1)], number);
}

void CFlashCardWidget::DrawSlot(CCanvas& canvas, const FlashSlot& slot, int number) const {
    const QRect box = SlotRect(number);
    const CColor fill = slot.state == FlashSlot::kRight   ? kRightColor
                        : slot.state == FlashSlot::kWrong ? kWrongColor
                                                          : kWhite;
    FramedBox(canvas, box, fill);
    // The number the keyboard answers with.
    DrawText(canvas, std::to_string(number), kSlotNumberSize, box.topLeft() + QPoint(3, 2), kBlack);

    const std::string& text = SlotText(slot);
    const int size = m_slotFont.size;
    const bool meaning = m_content.meanings && !m_content.slots.showKana;
    if (m_slotFont.wrapped && meaning) {
        const std::vector<std::string> lines = WrapFlashText(
            text, FlashSlotFont::kWrapWidth, size,
            [this](std::string_view line, int lineSize) { return SlotTextWidth(line, lineSize); });
        const int shown = std::min<int>(static_cast<int>(lines.size()),
                                        std::max(1, FlashSlotFont::kWrapHeight / size));
        for (int i = 0; i < shown; ++i)
            DrawText(canvas, lines[static_cast<std::size_t>(i)], size,
                     box.topLeft() + QPoint(kSlotPadding, kSlotPadding + i * size), kBlack);
        return;
    }
    const int textWidth = SlotTextWidth(text, size);
    DrawText(canvas, text, size,
             QPoint(box.left() + (box.width() - textWidth) / 2, box.top() + kSlotPadding), kBlack);
}

void CFlashCardWidget::DrawPanels(CCanvas& canvas) const {
    // Placed first, column by column, so that each panel's text can be cut where the next
    // column begins (or, in the last column, at the window's edge).
    struct CPlacedPanel {
        const FlashDataPanel* panel;
        QPoint origin;
        std::size_t column;
    };
    std::vector<CPlacedPanel> placed;
    std::vector<int> columnLefts{m_panelsOrigin.x()};
    QPoint origin = m_panelsOrigin;
    int columnWidth = 0;
    for (const FlashDataPanel& panel : m_content.panels) {
        const int panelWidth =
            panel.kind == FlashPanelKind::kVerbForms ? panel.tableWidth : kPanelWidth;
        // A panel that would run off the bottom starts a further column, if there is room.
        const int nextColumn = origin.x() + columnWidth + kMargin;
        if (origin.y() > m_panelsOrigin.y() && origin.y() + PanelHeight(panel) > height() &&
            nextColumn + panelWidth <= width()) {
            origin = QPoint(nextColumn, m_panelsOrigin.y());
            columnLefts.push_back(nextColumn);
            columnWidth = 0;
        }
        columnWidth = std::max(columnWidth, panelWidth);
        placed.push_back({&panel, origin, columnLefts.size() - 1});
        origin.setY(origin.y() + PanelHeight(panel));
    }
    for (const CPlacedPanel& entry : placed) {
        const int right = entry.column + 1 < columnLefts.size()
                              ? columnLefts[entry.column + 1] - kMargin
                              : width() - kMargin;
        DrawPanel(canvas, *entry.panel, entry.origin, right - entry.origin.x());
    }
}

int CFlashCardWidget::PanelHeight(const FlashDataPanel& panel) const {
    const int lines = static_cast<int>(panel.lines.size());
    if (panel.kind != FlashPanelKind::kVerbForms) return (1 + lines) * kLineHeight + kPanelGap;
    const bool headings = std::any_of(panel.lines.begin(), panel.lines.end(),
                                      [](const FlashDataLine& line) { return line.tableRow; });
    return kLineHeight + (lines + (headings ? 1 : 0)) * kVerbRowSpacing + kPanelGap;
}

std::string CFlashCardWidget::Fitted(const std::string& text, int width) const {
    if (SlotTextWidth(text, kTextSize) <= width) return text;
    constexpr std::string_view kCut = "..";
    std::string fitted;
    for (const std::string_view character : sjis::Characters(text)) {
        std::string longer = fitted + std::string(character);
        if (SlotTextWidth(longer + std::string(kCut), kTextSize) > width) break;
        fitted = std::move(longer);
    }
    return fitted + std::string(kCut);
}

void CFlashCardWidget::DrawPanel(CCanvas& canvas, const FlashDataPanel& panel, QPoint origin,
                                 int width) const {
    int x = origin.x();
    for (const auto& [text, color] :
         {std::pair{&panel.heading, kHeadingColor}, std::pair{&panel.headingFormal, kFormalColor},
          std::pair{&panel.headingTail, kHeadingColor}}) {
        if (text->empty()) continue;
        DrawText(canvas, *text, kTextSize, QPoint(x, origin.y()), color);
        x += SlotTextWidth(*text, kTextSize);
    }
    if (panel.kind == FlashPanelKind::kVerbForms) {
        DrawVerbTable(canvas, panel, origin + QPoint(0, kLineHeight));
        return;
    }
    int y = origin.y() + kLineHeight;
    for (const FlashDataLine& line : panel.lines) {
        if (line.value.empty()) {
            DrawText(canvas, Fitted(line.text, width), kTextSize, QPoint(origin.x(), y), kBlack);
        } else {
            DrawText(canvas, Fitted(line.text, kValueColumn), kTextSize, QPoint(origin.x(), y),
                     kBlack);
            DrawText(canvas, Fitted(line.value, width - kValueColumn), kTextSize,
                     QPoint(origin.x() + kValueColumn, y), kBlack);
        }
        y += kLineHeight;
    }
}

void CFlashCardWidget::DrawVerbTable(CCanvas& canvas, const FlashDataPanel& panel,
                                     QPoint origin) const {
    const int columns = std::max<int>(1, static_cast<int>(panel.columns.size()));
    const int columnWidth = std::max(0, panel.tableWidth - kVerbLabelWidth) / columns;
    const auto columnX = [&](std::size_t column) {
        return origin.x() + kVerbLabelWidth + static_cast<int>(column) * columnWidth;
    };
    int y = origin.y();
    bool headingsDrawn = false;
    for (const FlashDataLine& line : panel.lines) {
        if (line.tableRow && !headingsDrawn) {
            for (std::size_t column = 0; column < panel.columns.size(); ++column)
                DrawText(canvas, panel.columns[column], kTextSize, QPoint(columnX(column), y),
                         kHeadingColor);
            y += kVerbRowSpacing;
            headingsDrawn = true;
        }
        const CColor color = line.formal ? kFormalColor : kBlack;
        DrawText(canvas, line.text, kTextSize, QPoint(origin.x(), y), color);
        for (std::size_t column = 0; column < line.cells.size(); ++column) {
            const std::string cell = line.cells[column].kanji + line.cells[column].kana;
            if (!cell.empty()) DrawText(canvas, cell, kTextSize, QPoint(columnX(column), y), color);
        }
        y += kVerbRowSpacing;
    }
}

void CFlashCardWidget::DrawShuffling(CCanvas& canvas) const {
    const QRect box((width() - kShufflingWidth) / 2, (height() - kShufflingHeight) / 2,
                    kShufflingWidth, kShufflingHeight);
    FramedBox(canvas, box, kWhite);
    const std::string text = CFlashQuiz::kShufflingText;
    const int textWidth = LatinWidth(text, kTextSize);
    DrawText(canvas, text, kTextSize,
             QPoint(box.left() + (box.width() - textWidth) / 2,
                    box.top() + (box.height() - kTextSize) / 2),
             kBlack);
}

void CFlashCardWidget::paintEvent(QPaintEvent*) {
    CQtCanvas canvas(width(), height(), devicePixelRatioF());
    canvas.SetAntialiasing(m_smoothStrokes);
    if (m_shuffling) {
        DrawShuffling(canvas);
    } else {
        DrawQuestion(canvas);
        DrawSlots(canvas);
        DrawPanels(canvas);
    }
    QPainter(this).drawImage(0, 0, canvas.Image());
}

void CFlashCardWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

void CFlashCardWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const int slot = SlotAt(event->position().toPoint());
    if (slot != 0) {
        if (m_slotHandler) m_slotHandler(slot);
    } else if (m_cardHandler) {
        m_cardHandler();
    }
}

}  // namespace brushly
