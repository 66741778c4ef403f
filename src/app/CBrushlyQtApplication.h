#pragma once

#include <QApplication>
#include <functional>
#include <string>

namespace brushly {

// The program's QApplication: an exception that escapes an event handler is caught here,
// described (DescribeFailure) and handed to the failure handler, and the event counts as not
// handled; the program goes on instead of aborting.
class CBrushlyQtApplication final : public QApplication {
public:
    using FailureHandler = std::function<void(const std::string& description)>;

    // argc must outlive the application, as for QApplication.
    CBrushlyQtApplication(int& argc, char** argv);

    // Called with the description of each escaped exception; with none set it is dropped.
    void SetFailureHandler(FailureHandler handler) { m_onFailure = std::move(handler); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    FailureHandler m_onFailure;
};

}  // namespace brushly
