#include "exchange/qt/CImportDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "exchange/CImportCommand.h"
#include "platform/QtSjisText.h"

namespace brushly {

CImportDialog::CImportDialog(CImportPlan& plan, const CFlashcardSet& cards, CPrompter& prompter,
                             const QString& fileName, QWidget* parent)
    : QDialog(parent),
      m_plan(plan),
      m_cards(cards),
      m_prompter(prompter),
      m_table(new QTableWidget(static_cast<int>(plan.groups.size()), 4)) {
    setWindowTitle(QString::fromLatin1(kTitle));
    auto* description = new QLabel(QStringLiteral("%1: %2, %3, %4 rows read")
                                       .arg(fileName, QString::fromStdString(plan.encoding),
                                            QString::fromStdString(plan.layout))
                                       .arg(plan.rowCount));
    description->setObjectName(QStringLiteral("fileDescription"));
    description->setWordWrap(true);

    m_table->setObjectName(QStringLiteral("groupTable"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Import"), QStringLiteral("Word Group"),
                                        QStringLiteral("Flashcards"), QStringLiteral("Note")});
    m_table->verticalHeader()->hide();
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const CImportGroup& group = plan.groups[row];
        auto* check = new QTableWidgetItem;
        check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        check->setCheckState(group.selected ? Qt::Checked : Qt::Unchecked);
        m_table->setItem(row, kSelectedColumn, check);
        m_table->setItem(row, kNameColumn, new QTableWidgetItem(SjisToQString(group.name)));
        auto* count = new QTableWidgetItem(QString::number(group.CardCount()));
        count->setFlags(Qt::ItemIsEnabled);
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, kCountColumn, count);
        auto* note = new QTableWidgetItem;
        note->setFlags(Qt::ItemIsEnabled);
        m_table->setItem(row, kNoteColumn, note);
        ShowNote(row);
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setStretchLastSection(false);
    connect(m_table, &QTableWidget::itemChanged, this, &CImportDialog::ItemChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(description);
    layout->addWidget(m_table, 2);
    if (!plan.problems.empty()) {
        auto* label = new QLabel(QString::fromLatin1(kProblemsLabel));
        label->setObjectName(QStringLiteral("problemsLabel"));
        auto* problems = new QListWidget;
        problems->setObjectName(QStringLiteral("problemList"));
        problems->setSelectionMode(QAbstractItemView::NoSelection);
        for (const CImportProblem& problem : plan.problems)
            problems->addItem(SjisToQString(CImportCommand::ProblemLine(problem)));
        layout->addWidget(label);
        layout->addWidget(problems, 1);
    }
    auto* buttons = new QDialogButtonBox;
    QPushButton* import =
        buttons->addButton(QStringLiteral("&Import"), QDialogButtonBox::AcceptRole);
    import->setObjectName(QStringLiteral("importButton"));
    import->setDefault(true);
    import->setAutoDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(600, plan.problems.empty() ? 360 : 480);
}

void CImportDialog::ItemChanged(QTableWidgetItem* item) {
    CImportGroup& group = m_plan.groups[item->row()];
    if (item->column() == kSelectedColumn) {
        group.selected = item->checkState() == Qt::Checked;
    } else if (item->column() == kNameColumn) {
        group.name = QStringToSjis(item->text().trimmed());
        ShowNote(item->row());
    }
}

void CImportDialog::ShowNote(int row) {
    const CImportGroup& group = m_plan.groups[row];
    const QSignalBlocker noEcho(m_table);
    m_table->item(row, kNoteColumn)
        ->setText(group.name == group.sourceName
                      ? QString()
                      : QStringLiteral("renamed: %1 exists").arg(SjisToQString(group.sourceName)));
}

int CImportDialog::FirstNameProblemRow() {
    // NameProblem tells the first fault in group order: the first row whose problem appears
    // once the rows after it are left out is that group.
    std::vector<bool> selected;
    for (const CImportGroup& group : m_plan.groups)
        selected.push_back(group.selected);
    int found = -1;
    for (std::size_t row = 0; row < selected.size() && found < 0; ++row) {
        for (std::size_t later = row + 1; later < selected.size(); ++later)
            m_plan.groups[later].selected = false;
        if (selected[row] && !m_plan.NameProblem(m_cards).empty()) found = static_cast<int>(row);
        for (std::size_t later = row + 1; later < selected.size(); ++later)
            m_plan.groups[later].selected = selected[later];
    }
    return found;
}

void CImportDialog::accept() {
    if (std::ranges::none_of(m_plan.groups, &CImportGroup::selected)) {
        m_prompter.Information(kNothingCheckedMessage);
        return;
    }
    const std::string problem = m_plan.NameProblem(m_cards);
    if (!problem.empty()) {
        m_prompter.Information(problem);
        const int row = FirstNameProblemRow();
        if (row >= 0) m_table->setCurrentCell(row, kNameColumn);
        m_table->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace brushly
