#include "lookup/qt/CKanjiDataDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "handwriting/CJapaneseTextWidget.h"
#include "lookup/CKanjiSearch.h"
#include "platform/ShiftJis.h"

namespace brushly {

CKanjiDataDialog::CKanjiDataDialog(const CKanjiData& record, const CJapaneseTextStyle& style,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("kanjiDataDialog"));
    setWindowTitle(QStringLiteral("Kanji Data: ") +
                   QString::fromStdString(sjis::ToUtf8(record.character)));
    auto* picture = new CJapaneseTextWidget(style, kKanjiSize, this);
    picture->setObjectName(QStringLiteral("dataKanji"));
    picture->setFixedSize(kKanjiSize + 16, kKanjiSize + 16);
    picture->SetText(record.character);

    auto* form = new QFormLayout;
    for (const CKanjiDataField& field : KanjiDataFields(record)) {
        auto* value = new QLabel(QString::fromStdString(field.value), this);
        value->setObjectName(QString::fromStdString("data:" + field.label));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(QString::fromStdString(field.label + ":"), value);
    }
    auto* body = new QHBoxLayout;
    body->addWidget(picture, 0, Qt::AlignTop);
    body->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
}

}  // namespace brushly
