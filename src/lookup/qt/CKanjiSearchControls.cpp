#include "lookup/qt/CKanjiSearchControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "lookup/CKanjiSearch.h"

namespace brushly {

namespace {

// The largest stroke count the count edit takes; the search holds the window in 1 to 24.
constexpr int kMaxStrokeEntry = 99;

QString Latin(const std::string& text) {
    return QString::fromLatin1(text.c_str());
}

}  // namespace

CKanjiSearchControls::CKanjiSearchControls(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(BuildIndexSearch());
    layout->addWidget(BuildTextSearch());
    connect(m_on, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
    connect(m_kun, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
    connect(m_strokeWindow, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
    m_tolerance->installEventFilter(this);
    UpdateEnabled();
}

QWidget* CKanjiSearchControls::BuildIndexSearch() {
    auto* group = new QGroupBox(QStringLiteral("Index Search"), this);
    auto* grid = new QGridLayout(group);
    m_reference = new QComboBox(group);
    m_reference->setObjectName(QStringLiteral("referenceList"));
    for (const char* row : CKanjiSearch::kReferenceRows)
        m_reference->addItem(QString::fromLatin1(row));
    m_number = new QLineEdit(group);
    m_number->setObjectName(QStringLiteral("numberEdit"));
    m_find = new QPushButton(QStringLiteral("&Find"), group);
    m_find->setObjectName(QStringLiteral("findButton"));
    grid->addWidget(new QLabel(QStringLiteral("Reference:"), group), 0, 0);
    grid->addWidget(m_reference, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Number:"), group), 1, 0);
    grid->addWidget(m_number, 1, 1);
    grid->addWidget(m_find, 1, 2);
    return group;
}

QWidget* CKanjiSearchControls::BuildTextSearch() {
    auto* group = new QGroupBox(QStringLiteral("Text Search"), this);
    auto* grid = new QGridLayout(group);
    m_reading = new QLineEdit(group);
    m_reading->setObjectName(QStringLiteral("readingEdit"));
    m_on = new QCheckBox(QStringLiteral("ON"), group);
    m_on->setObjectName(QStringLiteral("onCheck"));
    m_kun = new QCheckBox(QStringLiteral("Kun"), group);
    m_kun->setObjectName(QStringLiteral("kunCheck"));
    m_andOr = new QComboBox(group);
    m_andOr->setObjectName(QStringLiteral("andOrList"));
    m_andOr->addItems({QStringLiteral("OR"), QStringLiteral("AND")});
    m_meaning = new QLineEdit(group);
    m_meaning->setObjectName(QStringLiteral("meaningEdit"));
    m_strokeWindow = new QCheckBox(QStringLiteral("# of Strokes (optional)"), group);
    m_strokeWindow->setObjectName(QStringLiteral("strokeWindowCheck"));
    m_strokes = new QSpinBox(group);
    m_strokes->setObjectName(QStringLiteral("strokesEdit"));
    m_strokes->setRange(0, kMaxStrokeEntry);
    m_strokes->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_tolerance = new QSpinBox(group);
    m_tolerance->setObjectName(QStringLiteral("toleranceEdit"));
    m_tolerance->setRange(0, CKanjiSearch::kMaxStrokeTolerance);
    m_search = new QPushButton(QStringLiteral("&Search"), group);
    m_search->setObjectName(QStringLiteral("searchButton"));

    grid->addWidget(new QLabel(QStringLiteral("Reading:"), group), 0, 0);
    grid->addWidget(m_reading, 0, 1, 1, 3);
    auto* scripts = new QHBoxLayout;
    scripts->addWidget(m_on);
    scripts->addWidget(m_kun);
    scripts->addStretch();
    scripts->addWidget(m_andOr);
    grid->addLayout(scripts, 1, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Meaning:"), group), 2, 0);
    grid->addWidget(m_meaning, 2, 1, 1, 3);
    grid->addWidget(m_strokeWindow, 3, 0, 1, 4);
    auto* window = new QHBoxLayout;
    window->addWidget(m_strokes);
    window->addWidget(new QLabel(QStringLiteral("+/-"), group));
    window->addWidget(m_tolerance);
    window->addStretch();
    window->addWidget(m_search);
    grid->addLayout(window, 4, 1, 1, 3);
    return group;
}

void CKanjiSearchControls::UpdateEnabled() {
    m_reading->setEnabled(m_on->isChecked() || m_kun->isChecked());
    const bool window = m_strokeWindow->isChecked();
    m_strokes->setEnabled(window);
    m_tolerance->setEnabled(window);
}

bool CKanjiSearchControls::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tolerance && event->type() == QEvent::FocusIn) m_strokes->setFocus();
    return QWidget::eventFilter(watched, event);
}

void CKanjiSearchControls::Restore(const CKanjiSearchState& state) {
    m_number->setText(Latin(state.referenceNumber));
    m_reference->setCurrentIndex(state.reference);
    m_reading->setText(Latin(state.reading));
    m_on->setChecked(state.useOn);
    m_kun->setChecked(state.useKun);
    m_andOr->setCurrentIndex(state.andMode);
    m_meaning->setText(Latin(state.meaning));
    m_strokeWindow->setChecked(state.strokeWindow);
    m_strokes->setValue(state.strokes);
    m_tolerance->setValue(state.tolerance);
    UpdateEnabled();
}

void CKanjiSearchControls::Save(CKanjiSearchState& state) const {
    // Latin-1 keeps one byte per character typed, as the searches compare bytes.
    state.referenceNumber = m_number->text().toLatin1().toStdString();
    state.reference = m_reference->currentIndex();
    state.reading = m_reading->text().toLatin1().toStdString();
    state.useOn = m_on->isChecked();
    state.useKun = m_kun->isChecked();
    state.andMode = m_andOr->currentIndex();
    state.meaning = m_meaning->text().toLatin1().toStdString();
    state.strokeWindow = m_strokeWindow->isChecked();
    state.strokes = m_strokes->value();
    state.tolerance = m_tolerance->value();
}

bool CKanjiSearchControls::FindsOnReturn(const QWidget* widget) const {
    return widget == m_number;
}

bool CKanjiSearchControls::SearchesOnReturn(const QWidget* widget) const {
    return widget == m_reading || widget == m_meaning || widget == m_strokes ||
           (widget != nullptr && widget->parent() == m_strokes);
}

}  // namespace brushly
