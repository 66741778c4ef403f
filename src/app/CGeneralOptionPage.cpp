#include "app/CGeneralOptionPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QVBoxLayout>

#include "app/CRadioChoiceBox.h"

namespace brushly {

CGeneralOptionPage::CGeneralOptionPage(int longOMode, int smoothStrokes, QWidget* parent)
    : QWidget(parent),
      m_longO(new CRadioChoiceBox(QString::fromLatin1(kLongOTitle),
                                  {QString::fromLatin1(kOoLabel), QString::fromLatin1(kOuLabel)},
                                  longOMode, this)),
      m_smoothStrokes(new QCheckBox(QString::fromLatin1(kSmoothLabel))) {
    m_smoothStrokes->setObjectName(QStringLiteral("smoothStrokes"));
    m_smoothStrokes->setChecked(smoothStrokes != 0);
    auto* note = new QLabel(QString::fromLatin1(kLongONote), m_longO);
    note->setWordWrap(true);
    m_longO->layout()->addWidget(note);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_longO);
    auto* display = new QGroupBox(QString::fromLatin1(kDisplayTitle), this);
    auto* displayLayout = new QVBoxLayout(display);
    displayLayout->addWidget(m_smoothStrokes);
    layout->addWidget(display);
    layout->addStretch();
}

int CGeneralOptionPage::SmoothStrokes() const {
    return m_smoothStrokes->isChecked() ? 1 : 0;
}

int CGeneralOptionPage::LongOMode() const {
    return m_longO->Value();
}

}  // namespace brushly
