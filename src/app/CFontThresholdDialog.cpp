#include "app/CFontThresholdDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "handwriting/CStrokeCanvas.h"
#include "handwriting/CharacterImage.h"
#include "platform/CQtCanvas.h"

namespace brushly {

namespace {

constexpr const char* kSampleKanji = "\x8F\x91";  // 書

QPixmap SamplePicture(const CKanjiLibrary* library, int side) {
    CQtCanvas canvas(side, side, qApp->devicePixelRatio());
    const CKanjiData* record = library ? library->FindByCharacter(kSampleKanji).record : nullptr;
    DrawCharacterImage(canvas, record, {0, 0, side, side}, kRoleUser, 0, std::nullopt);
    return QPixmap::fromImage(canvas.Image());
}

}  // namespace

CFontThresholdDialog::CFontThresholdDialog(const CKanjiLibrary* library, int currentRow,
                                           QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Adjust Japanese font settings"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        QStringLiteral("Brushly draws Japanese text from its own database of characters. Select "
                       "the smallest sample you can read easily; smaller text is then drawn "
                       "with plain lines."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* samples = new QGridLayout;
    for (std::size_t row = 0; row < kSampleSides.size(); ++row) {
        m_rows[row] = new QRadioButton(this);
        m_rows[row]->setObjectName(QStringLiteral("sampleRow%1").arg(row));
        auto* picture = new QLabel(this);
        picture->setPixmap(SamplePicture(library, kSampleSides[row]));
        samples->addWidget(m_rows[row], static_cast<int>(row), 0);
        samples->addWidget(picture, static_cast<int>(row), 1);
    }
    m_rows.back() = new QRadioButton(QStringLiteral("None legible"), this);
    m_rows.back()->setObjectName(QStringLiteral("noneLegible"));
    samples->addWidget(m_rows.back(), kRows - 1, 0, 1, 2);
    layout->addLayout(samples);

    auto* note = new QLabel(QStringLiteral("YOU CAN RE-ADJUST THIS SETTING AT ANY TIME BY "
                                           "SELECTING 'Tools - Brushly Font' FROM THE MAIN MENU."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    SetChosenRow(currentRow);
}

int CFontThresholdDialog::ChosenRow() const {
    const auto checked =
        std::ranges::find_if(m_rows, [](QRadioButton* row) { return row->isChecked(); });
    return checked == m_rows.end() ? 0 : static_cast<int>(checked - m_rows.begin());
}

void CFontThresholdDialog::SetChosenRow(int row) {
    m_rows[static_cast<std::size_t>(std::clamp(row, 0, kRows - 1))]->setChecked(true);
}

}  // namespace brushly
