#include "platform/CPausableTimer.h"

#include <QApplication>
#include <utility>

namespace brushly {

CPausableTimer::CPausableTimer(std::function<void()> expired) : m_expired(std::move(expired)) {
    m_ticker.setInterval(kTickMilliseconds);
    QObject::connect(&m_ticker, &QTimer::timeout, [this] { Tick(); });
}

void CPausableTimer::Start(int milliseconds) {
    m_remaining = milliseconds;
    m_sinceTick.start();
    m_ticker.start();
}

void CPausableTimer::Stop() {
    m_ticker.stop();
}

bool CPausableTimer::Paused() {
    return QApplication::activeModalWidget() != nullptr ||
           QApplication::activePopupWidget() != nullptr;
}

void CPausableTimer::Tick() {
    const qint64 elapsed = m_sinceTick.restart();
    if (Paused()) return;
    m_remaining -= elapsed;
    if (m_remaining > 0) return;
    m_ticker.stop();
    m_expired();
}

}  // namespace brushly
