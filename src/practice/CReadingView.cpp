#include "practice/CReadingView.h"

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
#include "platform/CommandAction.h"
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

CReadingView::CReadingView(CBrushly2Doc& document, const CJapaneseTextStyle& style,
                           const QuizFactory& makeQuiz, const char* optionsTip, QWidget* parent)
    : QWidget(parent),
      m_document(document),
      m_quiz(makeQuiz(*this)),
      m_autoFlipTimer([this] { TimerExpired(CReadingQuiz::kAutoFlipTimer); }),
      m_timeLimitTimer([this] { TimerExpired(CReadingQuiz::kTimeLimitTimer); }),
      m_card(new CFlashCardWidget(style, this)),
      m_details(new QPushButton(QString::fromLatin1(CReadingQuiz::kDetailsText), this)),
      m_answerWindow(new CFlashAnswerWindow(this)),
      m_contextMenu(new QMenu(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);

    m_card->setObjectName(QStringLiteral("flashCard"));
    m_card->SetClickHandlers([this](int slot) { Run([this, slot] { m_quiz->ClickSlot(slot); }); },
                             [this] { Run([this] { m_quiz->ClickCard(); }); });
    m_details->setObjectName(QStringLiteral("detailsButton"));
    m_details->setFocusPolicy(Qt::NoFocus);
    m_details->hide();
    connect(m_details, &QPushButton::clicked, this,
            [this] { Run([this] { m_quiz->PressDetails(); }); });
    m_answerWindow->SetHandlers(
        [this](const std::string& typed) { Run([this, typed] { m_quiz->EnterAnswer(typed); }); },
        [this] { Run([this] { m_quiz->SkipAnswer(); }); },
        [this](const std::string& typed) { m_quiz->SetTypedText(typed); });

    m_commonActions = {
        AddAction("Next", "Move to the next card (without marking right or wrong)", "next",
                  &CReadingView::Next),
        AddAction("Options", optionsTip, "options", &CReadingView::ShowOptions),
        AddAction("Shuffle", "Re-shuffle this set of cards", "shuffle", &CReadingView::Shuffle),
        AddAction("Show Missed Flashcards",
                  "Re-shuffle and show only the cards that have been marked wrong", "showMissed",
                  &CReadingView::ShowMissed),
        AddAction("Quiz Mode", "Switch between Quiz Modes", "quizMode",
                  &CReadingView::SwitchQuizMode),
        AddAction("Reset", "Reset statistics for this card", "reset", &CReadingView::Reset),
        AddAction("Reset All", "Reset ALL statistics for this set of cards", "resetAll",
                  &CReadingView::ResetAll),
        AddAction("Show Demonstration", "Display/Hide the Stroke Order Demonstration Window",
                  "showDemonstration", &CReadingView::ShowDemonstration)};
    m_noQuizActions = {
        AddAction("Mark Right", "Mark this card as having been identified correctly", "markRight",
                  &CReadingView::MarkRight),
        AddAction("Mark Wrong", "Mark this card as having been identified incorrectly", "markWrong",
                  &CReadingView::MarkWrong),
        AddAction("More", "Show the \"data\" for this card", "more", &CReadingView::More)};
}

CReadingView::~CReadingView() = default;

QAction* CReadingView::AddAction(const char* text, const char* tip, const char* name,
                                 void (CReadingView::*command)()) {
    return MakeCommandAction(this, text, tip, name, [this, command] { (this->*command)(); });
}

void CReadingView::Leave() {
    m_quiz->Leave();
    m_demonstration.reset();
    m_demonstrated = nullptr;
    Changed();
}

void CReadingView::Run(const std::function<void()>& command) {
    command();
    Changed();
}

void CReadingView::RunModeCommand(int modeBefore, const std::function<void()>& command) {
    Run(command);
    if (m_quiz->QuizMode() == modeBefore) return;
    m_answerPosition.reset();
    if (m_quizModeHandler) m_quizModeHandler();
}

void CReadingView::Next() {
    Run([this] { m_quiz->Next(); });
}

void CReadingView::MarkRight() {
    Run([this] { m_quiz->MarkRight(); });
}

void CReadingView::MarkWrong() {
    Run([this] { m_quiz->MarkWrong(); });
}

void CReadingView::Shuffle() {
    Run([this] { m_quiz->Shuffle(); });
}

void CReadingView::ShowMissed() {
    Run([this] { m_quiz->ShowMissed(); });
}

void CReadingView::SwitchQuizMode() {
    RunModeCommand(m_quiz->QuizMode(), [this] { m_quiz->SwitchQuizMode(); });
}

void CReadingView::ShowOptions() {
    if (m_optionsHandler) m_optionsHandler();
}

void CReadingView::Reset() {
    Run([this] { m_quiz->Reset(); });
}

void CReadingView::ResetAll() {
    Run([this] { m_quiz->ResetAll(); });
}

void CReadingView::More() {
    Run([this] { m_quiz->More(); });
}

QList<QAction*> CReadingView::ToolbarActions() const {
    QList<QAction*> actions = m_commonActions;
    if (m_quiz->QuizMode() == CReadingQuiz::kNoQuiz) actions += m_noQuizActions;
    return actions;
}

QRect CReadingView::ReturnRect() const {
    const QFontMetrics metrics(StripFont());
    return QRect(width() - kReturnOffset, kStripTextTop,
                 metrics.horizontalAdvance(QString::fromLatin1(kReturnText)), metrics.height());
}

QPoint CReadingView::FirstAnswerPosition() const {
    const QPoint centre = rect().center();
    if (m_document.VerticalMode() != 0)
        return mapToGlobal(QPoint(centre.x() + kVerticalAnswerRightOfCentre,
                                  centre.y() - kVerticalAnswerAboveCentre));
    return mapToGlobal(QPoint(centre.x() - kAnswerLeftOfCentre, kAnswerTop));
}

void CReadingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(StripFont());
    const QFontMetrics metrics(StripFont());
    const int baseline = kStripTextTop + metrics.ascent();
    painter.setPen(Qt::black);
    painter.drawText(kCaptionLeft, baseline, QString::fromStdString(m_quiz->Caption()));
    QFont link = StripFont();
    link.setUnderline(true);
    painter.setFont(link);
    painter.setPen(Qt::blue);
    painter.drawText(width() - kReturnOffset, baseline, QString::fromLatin1(kReturnText));
}

void CReadingView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_card->setGeometry(0, kStripHeight, width(), std::max(0, height() - kStripHeight));
    m_details->setGeometry(width() - kDetailsRight, kDetailsTop, kDetailsWidth, kDetailsHeight);
}

void CReadingView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && ReturnRect().contains(event->position().toPoint())) {
        ReturnToMainView();
        return;
    }
    QWidget::mousePressEvent(event);
}

void CReadingView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_1:
        case Qt::Key_2:
        case Qt::Key_3:
        case Qt::Key_4: {
            const int slot = event->key() - Qt::Key_0;
            Run([this, slot] { m_quiz->ClickSlot(slot); });
            return;
        }
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Run([this] { m_quiz->PressSpace(); });
            return;
        case Qt::Key_Right:
            Next();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void CReadingView::contextMenuEvent(QContextMenuEvent* event) {
    m_contextMenu->clear();
    m_contextMenu->addActions(ToolbarActions());
    m_contextMenu->popup(event->globalPos());
}

void CReadingView::StartTimer(int timer, double seconds) {
    CPausableTimer& countdown =
        timer == CReadingQuiz::kAutoFlipTimer ? m_autoFlipTimer : m_timeLimitTimer;
    countdown.Start(static_cast<int>(std::lround(seconds * 1000.0)));
}

void CReadingView::StopTimer(int timer) {
    (timer == CReadingQuiz::kAutoFlipTimer ? m_autoFlipTimer : m_timeLimitTimer).Stop();
}

void CReadingView::ShowShuffling(bool shown) {
    m_card->SetShuffling(shown);
    // Building the deck blocks the event loop, so the box is painted now.
    if (m_card->isVisible()) m_card->repaint();
}

void CReadingView::ReturnToMainView() {
    Leave();
    if (m_returnHandler) m_returnHandler();
}

void CReadingView::TimerExpired(int timer) {
    Run([this, timer] { m_quiz->TimerExpired(timer, HasFocus()); });
}

bool CReadingView::HasFocus() const {
    return isActiveWindow() || m_answerWindow->isActiveWindow();
}

void CReadingView::DisplayModesChanged() {
    Changed();
}

void CReadingView::Changed() {
    CFlashCardContent content;
    content.question = m_quiz->QuestionText();
    content.slots = m_quiz->Slots();
    content.showSlots = m_quiz->HasCard() && m_quiz->QuizMode() == CReadingQuiz::kMultipleChoice;
    content.meanings = m_quiz->MeaningAnswers();
    content.panels = m_quiz->CardData();
    content.vertical = m_document.VerticalMode() != 0;
    m_card->SetSmoothStrokes(m_document.SmoothStrokes());
    m_card->SetContent(std::move(content));

    const CReadingQuiz::DetailsButton details = m_quiz->Details();
    m_details->setVisible(details != CReadingQuiz::DetailsButton::kHidden);
    m_details->setText(QString::fromLatin1(details == CReadingQuiz::DetailsButton::kContinue
                                               ? CReadingQuiz::kContinueText
                                               : CReadingQuiz::kDetailsText));
    SyncAnswerWindow();
    SyncDemonstration();
    update();
}

void CReadingView::SyncAnswerWindow() {
    if (!m_quiz->AnswerWindowOpen()) {
        if (m_answerWindow->isVisible()) {
            m_answerPosition = m_answerWindow->pos();
            m_answerWindow->hide();
        }
        return;
    }
    m_answerWindow->SetPrompt(m_quiz->Prompt());
    m_answerWindow->SetFeedback(m_quiz->Feedback());
    m_answerWindow->SetAnswer(m_quiz->TypedText());
    if (m_answerWindow->isVisible()) return;
    m_answerWindow->move(m_answerPosition.value_or(FirstAnswerPosition()));
    m_answerWindow->show();
}

void CReadingView::ShowDemonstration() {
    if (m_demonstration && m_demonstration->isVisible()) {
        m_demonstration.reset();
        m_demonstrated = nullptr;
        return;
    }
    m_demonstration = std::make_unique<CDemonstrationWidget>(
        QString::fromStdString(m_quiz->DemonstrationCaption()), this);
    m_demonstration->setWindowFlag(Qt::Tool);
    m_demonstration->move(
        mapToGlobal(QPoint(width() - CDemonstrationWidget::kWidth - kDetailsRight, kStripHeight)));
    StartDemonstration();
    m_demonstration->show();
}

void CReadingView::SyncDemonstration() {
    if (m_demonstration && m_quiz->DemonstrationStrokes() != m_demonstrated) StartDemonstration();
}

void CReadingView::StartDemonstration() {
    m_demonstrated = m_quiz->DemonstrationStrokes();
    const CDrawOptions& draw = m_document.Options().draw;
    m_demonstration->SetSmoothStrokes(m_document.SmoothStrokes());
    m_demonstration->Run(m_demonstrated, draw.demoSpeed,
                         CStrokeCanvas::StyleOption(draw.drawingStyle), &m_demonstrationBusy);
}

}  // namespace brushly
