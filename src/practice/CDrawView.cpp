#include "practice/CDrawView.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <optional>

#include "handwriting/CDemonstrationWidget.h"
#include "handwriting/CKanaDrawBoxWidget.h"
#include "handwriting/CKanjiDrawBoxWidget.h"
#include "platform/CQtCanvas.h"
#include "platform/CommandAction.h"
#include "platform/ShiftJis.h"
#include "practice/CColourKeyWindow.h"
#include "practice/CReadingQuiz.h"
#include "practice/FlashSlotFont.h"

namespace brushly {

namespace {

constexpr CColor kBlack{0, 0, 0};
constexpr CColor kWhite{255, 255, 255};
constexpr CColor kHeadingColor{0, 0, 160};
constexpr CColor kCaptionBackground{0, 0, 128};
constexpr CColor kBoxOutline{160, 160, 160};
constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;
constexpr int kLargeGap = 10;
constexpr int kShufflingWidth = 240;
constexpr int kShufflingHeight = 100;
// The demonstration's caption strip, drawn above its window as the box's
// caption bar is.
constexpr int kCaptionStripHeight = CKanjiDrawBoxWidget::kCaptionHeight;
constexpr int kCaptionIndent = 4;
constexpr int kCaptionTextSize = 12;
constexpr int kCaptionTextTop = 2;
constexpr const char* kReturnLines[] = {"Return", "to Main", "View"};

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

// The Shift-JIS character an entry practises.
std::string EntryCharacter(const DrawDeckEntry* entry) {
    if (entry == nullptr) return {};
    switch (entry->kind) {
        case DrawEntryKind::kKanji:
            return entry->kanji != nullptr ? entry->kanji->character : std::string();
        case DrawEntryKind::kCounter:
            return entry->counter != nullptr ? entry->counter->character : std::string();
        case DrawEntryKind::kKatakana:
        case DrawEntryKind::kHiragana:
            return entry->kana != nullptr ? entry->kana->kana : std::string();
    }
    return {};
}

}  // namespace

CDrawView::CDrawView(CBrushly2Doc& document, const CJapaneseTextStyle& style, QWidget* parent)
    : QWidget(parent),
      m_document(document),
      m_style(style),
      m_practice(document),
      m_kanjiBox(new CKanjiDrawBoxWidget(CKanjiDrawBoxWidget::Buttons::DrawView, this)),
      m_kanaBox(new CKanaDrawBoxWidget(this)),
      m_returnButton(new QPushButton(this)),
      m_hintsButton(new QPushButton(this)),
      m_contextMenu(new QMenu(this)) {
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);

    m_kanjiBox->move(kBoxTopLeft);
    m_kanaBox->move(kBoxTopLeft);
    m_kanaBox->hide();
    // Without a Japanese font the ghost is drawn from the strokes.
    const std::optional<std::string> ghostFace = style.mode == CJapaneseFontMode::kBuiltIn
                                                     ? std::nullopt
                                                     : std::optional<std::string>(style.face);
    m_kanjiBox->SetGhostFontFace(ghostFace);
    m_kanaBox->SetGhostFontFace(ghostFace);
    // Naming the kanji a wrong character looks like takes a font that can show it.
    if (ghostFace.has_value()) {
        m_kanjiBox->Run([this](CKanjiDrawBox& box) {
            box.SetLookAlikeFinder(
                [this](const CDrawnStrokes& written) { return m_practice.LookAlike(written); });
        });
    }

    m_returnButton->setObjectName(QStringLiteral("returnButton"));
    m_returnButton->setGeometry(kReturnButton);
    m_returnButton->setIcon(this->style()->standardIcon(QStyle::SP_ArrowBack));
    m_returnButton->setToolTip(QString::fromLatin1(kReturnText));
    m_returnButton->setFocusPolicy(Qt::NoFocus);
    connect(m_returnButton, &QPushButton::clicked, this, [this] { ReturnToMainView(); });

    m_hintsButton->setObjectName(QStringLiteral("hintsButton"));
    m_hintsButton->setGeometry(kHintsButton);
    m_hintsButton->setFocusPolicy(Qt::NoFocus);
    connect(m_hintsButton, &QPushButton::clicked, this, [this] {
        if (m_hintsHandler) m_hintsHandler(m_practice.Mode() != CDrawPractice::kKanjiMode);
    });

    m_actions = {
        AddAction("&Next", "Move to the next card", "next", &CDrawView::Next),
        AddAction("&Shuffle", "Re-shuffle this set of cards", "shuffle", &CDrawView::Shuffle),
        AddAction("Draw View &Options", "Edit the options for the Draw View", "options",
                  &CDrawView::ShowOptions),
        AddAction("Hide &Demonstration", "Display/Hide the Stroke Order Demonstration Window",
                  "demonstration", &CDrawView::ToggleDemonstration),
        AddAction("Hide &Key",
                  "Display/Hide a 'key' indicating the meaning of the Feedback "
                  "stroke colors",
                  "key", &CDrawView::ToggleKey),
        AddAction("&Fix Order", "Correct the out-of-order strokes", "fixOrder",
                  &CDrawView::FixOrder)};
    m_demonstrationAction = m_actions[3];
    m_keyAction = m_actions[4];
    m_demonstrationAction->setCheckable(true);
    m_keyAction->setCheckable(true);
}

CDrawView::~CDrawView() = default;

QAction* CDrawView::AddAction(const char* text, const char* tip, const char* name,
                              void (CDrawView::*command)()) {
    return MakeCommandAction(this, text, tip, name, [this, command] { (this->*command)(); });
}

bool CDrawView::Open(int mode, const std::vector<std::string>& groupNames) {
    const bool started =
        m_practice.Start(mode, groupNames, [this](bool shown) { ShowShuffling(shown); });
    if (started) Present();
    update();
    return started;
}

void CDrawView::Leave() {
    m_demonstration.reset();
    m_key.reset();
    m_demonstrationAction->setChecked(false);
    m_keyAction->setChecked(false);
    update();
}

void CDrawView::ReturnToMainView() {
    Leave();
    if (m_returnHandler) m_returnHandler();
}

void CDrawView::Next() {
    if (m_practice.Next() == CDrawPractice::NextResult::kReturn)
        ReturnToMainView();
    else
        Present();
}

void CDrawView::Shuffle() {
    m_practice.Shuffle();
    Present();
}

void CDrawView::ShowOptions() {
    if (m_optionsHandler) m_optionsHandler();
}

void CDrawView::OptionsChanged(const CDrawOptions& before) {
    const CDrawPractice::OptionsResult result = m_practice.OptionsChanged(before);
    if (result == CDrawPractice::OptionsResult::kReturn) {
        ReturnToMainView();
    } else if (result == CDrawPractice::OptionsResult::kRestarted ||
               m_document.Options().draw.rawInput != before.rawInput) {
        Present();  // another card, or the other box: the character starts afresh
    } else {
        KeepCharacter();
    }
}

void CDrawView::KeepCharacter() {
    if (m_practice.UsesKanaBox()) {
        PrepareBox(*m_kanaBox);
        m_kanaBox->Run(
            [this](CKanaDrawBox& box) { box.ApplySettings(m_practice.KanaBoxSettings()); });
    } else {
        PrepareBox(*m_kanjiBox);
        m_kanjiBox->Run(
            [this](CKanjiDrawBox& box) { box.ApplySettings(m_practice.DrawBoxSettings()); });
    }
    if (m_demonstration) StartDemonstration();
    update();
}

void CDrawView::FixOrder() {
    if (m_practice.UsesKanaBox())
        m_kanaBox->Run([](CKanaDrawBox& box) { box.FixOrder(); });
    else
        m_kanjiBox->Run([](CKanjiDrawBox& box) { box.FixOrder(); });
}

bool CDrawView::HasStrokes() const {
    if (m_practice.UsesKanaBox()) {
        const CKanaDrawBox& box = m_kanaBox->DrawBox();
        return box.Drawing() || !box.UserStrokes().empty() || !box.Incorrect().empty() ||
               !box.WrongOrder().empty();
    }
    const CKanjiDrawBox& box = m_kanjiBox->DrawBox();
    return box.Drawing() || box.UserStrokes().Size() > 0 || box.Incorrect().Size() > 0 ||
           box.WrongOrder().Size() > 0;
}

QList<QAction*> CDrawView::ToolbarActions() const {
    return m_actions;
}

void CDrawView::Present() {
    if (m_practice.Current() == nullptr) return;
    const bool kana = m_practice.UsesKanaBox();
    m_kanjiBox->setVisible(!kana);
    m_kanaBox->setVisible(kana);
    if (kana)
        ClearKanaBox();
    else
        ClearKanjiBox();
    m_hintsButton->setText(QString::fromStdString(m_practice.HintsButtonText()));
    if (m_demonstration) StartDemonstration();
    update();
}

void CDrawView::ClearKanjiBox() {
    if (const CKanjiStrokes* strokes = m_practice.CurrentStrokes())
        m_kanjiBox->SetCharacter(*strokes, m_practice.DrawBoxSettings());
    PrepareBox(*m_kanjiBox);
    m_kanjiBox->Run([](CKanjiDrawBox& box) {
        if (!box.GhostText().empty()) box.ToggleGhost(std::string());
    });
    m_kanjiBox->SetIdleCaption(m_practice.EmptyCaption());
}

void CDrawView::ClearKanaBox() {
    m_kanaBox->SetKana(m_practice.CurrentKanaReference(), m_practice.KanaMode(),
                       m_practice.KanaBoxSettings());
    PrepareBox(*m_kanaBox);
    m_kanaBox->Run([](CKanaDrawBox& box) {
        if (!box.GhostText().empty()) box.ToggleGhost(std::string());
    });
    m_kanaBox->SetIdleCaption(m_practice.EmptyCaption());
}

void CDrawView::PrepareBox(CDrawBoxFrame& box) const {
    box.SetStyle(CStrokeCanvas::StyleOption(m_document.Options().draw.drawingStyle));
    box.SetSmoothStrokes(m_document.SmoothStrokes());
    box.SetGhostCharacter(sjis::ToUtf8(EntryCharacter(m_practice.Current())));
}

void CDrawView::ToggleDemonstration() {
    if (m_demonstration) {
        m_demonstration.reset();
    } else {
        m_demonstration = std::make_unique<CDemonstrationWidget>(
            QString::fromStdString(m_practice.DemonstrationCaption()), this);
        m_demonstration->move(kDemonstrationTopLeft);
        StartDemonstration();
        m_demonstration->show();
    }
    m_demonstrationAction->setChecked(m_demonstration != nullptr);
    update();
}

void CDrawView::StartDemonstration() {
    m_demonstration->setWindowTitle(QString::fromStdString(m_practice.DemonstrationCaption()));
    const CDrawOptions& draw = m_document.Options().draw;
    m_demonstration->SetSmoothStrokes(m_document.SmoothStrokes());
    m_demonstration->Run(m_practice.CurrentStrokes(), draw.demoSpeed,
                         CStrokeCanvas::StyleOption(draw.drawingStyle), &m_demonstrationBusy);
}

void CDrawView::ToggleKey() {
    if (m_key) {
        m_key.reset();
    } else {
        m_key = std::make_unique<CColourKeyWindow>(this);
        m_key->move(kKeyTopLeft);
        m_key->show();
    }
    m_keyAction->setChecked(m_key != nullptr);
}

void CDrawView::ShowShuffling(bool shown) {
    m_shuffling = shown;
    // Shuffling blocks the event loop, so the box is painted now.
    if (isVisible()) repaint();
}

bool CDrawView::ReturnInThreeLines() const {
    return m_demonstration != nullptr && width() < kNarrowWidth;
}

QRect CDrawView::CardArea() const {
    const int top = kReturnButton.bottom() + 1;
    return QRect(0, top, kBoxTopLeft.x(), std::max(0, height() - top));
}

void CDrawView::paintEvent(QPaintEvent*) {
    CQtCanvas canvas(width(), height(), devicePixelRatioF());
    canvas.SetAntialiasing(m_document.SmoothStrokes());
    if (m_shuffling) {
        DrawShuffling(canvas);
    } else if (m_practice.Current() != nullptr) {
        DrawLatin(canvas, m_practice.Header(), kHeaderTopLeft, kBlack, false);
        if (ReturnInThreeLines()) {
            for (std::size_t line = 0; line < std::size(kReturnLines); ++line)
                DrawLatin(canvas, kReturnLines[line],
                          QPoint(kReturnTextTopLeft.x(), kReturnLineTops[line]), kBlack, false);
        } else {
            DrawLatin(canvas, kReturnText, kReturnTextTopLeft, kBlack, false);
        }
        if (m_demonstration) DrawDemonstrationCaption(canvas);
        DrawCardPanel(canvas);
        DrawBoxOutline(canvas);
    }
    QPainter(this).drawImage(0, 0, canvas.Image());
}

void CDrawView::DrawBoxOutline(CCanvas& canvas) const {
    // The box's drawing area is white on the white view; a grey line sets it off.
    const QRect box = (m_practice.UsesKanaBox() ? static_cast<QWidget*>(m_kanaBox)
                                                : static_cast<QWidget*>(m_kanjiBox))
                          ->geometry()
                          .adjusted(-1, -1, 0, 0);
    const CPen previous = canvas.SetPen(CPen{kBoxOutline});
    const CPoint corners[] = {{box.left(), box.top()},
                              {box.right() + 1, box.top()},
                              {box.right() + 1, box.bottom() + 1},
                              {box.left(), box.bottom() + 1},
                              {box.left(), box.top()}};
    canvas.Polyline(corners);
    canvas.SetPen(previous);
}

void CDrawView::DrawLatin(CCanvas& canvas, std::string_view text, QPoint topLeft, CColor colour,
                          bool bold, int size) const {
    const CPen previous = canvas.SetPen(CPen{colour});
    const std::u16string utf16(text.begin(), text.end());
    canvas.DrawText(utf16, CFont{kLatinFace, size, bold ? kBoldWeight : kNormalWeight},
                    CPoint{topLeft.x(), topLeft.y()});
    canvas.SetPen(previous);
}

int CDrawView::LatinWidth(std::string_view text, int size) {
    QFont font(QString::fromLatin1(kLatinFace));
    font.setPixelSize(size);
    return QFontMetrics(font).horizontalAdvance(
        QString::fromLatin1(text.data(), static_cast<int>(text.size())));
}

void CDrawView::DrawDemonstrationCaption(CCanvas& canvas) const {
    const int top = kDemonstrationTopLeft.y() - kCaptionStripHeight;
    canvas.FillRect(
        CRect{kDemonstrationTopLeft.x(), top,
              kDemonstrationTopLeft.x() + CDemonstrationWidget::kWidth, kDemonstrationTopLeft.y()},
        kCaptionBackground);
    DrawLatin(canvas, m_demonstration->windowTitle().toStdString(),
              QPoint(kDemonstrationTopLeft.x() + kCaptionIndent, top), kWhite, false);
}

void CDrawView::DrawCardPanel(CCanvas& canvas) const {
    int top = kPanelTopLeft.y();
    const int left = kPanelTopLeft.x();
    const CPen previous = canvas.SetPen(CPen{kBlack});
    for (const DrawPanelLine& line : m_practice.CardPanel()) {
        if (line.large) {
            DrawJapaneseText(canvas, m_style, line.text, kLargeSize, CPoint{left, top});
            top += kLargeSize + kLargeGap;
        } else if (line.heading) {
            DrawLatin(canvas, line.text, QPoint(left, top), kHeadingColor, true);
            top += kLineHeight;
        } else if (IsAscii(line.text)) {
            for (const std::string& part :
                 WrapFlashText(line.text, kPanelWidth, kTextSize, &CDrawView::LatinWidth)) {
                DrawLatin(canvas, part, QPoint(left, top), kBlack, false);
                top += kLineHeight;
            }
        } else {
            DrawJapaneseText(canvas, m_style, line.text, kTextSize, CPoint{left, top});
            top += kLineHeight;
        }
    }
    canvas.SetPen(previous);
}

void CDrawView::DrawShuffling(CCanvas& canvas) const {
    const QRect box((width() - kShufflingWidth) / 2, (height() - kShufflingHeight) / 2,
                    kShufflingWidth, kShufflingHeight);
    const CPen previous = canvas.SetPen(CPen{kBlack});
    const CBrush brush = canvas.SetBrush(CBrush{kWhite});
    canvas.Polygon(std::vector<CPoint>{{box.left(), box.top()},
                                       {box.right(), box.top()},
                                       {box.right(), box.bottom()},
                                       {box.left(), box.bottom()}});
    canvas.SetBrush(brush);
    canvas.SetPen(previous);
    const std::string text = CReadingQuiz::kShufflingText;
    DrawLatin(canvas, text,
              QPoint(box.left() + (box.width() - LatinWidth(text, kTextSize)) / 2,
                     box.top() + (box.height() - kTextSize) / 2),
              kBlack, false);
}

void CDrawView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !m_shuffling &&
        CardArea().contains(event->position().toPoint())) {
        Next();
        return;
    }
    QWidget::mousePressEvent(event);
}

void CDrawView::contextMenuEvent(QContextMenuEvent* event) {
    m_contextMenu->clear();
    m_contextMenu->addActions(ToolbarActions());
    m_contextMenu->popup(event->globalPos());
}

}  // namespace brushly
