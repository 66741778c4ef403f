#include "handwriting/CKanjiDrawBoxWidget.h"

#include <QCursor>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <cmath>
#include <utility>

#include "handwriting/BoxPicture.h"
#include "handwriting/CStrokeRecogniser.h"

namespace brushly {

namespace {

// The painted bitmaps of the buttons, drawn on a transparent kIconWidth x kIconHeight area.
constexpr int kIconWidth = 40;
constexpr int kIconHeight = 16;
constexpr int kCaptionIndent = 4;
// Where the ghost character's text starts, centring its kGhostTextHeight square.
constexpr CPoint kGhostTextTopLeft{10, 0};

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
    QPixmap bitmap(kIconWidth, kIconHeight);
    bitmap.fill(Qt::transparent);
    QPainter painter(&bitmap);
    paintIcon(painter);
    return bitmap;
}

// The number of strokes a copy key copies, or 0 for any other key.
int CopyCount(int key) {
    switch (key) {
        case Qt::Key_End:
            return 1;
        case Qt::Key_F2:
            return 2;
        case Qt::Key_F3:
            return 3;
        case Qt::Key_F4:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

CKanjiDrawBoxWidget::CKanjiDrawBoxWidget(Buttons buttons, QWidget* parent)
    : QWidget(parent),
      m_picture(kDrawSize, kDrawSize),
      m_strokeCanvas(m_picture),
      m_caption(new QLabel(this)) {
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
        m_box.ToggleGhost(m_ghostCharacter);
    })->setVisible(drawView);
    AddButton(QStringLiteral("hintButton"), QStringLiteral("Hint"), 1, PaintHintIcon, [this] {
        m_box.Hint();
    })->setVisible(drawView);
    AddButton(QStringLiteral("backButton"), QStringLiteral("Back"), 2, PaintBackIcon,
              [this] { m_box.Back(); });
    AddButton(QStringLiteral("eraseButton"), QStringLiteral("Erase"), 3, PaintEraseIcon,
              [this] { m_box.EraseAll(); });
    Redraw();
}

void CKanjiDrawBoxWidget::SetCharacter(const CKanjiStrokes& target,
                                       const CDrawBoxSettings& settings) {
    m_target = &target;
    m_targetJoined = target;
    m_targetJoined.JoinForRaw();
    m_box.SetCharacter(target, settings);
    Redraw();
}

void CKanjiDrawBoxWidget::SetGhostCharacter(const std::string& character) {
    m_ghostCharacter = character;
    // A shown ghost follows the new character: hide it, then show it again with that one.
    if (!m_box.GhostText().empty()) {
        m_box.ToggleGhost(m_ghostCharacter);
        m_box.ToggleGhost(m_ghostCharacter);
    }
    Redraw();
}

void CKanjiDrawBoxWidget::SetGhostFontFace(std::optional<std::string> face) {
    m_ghostFontFace = std::move(face);
    Redraw();
}

void CKanjiDrawBoxWidget::SetStyle(CStrokeCanvas::Style style) {
    m_strokeCanvas.SetStyle(style);
    Redraw();
}

void CKanjiDrawBoxWidget::Run(const std::function<void(CKanjiDrawBox&)>& command) {
    Apply([&] { command(m_box); }, true);
}

void CKanjiDrawBoxWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, kCaptionHeight), m_picture.Image());
    painter.fillRect(0, kCaptionHeight + kDrawSize, kWidth, kClientHeight - kDrawSize,
                     palette().window());
}

void CKanjiDrawBoxWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        Apply([this] { m_box.Back(); }, true);
    } else if (event->button() == Qt::LeftButton && event->position().y() < kCaptionHeight) {
        Apply([this] { m_box.Hint(); }, true);
    } else if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        const CPoint point = DrawPoint(event->position());
        Apply([this, point] { m_box.PenDown(point); }, false);
    } else {
        QWidget::mousePressEvent(event);
    }
}

void CKanjiDrawBoxWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return QWidget::mouseMoveEvent(event);
    const CPoint point = DrawPoint(event->position());
    Apply([this, point] { m_box.PenMove(point); }, m_box.Drawing());
}

void CKanjiDrawBoxWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    Apply([this] { m_box.PenUp(); }, m_box.Drawing());
}

void CKanjiDrawBoxWidget::keyPressEvent(QKeyEvent* event) {
    if (const int count = CopyCount(event->key()); count > 0) {
        const CPoint pointer = DrawPoint(QPointF(mapFromGlobal(QCursor::pos())));
        Apply([this, count, pointer] { m_box.CopyLastStrokes(count, pointer); }, true);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Backspace:
            Apply([this] { m_box.Back(); }, true);
            break;
        case Qt::Key_Home:
            Apply([this] { m_box.EraseAll(); }, true);
            break;
        case Qt::Key_Space:
            Apply([this] { m_box.CycleGuides(); }, false);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void CKanjiDrawBoxWidget::Apply(const std::function<void()>& action, bool mayCheck) {
    action();
    Redraw();
    if (mayCheck && !m_box.Drawing() && m_statusHandler) m_statusHandler(m_box.Status());
}

void CKanjiDrawBoxWidget::Redraw() {
    CBoxPictureState state;
    state.guides = m_box.Guides();
    if (!m_box.GhostText().empty()) {
        if (GhostAsText()) {
            state.ghostText = QString::fromStdString(m_box.GhostText()).toStdU16String();
            state.ghostFont = CFont{*m_ghostFontFace, kGhostTextHeight, 0};
            state.ghostTextTopLeft = kGhostTextTopLeft;
        } else if (m_target != nullptr) {
            const bool simple = m_strokeCanvas.GetStyle() == CStrokeCanvas::Style::Simple;
            state.ghost = simple ? &m_targetJoined : m_target;
        }
    }
    state.userStrokes = &m_box.UserStrokes();
    state.correct = m_box.Status() == kStatusCorrect;
    state.feedbackShown = m_box.FeedbackShown();
    state.incorrect = &m_box.Incorrect();
    state.wrongOrder = &m_box.WrongOrder();
    state.incomplete = &m_box.Incomplete();
    state.incompleteWrongOrder = &m_box.IncompleteWrongOrder();
    state.hintLevel = m_box.HintLevel();
    state.hintStroke = &m_box.HintStroke();
    // The recogniser's working segments already stand where they are drawn: no offsets.
    CKanjiStrokes working;
    AppendStroke(m_box.WorkingStroke(), working);
    state.drawing = m_box.Drawing();
    state.working = &working;
    ComposeBoxPicture(m_strokeCanvas, state);

    m_caption->setText(QString::fromStdString(m_box.Caption()));
    update();
}

QPushButton* CKanjiDrawBoxWidget::AddButton(const QString& name, const QString& toolTip, int column,
                                            void (*paintIcon)(QPainter&),
                                            std::function<void()> command) {
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

CPoint CKanjiDrawBoxWidget::DrawPoint(QPointF position) {
    return {static_cast<int>(std::floor(position.x())),
            static_cast<int>(std::floor(position.y())) - kCaptionHeight};
}

bool CKanjiDrawBoxWidget::GhostAsText() const {
    return m_ghostFontFace.has_value() &&
           !QFontDatabase::families(QFontDatabase::Japanese).isEmpty();
}

}  // namespace brushly
