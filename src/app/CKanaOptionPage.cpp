#include "app/CKanaOptionPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/COptionPageControls.h"
#include "app/COptionPageTiming.h"
#include "app/CRadioChoiceBox.h"

namespace brushly {

CKanaOptionPage::CKanaOptionPage(const CKanaFlashOptions& options, CPrompter& prompter,
                                 QWidget* parent)
    : QWidget(parent),
      m_prompter(prompter),
      m_original(options),
      m_quizMode(MakeQuizModeChoice(options.quizMode, this)),
      m_timing(new COptionPageTiming(options, this)),
      m_kanaSet(new CRadioChoiceBox(
          QStringLiteral("Include in flashcard list"),
          {QStringLiteral("All kana"), QStringLiteral("Only gojuu-on (50 sounds)"),
           QStringLiteral("Only gojuu-on and daku/handaku-on (50 sounds + g,z,d,b,p)")},
          options.kanaSet, this)),
      m_order(new CRadioChoiceBox(QStringLiteral("Shuffle Order"),
                                  {QStringLiteral("Random"), QStringLiteral("\"Alphabetic\""),
                                   QStringLiteral("Recognition performance (most missed first)")},
                                  options.order, this)) {
    auto* left = new QVBoxLayout;
    left->addWidget(m_quizMode);
    left->addWidget(m_timing);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(m_kanaSet);
    right->addWidget(m_order);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);
}

bool CKanaOptionPage::CanLeave() {
    if (!m_timing->CanLeave(m_prompter)) return false;
    if (m_kanaViewOpen && m_kanaSet->Value() != m_original.kanaSet)
        return m_prompter.AskYesNo(kReshuffleQuestion);
    return true;
}

CKanaFlashOptions CKanaOptionPage::Options() const {
    CKanaFlashOptions options = m_original;
    options.quizMode = m_quizMode->Value();
    m_timing->CopyTo(options);
    options.kanaSet = m_kanaSet->Value();
    options.order = m_order->Value();
    return options;
}

}  // namespace brushly
