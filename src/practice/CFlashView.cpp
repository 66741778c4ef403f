#include "practice/CFlashView.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <cmath>

#include "handwriting/CDemonstrationWidget.h"
#include "practice/CFlashAnswerWindow.h"
#include "practice/CFlashCardWidget.h"

namespace brushly {

namespace {

constexpr int kStripTextSize = 16;
constexpr int kCaptionLeft = 10;
constexpr int kStripTextTop = 10;

QFont StripFont() {
    QFont font;
    font.setPixelSize(kStripTextSize);
    return font;
}

}  // namespace

CFlashView::CFlashView(CBrushly2Doc& document, const CAbbreviationList& abbreviations,
                       const CJapaneseTextStyle& style, bool japaneseFont, QWidget* parent)
    : QWidget(parent),
      m_document(document),
      m_quiz(document, abbreviations, *this, japaneseFont),
      m_card(new CFlashCardWidget(style, this)),
      m_details(new QPushButton(QString::fromLatin1(CFlashQuiz::kDetailsText), this)),
      m_answerWindow(new CFlashAnswerWindow(this)),
      m_contextMenu(new QMenu(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);

    for (QTimer* timer : {&m_autoFlipTimer, &m_timeLimitTimer})
        timer->setSingleShot(true);
    connect(&m_autoFlipTimer, &QTimer::timeout, this,
            [this] { TimerExpired(CFlashQuiz::kAutoFlipTimer); });
    connect(&m_timeLimitTimer, &QTimer::timeout, this,
            [this] { TimerExpired(CFlashQuiz::kTimeLimitTimer); });

    m_card->setObjectName(QStringLiteral("flashCard"));
    m_card->SetClickHandlers([this](int slot) { Run([this, slot] { m_quiz.ClickSlot(slot); }); },
                             [this] { Run([this] { m_quiz.ClickCard(); }); });
    m_details->setObjectName(QStringLiteral("detailsButton"));
    m_details->setFocusPolicy(Qt::NoFocus);
    m_details->hide();
    connect(m_details, &QPushButton::clicked, this,
            [this] { Run([this] { m_quiz.PressDetails(); }); });
    m_answerWindow->SetHandlers(
        [this](const std::string& typed) { Run([this, typed] { m_quiz.EnterAnswer(typed); }); },
        [this] { Run([this] { m_quiz.SkipAnswer(); }); },
        [this](const std::string& typed) { m_quiz.SetTypedText(typed); });

    m_commonActions = {
        AddAction("Next", "Move to the next card (without marking right or wrong)", "next",
                  &CFlashView::Next),
        AddAction("Options", "Edit the options for the Flash View", "options",
                  &CFlashView::ShowOptions),
        AddAction("Shuffle", "Re-shuffle this set of cards", "shuffle", &CFlashView::Shuffle),
        AddAction("Show Missed Flashcards",
                  "Re-shuffle and show only the cards that have been marked wrong", "showMissed",
                  &CFlashView::ShowMissed),
        AddAction("Quiz Mode", "Switch between Quiz Modes", "quizMode",
                  &CFlashView::SwitchQuizMode),
        AddAction("Reset", "Reset statistics for this card", "reset", &CFlashView::Reset),
        AddAction("Reset All", "Reset ALL statistics for this set of cards", "resetAll",
                  &CFlashView::ResetAll),
        AddAction("Show Demonstration", "Display/Hide the Stroke Order Demonstration Window",
                  "showDemonstration", &CFlashView::ShowDemonstration)};
    m_noQuizActions = {
        AddAction("Mark Right", "Mark this card as having been identified correctly", "markRight",
                  &CFlashView::MarkRight),
        AddAction("Mark Wrong", "Mark this card as having been identified incorrectly", "markWrong",
                  &CFlashView::MarkWrong),
        AddAction("More", "Show the \"data\" for this card", "more", &CFlashView::More)};
}

CFlashView::~CFlashView() = default;

QAction* CFlashView::AddAction(const char* text, const char* tip, const char* name,
                               void (CFlashView::*command)()) {
    auto* action = new QAction(QString::fromLatin1(text), this);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(QString::fromLatin1(tip));
    action->setToolTip(QString::fromLatin1(text));
    connect(action, &QAction::triggered, this, command);
    return action;
}

bool CFlashView::Open(const std::vector<std::string>& groupNames) {
    const bool started = m_quiz.Start(groupNames);
    Changed();
    return started;
}

void CFlashView::Leave() {
    m_quiz.Leave();
    m_demonstration.reset();
    m_demonstrated = nullptr;
    Changed();
}

void CFlashView::Run(const std::function<void()>& command) {
    command();
    Changed();
}

void CFlashView::RunModeCommand(const std::function<void()>& command) {
    const int before = m_quiz.QuizMode();
    Run(command);
    if (m_quiz.QuizMode() == before) return;
    m_answerPosition.reset();
    if (m_quizModeHandler) m_quizModeHandler();
}

void CFlashView::Next() {
    Run([this] { m_quiz.Next(); });
}

void CFlashView::MarkRight() {
    Run([this] { m_quiz.MarkRight(); });
}

void CFlashView::MarkWrong() {
    Run([this] { m_quiz.MarkWrong(); });
}

void CFlashView::Shuffle() {
    Run([this] { m_quiz.Shuffle(); });
}

void CFlashView::ShowMissed() {
    Run([this] { m_quiz.ShowMissed(); });
}

void CFlashView::SwitchQuizMode() {
    RunModeCommand([this] { m_quiz.SwitchQuizMode(); });
}

void CFlashView::ShowOptions() {
    if (m_optionsHandler) m_optionsHandler();
}

void CFlashView::Reset() {
    Run([this] { m_quiz.Reset(); });
}

void CFlashView::ResetAll() {
    Run([this] { m_quiz.ResetAll(); });
}

void CFlashView::More() {
    Run([this] { m_quiz.More(); });
}

void CFlashView::OptionsChanged(const CFlashOptions& before, std::int32_t commonWordsBefore) {
    RunModeCommand([&] { m_quiz.OptionsChanged(before, commonWordsBefore); });
}

QList<QAction*> CFlashView::ToolbarActions() const {
    QList<QAction*> actions = m_commonActions;
    if (m_quiz.QuizMode() == CFlashQuiz::kNoQuiz) actions += m_noQuizActions;
    return actions;
}

QRect CFlashView::ReturnRect() const {
    const QFontMetrics metrics(StripFont());
    return QRect(width() - kReturnOffset, kStripTextTop,
                 metrics.horizontalAdvance(QString::fromLatin1(kReturnText)), metrics.height());
}

QPoint CFlashView::FirstAnswerPosition() const {
    const QPoint centre = rect().center();
    if (m_document.VerticalMode() != 0)
        return mapToGlobal(QPoint(centre.x() + kVerticalAnswerRightOfCentre,
                                  centre.y() - kVerticalAnswerAboveCentre));
    return mapToGlobal(QPoint(centre.x() - kAnswerLeftOfCentre, kAnswerTop));
}

void CFlashView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(StripFont());
    const QFontMetrics metrics(StripFont());
    const int baseline = kStripTextTop + metrics.ascent();
    painter.setPen(Qt::black);
    painter.drawText(kCaptionLeft, baseline, QString::fromStdString(m_quiz.Caption()));
    QFont link = StripFont();
    link.setUnderline(true);
    painter.setFont(link);
    painter.setPen(Qt::blue);
    painter.drawText(width() - kReturnOffset, baseline, QString::fromLatin1(kReturnText));
}

void CFlashView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_card->setGeometry(0, kStripHeight, width(), std::max(0, height() - kStripHeight));
    m_details->setGeometry(width() - kDetailsRight, kDetailsTop, kDetailsWidth, kDetailsHeight);
}

void CFlashView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && ReturnRect().contains(event->position().toPoint())) {
        ReturnToMainView();
        return;
    }
    QWidget::mousePressEvent(event);
}

void CFlashView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_1:
        case Qt::Key_2:
        case Qt::Key_3:
        case Qt::Key_4: {
            const int slot = event->key() - Qt::Key_0;
            Run([this, slot] { m_quiz.ClickSlot(slot); });
            return;
        }
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_quiz.Details() != CFlashQuiz::DetailsButton::kHidden)
                Run([this] { m_quiz.PressDetails(); });
            else
                Run([this] { m_quiz.ClickCard(); });
            return;
        case Qt::Key_Right:
            Next();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void CFlashView::contextMenuEvent(QContextMenuEvent* event) {
    m_contextMenu->clear();
    m_contextMenu->addActions(ToolbarActions());
    m_contextMenu->popup(event->globalPos());
}

void CFlashView::StartTimer(int timer, double seconds) {
    QTimer& qtTimer = timer == CFlashQuiz::kAutoFlipTimer ? m_autoFlipTimer : m_timeLimitTimer;
    qtTimer.start(static_cast<int>(std::lround(seconds * 1000.0)));
}

void CFlashView::StopTimer(int timer) {
    (timer == CFlashQuiz::kAutoFlipTimer ? m_autoFlipTimer : m_timeLimitTimer).stop();
}

void CFlashView::ShowShuffling(bool shown) {
    m_card->SetShuffling(shown);
    // Building the deck blocks the event loop, so the box is painted now.
    if (m_card->isVisible()) m_card->repaint();
}

void CFlashView::ReturnToMainView() {
    Leave();
    if (m_returnHandler) m_returnHandler();
}

void CFlashView::TimerExpired(int timer) {
    Run([this, timer] { m_quiz.TimerExpired(timer, HasFocus()); });
}

bool CFlashView::HasFocus() const {
    return isActiveWindow() || m_answerWindow->isActiveWindow();
}

void CFlashView::DisplayModesChanged() {
    Changed();
}

void CFlashView::Changed() {
    CFlashCardContent content;
    content.question = m_quiz.QuestionText();
    content.slots = m_quiz.Slots();
    content.showSlots =
        m_quiz.Current() != nullptr && m_quiz.QuizMode() == CFlashQuiz::kMultipleChoice;
    content.meanings = m_document.Options().flash.desiredAnswer == 1;
    content.panels = m_quiz.CardData();
    content.vertical = m_document.VerticalMode() != 0;
    m_card->SetContent(std::move(content));

    const CFlashQuiz::DetailsButton details = m_quiz.Details();
    m_details->setVisible(details != CFlashQuiz::DetailsButton::kHidden);
    m_details->setText(QString::fromLatin1(details == CFlashQuiz::DetailsButton::kContinue
                                               ? CFlashQuiz::kContinueText
                                               : CFlashQuiz::kDetailsText));
    SyncAnswerWindow();
    SyncDemonstration();
    update();
}

void CFlashView::SyncAnswerWindow() {
    if (!m_quiz.AnswerWindowOpen()) {
        if (m_answerWindow->isVisible()) {
            m_answerPosition = m_answerWindow->pos();
            m_answerWindow->hide();
        }
        return;
    }
    m_answerWindow->SetPrompt(m_quiz.Prompt());
    m_answerWindow->SetFeedback(m_quiz.Feedback());
    m_answerWindow->SetAnswer(m_quiz.TypedText());
    if (m_answerWindow->isVisible()) return;
    m_answerWindow->move(m_answerPosition.value_or(FirstAnswerPosition()));
    m_answerWindow->show();
}

void CFlashView::ShowDemonstration() {
    if (m_demonstration && m_demonstration->isVisible()) {
        m_demonstration.reset();
        m_demonstrated = nullptr;
        return;
    }
    m_demonstration =
        std::make_unique<CDemonstrationWidget>(QString::fromLatin1(kDemonstrationCaption), this);
    m_demonstration->setWindowFlag(Qt::Tool);
    m_demonstration->move(
        mapToGlobal(QPoint(width() - CDemonstrationWidget::kWidth - kDetailsRight, kStripHeight)));
    StartDemonstration();
    m_demonstration->show();
}

void CFlashView::SyncDemonstration() {
    if (m_demonstration && m_quiz.DemonstrationStrokes() != m_demonstrated) StartDemonstration();
}

void CFlashView::StartDemonstration() {
    m_demonstrated = m_quiz.DemonstrationStrokes();
    const CDrawOptions& draw = m_document.Options().draw;
    const CStrokeCanvas::Style style =
        draw.drawingStyle == 1 ? CStrokeCanvas::Style::Simple : CStrokeCanvas::Style::Brush;
    CStrokeDemonstration& demonstration = m_demonstration->Demonstration();
    demonstration.Start(m_demonstrated, draw.demoSpeed, style, &m_demonstrationBusy);
    if (m_demonstrated != nullptr) demonstration.Play();
}

}  // namespace brushly
