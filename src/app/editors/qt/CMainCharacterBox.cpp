#include "app/editors/qt/CMainCharacterBox.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "app/editors/qt/CEditorContext.h"
#include "app/editors/qt/EditorWidgets.h"
#include "handwriting/CJapaneseTextWidget.h"

namespace brushly {

using editors::Button;

CMainCharacterBox::CMainCharacterBox(CEditorContext& context, int size, Setter setCharacter,
                                     RecordOf record, QWidget* parent)
    : QGroupBox(QStringLiteral("Main Character"), parent),
      m_context(context),
      m_setCharacter(std::move(setCharacter)),
      m_record(std::move(record)) {
    m_character = new CJapaneseTextWidget(context.Style(), size, this);
    m_character->setObjectName(QStringLiteral("characterText"));
    m_character->setFixedSize(size + 16, size + 16);
    m_edit = editors::Edit("characterEdit", this);
    m_edit->setMaximumWidth(60);
    m_getKanji = Button("&Get Kanji", "getKanjiButton", this);
    m_showData = Button("Sho&w Data", "showDataButton", this);
    m_demonstrate = Button("Stroke &Order Demonstration", "demonstrateButton", this);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_character, 0, 0, 3, 1);
    layout->addWidget(m_edit, 0, 1);
    layout->addWidget(m_getKanji, 0, 2);
    layout->addWidget(m_showData, 1, 1, 1, 2);
    layout->addWidget(m_demonstrate, 2, 1, 1, 2);

    connect(m_edit, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_setCharacter(QStringToSjis(text));
        Changed();
    });
    connect(m_getKanji, &QPushButton::clicked, this, [this] {
        const auto kanji = m_context.GetKanji(this);
        if (!kanji) return;
        m_setCharacter(*kanji);
        Changed();
    });
    connect(m_showData, &QPushButton::clicked, this, [this] {
        if (const CKanjiData* found = m_record()) m_context.ShowData(*found, this);
    });
    connect(m_demonstrate, &QPushButton::clicked, this, [this] {
        if (const CKanjiData* found = m_record()) m_context.Demonstrate(*found, this);
    });
}

void CMainCharacterBox::ShowCharacter(const std::string& character) {
    m_character->SetText(character);
    // Only the text that is not the user's own typing is replaced, to keep the cursor.
    if (QStringToSjis(m_edit->text()) != character) m_edit->setText(SjisToQString(character));
    const bool linked = m_record() != nullptr;
    m_getKanji->setEnabled(m_context.HasKanjiDatabase());
    m_showData->setEnabled(linked);
    m_demonstrate->setEnabled(linked);
}

void CMainCharacterBox::Changed() {
    if (m_changed) m_changed();
}

}  // namespace brushly
