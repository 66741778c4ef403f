#include "handwriting/CDrawBoxPracticeDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>
#include <string_view>

#include "handwriting/CKanjiDrawBoxWidget.h"
#include "platform/CSettingsStore.h"
#include "platform/ShiftJis.h"
#include "reference/CKanjiLibrary.h"

namespace brushly {

namespace {

// The kanji offered for practice, easiest first: 十 shows the stroke order, 一 at least a
// stroke.
constexpr std::string_view kPracticeKanji[] = {
    "\x8f\x5c",  // 十
    "\x88\xea",  // 一
};

constexpr const char* kInstructions =
    "Try the Kanji Draw Box before you start: trace the grey character one stroke at a "
    "time with the left mouse button held down, in the order it is written with a brush.\n\n"
    "After each stroke the caption tells you how you are doing; a wrong stroke turns red, "
    "one written out of order blue. \"Back\" (or the middle mouse button) takes the last "
    "stroke away, \"Erase\" clears the box. A green frame means the character is correct.";

const CKanjiData* PracticeKanji(const CKanjiLibrary& library) {
    for (const std::string_view character : kPracticeKanji)
        if (const CKanjiRef ref = library.FindByCharacter(character)) return ref.record;
    return nullptr;
}

}  // namespace

CDrawBoxPracticeDialog::CDrawBoxPracticeDialog(const CKanjiLibrary& library,
                                               CSettingsStore& settings, QWidget* parent)
    : QDialog(parent),
      m_settings(settings),
      m_drawBox(new CKanjiDrawBoxWidget(CKanjiDrawBoxWidget::Buttons::BackAndErase, this)),
      m_doNotShow(new QCheckBox(QStringLiteral("DO NOT start practice dialog each time"), this)) {
    setWindowTitle(QStringLiteral("Kanji Draw Box Practice"));
    setModal(true);

    if (const CKanjiData* kanji = PracticeKanji(library)) {
        CDrawBoxSettings boxSettings;
        boxSettings.feedbackMode = kFeedbackEachStroke;
        boxSettings.typeMode = 1;  // similar stroke types, the Draw View's default
        m_drawBox->SetCharacter(kanji->strokes, boxSettings);
        // The ghost shows what to write.
        const std::string character = sjis::ToUtf8(kanji->character);
        m_drawBox->SetGhostCharacter(character);
        m_drawBox->Run([&](CKanjiDrawBox& box) { box.ToggleGhost(character); });
    }
    m_doNotShow->setChecked(!ShouldShow(settings));

    auto* instructions = new QLabel(QString::fromUtf8(kInstructions), this);
    instructions->setWordWrap(true);
    instructions->setMinimumWidth(260);
    auto* practice = new QHBoxLayout;
    practice->addWidget(m_drawBox, 0, Qt::AlignTop);
    practice->addWidget(instructions, 1);

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_doNotShow);
    bottom->addStretch(1);
    bottom->addWidget(okButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(practice);
    layout->addLayout(bottom);
    m_drawBox->setFocus(Qt::OtherFocusReason);
}

bool CDrawBoxPracticeDialog::ShouldShow(const CSettingsStore& settings) {
    return settings.GetInt(kPracticeKey, 0) != 1;
}

void CDrawBoxPracticeDialog::done(int result) {
    m_settings.WriteInt(kPracticeKey, m_doNotShow->isChecked() ? 1 : 0);
    QDialog::done(result);
}

}  // namespace brushly
