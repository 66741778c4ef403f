#include "app/CHelpWindow.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QTextBrowser>

#include "app/HelpTopics.h"

namespace brushly {

CHelpWindow::CHelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_topics(new QListWidget(this)), m_text(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Brushly Help"));
    resize(720, 480);
    for (const CHelpTopic& topic : HelpTopics()) {
        auto* item = new QListWidgetItem(QString::fromUtf8(topic.title), m_topics);
        item->setData(Qt::UserRole, topic.number);
    }
    m_topics->setMaximumWidth(220);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_topics);
    layout->addWidget(m_text, 1);
    connect(m_topics, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) ShowTopic(item->data(Qt::UserRole).toInt());
    });
    ShowTopic(kHowToDrawKanjiTopic);
}

void CHelpWindow::ShowTopic(int number) {
    const CHelpTopic* topic = FindHelpTopic(number);
    if (!topic || number == m_currentTopic) return;
    m_currentTopic = number;
    m_text->setMarkdown(QStringLiteral("## %1\n\n%2")
                            .arg(QString::fromUtf8(topic->title), QString::fromUtf8(topic->text)));
    for (int row = 0; row < m_topics->count(); ++row) {
        if (m_topics->item(row)->data(Qt::UserRole).toInt() == number) m_topics->setCurrentRow(row);
    }
}

}  // namespace brushly
