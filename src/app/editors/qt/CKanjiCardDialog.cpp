#include "app/editors/qt/CKanjiCardDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/editors/CCompoundCardEditor.h"
#include "app/editors/qt/CCommentsDialog.h"
#include "app/editors/qt/CCompoundCardDialog.h"
#include "app/editors/qt/CEditorContext.h"
#include "app/editors/qt/CMainCharacterBox.h"
#include "app/editors/qt/CReadingEditorDialog.h"
#include "app/editors/qt/EditorWidgets.h"
#include "document/CBrushly2Doc.h"

namespace brushly {

using editors::Button;

CKanjiCardDialog::CKanjiCardDialog(CKanjiCardEditor& editor, CEditorContext& context,
                                   QWidget* parent)
    : CCardEditorDialog(editor, context, "kanjiCardDialog", parent), m_editor(editor) {
    m_character = new CMainCharacterBox(
        context, kCharacterSize, [this](const std::string& text) { m_editor.SetCharacter(text); },
        [this] { return m_editor.Record(); }, this);
    m_character->SetChangedListener([this] { ShowCharacter(); });

    m_readings = new QListWidget(this);
    m_readings->setObjectName(QStringLiteral("readingList"));
    m_readings->setMinimumSize(360, 120);
    m_import = Button("Import Readings", "importReadingsButton", this);
    QPushButton* add = Button("&Add", "addReadingButton", this);
    QPushButton* remove = Button("&Delete", "deleteReadingButton", this);
    QPushButton* edit = Button("&Edit", "editReadingButton", this);
    auto* readingButtons = new QVBoxLayout;
    for (QPushButton* button : {m_import, add, remove, edit})
        readingButtons->addWidget(button);
    readingButtons->addStretch();
    auto* readingBox = new QGroupBox(QStringLiteral("Readings"), this);
    auto* readingLayout = new QHBoxLayout(readingBox);
    readingLayout->addWidget(m_readings, 1);
    readingLayout->addLayout(readingButtons);

    QPushButton* comments = Button("Edit &Comments", "editCommentsButton", this);
    m_buildCompound = Button("&Build Compound", "buildCompoundButton", this);
    m_fromLibrary = Button("Add Compound\nFrom &Library", "compoundFromLibraryButton", this);
    auto* more = new QHBoxLayout;
    for (QPushButton* button : {comments, m_buildCompound, m_fromLibrary})
        more->addWidget(button);

    auto* content = new QVBoxLayout;
    content->addWidget(m_character);
    content->addWidget(readingBox, 1);
    content->addLayout(more);

    connect(m_import, &QPushButton::clicked, this, &CKanjiCardDialog::ImportReadings);
    connect(add, &QPushButton::clicked, this, &CKanjiCardDialog::AddReading);
    connect(remove, &QPushButton::clicked, this, &CKanjiCardDialog::DeleteReading);
    connect(edit, &QPushButton::clicked, this, &CKanjiCardDialog::EditReading);
    connect(m_readings, &QListWidget::itemDoubleClicked, this, &CKanjiCardDialog::EditReading);
    connect(comments, &QPushButton::clicked, this, &CKanjiCardDialog::EditComments);
    connect(m_buildCompound, &QPushButton::clicked, this, &CKanjiCardDialog::BuildCompound);
    connect(m_fromLibrary, &QPushButton::clicked, this, &CKanjiCardDialog::CompoundFromLibrary);
    Finish(content);
}

void CKanjiCardDialog::ShowCard() {
    ShowCharacter();
    ShowReadings(-1);
}

void CKanjiCardDialog::ShowCharacter() {
    const std::string& character = m_editor.Working().character;
    m_character->ShowCharacter(character);
    m_import->setEnabled(m_editor.Record() != nullptr);
    m_buildCompound->setEnabled(!character.empty());
    m_fromLibrary->setEnabled(!character.empty() &&
                              Context().Document().CompoundLibrary() != nullptr);
}

void CKanjiCardDialog::ShowReadings(int selectRow) {
    m_readings->clear();
    for (const std::string& line : m_editor.ReadingLines(Context().Document().LongOMode()))
        m_readings->addItem(SjisToQString(line));
    if (selectRow >= 0 && selectRow < m_readings->count()) m_readings->setCurrentRow(selectRow);
}

void CKanjiCardDialog::ImportReadings() {
    if (m_editor.ImportReadings()) ShowReadings(-1);
}

void CKanjiCardDialog::AddReading() {
    CReadingEditorDialog dialog(Context().Prompter(), Context().Style(), CKanjiReading(), false,
                                this);
    if (dialog.exec() != QDialog::Accepted) return;
    m_editor.AddReading(dialog.Reading());
    ShowReadings(m_readings->count());
}

void CKanjiCardDialog::EditReading() {
    const int row = editors::SelectedRow(*m_readings);
    const CKanjiReading* reading = m_editor.SelectedReading(row);
    if (reading == nullptr) return;
    CReadingEditorDialog dialog(Context().Prompter(), Context().Style(), *reading, true, this);
    if (dialog.exec() != QDialog::Accepted) return;
    m_editor.ReplaceReading(static_cast<std::size_t>(row), dialog.Reading());
    ShowReadings(row);
}

void CKanjiCardDialog::DeleteReading() {
    if (m_editor.DeleteReading(editors::SelectedRow(*m_readings))) ShowReadings(-1);
}

void CKanjiCardDialog::EditComments() {
    CCommentsDialog dialog(CKanjiCardEditor::kCommentsPrompt, m_editor.Working().comments, this);
    if (dialog.exec() == QDialog::Accepted) m_editor.SetComments(dialog.Comments());
}

void CKanjiCardDialog::BuildCompound() {
    CCompoundCardEditor compound(Context().Document(), Context().Prompter(), Group(),
                                 m_editor.FixedGroup());
    compound.AddKanji(m_editor.Working().character);
    CCompoundCardDialog dialog(compound, Context(), this);
    dialog.exec();
}

void CKanjiCardDialog::CompoundFromLibrary() {
    CCompoundSearchResult result;
    if (!Context().SearchWords(this, CCompoundSearchRequest::kModeKanjiEditor,
                               CompoundQuery::kByKanji, m_editor.Working().character, Group(),
                               result))
        return;
    AddCompoundCard(Context().Document(), result.selection, result.wordGroup);
}

}  // namespace brushly
