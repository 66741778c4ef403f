#include "app/CRadioChoiceBox.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace brushly {

CRadioChoiceBox::CRadioChoiceBox(const QString& title, const QStringList& labels, int value,
                                 QWidget* parent)
    : QGroupBox(title, parent), m_buttons(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    for (int index = 0; index < labels.size(); ++index) {
        auto* button = new QRadioButton(labels[index], this);
        m_buttons->addButton(button, index);
        layout->addWidget(button);
    }
    SetValue(value);
}

int CRadioChoiceBox::Value() const {
    return std::max(m_buttons->checkedId(), 0);
}

void CRadioChoiceBox::SetValue(int value) {
    if (QAbstractButton* button = m_buttons->button(value)) button->setChecked(true);
}

}  // namespace brushly
