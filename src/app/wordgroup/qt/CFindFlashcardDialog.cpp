#include "app/wordgroup/qt/CFindFlashcardDialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "app/wordgroup/CardClasses.h"
#include "handwriting/CJapaneseTextDelegate.h"
#include "platform/QtSjisText.h"

namespace brushly {

namespace {

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CFindFlashcardDialog::CFindFlashcardDialog(const CBrushly2Doc& document, CPrompter& prompter,
                                           const CJapaneseTextStyle& style, QWidget* parent)
    : QDialog(parent),
      m_document(document),
      m_finder(prompter),
      m_reading(new QLineEdit(this)),
      m_meaning(new QLineEdit(this)),
      m_on(new QCheckBox(QStringLiteral("ON"), this)),
      m_kun(new QCheckBox(QStringLiteral("Kun"), this)),
      m_and(new QRadioButton(QStringLiteral("AND"), this)),
      m_or(new QRadioButton(QStringLiteral("OR"), this)),
      m_caption(new QLabel(this)),
      m_matches(new QTreeWidget(this)),
      m_back(Button("&Back", "backButton", this)),
      m_next(Button("&Next", "nextButton", this)) {
    setWindowTitle(QString::fromLatin1(CFlashcardFinder::kTitle));
    m_reading->setObjectName(QStringLiteral("readingEdit"));
    m_meaning->setObjectName(QStringLiteral("meaningEdit"));
    m_on->setObjectName(QStringLiteral("onCheck"));
    m_kun->setObjectName(QStringLiteral("kunCheck"));
    m_and->setObjectName(QStringLiteral("andRadio"));
    m_or->setObjectName(QStringLiteral("orRadio"));
    m_caption->setObjectName(QStringLiteral("matchesCaption"));
    m_matches->setObjectName(QStringLiteral("matchList"));
    m_on->setChecked(true);
    m_kun->setChecked(true);
    m_or->setChecked(true);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Reading:"), this), 0, 0);
    fields->addWidget(m_reading, 0, 1);
    fields->addWidget(m_on, 0, 2);
    fields->addWidget(m_kun, 0, 3);
    auto* andOr = new QHBoxLayout;
    andOr->addWidget(m_and);
    andOr->addWidget(m_or);
    andOr->addStretch();
    fields->addLayout(andOr, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Meaning:"), this), 2, 0);
    fields->addWidget(m_meaning, 2, 1, 1, 3);
    auto* kinds = new QHBoxLayout;
    const char* const kindTexts[kCardKindCount] = {"Kanji", "Compound", "Kana Word", "Counter"};
    const char* const kindNames[kCardKindCount] = {"kanjiCheck", "compoundCheck", "kanaWordCheck",
                                                   "counterCheck"};
    for (int kind = 0; kind < kCardKindCount; ++kind) {
        auto* box = new QCheckBox(QString::fromLatin1(kindTexts[kind]), this);
        box->setObjectName(QString::fromLatin1(kindNames[kind]));
        box->setChecked(true);
        kinds->addWidget(box);
        m_kinds[static_cast<std::size_t>(kind)] = box;
    }
    auto* find = Button("&FIND", "findButton", this);
    find->setDefault(true);
    kinds->addStretch();
    kinds->addWidget(find);

    m_matches->setRootIsDecorated(false);
    m_matches->setAllColumnsShowFocus(true);
    m_matches->setColumnCount(2);
    m_matches->setHeaderLabels({QString::fromLatin1(CFlashcardFinder::kTextColumn),
                                QString::fromLatin1(CFlashcardFinder::kGroupColumn)});
    m_matches->setColumnWidth(0, 380);
    m_matches->setItemDelegateForColumn(1, new CJapaneseTextDelegate(style, m_matches));

    auto* goTo = Button("&Go To", "goToButton", this);
    auto* close = Button("Close", "closeButton", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    buttons->addStretch();
    buttons->addWidget(goTo);
    buttons->addWidget(close);

    auto* root = new QVBoxLayout(this);
    root->addLayout(fields);
    root->addLayout(kinds);
    root->addWidget(m_caption);
    root->addWidget(m_matches, 1);
    root->addLayout(buttons);

    connect(find, &QPushButton::clicked, this, &CFindFlashcardDialog::Find);
    connect(goTo, &QPushButton::clicked, this, &CFindFlashcardDialog::GoTo);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_back, &QPushButton::clicked, this, [this] {
        m_finder.PreviousPage();
        ShowPage();
    });
    connect(m_next, &QPushButton::clicked, this, [this] {
        m_finder.NextPage();
        ShowPage();
    });
    connect(m_matches, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (m_showing) return;
        const QList<QTreeWidgetItem*> selected = m_matches->selectedItems();
        m_finder.SelectRow(selected.isEmpty() ? -1
                                              : m_matches->indexOfTopLevelItem(selected.front()));
    });
    connect(m_matches, &QTreeWidget::itemDoubleClicked, this, &CFindFlashcardDialog::GoTo);
    resize(600, 420);
    ShowPage();
}

CFindQuery CFindFlashcardDialog::Query() const {
    CFindQuery query;
    query.reading = m_reading->text().toStdString();
    query.meaning = m_meaning->text().toStdString();
    query.useAnd = m_and->isChecked();
    query.onReadings = m_on->isChecked();
    query.kunReadings = m_kun->isChecked();
    query.kinds = 0;
    for (const CardKind kind : kCardKinds) {
        if (m_kinds[static_cast<std::size_t>(kind)]->isChecked())
            query.kinds |= CFindQuery::KindBit(kind);
    }
    return query;
}

void CFindFlashcardDialog::Find() {
    if (m_finder.Find(m_document.Cards(), Query(), m_document.LongOMode()) >= 0) ShowPage();
}

void CFindFlashcardDialog::ShowPage() {
    m_showing = true;
    m_matches->clear();
    for (const CFindMatch* match : m_finder.PageMatches())
        m_matches->addTopLevelItem(
            new QTreeWidgetItem({SjisToQString(match->text), SjisToQString(match->groupName)}));
    m_caption->setText(QString::fromStdString(m_finder.Caption()));
    m_back->setVisible(m_finder.HasPreviousPage());
    m_next->setVisible(m_finder.HasNextPage());
    m_showing = false;
}

void CFindFlashcardDialog::GoTo() {
    if (const CFindMatch* match = m_finder.GoTo()) {
        m_result = *match;
        accept();
    }
}

}  // namespace brushly
