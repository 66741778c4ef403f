#pragma once

#include <vector>

#include "platform/CCancellation.h"

namespace brushly::testing {

// A user who presses Cancel just before the work's stopAt-th question (from 1; 0: never) and
// keeps it pressed; remembers what the work allowed, in order.
class CScriptedCancellation final : public CCancellation {
public:
    explicit CScriptedCancellation(int stopAt) : m_stopAt(stopAt) {}

    bool CancelRequested() override { return m_stopAt > 0 && ++questions >= m_stopAt; }
    void AllowCancel(bool allowed) override { allowances.push_back(allowed); }

    int questions = 0;
    std::vector<bool> allowances;

private:
    int m_stopAt;
};

}  // namespace brushly::testing
