#include "builder/qt/CSingleGroupBuilderDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <vector>

#include "builder/BuilderSources.h"
#include "builder/qt/CBuilderProgressDialog.h"
#include "document/CBrushly2Doc.h"
#include "handwriting/CJapaneseTextDelegate.h"
#include "platform/QtSjisText.h"

namespace brushly {

CSingleGroupBuilderDialog::CSingleGroupBuilderDialog(CBrushly2Doc& document,
                                                     CSingleGroupBuilder& builder,
                                                     const CJapaneseTextStyle& style,
                                                     QWidget* parent)
    : QDialog(parent),
      m_document(document),
      m_builder(builder),
      m_settings(document.BuilderSettings()),
      m_thisGroup(new QRadioButton(QString::fromLatin1(kThisGroupText), this)),
      m_selectedGroups(new QRadioButton(QString::fromLatin1(kSelectedGroupsText), this)),
      m_groups(new QListWidget(this)),
      m_erase(new QCheckBox(QString::fromLatin1(kEraseText), this)),
      m_commonOnly(new QCheckBox(QString::fromLatin1(kCommonOnlyText), this)),
      m_includeKana(new QCheckBox(QString::fromLatin1(kIncludeKanaText), this)) {
    setWindowTitle(QString::fromLatin1(CSingleGroupBuilder::kDialogTitle));
    m_thisGroup->setObjectName(QStringLiteral("thisGroupButton"));
    m_selectedGroups->setObjectName(QStringLiteral("selectedGroupsButton"));
    m_groups->setObjectName(QStringLiteral("groupList"));
    m_erase->setObjectName(QStringLiteral("eraseExisting"));
    m_commonOnly->setObjectName(QStringLiteral("commonOnly"));
    m_includeKana->setObjectName(QStringLiteral("includeKana"));

    m_groups->setSelectionMode(QAbstractItemView::MultiSelection);
    m_groups->setItemDelegate(new CJapaneseTextDelegate(style, m_groups));
    for (const std::string& name : builder.OtherKanjiGroups()) {
        auto* item = new QListWidgetItem(SjisToQString(name), m_groups);
        item->setData(Qt::UserRole, QByteArray::fromStdString(name));
    }
    const bool selectedScope =
        m_settings.singleGroupScope == CBuilderSettings::kScopeSelectedGroups;
    (selectedScope ? m_selectedGroups : m_thisGroup)->setChecked(true);
    m_groups->setEnabled(selectedScope);
    connect(m_selectedGroups, &QRadioButton::toggled, m_groups, &QWidget::setEnabled);
    m_erase->setChecked(m_settings.eraseExisting);
    m_commonOnly->setChecked(m_settings.commonOnly);
    m_includeKana->setChecked(m_settings.includeKana);

    auto* scope = new QGroupBox(QStringLiteral("Add compound flashcards written with"), this);
    auto* scopeLayout = new QVBoxLayout(scope);
    scopeLayout->addWidget(m_thisGroup);
    scopeLayout->addWidget(m_selectedGroups);
    scopeLayout->addWidget(m_groups);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* create =
        buttons->addButton(QStringLiteral("Create Compounds"), QDialogButtonBox::AcceptRole);
    create->setObjectName(QStringLiteral("createButton"));
    create->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scope, 1);
    layout->addWidget(m_erase);
    layout->addWidget(m_commonOnly);
    layout->addWidget(m_includeKana);
    layout->addWidget(buttons);
    resize(460, 420);
}

int CSingleGroupBuilderDialog::Run(CBrushly2Doc& document, const std::string& groupName,
                                   CPrompter& prompter, const CJapaneseTextStyle& style,
                                   QWidget* parent) {
    CSingleGroupBuilder builder(document, document.CompoundLibrary(), groupName, prompter);
    if (!builder.CanBuild()) return -1;
    CSingleGroupBuilderDialog dialog(document, builder, style, parent);
    if (dialog.exec() != QDialog::Accepted) return -1;
    const std::optional<int> added = dialog.BuildCompounds(parent);
    if (!added) {
        prompter.Information(CSingleGroupBuilder::kCancelledMessage);
        return -1;
    }
    return *added;
}

void CSingleGroupBuilderDialog::accept() {
    m_settings.singleGroupScope = m_selectedGroups->isChecked()
                                      ? CBuilderSettings::kScopeSelectedGroups
                                      : CBuilderSettings::kScopeThisGroup;
    m_settings.eraseExisting = m_erase->isChecked();
    m_settings.commonOnly = m_commonOnly->isChecked();
    m_settings.includeKana = m_includeKana->isChecked();
    m_document.BuilderSettings() = m_settings;
    m_selected.clear();
    for (const QListWidgetItem* item : m_groups->selectedItems())
        m_selected.push_back(item->data(Qt::UserRole).toByteArray().toStdString());
    QDialog::accept();
}

std::optional<int> CSingleGroupBuilderDialog::BuildCompounds(QWidget* parent) {
    std::optional<int> added;
    CBuilderProgressDialog::Run(
        QString::fromLatin1(CSingleGroupBuilder::kProgressText),
        [&](const CBuilderProgressDialog::ProgressCallback& progress, CCancellation& cancel) {
            added = m_builder.Build(m_settings, m_selected, progress, &cancel);
        },
        parent);
    return added;
}

}  // namespace brushly
