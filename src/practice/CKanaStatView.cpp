#include "practice/CKanaStatView.h"

#include <QFont>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "platform/CQtCanvas.h"
#include "platform/ShiftJis.h"
#include "practice/CKanaQuiz.h"
#include "practice/KanaSets.h"
#include "practice/KanaTable.h"

namespace brushly {

namespace {

constexpr CColor kBlack{0, 0, 0};
constexpr CColor kWhite{255, 255, 255};
constexpr CColor kHighlightColor{0, 0, 255};
constexpr int kHighlightWidth = 3;
constexpr const char* kLatinFace = "Arial";
constexpr int kHeadingSize = 16;
constexpr int kHeadingTop = 10;
constexpr int kCellTextSize = 11;
// Tops of the kana and of the three text lines inside a cell.
constexpr int kKanaTop = 4;
constexpr int kRomajiTop = 31;
constexpr int kPercentTop = 44;
constexpr int kCountsTop = 57;
constexpr int kVowelRows = 5;
constexpr int kCombinedRows = 3;
// The buttons' row below the heading.
constexpr int kButtonTop = 36;
constexpr int kButtonHeight = 44;
constexpr int kButtonWidth = 100;
constexpr int kReturnWidth = 150;
constexpr int kButtonGap = 10;

// Column and row of a table position in the grid described with the class.
QPoint GridCell(int position) {
    constexpr int kPlainRowsEnd = 35;  // a to ma: five kana a row
    constexpr int kYaRowEnd = 38;      // ya yu yo
    constexpr int kRaRowEnd = 43;      // ra to ro
    constexpr int kWaColumn = 9;
    constexpr int kVoicedColumn = 10;
    if (position < kPlainRowsEnd) return {position / kVowelRows, position % kVowelRows};
    if (position < kYaRowEnd) return {7, (position - kPlainRowsEnd) * 2};
    if (position < kRaRowEnd) return {8, position - kYaRowEnd};
    if (position < kGojuuOnCount) {
        // wa, wo, n
        constexpr std::array<int, 3> kWaRows{0, 4, 2};
        return {kWaColumn, kWaRows[static_cast<std::size_t>(position - kRaRowEnd)]};
    }
    if (position < kSingleKanaCount) {
        const int voiced = position - kGojuuOnCount;
        return {kVoicedColumn + voiced / kVowelRows, voiced % kVowelRows};
    }
    const int combined = position - kSingleKanaCount;
    return {combined / kCombinedRows, kVowelRows + combined % kCombinedRows};
}

CFont LatinFont(int size) {
    return CFont{kLatinFace, size, 400};
}

int LatinWidth(std::string_view text, int size) {
    // As the canvas sets up a CFont, so that the measure matches the drawing.
    QFont font(QString::fromLatin1(kLatinFace));
    font.setPixelSize(size);
    font.setStyleStrategy(QFont::PreferAntialias);
    return QFontMetrics(font).horizontalAdvance(
        QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void DrawLatinCentred(CCanvas& canvas, std::string_view text, const QRect& cell, int top) {
    const int left = cell.left() + (cell.width() - LatinWidth(text, kCellTextSize)) / 2;
    canvas.DrawText(sjis::ToUtf16(text), LatinFont(kCellTextSize), CPoint{left, cell.top() + top});
}

CRect ToCRect(const QRect& rect) {
    return CRect{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace

CKanaStatView::CKanaStatView(CBrushly2Doc& document, const CJapaneseTextStyle& style,
                             CPrompter& prompter, QWidget* parent)
    : QWidget(parent),
      m_document(document),
      m_style(style),
      m_prompter(prompter),
      m_scriptButton(new QPushButton(QString::fromLatin1(kHiraganaText), this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    const auto addButton = [this](QPushButton* button, const char* name, int left, int width) {
        button->setObjectName(QString::fromLatin1(name));
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(left, kButtonTop, width, kButtonHeight);
        return button;
    };
    int left = kTableLeft;
    connect(addButton(m_scriptButton, "scriptButton", left, kButtonWidth), &QPushButton::clicked,
            this, [this] {
                SetScript(m_script == CKanaQuiz::kHiragana ? CKanaQuiz::kKatakana
                                                           : CKanaQuiz::kHiragana);
            });
    left += kButtonWidth + kButtonGap;
    auto* reading = new QPushButton(QString::fromLatin1(kPracticeReadingText), this);
    connect(addButton(reading, "practiceReadingButton", left, kButtonWidth), &QPushButton::clicked,
            this, [this] {
                if (m_readingHandler) m_readingHandler(m_script);
            });
    left += kButtonWidth + kButtonGap;
    auto* writing = new QPushButton(QString::fromLatin1(kPracticeWritingText), this);
    connect(addButton(writing, "practiceWritingButton", left, kButtonWidth), &QPushButton::clicked,
            this, [this] {
                if (m_writingHandler) m_writingHandler(m_script);
            });
    left += kButtonWidth + kButtonGap;
    auto* back = new QPushButton(QString::fromLatin1(kReturnText), this);
    connect(addButton(back, "returnButton", left, kReturnWidth), &QPushButton::clicked, this,
            [this] {
                if (m_returnHandler) m_returnHandler();
            });
}

void CKanaStatView::SetScript(int script) {
    m_script = script;
    m_scriptButton->setText(
        QString::fromLatin1(script == CKanaQuiz::kKatakana ? kKatakanaText : kHiraganaText));
    update();
}

const CKanaStatsArray& CKanaStatView::Stats() const {
    return m_script == CKanaQuiz::kKatakana ? m_document.KatakanaStats()
                                            : m_document.HiraganaStats();
}

CKanaStatsArray& CKanaStatView::Stats() {
    return m_script == CKanaQuiz::kKatakana ? m_document.KatakanaStats()
                                            : m_document.HiraganaStats();
}

QRect CKanaStatView::CellRect(int position) const {
    if (position < 0 || position >= kKanaTableSize ||
        static_cast<std::size_t>(position) >= Stats().size())
        return {};
    const QPoint cell = GridCell(position);
    const int gap = cell.y() >= kVowelRows ? kBlockGap : 0;
    return QRect(kTableLeft + cell.x() * kCellWidth, kTableTop + cell.y() * kCellHeight + gap,
                 kCellWidth, kCellHeight);
}

int CKanaStatView::CellAt(QPoint point) const {
    for (int position = 0; position < kKanaTableSize; ++position)
        if (CellRect(position).contains(point)) return position;
    return -1;
}

void CKanaStatView::DrawCell(CCanvas& canvas, int position) const {
    const QRect rect = CellRect(position);
    const CKanaFlashOptions& options = m_document.Options().kanaFlash;
    const KanaCell cell = KanaTableCell(*Stats()[static_cast<std::size_t>(position)],
                                        options.lowerRange, options.upperRange);
    constexpr std::array<CColor, 4> kBands{kWhite, kRedBand, kYellowBand, kGreenBand};
    canvas.FillRect(ToCRect(rect), kBands[static_cast<std::size_t>(cell.band)]);
    // Neighbouring cells share their frame lines.
    const int right = rect.left() + kCellWidth;
    const int bottom = rect.top() + kCellHeight;
    const std::array<CPoint, 5> frame{CPoint{rect.left(), rect.top()}, CPoint{right, rect.top()},
                                      CPoint{right, bottom}, CPoint{rect.left(), bottom},
                                      CPoint{rect.left(), rect.top()}};
    const CPen pen =
        position == m_highlighted ? CPen{kHighlightColor, kHighlightWidth} : CPen{kBlack, 1};
    const CPen before = canvas.SetPen(pen);
    canvas.Polyline(frame);
    canvas.SetPen(CPen{kBlack, 1});

    const int kanaWidth = static_cast<int>(cell.kana.size()) * kKanaSize / 2;
    DrawJapaneseText(canvas, m_style, cell.kana, kKanaSize,
                     CPoint{rect.left() + (kCellWidth - kanaWidth) / 2, rect.top() + kKanaTop});
    DrawLatinCentred(canvas, cell.romaji, rect, kRomajiTop);
    DrawLatinCentred(canvas, cell.percent, rect, kPercentTop);
    DrawLatinCentred(canvas, cell.counts, rect, kCountsTop);
    canvas.SetPen(before);
}

void CKanaStatView::paintEvent(QPaintEvent*) {
    CQtCanvas canvas(width(), height(), devicePixelRatioF());
    canvas.SetAntialiasing(m_document.SmoothStrokes());
    canvas.DrawText(sjis::ToUtf16(kHeading), LatinFont(kHeadingSize),
                    CPoint{kTableLeft, kHeadingTop});
    const int count = std::min(static_cast<int>(Stats().size()), kKanaTableSize);
    for (int position = 0; position < count; ++position)
        DrawCell(canvas, position);
    QPainter(this).drawImage(0, 0, canvas.Image());
}

void CKanaStatView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const int position = CellAt(event->position().toPoint());
    if (position >= 0) AskReset(position);
}

void CKanaStatView::AskReset(int position) {
    m_highlighted = position;
    repaint();
    const bool reset = m_prompter.AskYesNo(kResetKanaQuestion);
    m_highlighted = -1;
    if (reset) {
        CKanaStats& stats = *Stats()[static_cast<std::size_t>(position)];
        stats.rightCount = 0;
        stats.wrongCount = 0;
        m_document.SetModified(true);
    }
    update();
}

}  // namespace brushly
