#include "builder/qt/CBuilderCompoundPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "builder/BuilderSources.h"

namespace brushly {

CBuilderCompoundPage::CBuilderCompoundPage(CBuilderSettings& settings, bool edictBuilt,
                                           QWidget* parent)
    : QWizardPage(parent),
      m_settings(settings),
      m_edictBuilt(edictBuilt),
      m_addCompounds(new QCheckBox(QString::fromLatin1(kAddCompoundsText), this)),
      m_rules(new QGroupBox(QStringLiteral("Each Word Group receives the compounds written with"),
                            this)),
      m_ruleButtons{new QRadioButton(QString::fromLatin1(kEarlierGroupsText), m_rules),
                    new QRadioButton(QString::fromLatin1(kSameGroupText), m_rules),
                    new QRadioButton(m_rules)},
      m_commonOnly(new QCheckBox(QString::fromLatin1(kCommonOnlyText), this)),
      m_includeKana(new QCheckBox(QString::fromLatin1(kIncludeKanaText), this)) {
    setTitle(QString::fromLatin1(kTitle));
    setFinalPage(true);
    auto* text =
        new QLabel(QString::fromLatin1(edictBuilt ? kEdictText : kInstallEdictPageText), this);
    text->setObjectName(QStringLiteral("pageText"));
    text->setWordWrap(true);
    m_addCompounds->setObjectName(QStringLiteral("addCompounds"));
    m_commonOnly->setObjectName(QStringLiteral("commonOnly"));
    m_includeKana->setObjectName(QStringLiteral("includeKana"));
    auto* rules = new QButtonGroup(this);
    auto* rulesLayout = new QVBoxLayout(m_rules);
    for (int rule = 0; rule < 3; ++rule) {
        m_ruleButtons[rule]->setObjectName(QStringLiteral("rule%1").arg(rule));
        rules->addButton(m_ruleButtons[rule], rule);
        rulesLayout->addWidget(m_ruleButtons[rule]);
    }
    auto* options = new QVBoxLayout;
    options->setContentsMargins(24, 0, 0, 0);
    options->addWidget(m_rules);
    options->addWidget(m_commonOnly);
    options->addWidget(m_includeKana);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addSpacing(8);
    layout->addWidget(m_addCompounds);
    layout->addLayout(options);
    layout->addStretch();

    connect(m_addCompounds, &QCheckBox::toggled, this, [this](bool checked) {
        m_settings.addCompounds = checked;
        UpdateOptions();
    });
    connect(rules, &QButtonGroup::idToggled, this, [this](int rule, bool checked) {
        if (checked) m_settings.compoundRule = rule;
    });
    connect(m_commonOnly, &QCheckBox::toggled, this,
            [this](bool checked) { m_settings.commonOnly = checked; });
    connect(m_includeKana, &QCheckBox::toggled, this,
            [this](bool checked) { m_settings.includeKana = checked; });
}

void CBuilderCompoundPage::initializePage() {
    const CLowerIndicesChoice lowerIndices = LowerIndicesChoice(m_settings);
    m_ruleButtons[CBuilderSettings::kRuleLowerIndices]->setText(
        QString::fromStdString(lowerIndices.label));
    m_ruleButtons[CBuilderSettings::kRuleLowerIndices]->setEnabled(lowerIndices.enabled);
    if (m_settings.compoundRule < 0 || m_settings.compoundRule > 2 ||
        (m_settings.compoundRule == CBuilderSettings::kRuleLowerIndices && !lowerIndices.enabled))
        m_settings.compoundRule = CBuilderSettings::kRuleEarlierGroups;
    m_ruleButtons[m_settings.compoundRule]->setChecked(true);
    m_commonOnly->setChecked(m_settings.commonOnly);
    m_includeKana->setChecked(m_settings.includeKana);
    {
        // Without EDICT the box shows clear, yet the choice is kept for a later run.
        const QSignalBlocker blocker(m_addCompounds);
        m_addCompounds->setChecked(m_settings.addCompounds && m_edictBuilt);
    }
    m_addCompounds->setEnabled(m_edictBuilt);
    UpdateOptions();
}

void CBuilderCompoundPage::UpdateOptions() {
    const bool enabled = m_edictBuilt && m_addCompounds->isChecked();
    m_rules->setEnabled(enabled);
    m_commonOnly->setEnabled(enabled);
    m_includeKana->setEnabled(enabled);
}

}  // namespace brushly
