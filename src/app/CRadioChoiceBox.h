#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace brushly {

// A titled group of radio buttons standing for one numbered option: the n-th button (from
// 0, top to bottom) is value n, the way the options record numbers its choices.
class CRadioChoiceBox final : public QGroupBox {
public:
    // One button per label; `value` starts checked (out of range checks none).
    CRadioChoiceBox(const QString& title, const QStringList& labels, int value,
                    QWidget* parent = nullptr);

    // The checked button's number; 0 when none is checked.
    int Value() const;
    void SetValue(int value);

private:
    QButtonGroup* m_buttons;
};

}  // namespace brushly
