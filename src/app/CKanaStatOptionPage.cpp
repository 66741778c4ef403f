#include "app/CKanaStatOptionPage.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

namespace brushly {

namespace {

QSpinBox* MakeLevelBox(const char* name, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(CKanaStatOptionPage::kMinLevel, CKanaStatOptionPage::kMaxLevel);
    box->setSuffix(QStringLiteral(" %"));
    return box;
}

}  // namespace

CKanaStatOptionPage::CKanaStatOptionPage(const CKanaFlashOptions& options, QWidget* parent)
    : QWidget(parent),
      m_original(options),
      m_lower(MakeLevelBox("lowerLevel", this)),
      m_upper(MakeLevelBox("upperLevel", this)) {
    connect(m_lower, &QSpinBox::valueChanged, this, [this](int lower) {
        if (lower > m_upper->value()) m_upper->setValue(lower);
    });
    connect(m_upper, &QSpinBox::valueChanged, this, [this](int upper) {
        if (upper < m_lower->value()) m_lower->setValue(upper);
    });
    // Upper first, so that a lower level above it raises it rather than being lowered.
    m_upper->setValue(options.upperRange);
    m_lower->setValue(options.lowerRange);

    auto* levels = new QGroupBox(QStringLiteral("Recognition Levels"), this);
    auto* form = new QFormLayout(levels);
    form->addRow(QStringLiteral("Lower level:"), m_lower);
    form->addRow(QStringLiteral("Upper level:"), m_upper);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(levels);
    layout->addStretch();
}

CKanaFlashOptions CKanaStatOptionPage::Options() const {
    CKanaFlashOptions options = m_original;
    options.lowerRange = m_lower->value();
    options.upperRange = m_upper->value();
    return options;
}

}  // namespace brushly
