#include "app/COptionPageControls.h"

#include <QCheckBox>

#include "app/CRadioChoiceBox.h"

namespace brushly {

QCheckBox* MakeOptionCheckBox(const char* label, std::int32_t value, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromLatin1(label), parent);
    box->setChecked(value != 0);
    return box;
}

std::int32_t OptionFlag(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

CRadioChoiceBox* MakeQuizModeChoice(std::int32_t value, QWidget* parent) {
    return new CRadioChoiceBox(QStringLiteral("Quiz Mode"),
                               {QStringLiteral("Multiple Choice"),
                                QStringLiteral("Fill in the Blank"), QStringLiteral("No Quiz")},
                               value, parent);
}

}  // namespace brushly
