#include "app/CFontWarningDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/HelpTopics.h"

namespace brushly {

namespace {

QLabel* WrappedLabel(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

CFontWarningDialog::CFontWarningDialog(std::function<void(int topic)> showHelp, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Japanese Font NOT INSTALLED"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WrappedLabel(
        "No compatible Japanese fonts were detected on your machine.  Brushly will print "
        "Japanese text using the database of kanji and kana characters installed with the "
        "program.",
        this));
    layout->addWidget(
        WrappedLabel("BRUSHLY WORKS FINE WITHOUT AN INSTALLED JAPANESE FONT, HOWEVER....", this));
    layout->addWidget(WrappedLabel(
        "Kanji and kana are much easier to read, above all at small sizes, when a Mincho font "
        "is installed. We recommend MS Mincho; the free IPA Mincho fonts work as well.",
        this));
    m_doNotShow = new QCheckBox(QStringLiteral("DO NOT show this warning each start"), this);
    layout->addWidget(m_doNotShow);

    auto* buttons = new QHBoxLayout;
    auto* continueButton = new QPushButton(QStringLiteral("CONTINUE"), this);
    continueButton->setDefault(true);
    connect(continueButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* helpButton = new QPushButton(QStringLiteral("How to Install MS MINCHO"), this);
    helpButton->setEnabled(static_cast<bool>(showHelp));
    connect(helpButton, &QPushButton::clicked, this,
            [showHelp = std::move(showHelp)] { showHelp(kInstallingMinchoTopic); });
    buttons->addWidget(continueButton);
    buttons->addWidget(helpButton);
    layout->addLayout(buttons);
}

bool CFontWarningDialog::DoNotShowAgain() const {
    return m_doNotShow->isChecked();
}

}  // namespace brushly
