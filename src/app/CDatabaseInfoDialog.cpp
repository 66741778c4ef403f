#include "app/CDatabaseInfoDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brushly {

namespace {

QGroupBox* FieldsGroup(const QString& title, const CDatabaseFields& fields, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QFormLayout(group);
    layout->addRow(QStringLiteral("version:"),
                   new QLabel(QString::fromStdString(fields.version), group));
    layout->addRow(QStringLiteral("date:"), new QLabel(QString::fromStdString(fields.date), group));
    layout->addRow(QString::fromStdString(fields.countLabel),
                   new QLabel(QString::number(fields.count), group));
    return group;
}

}  // namespace

CDatabaseInfoDialog::CDatabaseInfoDialog(const CDatabaseInfo& info,
                                         std::function<void()> showEdictHelp, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Brushly Database Information"));
    // Wide enough for the title bar to show the whole title beside its buttons.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarButtonsWidth);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* edict =
        buttons->addButton(QStringLiteral("&EDICT Information"), QDialogButtonBox::HelpRole);
    edict->setObjectName(QStringLiteral("edictButton"));
    edict->setEnabled(info.edictBuilt);
    connect(edict, &QPushButton::clicked, this, [help = std::move(showEdictHelp)] { help(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FieldsGroup(QStringLiteral("Brushly Kanji Database"), info.kanji, this));
    layout->addWidget(
        FieldsGroup(QStringLiteral("Brushly Compound Database"), info.compounds, this));
    layout->addWidget(buttons);
}

}  // namespace brushly
