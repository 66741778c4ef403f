#include "app/editors/qt/CReadingEditorDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/editors/qt/EditorWidgets.h"
#include "handwriting/CJapaneseTextWidget.h"

namespace brushly {

using editors::Button;
using editors::Label;

namespace {
constexpr int kKanaSize = 24;
}  // namespace

CReadingEditorDialog::CReadingEditorDialog(CPrompter& prompter, const CJapaneseTextStyle& style,
                                           const CKanjiReading& reading, bool editing,
                                           QWidget* parent)
    : QDialog(parent), m_editor(prompter, reading, editing) {
    setObjectName(QStringLiteral("readingEditorDialog"));
    setWindowTitle(QString::fromLatin1(m_editor.Title()));

    m_reading = editors::Edit("readingEdit", this);
    m_meaning = editors::Edit("meaningEdit", this);
    m_kana = new CJapaneseTextWidget(style, kKanaSize, this);
    m_kana->setObjectName(QStringLiteral("kanaText"));
    m_kana->setMinimumSize(240, kKanaSize + 12);
    QPushButton* addOn = Button("Add &On", "addOnButton", this);
    QPushButton* addKun = Button("Add &Kun", "addKunButton", this);
    QPushButton* swap = Button(kSwapLongOText, "swapLongOButton", this);
    QPushButton* addMeaning = Button("Add &Meaning", "addMeaningButton", this);

    auto* fields = new QGridLayout;
    fields->addWidget(Label("Reading (ON/kun):", this), 0, 0);
    fields->addWidget(m_reading, 0, 1);
    fields->addWidget(addOn, 0, 2);
    fields->addWidget(addKun, 0, 3);
    fields->addWidget(swap, 0, 4);
    fields->addWidget(Label("Kana:", this), 1, 0);
    fields->addWidget(m_kana, 1, 1, 1, 4);
    fields->addWidget(Label("English Meaning(s):", this), 2, 0);
    fields->addWidget(m_meaning, 2, 1);
    fields->addWidget(addMeaning, 2, 2, 1, 2);

    auto* lists = new QHBoxLayout;
    m_on = AddList("ON readings", "onList", CReadingEditor::List::kOn, lists);
    m_kun = AddList("Kun readings", "kunList", CReadingEditor::List::kKun, lists);
    m_meanings = AddList("Meanings", "meaningList", CReadingEditor::List::kMeaning, lists);

    m_wordType = new QLabel(this);
    m_wordType->setObjectName(QStringLiteral("wordTypeText"));
    m_wordType->setMinimumWidth(80);
    m_adjust = Button("Adjust &Word Type", "adjustWordTypeButton", this);
    auto* wordType = new QHBoxLayout;
    wordType->addWidget(Label("Word Type:", this));
    wordType->addWidget(m_wordType);
    wordType->addWidget(m_adjust);
    wordType->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(lists, 1);
    layout->addLayout(wordType);
    layout->addWidget(buttons);

    // The add buttons work on typed text only.
    const auto enableWithText = [this](QLineEdit* edit, std::initializer_list<QPushButton*> adds) {
        for (QPushButton* add : adds) {
            add->setEnabled(false);
            connect(edit, &QLineEdit::textChanged, add,
                    [add](const QString& text) { add->setEnabled(!text.trimmed().isEmpty()); });
        }
    };
    enableWithText(m_reading, {addOn, addKun, swap});
    enableWithText(m_meaning, {addMeaning});
    connect(m_reading, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_kana->SetText(CReadingEditor::Kana(QStringToSjis(text)));
    });
    connect(addOn, &QPushButton::clicked, this,
            [this] { Add(CReadingEditor::List::kOn, m_reading); });
    connect(addKun, &QPushButton::clicked, this,
            [this] { Add(CReadingEditor::List::kKun, m_reading); });
    connect(addMeaning, &QPushButton::clicked, this,
            [this] { Add(CReadingEditor::List::kMeaning, m_meaning); });
    connect(swap, &QPushButton::clicked, this, [this] {
        m_reading->setText(
            SjisToQString(CReadingEditor::SwapLongO(QStringToSjis(m_reading->text()))));
    });
    connect(m_kun, &QListWidget::itemSelectionChanged, this, &CReadingEditorDialog::ShowWordType);
    connect(m_adjust, &QPushButton::clicked, this, [this] {
        const int row = editors::SelectedRow(*m_kun);
        if (row < 0 || !m_editor.AdjustWordType(static_cast<std::size_t>(row))) return;
        ShowLists();
        m_kun->setCurrentRow(row);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &CReadingEditorDialog::Accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowLists();
}

QListWidget* CReadingEditorDialog::AddList(const char* title, const char* name,
                                           CReadingEditor::List list, QLayout* lists) {
    auto* box = new QGroupBox(QString::fromLatin1(title), this);
    auto* entries = new QListWidget(box);
    entries->setObjectName(QString::fromLatin1(name));
    QPushButton* remove = Button("Remove", (std::string(name) + "Remove").c_str(), box);
    remove->setEnabled(false);
    connect(entries, &QListWidget::itemSelectionChanged, remove,
            [entries, remove] { remove->setEnabled(editors::SelectedRow(*entries) >= 0); });
    connect(remove, &QPushButton::clicked, this, [this, entries, list] {
        const int row = editors::SelectedRow(*entries);
        if (row >= 0 && m_editor.Remove(list, static_cast<std::size_t>(row))) ShowLists();
    });
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(entries, 1);
    layout->addWidget(remove);
    lists->addWidget(box);
    return entries;
}

void CReadingEditorDialog::Add(CReadingEditor::List list, QLineEdit* edit) {
    if (!m_editor.Add(list, QStringToSjis(edit->text()))) return;
    edit->clear();
    ShowLists();
}

void CReadingEditorDialog::ShowLists() {
    const CKanjiReading& reading = m_editor.Reading();
    const auto fill = [](QListWidget* list, const std::vector<std::string>& entries) {
        list->clear();
        for (const std::string& entry : entries)
            list->addItem(SjisToQString(entry));
    };
    fill(m_on, reading.onReadings);
    fill(m_kun, reading.kunReadings);
    fill(m_meanings, reading.meanings);
    ShowWordType();
}

void CReadingEditorDialog::ShowWordType() {
    const int row = editors::SelectedRow(*m_kun);
    m_adjust->setEnabled(row >= 0 && m_editor.CanAdjustWordType(static_cast<std::size_t>(row)));
    m_wordType->setText(
        row < 0 ? QString()
                : QString::fromStdString(m_editor.WordType(static_cast<std::size_t>(row))));
}

void CReadingEditorDialog::Accept() {
    if (m_editor.Accept()) accept();
}

}  // namespace brushly
