#include "app/CFontChoiceDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace brushly {

CFontChoiceDialog::CFontChoiceDialog(const std::vector<std::string>& faces,
                                     const std::string& current, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Select a Japanese Font"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Font for Japanese text:"), this));
    m_faces = new QComboBox(this);
    m_faces->setObjectName(QStringLiteral("faceCombo"));
    for (const std::string& face : faces)
        m_faces->addItem(QString::fromStdString(face));
    m_faces->setCurrentIndex(std::max(0, m_faces->findText(QString::fromStdString(current))));
    layout->addWidget(m_faces);

    m_sample = new QLabel(QStringLiteral("\u6F22"), this);
    m_sample->setObjectName(QStringLiteral("sampleLabel"));
    m_sample->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_sample);
    connect(m_faces, &QComboBox::currentIndexChanged, this, [this] { ShowSample(); });
    ShowSample();

    auto* note = new QLabel(QStringLiteral("NOTE:  If you install a compatible Japanese font while "
                                           "Brushly is running, restart the program for it to "
                                           "take effect."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

std::string CFontChoiceDialog::ChosenFace() const {
    return m_faces->currentText().toStdString();
}

void CFontChoiceDialog::ShowSample() {
    QFont font(m_faces->currentText());
    font.setPixelSize(kSamplePixels);
    m_sample->setFont(font);
}

}  // namespace brushly
