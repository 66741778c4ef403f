#include "handwriting/CDrawBoxFrame.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <cmath>
#include <utility>

#include "platform/ScreenPixmap.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

// The painted bitmaps of the buttons, drawn on a transparent kIconWidth x kIconHeight area.
constexpr int kIconWidth = 40;
constexpr int kIconHeight = 16;
constexpr int kCaptionIndent = 4;

// A faint cross, as the ghost shows the character behind the drawing.
void PaintGhostIcon(QPainter& painter) {
    painter.setPen(QPen(QColor(160, 160, 160), 3));
    painter.drawLine(10, 8, 30, 8);
    painter.drawLine(20, 2, 20, 14);
    painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
    painter.drawRect(6, 0, 28, 15);
}

// The hint's magenta circle at the start of a stroke, and where the stroke goes.
void PaintHintIcon(QPainter& painter) {
    painter.setPen(QPen(QColor(255, 0, 255), 2));
    painter.drawEllipse(QPoint(10, 8), 5, 5);
    painter.setPen(QPen(QColor(255, 0, 255), 2, Qt::DashLine));
    painter.drawLine(17, 8, 32, 8);
}

// An arrow pointing back.
void PaintBackIcon(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const QPoint head[] = {{8, 8}, {18, 1}, {18, 15}};
    painter.drawPolygon(head, 3);
    painter.drawRect(18, 5, 14, 6);
}

// A cross, wiping everything out.
void PaintEraseIcon(QPainter& painter) {
    painter.setPen(QPen(QColor(192, 0, 0), 3));
    painter.drawLine(13, 2, 27, 14);
    painter.drawLine(27, 2, 13, 14);
}

QPixmap ButtonBitmap(void (*paintIcon)(QPainter&)) {
    QPixmap bitmap = TransparentPixmap(kIconWidth, kIconHeight);
    QPainter painter(&bitmap);
    paintIcon(painter);
    return bitmap;
}

}  // namespace

CDrawBoxFrame::CDrawBoxFrame(Buttons buttons, QWidget* parent)
    : QWidget(parent),
      m_picture(kDrawSize, kDrawSize, devicePixelRatioF()),
      m_strokeCanvas(m_picture),
      m_caption(new QLabel(this)) {
    m_picture.SetAntialiasing(true);
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);

    // The window handles the caption's clicks itself (Hint).
    m_caption->setObjectName(QStringLiteral("captionBar"));
    m_caption->setGeometry(0, 0, kWidth, kCaptionHeight);
    m_caption->setIndent(kCaptionIndent);
    m_caption->setBackgroundRole(QPalette::Highlight);
    m_caption->setForegroundRole(QPalette::HighlightedText);
    m_caption->setAutoFillBackground(true);
    m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);

    const bool drawView = buttons == Buttons::DrawView;
    AddButton(QStringLiteral("ghostButton"), QStringLiteral("Ghost"), 0, PaintGhostIcon, [this] {
        ToggleGhost(m_ghostCharacter);
    })->setVisible(drawView);
    AddButton(QStringLiteral("hintButton"), QStringLiteral("Hint"), 1, PaintHintIcon, [this] {
        Hint();
    })->setVisible(drawView);
    AddButton(QStringLiteral("backButton"), QStringLiteral("Back"), 2, PaintBackIcon,
              [this] { Back(); });
    AddButton(QStringLiteral("eraseButton"), QStringLiteral("Erase"), 3, PaintEraseIcon,
              [this] { EraseAll(); });
}

void CDrawBoxFrame::SetGhostCharacter(const std::string& character) {
    m_ghostCharacter = character;
    // A shown ghost follows the new character: hide it, then show it again with that one.
    if (!GhostText().empty()) {
        ToggleGhost(m_ghostCharacter);
        ToggleGhost(m_ghostCharacter);
    }
    Redraw();
}

void CDrawBoxFrame::SetGhostFontFace(std::optional<std::string> face) {
    m_ghostFontFace = std::move(face);
    Redraw();
}

void CDrawBoxFrame::SetStyle(CStrokeCanvas::Style style) {
    m_strokeCanvas.SetStyle(style);
    Redraw();
}

void CDrawBoxFrame::SetIdleCaption(std::string caption) {
    m_idleCaption = std::move(caption);
    Redraw();
}

bool CDrawBoxFrame::HandleKey(const QKeyEvent& /*event*/) {
    return false;
}

void CDrawBoxFrame::Apply(const std::function<void()>& action, bool mayCheck) {
    action();
    Redraw();
    if (mayCheck && !Drawing() && m_statusHandler) m_statusHandler(Status());
}

void CDrawBoxFrame::Redraw() {
    ComposePicture();
    const std::string caption = Caption();
    ShowCaption(caption.empty() ? m_idleCaption : sjis::ToUtf8(caption));
    update();
}

void CDrawBoxFrame::ShowCaption(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    QFont font = this->font();
    // The family the default font resolves to: an alias such as "Sans Serif" in a family
    // list is passed over for the Japanese face, whose Latin letters look out of place.
    if (m_ghostFontFace.has_value() && !m_ghostFontFace->empty())
        font.setFamilies({QFontInfo(font).family(), QString::fromStdString(*m_ghostFontFace)});
    // A status with the kanji it looks like is long: smaller letters rather than a cut end.
    const int room = kWidth - 2 * kCaptionIndent;
    for (int size = QFontInfo(font).pixelSize();
         size > kMinCaptionPixels && QFontMetrics(font).horizontalAdvance(shown) > room;) {
        font.setPixelSize(--size);
    }
    m_caption->setFont(font);
    m_caption->setText(shown);
}

bool CDrawBoxFrame::GhostAsText() const {
    return m_ghostFontFace.has_value() &&
           !QFontDatabase::families(QFontDatabase::Japanese).isEmpty();
}

CFont CDrawBoxFrame::GhostFont() const {
    return CFont{m_ghostFontFace.value_or(std::string()), kGhostTextHeight, 0};
}

CPoint CDrawBoxFrame::DrawPoint(QPointF position) {
    return {static_cast<int>(std::floor(position.x())),
            static_cast<int>(std::floor(position.y())) - kCaptionHeight};
}

void CDrawBoxFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, kCaptionHeight), m_picture.Image());
    painter.fillRect(0, kCaptionHeight + kDrawSize, kWidth, kClientHeight - kDrawSize,
                     palette().window());
}

void CDrawBoxFrame::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        Apply([this] { Back(); }, true);
    } else if (event->button() == Qt::LeftButton && event->position().y() < kCaptionHeight) {
        Apply([this] { Hint(); }, true);
    } else if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        const CPoint point = DrawPoint(event->position());
        Apply([this, point] { PenDown(point); }, false);
    } else {
        QWidget::mousePressEvent(event);
    }
}

void CDrawBoxFrame::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return QWidget::mouseMoveEvent(event);
    const CPoint point = DrawPoint(event->position());
    // A move may end the stroke (outside the area, or finished by the recogniser).
    Apply([this, point] { PenMove(point); }, Drawing());
}

void CDrawBoxFrame::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    Apply([this] { PenUp(); }, Drawing());
}

void CDrawBoxFrame::keyPressEvent(QKeyEvent* event) {
    if (HandleKey(*event)) return;
    switch (event->key()) {
        case Qt::Key_Backspace:
            Apply([this] { Back(); }, true);
            break;
        case Qt::Key_Home:
            Apply([this] { EraseAll(); }, true);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

QPushButton* CDrawBoxFrame::AddButton(const QString& name, const QString& toolTip, int column,
                                      void (*paintIcon)(QPainter&), std::function<void()> command) {
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setIcon(ButtonBitmap(paintIcon));
    button->setIconSize(QSize(kIconWidth, kIconHeight));
    // The keys belong to the drawing area: a focused button would take Space.
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(1 + column * kButtonWidth, kHeight - kButtonRise, kButtonWidth,
                        kButtonHeight);
    connect(button, &QPushButton::clicked, this,
            [this, command = std::move(command)] { Apply(command, true); });
    return button;
}

}  // namespace brushly
