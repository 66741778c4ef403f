#include "app/CBrushlyQtApplication.h"

#include <exception>

#include "archive/CArchiveException.h"

namespace brushly {

CBrushlyQtApplication::CBrushlyQtApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool CBrushlyQtApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        if (m_onFailure) m_onFailure(DescribeFailure(std::current_exception()));
    }
    return false;
}

}  // namespace brushly
