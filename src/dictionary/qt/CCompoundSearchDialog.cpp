#include "dictionary/qt/CCompoundSearchDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dictionary/qt/CCompoundCriteria.h"
#include "dictionary/qt/CompoundRowIcons.h"
#include "document/CBrushly2Doc.h"
#include "handwriting/CDrawBoxPracticeDialog.h"
#include "handwriting/CJapaneseTextWidget.h"
#include "lookup/RomajiKana.h"
#include "lookup/qt/CKanjiSearchDialog.h"
#include "platform/QtSjisText.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

constexpr int kReadingColumnWidth = 135;
constexpr int kMeaningColumnWidth = 265;

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QCheckBox* Box(const char* text, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromLatin1(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// The mark the stroke renderer draws for a character it has no strokes for.
QPixmap MissingCharacterMark() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::red, 2));
    painter.drawLine(3, 3, 12, 12);
    painter.drawLine(12, 3, 3, 12);
    return pixmap;
}

}  // namespace

CCompoundSearchDialog::CCompoundSearchDialog(CBrushly2Doc& document, CPrompter& prompter,
                                             const CAbbreviationList& abbreviations,
                                             CSettingsStore& settings,
                                             const CJapaneseTextStyle& style,
                                             const CCompoundSearchRequest& request,
                                             std::function<void()> showEdictHelp, QWidget* parent)
    : QDialog(parent),
      m_document(document),
      m_prompter(prompter),
      m_settings(settings),
      m_style(style),
      m_request(request),
      m_search(document.CompoundLibrary(), document.KanaWordLibrary(), abbreviations,
               document.CompoundSearch(), prompter),
      m_showEdictHelp(std::move(showEdictHelp)) {
    setObjectName(QStringLiteral("compoundSearchDialog"));
    setWindowTitle(QString::fromLatin1(CCompoundSearch::Title(document.CompoundLibrary())));

    m_criteria = new CCompoundCriteria(m_style, this);
    auto* criteria = new QGroupBox(QStringLiteral("Search for words"), this);
    auto* criteriaLayout = new QVBoxLayout(criteria);
    criteriaLayout->addWidget(m_criteria);
    auto* inputs = new QVBoxLayout;
    inputs->addWidget(criteria);
    inputs->addWidget(BuildOptions());
    inputs->addWidget(BuildSelection());
    inputs->addStretch();
    auto* outputs = new QVBoxLayout;
    outputs->addWidget(BuildResults(), 1);
    outputs->addWidget(BuildButtons());
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(inputs);
    layout->addLayout(outputs, 1);

    connect(m_criteria->SearchButton(), &QPushButton::clicked, this,
            &CCompoundSearchDialog::Search);
    connect(m_criteria->GetKanjiButton(), &QPushButton::clicked, this,
            &CCompoundSearchDialog::GetKanji);
    m_criteria->SearchButton()->setDefault(true);
    m_search.SetResultsListener([this] { ShowPage(); });
    Restore();
}

CCompoundSearchDialog::~CCompoundSearchDialog() = default;

QWidget* CCompoundSearchDialog::BuildOptions() {
    auto* group = new QGroupBox(QStringLiteral("Options"), this);
    auto* layout = new QVBoxLayout(group);
    m_includeCompounds = Box("Include Compounds", "includeCompoundsCheck", group);
    m_includeKanaWords = Box("Include Kana Words", "includeKanaWordsCheck", group);
    m_commonOnly = Box("Only include commonly used words", "commonOnlyCheck", group);
    m_hideAbbreviations = Box("Do not show EDICT abbreviations", "hideAbbreviationsCheck", group);
    for (QCheckBox* box :
         {m_includeCompounds, m_includeKanaWords, m_commonOnly, m_hideAbbreviations})
        layout->addWidget(box);
    const bool edict = m_search.IsEdict();
    m_commonOnly->setEnabled(edict);
    m_hideAbbreviations->setEnabled(edict);
    // Clicks only: restoring the state sets the boxes without searching again.
    connect(m_includeCompounds, &QCheckBox::clicked, this, [this](bool on) {
        m_search.SetIncludeCompounds(on);
        m_criteria->SetIncluded(on, m_includeKanaWords->isChecked());
    });
    connect(m_includeKanaWords, &QCheckBox::clicked, this, [this](bool on) {
        m_search.SetIncludeKanaWords(on);
        m_criteria->SetIncluded(m_includeCompounds->isChecked(), on);
    });
    connect(m_commonOnly, &QCheckBox::clicked, this,
            [this](bool on) { m_search.SetCommonOnly(on); });
    connect(m_hideAbbreviations, &QCheckBox::clicked, this, [this](bool on) {
        m_search.State().hideAbbreviations = on;
        ShowPage();
    });
    return group;
}

QWidget* CCompoundSearchDialog::BuildResults() {
    m_results = new QGroupBox(this);
    m_results->setObjectName(QStringLiteral("resultsGroup"));
    auto* layout = new QVBoxLayout(m_results);
    m_list = new QTreeWidget(m_results);
    m_list->setObjectName(QStringLiteral("resultList"));
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QStringLiteral("Reading"), QStringLiteral("Meaning")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setColumnWidth(0, kReadingColumnWidth);
    m_list->setColumnWidth(1, kMeaningColumnWidth);
    m_list->setIconSize(QSize(kCompoundRowIconSize, kCompoundRowIconSize));
    if (m_style.mode != CJapaneseFontMode::kBuiltIn) {
        QFont font(QString::fromStdString(m_style.face));
        font.setPixelSize(16);
        m_list->setFont(font);
    }
    m_list->setMinimumSize(kReadingColumnWidth + kMeaningColumnWidth + 24, 10 * 22 + 30);
    const auto select = [this](QTreeWidgetItem* item) {
        if (item == nullptr) return;
        m_search.SelectRow(m_list->indexOfTopLevelItem(item));
        ShowSelection();
    };
    connect(m_list, &QTreeWidget::currentItemChanged, this, select);
    connect(m_list, &QTreeWidget::itemClicked, this, select);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this, select](QTreeWidgetItem* item) {
        select(item);
        if (m_ok->isEnabled()) Accept();
    });
    m_back = Button("&Back", "previousPageButton", m_results);
    m_next = Button("&Next", "nextPageButton", m_results);
    connect(m_back, &QPushButton::clicked, this, [this] { m_search.PreviousPage(); });
    connect(m_next, &QPushButton::clicked, this, [this] { m_search.NextPage(); });
    auto* paging = new QHBoxLayout;
    paging->addStretch();
    paging->addWidget(m_back);
    paging->addWidget(m_next);
    layout->addWidget(m_list, 1);
    layout->addLayout(paging);
    return m_results;
}

QWidget* CCompoundSearchDialog::BuildSelection() {
    auto* group = new QGroupBox(QStringLiteral("Selected word"), this);
    auto* form = new QFormLayout(group);
    m_headword = new CJapaneseTextWidget(m_style, kHeadwordSize, group);
    m_headword->setObjectName(QStringLiteral("headwordFrame"));
    m_headword->setFixedHeight(kHeadwordSize + 12);
    m_headword->setMinimumWidth(5 * kHeadwordSize);
    m_romaji = new QLineEdit(group);
    m_romaji->setObjectName(QStringLiteral("selectedRomaji"));
    m_meaning = new QLineEdit(group);
    m_meaning->setObjectName(QStringLiteral("selectedMeaning"));
    for (QLineEdit* field : {m_romaji, m_meaning})
        field->setReadOnly(true);
    m_kana = new CJapaneseTextWidget(m_style, kKanaSize, group);
    m_kana->setObjectName(QStringLiteral("kanaFrame"));
    m_kana->setFixedHeight(kKanaSize + 8);
    form->addRow(QStringLiteral("Compound:"), m_headword);
    form->addRow(QStringLiteral("Romaji:"), m_romaji);
    form->addRow(QStringLiteral("Meaning:"), m_meaning);
    form->addRow(QStringLiteral("Kana:"), m_kana);

    // The stroke renderer marks the characters it has no strokes for; a font needs no key.
    m_legend = new QWidget(group);
    m_legend->setObjectName(QStringLiteral("missingKanjiLegend"));
    auto* legend = new QHBoxLayout(m_legend);
    legend->setContentsMargins(0, 0, 0, 0);
    auto* mark = new QLabel(m_legend);
    mark->setPixmap(MissingCharacterMark());
    legend->addWidget(mark);
    legend->addWidget(new QLabel(QString::fromLatin1(kLegendText), m_legend));
    legend->addStretch();
    form->addRow(m_legend);
    m_legend->setVisible(m_style.mode == CJapaneseFontMode::kBuiltIn);
    return group;
}

QWidget* CCompoundSearchDialog::BuildButtons() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* addCard = Button("&Add Card", "addCardButton", area);
    m_wordGroup = new QComboBox(area);
    m_wordGroup->setObjectName(QStringLiteral("wordGroupList"));
    m_wordGroup->setMinimumContentsLength(16);
    const auto& names = m_document.Cards().GroupNames();
    for (const std::string& name : names)
        m_wordGroup->addItem(SjisToQString(name));
    const auto preselected = std::find(names.begin(), names.end(), m_request.wordGroup);
    m_wordGroup->setCurrentIndex(preselected == names.end() || m_request.wordGroup.empty()
                                     ? -1
                                     : static_cast<int>(preselected - names.begin()));
    m_wordGroup->setEnabled(m_request.mayAdd && !names.empty());
    connect(addCard, &QPushButton::clicked, this, &CCompoundSearchDialog::AddCard);
    auto* adding = new QHBoxLayout;
    adding->addWidget(addCard);
    adding->addWidget(new QLabel(QStringLiteral("Word Group:"), area));
    adding->addWidget(m_wordGroup, 1);

    m_ok = Button(CCompoundSearch::OkButtonText(m_request.mode), "okButton", area);
    auto* exit = Button("Exit", "exitButton", area);
    auto* information = Button("EDICT &Information", "edictInformationButton", area);
    connect(m_ok, &QPushButton::clicked, this, &CCompoundSearchDialog::Accept);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(information, &QPushButton::clicked, this, [this] {
        if (m_showEdictHelp) m_showEdictHelp();
    });
    auto* closing = new QHBoxLayout;
    closing->addWidget(information);
    closing->addStretch();
    closing->addWidget(m_ok);
    closing->addWidget(exit);
    layout->addLayout(adding);
    layout->addLayout(closing);
    return area;
}

void CCompoundSearchDialog::Restore() {
    const CCompoundSearchState& state = m_search.State();
    m_criteria->Restore(state);
    m_includeCompounds->setChecked(state.includeCompounds);
    m_includeKanaWords->setChecked(state.includeKanaWords);
    m_commonOnly->setChecked(state.commonOnly);
    m_hideAbbreviations->setChecked(state.hideAbbreviations);
    m_search.Reopen();
}

void CCompoundSearchDialog::done(int result) {
    m_criteria->Save(m_search.State());
    QDialog::done(result);
}

std::string CCompoundSearchDialog::ChosenWordGroup() const {
    if (m_wordGroup->currentIndex() < 0) return {};
    return sjis::FromUtf8(m_wordGroup->currentText().toStdString());
}

void CCompoundSearchDialog::ShowPage() {
    m_results->setTitle(QString::fromStdString(m_search.Caption()));
    {
        // Filling the list selects nothing.
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const CCompoundRow& row : m_search.PageRows(m_document.LongOMode())) {
            auto* item = new QTreeWidgetItem(
                m_list, {QString::fromLatin1(row.reading.c_str()), SjisToQString(row.meaning)});
            item->setIcon(0, CompoundRowIcon(row.kind));
            item->setToolTip(1, SjisToQString(row.meaning));
        }
        // A redisplay of the page keeps the selected row marked.
        const int row =
            m_search.State().selected - (m_search.State().page - 1) * CCompoundSearch::kPageSize;
        if (m_search.State().selected >= 0 && row >= 0 && row < m_list->topLevelItemCount())
            m_list->setCurrentItem(m_list->topLevelItem(row));
    }
    const bool backHadFocus = m_back->hasFocus();
    const bool nextHadFocus = m_next->hasFocus();
    m_back->setVisible(m_search.HasPreviousPage());
    m_next->setVisible(m_search.HasNextPage());
    if (nextHadFocus && m_next->isHidden() && m_back->isVisible()) m_back->setFocus();
    if (backHadFocus && m_back->isHidden() && m_next->isVisible()) m_next->setFocus();
    m_includeCompounds->setChecked(m_search.State().includeCompounds);
    m_includeKanaWords->setChecked(m_search.State().includeKanaWords);
    m_commonOnly->setChecked(m_search.State().commonOnly);
    m_criteria->SetIncluded(m_search.State().includeCompounds, m_search.State().includeKanaWords);
    ShowSelection();
}

void CCompoundSearchDialog::ShowSelection() {
    const CCompoundSelection selection = m_search.Selection();
    m_headword->SetText(selection.entry != nullptr ? selection.entry->headword : std::string());
    m_romaji->setText(
        QString::fromLatin1(LongORomaji(selection.romaji, m_document.LongOMode()).c_str()));
    m_meaning->setText(SjisToQString(selection.meaning));
    m_meaning->setCursorPosition(0);
    m_kana->SetText(selection.kana);
    m_ok->setEnabled(selection.entry == nullptr || m_search.OkEnabled(m_request.mode));
}

void CCompoundSearchDialog::Search() {
    m_criteria->Save(m_search.State());
    m_search.Search();
}

void CCompoundSearchDialog::GetKanji() {
    const CKanjiLibrary* library = m_document.KanjiLibrary();
    if (library == nullptr) return;
    if (CDrawBoxPracticeDialog::ShouldShow(m_settings)) {
        CDrawBoxPracticeDialog practice(*library, m_settings, this);
        practice.exec();
    }
    CKanjiSearchRequest request;
    request.mode = CKanjiSearchRequest::kModeGetKanji;
    request.mayAdd = false;
    CKanjiSearchDialog dialog(m_document, m_prompter, m_style, request, this);
    if (dialog.exec() == QDialog::Accepted) m_criteria->SetKanji(dialog.Result().kanji.character);
}

void CCompoundSearchDialog::AddCard() {
    m_search.AddCard(m_document, ChosenWordGroup());
}

void CCompoundSearchDialog::Accept() {
    if (!m_search.Accept(m_document, ChosenWordGroup(), m_result)) return;
    accept();
}

}  // namespace brushly
