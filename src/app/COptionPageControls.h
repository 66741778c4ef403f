#pragma once

#include <cstdint>

class QCheckBox;
class QWidget;

namespace brushly {

// Check boxes of the option pages stand for the record's 0/1 flags.

// A check box reading `label` (ASCII), checked when `value` is not 0.
QCheckBox* MakeOptionCheckBox(const char* label, std::int32_t value, QWidget* parent);

// 1 when `box` is checked, else 0.
std::int32_t OptionFlag(const QCheckBox* box);

}  // namespace brushly
