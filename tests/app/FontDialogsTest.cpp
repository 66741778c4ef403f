// The three font dialogs, opened offscreen: their texts and what they answer.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <algorithm>
#include <string>
#include <vector>

#include "app/CFontChoiceDialog.h"
#include "app/CFontThresholdDialog.h"
#include "app/CFontWarningDialog.h"
#include "app/QtFontList.h"
#include "support/QtTestApplication.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

template <typename TWidget>
QStringList TextsOf(const QWidget& dialog) {
    QStringList texts;
    for (const TWidget* widget : dialog.findChildren<TWidget*>())
        texts.push_back(widget->text());
    return texts;
}

QPushButton* ButtonNamed(const QWidget& dialog, const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text) return button;
    return nullptr;
}

TEST(FontDialogs, WarningShowsItsTextsAndOpensTheMinchoHelp) {
    testing::EnsureQtApplication();
    std::vector<int> topics;
    CFontWarningDialog dialog([&topics](int topic) { topics.push_back(topic); });
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Japanese Font NOT INSTALLED"));
    const QStringList labels = TextsOf<QLabel>(dialog);
    EXPECT_TRUE(labels.contains(QStringLiteral(
        "No compatible Japanese fonts were detected on your machine.  Brushly will print "
        "Japanese text using the database of kanji and kana characters installed with the "
        "program.")));
    EXPECT_TRUE(labels.contains(
        QStringLiteral("BRUSHLY WORKS FINE WITHOUT AN INSTALLED JAPANESE FONT, HOWEVER....")));
    ASSERT_NE(ButtonNamed(dialog, QStringLiteral("CONTINUE")), nullptr);
    QPushButton* help = ButtonNamed(dialog, QStringLiteral("How to Install MS MINCHO"));
    ASSERT_NE(help, nullptr);
    help->click();
    EXPECT_EQ(topics, (std::vector<int>{534}));

    auto* box = dialog.findChild<QCheckBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("DO NOT show this warning each start"));
    EXPECT_FALSE(dialog.DoNotShowAgain());
    box->setChecked(true);
    EXPECT_TRUE(dialog.DoNotShowAgain());
    ButtonNamed(dialog, QStringLiteral("CONTINUE"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    const CFontWarningDialog withoutHelp({});
    EXPECT_FALSE(ButtonNamed(withoutHelp, QStringLiteral("How to Install MS MINCHO"))->isEnabled());
}

TEST(FontDialogs, ThresholdDialogShowsFourGrowingSamplesAndNoneLegible) {
    testing::EnsureQtApplication();
    const auto library = testing::MakeSmallKanjiLibrary();
    CFontThresholdDialog dialog(library.get(), 2);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Adjust Japanese font settings"));
    EXPECT_TRUE(TextsOf<QLabel>(dialog).contains(
        QStringLiteral("YOU CAN RE-ADJUST THIS SETTING AT ANY TIME BY SELECTING 'Tools - "
                       "Brushly Font' FROM THE MAIN MENU.")));
    std::vector<int> sides;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (!label->pixmap().isNull()) sides.push_back(label->pixmap().width());
    EXPECT_EQ(sides, (std::vector<int>{16, 22, 30, 40}));
    EXPECT_EQ(dialog.findChildren<QRadioButton*>().size(), 5);
    EXPECT_EQ(dialog.ChosenRow(), 2);
    auto* none = dialog.findChild<QRadioButton*>(QStringLiteral("noneLegible"));
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->text(), QStringLiteral("None legible"));
    none->click();
    EXPECT_EQ(dialog.ChosenRow(), 4);
    dialog.findChild<QRadioButton*>(QStringLiteral("sampleRow0"))->click();
    EXPECT_EQ(dialog.ChosenRow(), 0);
}

TEST(FontDialogs, ChoiceDialogOffersTheFacesWithASample) {
    testing::EnsureQtApplication();
    CFontChoiceDialog dialog({"IPAMincho", "IPAexMincho"}, "IPAexMincho");
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select a Japanese Font"));
    EXPECT_TRUE(TextsOf<QLabel>(dialog).contains(
        QStringLiteral("NOTE:  If you install a compatible Japanese font while Brushly is "
                       "running, restart the program for it to take effect.")));
    auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("faceCombo"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(dialog.ChosenFace(), "IPAexMincho");
    combo->setCurrentIndex(0);
    EXPECT_EQ(dialog.ChosenFace(), "IPAMincho");
    auto* sample = dialog.findChild<QLabel*>(QStringLiteral("sampleLabel"));
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->font().family(), QStringLiteral("IPAMincho"));
    EXPECT_EQ(sample->font().pixelSize(), 48);
}

TEST(FontDialogs, ChoiceDialogWithAStaleFaceStartsAtTheFirstAndWithoutFacesIsEmpty) {
    testing::EnsureQtApplication();
    EXPECT_EQ(CFontChoiceDialog({"IPAMincho", "IPAexMincho"}, "none").ChosenFace(), "IPAMincho");
    EXPECT_EQ(CFontChoiceDialog({}, "none").ChosenFace(), "");
}

TEST(FontDialogs, InstalledFacesMarkTheJapaneseFamilies) {
    testing::EnsureQtApplication();
    const std::vector<CInstalledFace> faces = InstalledFaces();
    const auto ipaMincho =
        std::ranges::find(faces, std::string("IPAMincho"), &CInstalledFace::name);
    if (ipaMincho == faces.end()) GTEST_SKIP() << "IPAMincho is not installed";
    EXPECT_TRUE(ipaMincho->showsJapanese);
}

}  // namespace
}  // namespace brushly
