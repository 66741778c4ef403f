#include "app/tour/qt/CGuidedTourWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/tour/TourPages.h"
#include "handwriting/CStrokeCanvas.h"
#include "handwriting/CharacterImage.h"
#include "platform/CQtCanvas.h"
#include "reference/CKanjiLibrary.h"

namespace brushly {

namespace {

constexpr const char* kBrushKanji = "\x95\x4D";  // 筆, the writing brush
constexpr int kPictureSide = 72;

QString PageHtml(int page) {
    const CTourPage& content = TourPages()[page - 1];
    QString html = QStringLiteral("<p><b>%1</b></p>")
                       .arg(QString::fromLatin1(content.heading).toHtmlEscaped());
    QStringList paragraphs = QString::fromLatin1(content.text).split(QStringLiteral("\n\n"));
    if (CGuidedTour::HasWordGroupNote(page)) {
        paragraphs << QString::fromLatin1(kTourWordGroupNote) + QLatin1Char(' ') +
                          QString::fromLatin1(kTourWordGroupAdvice);
    }
    for (const QString& paragraph : paragraphs)
        html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
    return html;
}

QLabel* BrushPicture(const CKanjiLibrary* library, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QStringLiteral("tourPicture"));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const CKanjiData* record = library ? library->FindByCharacter(kBrushKanji).record : nullptr;
    if (record) {
        CQtCanvas canvas(kPictureSide, kPictureSide, picture->devicePixelRatioF());
        DrawCharacterImage(canvas, record, {0, 0, kPictureSide, kPictureSide}, kRoleUser, 0,
                           std::nullopt);
        picture->setPixmap(QPixmap::fromImage(canvas.Image()));
    }
    return picture;
}

}  // namespace

CGuidedTourWindow::CGuidedTourWindow(CGuidedTourHost& host, const CKanjiLibrary* library,
                                     const std::string& latinFace, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_tour(host),
      m_scroll(new QScrollArea(this)),
      m_text(new QLabel),
      m_back(new QPushButton(QStringLiteral("BACK"), this)),
      m_next(new QPushButton(this)) {
    setObjectName(QStringLiteral("guidedTourWindow"));
    QFont font = this->font();
    if (!latinFace.empty()) font.setFamily(QString::fromStdString(latinFace));
    font.setPixelSize(kTextPixelSize);

    auto* page = new QWidget;
    auto* pageLayout = new QHBoxLayout(page);
    pageLayout->addWidget(BrushPicture(library, page), 0, Qt::AlignTop);
    m_text->setObjectName(QStringLiteral("tourText"));
    m_text->setFont(font);
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::RichText);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pageLayout->addWidget(m_text, 1);
    m_scroll->setWidget(page);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->setFrameShape(QFrame::NoFrame);

    auto* strip = new QWidget(this);
    strip->setFixedHeight(kButtonStripHeight);
    auto* buttons = new QHBoxLayout(strip);
    m_back->setObjectName(QStringLiteral("tourBackButton"));
    m_next->setObjectName(QStringLiteral("tourNextButton"));
    buttons->addStretch(1);
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    buttons->addStretch(1);
    connect(m_back, &QPushButton::clicked, this, [this] {
        m_tour.Back();
        ShowPage();
    });
    connect(m_next, &QPushButton::clicked, this, &CGuidedTourWindow::NextClicked);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(strip);
    resize(520, 420);

    m_tour.ShowPage();
    ShowPage();
}

void CGuidedTourWindow::NextClicked() {
    if (m_tour.IsLastPage()) {
        close();
        return;
    }
    m_tour.Next();
    ShowPage();
}

void CGuidedTourWindow::ViewEntered(TourView view) {
    const int before = m_tour.Page();
    m_tour.ViewEntered(view);
    if (m_tour.Page() != before) ShowPage();
}

void CGuidedTourWindow::ShowPage() {
    m_text->setText(PageHtml(m_tour.Page()));
    m_scroll->verticalScrollBar()->setValue(0);
    m_back->setEnabled(m_tour.BackEnabled());
    m_next->setText(QString::fromLatin1(m_tour.NextText()));
    UpdateTitle();
}

void CGuidedTourWindow::UpdateTitle() {
    setWindowTitle(QString::fromStdString(m_tour.Title(width())));
}

void CGuidedTourWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateTitle();
}

}  // namespace brushly
