#include "app/CGeneralOptionPage.h"

#include <QLabel>
#include <QLayout>
#include <QVBoxLayout>

#include "app/CRadioChoiceBox.h"

namespace brushly {

CGeneralOptionPage::CGeneralOptionPage(int longOMode, QWidget* parent)
    : QWidget(parent),
      m_longO(new CRadioChoiceBox(QString::fromLatin1(kLongOTitle),
                                  {QString::fromLatin1(kOoLabel), QString::fromLatin1(kOuLabel)},
                                  longOMode, this)) {
    auto* note = new QLabel(QString::fromLatin1(kLongONote), m_longO);
    note->setWordWrap(true);
    m_longO->layout()->addWidget(note);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_longO);
    layout->addStretch();
}

int CGeneralOptionPage::LongOMode() const {
    return m_longO->Value();
}

}  // namespace brushly
