#pragma once

#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace brushly {

// The help window: the list of help topics (HelpTopics.h) beside the text of the chosen one.
class CHelpWindow final : public QWidget {
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // Shows the topic of that number; an unknown number leaves the current topic.
    void ShowTopic(int number);
    int CurrentTopic() const { return m_currentTopic; }

private:
    QListWidget* m_topics;
    QTextBrowser* m_text;
    int m_currentTopic = 0;
};

}  // namespace brushly
