#pragma once

#include <QWidget>
#include <cstdint>

class QCheckBox;
class QLineEdit;

namespace brushly {

class CPrompter;

// The timing rows of a quiz page: "Time Limit:" and "Auto "Flip":", each a check box with
// its number of seconds (1 to 30, fractions allowed) in a field named "timeLimitSeconds" or
// "autoFlipSeconds". Both the Flash View and the Kana Flash View blocks carry these four
// fields under the same names, so the rows read from and write into either block.
class COptionPageTiming final : public QWidget {
public:
    static constexpr const char* kTimeLimitMessage =
        "The Time Limit must be a number of seconds from 1 to 30.";
    static constexpr const char* kAutoFlipMessage =
        "The Auto Flip time must be a number of seconds from 1 to 30.";
    static constexpr double kMinSeconds = 1.0;
    static constexpr double kMaxSeconds = 30.0;

    template <class TOptions>
    explicit COptionPageTiming(const TOptions& options, QWidget* parent = nullptr)
        : COptionPageTiming(options.timeLimit, options.timeLimitSeconds, options.autoFlip,
                            options.autoFlipSeconds, parent) {}

    // Refuses, with a message through `prompter` and the bad field selected, seconds that are
    // not a number from 1 to 30. Time Limit is checked first.
    bool CanLeave(CPrompter& prompter);

    // Writes the four timing fields of `options`. Seconds that do not parse keep the value
    // the rows opened with.
    template <class TOptions>
    void CopyTo(TOptions& options) const {
        options.timeLimit = TimeLimit();
        options.timeLimitSeconds = TimeLimitSeconds();
        options.autoFlip = AutoFlip();
        options.autoFlipSeconds = AutoFlipSeconds();
    }

private:
    COptionPageTiming(std::int32_t timeLimit, double timeLimitSeconds, std::int32_t autoFlip,
                      double autoFlipSeconds, QWidget* parent);

    std::int32_t TimeLimit() const;
    double TimeLimitSeconds() const;
    std::int32_t AutoFlip() const;
    double AutoFlipSeconds() const;

    const double m_originalTimeLimitSeconds;
    const double m_originalAutoFlipSeconds;
    QCheckBox* m_timeLimit;
    QLineEdit* m_timeLimitSeconds;
    QCheckBox* m_autoFlip;
    QLineEdit* m_autoFlipSeconds;
};

}  // namespace brushly
