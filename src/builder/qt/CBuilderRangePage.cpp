#include "builder/qt/CBuilderRangePage.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "builder/BuilderSources.h"

namespace brushly {

namespace {
// Index numbers run to five digits in the largest reference books.
const QRegularExpression kDigits(QStringLiteral("[0-9]{0,5}"));

QString Latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

CBuilderRangePage::CBuilderRangePage(CBuilderSettings& settings, const CKanjiLibrary& library,
                                     CPrompter& prompter, QWidget* parent)
    : QWizardPage(parent),
      m_settings(settings),
      m_library(library),
      m_prompter(prompter),
      m_reference(new QLabel(this)),
      m_referenceText(new QLabel(QString::fromLatin1(kReferenceText), this)),
      m_firstLabel(new QLabel(this)),
      m_first(AddNumberBox("firstIndex")),
      m_lastLabel(new QLabel(QStringLiteral("Last index:"), this)),
      m_last(AddNumberBox("lastIndex")),
      m_perGroup(AddNumberBox("cardsPerGroup")),
      m_cardCount(new QLabel(this)),
      m_groupCount(new QLabel(this)) {
    setTitle(QString::fromLatin1(kTitle));
    m_reference->setObjectName(QStringLiteral("chosenReference"));
    m_referenceText->setObjectName(QStringLiteral("referenceText"));
    m_firstLabel->setObjectName(QStringLiteral("firstIndexLabel"));
    m_lastLabel->setObjectName(QStringLiteral("lastIndexLabel"));
    m_cardCount->setObjectName(QStringLiteral("cardCount"));
    m_groupCount->setObjectName(QStringLiteral("groupCount"));
    m_referenceText->setWordWrap(true);

    auto* chosen = new QFormLayout;
    chosen->addRow(QStringLiteral("Chosen Reference:"), m_reference);
    auto* range = new QFormLayout;
    range->addRow(m_firstLabel, m_first);
    range->addRow(m_lastLabel, m_last);
    range->addRow(QStringLiteral("Flashcards per Word Group:"), m_perGroup);
    auto* counts = new QFormLayout;
    counts->addRow(QStringLiteral("Number of cards:"), m_cardCount);
    counts->addRow(QStringLiteral("Number of Word Groups:"), m_groupCount);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(chosen);
    layout->addSpacing(8);
    layout->addWidget(m_referenceText);
    layout->addLayout(range);
    layout->addSpacing(8);
    layout->addLayout(counts);
    layout->addStretch();
}

QLineEdit* CBuilderRangePage::AddNumberBox(const char* name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setValidator(new QRegularExpressionValidator(kDigits, box));
    box->setMaximumWidth(90);
    connect(box, &QLineEdit::textChanged, this, &CBuilderRangePage::Recount);
    return box;
}

void CBuilderRangePage::initializePage() {
    const int source = m_settings.source;
    const bool reference =
        source != CBuilderSettings::kSourceGrade && source != CBuilderSettings::kSourceJlpt;
    m_reference->setText(Latin(ReferenceKeyLabel(source)));
    m_referenceText->setVisible(reference);
    m_firstLabel->setText(source == CBuilderSettings::kSourceGrade ? QStringLiteral("Grade level:")
                          : source == CBuilderSettings::kSourceJlpt
                              ? QStringLiteral("JLPT kyuu:")
                              : QStringLiteral("First index:"));
    m_lastLabel->setVisible(reference);
    m_last->setVisible(reference);
    {
        // Recount reads all three boxes, so it waits until each holds the settings' text.
        const QSignalBlocker first(m_first), last(m_last), perGroup(m_perGroup);
        m_first->setText(QString::fromStdString(m_settings.firstIndex));
        m_last->setText(QString::fromStdString(m_settings.lastIndex));
        m_perGroup->setText(QString::fromStdString(m_settings.cardsPerGroup));
    }
    Recount();
}

void CBuilderRangePage::Recount() {
    m_settings.firstIndex = m_first->text().toStdString();
    m_settings.lastIndex = m_last->text().toStdString();
    m_settings.cardsPerGroup = m_perGroup->text().toStdString();
    UpdateCounts(m_library, m_settings);
    m_cardCount->setText(QString::number(m_settings.cardCount));
    m_groupCount->setText(QString::number(m_settings.groupCount));
    Q_EMIT completeChanged();
}

bool CBuilderRangePage::isComplete() const {
    return m_settings.groupCount > 0;
}

bool CBuilderRangePage::validatePage() {
    if (ReadNumber(m_settings.cardsPerGroup) <= kMaxCardsPerGroup) return true;
    m_prompter.Information(kTooManyCardsMessage);
    m_perGroup->setFocus();
    m_perGroup->selectAll();
    return false;
}

}  // namespace brushly
