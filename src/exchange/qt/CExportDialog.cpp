#include "exchange/qt/CExportDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/QtSjisText.h"

namespace brushly {

namespace {

QPushButton* AddButton(QBoxLayout* layout, const char* text, const char* objectName) {
    auto* button = new QPushButton(QString::fromLatin1(text));
    button->setObjectName(QString::fromLatin1(objectName));
    layout->addWidget(button);
    return button;
}

QRadioButton* AddRadio(QBoxLayout* layout, const char* text, const char* objectName) {
    auto* radio = new QRadioButton(QString::fromLatin1(text));
    radio->setObjectName(QString::fromLatin1(objectName));
    layout->addWidget(radio);
    return radio;
}

}  // namespace

CExportDialog::CExportDialog(const CFlashcardSet& cards, const std::vector<std::string>& selected,
                             CPrompter& prompter, QWidget* parent)
    : QDialog(parent), m_cards(cards), m_prompter(prompter), m_groups(new QListWidget) {
    setWindowTitle(QString::fromLatin1(kTitle));
    m_groups->setObjectName(QStringLiteral("groupList"));
    for (const std::string& name : cards.GroupNames()) {
        const CWordGroup* group = cards.FindGroup(name);
        const int count = group ? group->cardCount : 0;
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 (%2)").arg(SjisToQString(name)).arg(count), m_groups);
        item->setData(Qt::UserRole, QByteArray::fromStdString(name));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        const bool checked =
            selected.empty() || std::ranges::find(selected, name) != selected.end();
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }

    auto* listButtons = new QHBoxLayout;
    connect(AddButton(listButtons, "Select &All", "selectAllButton"), &QPushButton::clicked, this,
            [this] { CheckAll(true); });
    connect(AddButton(listButtons, "&Clear", "clearButton"), &QPushButton::clicked, this,
            [this] { CheckAll(false); });
    listButtons->addStretch(1);

    auto* format = new QGroupBox(QStringLiteral("Format"));
    auto* formatLayout = new QVBoxLayout(format);
    m_tableFormat =
        AddRadio(formatLayout, "Word Group table (every field, tab-separated .tsv)", "tableFormat");
    m_notesFormat =
        AddRadio(formatLayout, "Spaced-repetition notes (front, back, tags; .txt)", "notesFormat");
    m_tableFormat->setChecked(true);

    auto* destination = new QGroupBox(QStringLiteral("Destination"));
    auto* destinationLayout = new QVBoxLayout(destination);
    m_filePerGroup = AddRadio(destinationLayout, "One file for each Word Group", "filePerGroup");
    m_oneFile = AddRadio(destinationLayout, "All checked groups in one file", "oneFile");
    m_filePerGroup->setChecked(true);
    auto* pathLayout = new QHBoxLayout;
    m_path = new QLineEdit;
    m_path->setObjectName(QStringLiteral("pathEdit"));
    pathLayout->addWidget(m_path, 1);
    connect(AddButton(pathLayout, "&Browse...", "browseButton"), &QPushButton::clicked, this,
            &CExportDialog::Browse);
    destinationLayout->addLayout(pathLayout);

    auto* buttons = new QDialogButtonBox;
    QPushButton* exportButton =
        buttons->addButton(QStringLiteral("&Export"), QDialogButtonBox::AcceptRole);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    exportButton->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* listLabel = new QLabel(QStringLiteral("&Word Groups:"));
    listLabel->setBuddy(m_groups);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(m_groups, 1);
    layout->addLayout(listButtons);
    layout->addWidget(format);
    layout->addWidget(destination);
    layout->addWidget(buttons);
    resize(480, 520);
}

CExportChoice CExportDialog::Choice() const {
    CExportChoice choice;
    for (int row = 0; row < m_groups->count(); ++row) {
        const QListWidgetItem* item = m_groups->item(row);
        if (item->checkState() == Qt::Checked)
            choice.groups.push_back(item->data(Qt::UserRole).toByteArray().toStdString());
    }
    choice.format =
        m_notesFormat->isChecked() ? ExportFormat::kSpacedRepetition : ExportFormat::kTable;
    choice.filePerGroup = m_filePerGroup->isChecked();
    choice.path = m_path->text().trimmed().toStdString();
    return choice;
}

void CExportDialog::accept() {
    if (CExportCommand::Run(m_cards, Choice(), m_prompter)) QDialog::accept();
}

void CExportDialog::CheckAll(bool checked) {
    for (int row = 0; row < m_groups->count(); ++row)
        m_groups->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void CExportDialog::Browse() {
    QString path;
    if (m_filePerGroup->isChecked()) {
        path = QFileDialog::getExistingDirectory(this, QStringLiteral("Export to Folder"),
                                                 m_path->text());
    } else {
        const QString extension =
            QString::fromLatin1(CWordGroupExporter::Extension(Choice().format));
        path = QFileDialog::getSaveFileName(this, QStringLiteral("Export to File"), m_path->text(),
                                            QStringLiteral("Text files (*%1)").arg(extension));
    }
    if (!path.isEmpty()) m_path->setText(path);
}

}  // namespace brushly
