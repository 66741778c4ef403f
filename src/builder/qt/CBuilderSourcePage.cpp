#include "builder/qt/CBuilderSourcePage.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "builder/BuilderSources.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

bool IsReference(int source) {
    return source != CBuilderSettings::kSourceGrade && source != CBuilderSettings::kSourceJlpt;
}

}  // namespace

CBuilderSourcePage::CBuilderSourcePage(CBuilderSettings& settings, QWidget* parent)
    : QWizardPage(parent),
      m_settings(settings),
      m_sources(new QListWidget(this)),
      m_rootName(new QLineEdit(this)),
      m_numbered(new QRadioButton(QString::fromLatin1(kNumberedText), this)),
      m_indexNumbers(new QRadioButton(QString::fromLatin1(kIndexNumbersText), this)) {
    setTitle(QString::fromLatin1(kTitle));
    m_sources->setObjectName(QStringLiteral("sourceList"));
    m_rootName->setObjectName(QStringLiteral("rootName"));
    m_numbered->setObjectName(QStringLiteral("numberedButton"));
    m_indexNumbers->setObjectName(QStringLiteral("indexNumbersButton"));
    for (int source = 0; source < kBuilderSourceCount; ++source)
        m_sources->addItem(QString::fromUtf8(ReferenceKeyLabel(source)));

    auto* intro = new QLabel(
        QStringLiteral("Choose where the kanji of the new Word Groups come from:"), this);
    auto* name = new QFormLayout;
    name->addRow(QStringLiteral("Word Group root name:"), m_rootName);
    auto* numbering = new QGroupBox(QStringLiteral("Number the new Word Groups"), this);
    auto* numberingLayout = new QVBoxLayout(numbering);
    numberingLayout->addWidget(m_numbered);
    numberingLayout->addWidget(m_indexNumbers);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_sources, 1);
    layout->addLayout(name);
    layout->addWidget(numbering);

    connect(m_sources, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != m_settings.source) SourceChosen(row);
    });
    connect(m_rootName, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_settings.rootName = sjis::FromUtf8(text.toStdString());
        Q_EMIT completeChanged();
    });
    connect(m_numbered, &QRadioButton::toggled, this, [this](bool checked) {
        m_settings.numbering =
            checked ? CBuilderSettings::kNumbered : CBuilderSettings::kIndexNumbers;
    });
}

void CBuilderSourcePage::initializePage() {
    m_settings.source = std::clamp(m_settings.source, 0, kBuilderSourceCount - 1);
    {
        const QSignalBlocker blocker(m_sources);
        m_sources->setCurrentRow(m_settings.source);
    }
    m_rootName->setText(QString::fromStdString(sjis::ToUtf8(m_settings.rootName)));
    UpdateNumbering();
}

bool CBuilderSourcePage::isComplete() const {
    return !m_rootName->text().trimmed().isEmpty();
}

void CBuilderSourcePage::SourceChosen(int source) {
    m_settings.source = source;
    m_settings.rootName = std::string(kBuilderRootNames[source]);
    m_rootName->setText(QString::fromStdString(m_settings.rootName));
    UpdateNumbering();
    Q_EMIT completeChanged();
}

void CBuilderSourcePage::UpdateNumbering() {
    const bool reference = IsReference(m_settings.source);
    if (!reference) m_settings.numbering = CBuilderSettings::kNumbered;
    m_indexNumbers->setEnabled(reference);
    if (m_settings.numbering == CBuilderSettings::kIndexNumbers) {
        m_indexNumbers->setChecked(true);
    } else {
        m_numbered->setChecked(true);
    }
}

}  // namespace brushly
