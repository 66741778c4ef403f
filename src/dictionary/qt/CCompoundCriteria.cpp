#include "dictionary/qt/CCompoundCriteria.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dictionary/CCompoundSearch.h"
#include "handwriting/CJapaneseTextWidget.h"

namespace brushly {

namespace {

// A criterion's check box follows its edit: checked while the edit holds text.
void FollowText(QLineEdit* edit, QCheckBox* box) {
    QObject::connect(edit, &QLineEdit::textEdited, box,
                     [box](const QString& text) { box->setChecked(!text.isEmpty()); });
}

QCheckBox* Box(const char* text, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromLatin1(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLineEdit* Edit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

}  // namespace

CCompoundCriteria::CCompoundCriteria(const CJapaneseTextStyle& style, QWidget* parent)
    : QWidget(parent) {
    m_useRomaji = Box("Romaji:", "useRomajiCheck", this);
    m_romaji = Edit("romajiEdit", this);
    m_useMeaning = Box("Meaning:", "useMeaningCheck", this);
    m_meaning = Edit("meaningEdit", this);
    m_wholeWord = Box("Match whole word only", "wholeWordCheck", this);
    m_useKanji = Box("Kanji:", "useKanjiCheck", this);
    m_kanji = new CJapaneseTextWidget(style, kKanjiSize, this);
    m_kanji->setObjectName(QStringLiteral("kanjiQuery"));
    m_kanji->setFixedSize(kKanjiSize + 8, kKanjiSize + 8);
    m_getKanji = new QPushButton(QStringLiteral("&Get Kanji"), this);
    m_getKanji->setObjectName(QStringLiteral("getKanjiButton"));
    m_getKanji->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_andOr = new QComboBox(this);
    m_andOr->setObjectName(QStringLiteral("andOrList"));
    m_andOr->addItems({QStringLiteral("AND"), QStringLiteral("OR")});
    m_andOrText = new QLabel(this);
    m_andOrText->setObjectName(QStringLiteral("andOrText"));
    m_search = new QPushButton(QStringLiteral("SEARCH"), this);
    m_search->setObjectName(QStringLiteral("searchButton"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_useRomaji, 0, 0);
    grid->addWidget(m_romaji, 0, 1, 1, 3);
    grid->addWidget(m_useMeaning, 1, 0);
    grid->addWidget(m_meaning, 1, 1, 1, 3);
    grid->addWidget(m_wholeWord, 2, 1, 1, 3);
    grid->addWidget(m_useKanji, 3, 0);
    auto* kanji = new QHBoxLayout;
    kanji->addWidget(m_kanji);
    kanji->addWidget(m_getKanji);
    kanji->addStretch();
    grid->addLayout(kanji, 3, 1, 1, 3);
    grid->addWidget(m_andOr, 4, 0);
    grid->addWidget(m_andOrText, 4, 1, 1, 2);
    grid->addWidget(m_search, 4, 3);
    grid->setColumnStretch(3, 1);

    FollowText(m_romaji, m_useRomaji);
    FollowText(m_meaning, m_useMeaning);
    for (QCheckBox* box : {m_useRomaji, m_useMeaning, m_useKanji})
        connect(box, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
    connect(m_andOr, &QComboBox::currentIndexChanged, this, [this](int row) {
        m_andOrText->setText(QString::fromLatin1(row == 1 ? CCompoundSearch::kAnyCriteriaText
                                                          : CCompoundSearch::kAllCriteriaText));
    });
    m_andOrText->setText(QString::fromLatin1(CCompoundSearch::kAllCriteriaText));
    UpdateEnabled();
}

void CCompoundCriteria::Restore(const CCompoundSearchState& state) {
    m_romaji->setText(QString::fromLatin1(state.romaji.c_str()));
    m_meaning->setText(QString::fromLatin1(state.meaning.c_str()));
    m_useRomaji->setChecked(state.useRomaji);
    m_useMeaning->setChecked(state.useMeaning);
    m_wholeWord->setChecked(state.wholeWord);
    m_kanji->SetText(state.kanji);
    m_useKanji->setChecked(state.useKanji);
    m_andOr->setCurrentIndex(state.anyMode);
    SetIncluded(state.includeCompounds, state.includeKanaWords);
}

void CCompoundCriteria::Save(CCompoundSearchState& state) const {
    // Latin-1 keeps one byte per character typed, as the searches compare bytes.
    state.romaji = m_romaji->text().toLatin1().toStdString();
    state.meaning = m_meaning->text().toLatin1().toStdString();
    state.useRomaji = m_useRomaji->isChecked();
    state.useMeaning = m_useMeaning->isChecked();
    state.wholeWord = m_wholeWord->isChecked();
    state.kanji = m_kanji->Text();
    state.useKanji = m_useKanji->isChecked() && m_useKanji->isEnabled();
    state.anyMode = m_andOr->currentIndex();
}

void CCompoundCriteria::SetKanji(const std::string& kanji) {
    m_kanji->SetText(kanji);
    UpdateEnabled();
    m_useKanji->setChecked(m_useKanji->isEnabled());
}

void CCompoundCriteria::SetIncluded(bool compounds, bool kanaWords) {
    m_compoundsIncluded = compounds;
    m_kanaWordsIncluded = kanaWords;
    if (!compounds) m_useKanji->setChecked(false);
    UpdateEnabled();
}

void CCompoundCriteria::UpdateEnabled() {
    m_getKanji->setEnabled(m_compoundsIncluded);
    m_useKanji->setEnabled(m_compoundsIncluded && !m_kanji->Text().empty());
    const bool criterion = m_useRomaji->isChecked() || m_useMeaning->isChecked() ||
                           (m_useKanji->isChecked() && m_useKanji->isEnabled());
    m_search->setEnabled(criterion && (m_compoundsIncluded || m_kanaWordsIncluded));
}

}  // namespace brushly
