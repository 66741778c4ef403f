#include "lookup/qt/CKanjiSearchDialog.h"

#include <QApplication>
#include <QComboBox>
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

#include "document/CBrushly2Doc.h"
#include "handwriting/CDemonstrationWidget.h"
#include "handwriting/CJapaneseTextDelegate.h"
#include "handwriting/CJapaneseTextWidget.h"
#include "handwriting/CKanjiDrawBoxWidget.h"
#include "lookup/qt/CKanjiDataDialog.h"
#include "lookup/qt/CKanjiSearchControls.h"
#include "lookup/qt/GradeIcons.h"
#include "platform/QtSjisText.h"
#include "platform/ScreenPixmap.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

constexpr int kSearchButtonWidth = 2 * CDrawBoxFrame::kButtonWidth;
constexpr const char* kIdleCaption = "Draw a kanji, then search";

// The handwriting search button's picture: a magnifying glass and "Search".
QPixmap SearchButtonPicture() {
    const int width = kSearchButtonWidth - 4;
    const int height = CDrawBoxFrame::kButtonHeight - 4;
    QPixmap pixmap = TransparentPixmap(width, height);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(30, 60, 140), 2));
    painter.drawEllipse(QRectF(3, 2, 10, 10));
    painter.drawLine(QPointF(11.5, 10.5), QPointF(16, 15));
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(20, 0, width - 20, height), Qt::AlignCenter, QStringLiteral("Search"));
    return pixmap;
}

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

CKanjiSearchDialog::CKanjiSearchDialog(CBrushly2Doc& document, CPrompter& prompter,
                                       const CJapaneseTextStyle& style,
                                       const CKanjiSearchRequest& request, QWidget* parent)
    : QDialog(parent),
      m_document(document),
      m_library(*document.KanjiLibrary()),
      m_style(style),
      m_request(request),
      m_search(m_library, document.KanjiSearch(), prompter) {
    setObjectName(QStringLiteral("kanjiSearchDialog"));
    setWindowTitle(QString::fromLatin1(kTitle));
    for (std::size_t grade = 0; grade < m_gradeIcons.size(); ++grade)
        m_gradeIcons[grade] = GradeIcon(static_cast<int>(grade));

    m_controls = new CKanjiSearchControls(this);
    auto* inputs = new QVBoxLayout;
    inputs->addWidget(m_controls);
    inputs->addWidget(BuildHandwriting());
    inputs->addStretch();
    auto* outputs = new QVBoxLayout;
    outputs->addWidget(BuildResults(), 1);
    outputs->addWidget(BuildSelection());
    outputs->addWidget(BuildButtons());
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(inputs);
    layout->addLayout(outputs, 1);

    connect(m_controls->FindButton(), &QPushButton::clicked, this, &CKanjiSearchDialog::Find);
    connect(m_controls->SearchButton(), &QPushButton::clicked, this,
            &CKanjiSearchDialog::SearchText);
    m_search.SetResultsListener([this] { ShowPage(); });
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this,
                                [this](QWidget*, QWidget* now) { UpdateDefaultButton(now); });
    Restore();
}

// The focus moves while the widget part is torn down, after this part is gone.
CKanjiSearchDialog::~CKanjiSearchDialog() {
    disconnect(m_focusConnection);
}

QWidget* CKanjiSearchDialog::BuildHandwriting() {
    auto* group = new QGroupBox(QStringLiteral("Handwriting Recognition"), this);
    auto* layout = new QHBoxLayout(group);
    m_drawBox = new CKanjiDrawBoxWidget(CDrawBoxFrame::Buttons::BackAndErase, group);
    m_drawBox->setObjectName(QStringLiteral("searchDrawBox"));
    m_drawBox->SetIdleCaption(kIdleCaption);
    m_drawBox->SetStyle(CStrokeCanvas::StyleOption(m_document.Options().draw.drawingStyle));
    CDrawBoxSettings settings;
    settings.feedbackMode = kFeedbackNone;
    settings.autocorrect = false;
    m_drawBox->SetCharacter(m_noTarget, settings);
    // The two left places of the box's button row, which Ghost and Hint leave free here.
    auto* search = new QPushButton(m_drawBox);
    search->setObjectName(QStringLiteral("handwritingSearchButton"));
    search->setToolTip(QStringLiteral("Find the kanji drawn above"));
    search->setIcon(SearchButtonPicture());
    search->setIconSize(QSize(kSearchButtonWidth - 4, CDrawBoxFrame::kButtonHeight - 4));
    search->setGeometry(1, CDrawBoxFrame::kHeight - CDrawBoxFrame::kButtonRise, kSearchButtonWidth,
                        CDrawBoxFrame::kButtonHeight);
    connect(search, &QPushButton::clicked, this, &CKanjiSearchDialog::SearchHandwriting);
    layout->addStretch();
    layout->addWidget(m_drawBox);
    layout->addStretch();
    return group;
}

QWidget* CKanjiSearchDialog::BuildResults() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    m_caption = new QLabel(area);
    m_caption->setObjectName(QStringLiteral("matchesCaption"));
    m_list = new QTreeWidget(area);
    m_list->setObjectName(QStringLiteral("resultList"));
    m_list->setColumnCount(2);
    m_list->setHeaderHidden(true);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setIconSize(QSize(kGradeIconSize, kGradeIconSize));
    m_list->setItemDelegateForColumn(0, new CJapaneseTextDelegate(m_style, m_list));
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(0, kListKanjiSize + 12);
    if (m_style.mode != CJapaneseFontMode::kBuiltIn) {
        QFont font(QString::fromStdString(m_style.face));
        font.setPixelSize(kListKanjiSize - 2);
        m_list->setFont(font);
    }
    m_list->setMinimumSize(360, 10 * (kListKanjiSize + 6) + 4);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr) SelectRow(m_list->indexOfTopLevelItem(item));
    });
    // A click on the current row selects it again after the selection was cleared.
    connect(m_list, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { SelectRow(m_list->indexOfTopLevelItem(item)); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        SelectRow(m_list->indexOfTopLevelItem(item));
        Accept();
    });
    m_back = Button("&Back", "previousPageButton", area);
    m_next = Button("&Next", "nextPageButton", area);
    connect(m_back, &QPushButton::clicked, this, [this] {
        m_search.PreviousPage();
        ShowPage();
    });
    connect(m_next, &QPushButton::clicked, this, [this] {
        m_search.NextPage();
        ShowPage();
    });
    auto* paging = new QHBoxLayout;
    paging->addStretch();
    paging->addWidget(m_back);
    paging->addWidget(m_next);
    layout->addWidget(m_caption);
    layout->addWidget(m_list, 1);
    layout->addLayout(paging);
    return area;
}

QWidget* CKanjiSearchDialog::BuildSelection() {
    auto* group = new QGroupBox(QStringLiteral("Selected Kanji:"), this);
    auto* layout = new QHBoxLayout(group);
    m_selected = new CJapaneseTextWidget(m_style, kSelectedKanjiSize, group);
    m_selected->setObjectName(QStringLiteral("selectedKanji"));
    m_selected->setFixedSize(kSelectedKanjiSize + 16, kSelectedKanjiSize + 16);
    m_showData = Button("Show &Data", "showDataButton", group);
    m_demonstrate = Button("Stroke &Order Demonstration", "demonstrationButton", group);
    connect(m_showData, &QPushButton::clicked, this, &CKanjiSearchDialog::ShowData);
    connect(m_demonstrate, &QPushButton::clicked, this, &CKanjiSearchDialog::Demonstrate);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_showData);
    buttons->addWidget(m_demonstrate);
    buttons->addStretch();
    layout->addWidget(m_selected);
    layout->addLayout(buttons);
    layout->addStretch();
    return group;
}

QWidget* CKanjiSearchDialog::BuildButtons() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    m_addCard = Button("&Add Card", "addCardButton", area);
    m_wordGroupLabel = new QLabel(QStringLiteral("Word Group:"), area);
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
    auto* adding = new QHBoxLayout;
    adding->addWidget(m_addCard);
    adding->addWidget(m_wordGroupLabel);
    adding->addWidget(m_wordGroup, 1);

    const bool offersAdding = m_request.mode == CKanjiSearchRequest::kModeAddAndExit ||
                              m_request.mode == CKanjiSearchRequest::kModeEditCard;
    m_addCard->setVisible(offersAdding);
    m_wordGroupLabel->setVisible(offersAdding);
    m_wordGroup->setVisible(offersAdding);
    m_addCard->setEnabled(m_request.mayAdd);
    m_wordGroup->setEnabled(m_request.mayAdd && !names.empty());
    connect(m_addCard, &QPushButton::clicked, this, &CKanjiSearchDialog::AddCard);

    m_ok = Button(CKanjiSearch::OkButtonText(m_request.mode), "okButton", area);
    auto* exit = Button("Exit", "exitButton", area);
    connect(m_ok, &QPushButton::clicked, this, &CKanjiSearchDialog::Accept);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(m_ok);
    closing->addWidget(exit);
    layout->addLayout(adding);
    layout->addLayout(closing);
    return area;
}

void CKanjiSearchDialog::Restore() {
    m_controls->Restore(m_search.State());
    ShowPage();
    ShowSelection();
    m_controls->ReadingEdit()->setFocus();
}

void CKanjiSearchDialog::done(int result) {
    m_controls->Save(m_search.State());
    m_demonstration.reset();
    QDialog::done(result);
}

std::string CKanjiSearchDialog::ChosenWordGroup() const {
    if (m_wordGroup->currentIndex() < 0) return {};
    return sjis::FromUtf8(m_wordGroup->currentText().toStdString());
}

void CKanjiSearchDialog::ShowPage() {
    const CKanjiSearchState& state = m_search.State();
    m_caption->setText(QString::fromLatin1(state.caption.empty() ? CKanjiSearch::kDefaultCaption
                                                                 : state.caption.c_str()));
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    QFont kanjiFont = m_list->font();
    kanjiFont.setPixelSize(kListKanjiSize);
    for (const CKanjiResultRow& row : m_search.PageRows(m_document.LongOMode())) {
        auto* item =
            new QTreeWidgetItem(m_list, {SjisToQString(row.character), SjisToQString(row.text)});
        item->setFont(0, kanjiFont);
        item->setIcon(1, m_gradeIcons[static_cast<std::size_t>(std::clamp(row.grade, 0, 8))]);
        item->setToolTip(1, SjisToQString(row.text));
    }
    // A paging button that goes while it has the focus hands it to the other one, so that
    // Return keeps paging instead of pressing whatever button comes next.
    const bool backHadFocus = m_back->hasFocus();
    const bool nextHadFocus = m_next->hasFocus();
    m_back->setVisible(m_search.HasPreviousPage());
    m_next->setVisible(m_search.HasNextPage());
    if (nextHadFocus && m_next->isHidden() && m_back->isVisible()) m_back->setFocus();
    if (backHadFocus && m_back->isHidden() && m_next->isVisible()) m_next->setFocus();
}

void CKanjiSearchDialog::ShowSelection() {
    m_selected->SetText(m_search.State().selected.character);
    if (m_search.State().selected.Empty()) {
        const QSignalBlocker blocker(m_list);
        m_list->setCurrentItem(nullptr);
        m_list->clearSelection();
    }
    const bool inDatabase = m_search.SelectedRecord() != nullptr;
    m_showData->setEnabled(inDatabase);
    m_demonstrate->setEnabled(inDatabase);
}

void CKanjiSearchDialog::UpdateDefaultButton(QWidget* focused) {
    if (focused == nullptr || focused->window() != this) return;
    QPushButton* preferred = m_ok;
    if (m_controls->FindsOnReturn(focused)) {
        preferred = m_controls->FindButton();
    } else if (m_controls->SearchesOnReturn(focused)) {
        preferred = m_controls->SearchButton();
    } else if (auto* button = qobject_cast<QPushButton*>(focused)) {
        preferred = button;
    }
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setDefault(button == preferred);
}

void CKanjiSearchDialog::Find() {
    m_controls->Save(m_search.State());
    if (m_search.Find(m_style.mode != CJapaneseFontMode::kBuiltIn)) ShowSelection();
}

void CKanjiSearchDialog::SearchText() {
    m_controls->Save(m_search.State());
    m_search.SearchText();
}

void CKanjiSearchDialog::SearchHandwriting() {
    m_search.SearchHandwriting(m_drawBox->DrawBox().Written());
}

void CKanjiSearchDialog::SelectRow(int row) {
    m_search.SelectRow(row);
    ShowSelection();
}

void CKanjiSearchDialog::ShowData() {
    if (const CKanjiData* record = m_search.SelectedRecord()) {
        CKanjiDataDialog dialog(*record, m_style, this);
        dialog.exec();
    }
}

void CKanjiSearchDialog::Demonstrate() {
    const CKanjiData* record = m_search.SelectedRecord();
    if (record == nullptr) return;
    const QString caption = QStringLiteral("Stroke Order: ") + SjisToQString(record->character);
    if (!m_demonstration) {
        m_demonstration = std::make_unique<CDemonstrationWidget>(caption, this);
        m_demonstration->setWindowFlag(Qt::Tool);
        m_demonstration->setObjectName(QStringLiteral("searchDemonstration"));
        // Beside the dialog, where it hides neither the list nor the draw box.
        m_demonstration->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    m_demonstration->setWindowTitle(caption);
    const CDrawOptions& draw = m_document.Options().draw;
    m_demonstration->Run(&record->strokes, draw.demoSpeed,
                         CStrokeCanvas::StyleOption(draw.drawingStyle), &m_demonstrationBusy);
    m_demonstration->show();
    m_demonstration->raise();
}

void CKanjiSearchDialog::AddCard() {
    m_controls->Save(m_search.State());
    if (m_search.AddCard(m_document, ChosenWordGroup())) ShowSelection();
}

void CKanjiSearchDialog::Accept() {
    if (!m_search.Accept(m_request.mode, m_document, ChosenWordGroup())) return;
    m_result = {m_search.State().selected, ChosenWordGroup()};
    accept();
}

}  // namespace brushly
