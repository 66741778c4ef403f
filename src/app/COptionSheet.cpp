#include "app/COptionSheet.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/CDrawOptionPage.h"
#include "app/CFlashOptionPage.h"
#include "app/CGeneralOptionPage.h"
#include "app/CKanaOptionPage.h"
#include "app/CKanaStatOptionPage.h"

namespace brushly {

COptionSheet::COptionSheet(const COptionValues& values, const COptionSheetContext& context,
                           OptionTab first, CPrompter& prompter, QWidget* parent)
    : QDialog(parent),
      m_original(values),
      m_tabs(new QTabWidget(this)),
      m_flash(new CFlashOptionPage(values.options.flash, values.commonWordsOnly,
                                   context.edictDatabase, prompter)),
      m_draw(new CDrawOptionPage(values.options.draw, prompter)),
      m_kana(new CKanaOptionPage(values.options.kanaFlash, prompter)),
      m_kanaTable(new CKanaStatOptionPage(values.options.kanaFlash)),
      m_general(new CGeneralOptionPage(values.longOMode, values.smoothStrokes)) {
    setWindowTitle(QString::fromLatin1(kTitle));
    m_flash->SetFlashViewOpen(context.flashViewOpen);
    m_draw->SetDrawView(context.drawMode, context.drawViewOpen, context.drawHasStrokes);
    m_kana->SetKanaViewOpen(context.kanaViewOpen);
    // In OptionTab order.
    m_tabs->addTab(m_flash, QString::fromLatin1(CFlashOptionPage::kTitle));
    m_tabs->addTab(m_draw, QString::fromLatin1(CDrawOptionPage::kTitle));
    m_tabs->addTab(m_kana, QString::fromLatin1(CKanaOptionPage::kTitle));
    m_tabs->addTab(m_kanaTable, QString::fromLatin1(CKanaStatOptionPage::kTitle));
    m_tabs->addTab(m_general, QString::fromLatin1(CGeneralOptionPage::kTitle));
    m_tabs->setCurrentIndex(static_cast<int>(first));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionSheet::Accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

bool COptionSheet::Run() {
    return exec() == QDialog::Accepted;
}

void COptionSheet::Accept() {
    // Short-circuited, so that only the first page that refuses speaks.
    QWidget* refused = !m_flash->CanLeave()  ? static_cast<QWidget*>(m_flash)
                       : !m_draw->CanLeave() ? static_cast<QWidget*>(m_draw)
                       : !m_kana->CanLeave() ? static_cast<QWidget*>(m_kana)
                                             : nullptr;
    if (refused) {
        m_tabs->setCurrentWidget(refused);
        return;
    }
    accept();
}

COptionValues COptionSheet::Values() const {
    COptionValues values = m_original;
    values.options.flash = m_flash->Options();
    values.commonWordsOnly = m_flash->CommonWordsOnly();
    values.options.draw = m_draw->Options();
    values.options.kanaFlash = m_kana->Options();
    const CKanaFlashOptions ranges = m_kanaTable->Options();
    values.options.kanaFlash.lowerRange = ranges.lowerRange;
    values.options.kanaFlash.upperRange = ranges.upperRange;
    values.longOMode = m_general->LongOMode();
    values.smoothStrokes = m_general->SmoothStrokes();
    return values;
}

}  // namespace brushly
