#include "handwriting/CDemonstrationWidget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

namespace brushly {

CDemonstrationWidget::CDemonstrationWidget(const QString& caption, QWidget* parent)
    : QWidget(parent),
      m_picture(kWidth, kHeight - kButtonRise, devicePixelRatioF()),
      m_demonstration(m_picture, *this, [this] { update(); }) {
    m_picture.SetAntialiasing(true);
    setWindowTitle(caption);
    setFixedSize(kWidth, kHeight);
    m_strokeTimer.setSingleShot(true);
    m_revealTimer.setSingleShot(true);
    m_strokeTimer.setTimerType(Qt::PreciseTimer);
    m_revealTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_strokeTimer, &QTimer::timeout, this, [this] { m_demonstration.OnStrokeTimer(); });
    connect(&m_revealTimer, &QTimer::timeout, this, [this] { m_demonstration.OnRevealTick(); });

    connect(AddButton(QStringLiteral("Play"), QStringLiteral("playButton"), 0),
            &QPushButton::clicked, this, [this] { m_demonstration.Play(); });
    connect(AddButton(QStringLiteral("Step"), QStringLiteral("stepButton"), 1),
            &QPushButton::clicked, this, [this] { m_demonstration.Step(); });
    connect(AddButton(QStringLiteral("Pause"), QStringLiteral("pauseButton"), 2),
            &QPushButton::clicked, this, [this] { m_demonstration.Pause(); });
    connect(AddButton(QStringLiteral("Restart"), QStringLiteral("restartButton"), 3),
            &QPushButton::clicked, this, [this] { m_demonstration.Restart(); });
}

void CDemonstrationWidget::Run(const CKanjiStrokes* strokes, int speed, CStrokeCanvas::Style style,
                               bool* ownerBusy) {
    m_demonstration.Start(strokes, speed, style, ownerBusy);
    if (strokes != nullptr) m_demonstration.Play();
}

void CDemonstrationWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture.Image());
}

void CDemonstrationWidget::StartStrokeTimer(int milliseconds) {
    m_strokeTimer.start(milliseconds);
}

void CDemonstrationWidget::StartRevealTimer(int milliseconds) {
    m_revealTimer.start(milliseconds);
}

void CDemonstrationWidget::StopTimers() {
    m_strokeTimer.stop();
    m_revealTimer.stop();
}

std::chrono::microseconds CDemonstrationWidget::Now() const {
    return std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

QPushButton* CDemonstrationWidget::AddButton(const QString& text, const QString& name, int column) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setGeometry(1 + column * kButtonWidth, kHeight - kButtonRise, kButtonWidth,
                        kButtonHeight);
    return button;
}

}  // namespace brushly
