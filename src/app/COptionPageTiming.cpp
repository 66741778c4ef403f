#include "app/COptionPageTiming.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <optional>

#include "app/COptionPageControls.h"
#include "platform/CPrompter.h"

namespace brushly {

namespace {

QLineEdit* MakeSecondsField(const char* name, double seconds, QWidget* parent) {
    auto* field = new QLineEdit(QString::number(seconds, 'g', 15), parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaximumWidth(60);
    return field;
}

// The number typed into `field`, if it is one.
std::optional<double> SecondsOf(const QLineEdit* field) {
    bool ok = false;
    const double seconds = field->text().trimmed().toDouble(&ok);
    return ok ? std::optional<double>(seconds) : std::nullopt;
}

bool SecondsValid(QLineEdit* field, const char* message, CPrompter& prompter) {
    const std::optional<double> seconds = SecondsOf(field);
    if (seconds && *seconds >= COptionPageTiming::kMinSeconds &&
        *seconds <= COptionPageTiming::kMaxSeconds)
        return true;
    prompter.Information(message);
    field->setFocus();
    field->selectAll();
    return false;
}

}  // namespace

COptionPageTiming::COptionPageTiming(std::int32_t timeLimit, double timeLimitSeconds,
                                     std::int32_t autoFlip, double autoFlipSeconds, QWidget* parent)
    : QWidget(parent),
      m_originalTimeLimitSeconds(timeLimitSeconds),
      m_originalAutoFlipSeconds(autoFlipSeconds),
      m_timeLimit(MakeOptionCheckBox("Time Limit:", timeLimit, this)),
      m_timeLimitSeconds(MakeSecondsField("timeLimitSeconds", timeLimitSeconds, this)),
      m_autoFlip(MakeOptionCheckBox("Auto \"Flip\":", autoFlip, this)),
      m_autoFlipSeconds(MakeSecondsField("autoFlipSeconds", autoFlipSeconds, this)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_timeLimit, 0, 0);
    layout->addWidget(m_timeLimitSeconds, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("seconds"), this), 0, 2);
    layout->addWidget(m_autoFlip, 1, 0);
    layout->addWidget(m_autoFlipSeconds, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("seconds"), this), 1, 2);
}

bool COptionPageTiming::CanLeave(CPrompter& prompter) {
    return SecondsValid(m_timeLimitSeconds, kTimeLimitMessage, prompter) &&
           SecondsValid(m_autoFlipSeconds, kAutoFlipMessage, prompter);
}

std::int32_t COptionPageTiming::TimeLimit() const {
    return OptionFlag(m_timeLimit);
}

double COptionPageTiming::TimeLimitSeconds() const {
    return SecondsOf(m_timeLimitSeconds).value_or(m_originalTimeLimitSeconds);
}

std::int32_t COptionPageTiming::AutoFlip() const {
    return OptionFlag(m_autoFlip);
}

double COptionPageTiming::AutoFlipSeconds() const {
    return SecondsOf(m_autoFlipSeconds).value_or(m_originalAutoFlipSeconds);
}

}  // namespace brushly
