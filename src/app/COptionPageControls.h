#pragma once

#include <cstdint>

class QCheckBox;
class QWidget;

namespace brushly {

class CRadioChoiceBox;

// Check boxes of the option pages stand for the record's 0/1 flags.

// A check box reading `label` (ASCII), checked when `value` is not 0.
QCheckBox* MakeOptionCheckBox(const char* label, std::int32_t value, QWidget* parent);

// 1 when `box` is checked, else 0.
std::int32_t OptionFlag(const QCheckBox* box);

// The "Quiz Mode" group of the Flash View and Kana Flash View pages: "Multiple Choice",
// "Fill in the Blank" and "No Quiz" for the values 0 to 2.
CRadioChoiceBox* MakeQuizModeChoice(std::int32_t value, QWidget* parent);

}  // namespace brushly
