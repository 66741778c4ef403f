#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "builder/CSingleGroupBuilder.h"
#include "document/BuilderSettings.h"
#include "handwriting/JapaneseText.h"
#include "platform/CPrompter.h"

class QCheckBox;
class QListWidget;
class QRadioButton;

namespace brushly {

class CBrushly2Doc;

// The dialog "Brushly Flashcard Builder" of one Word Group: compound cards for the kanji
// the group's kanji cards hold, optionally also written with the kanji of other groups
// chosen from the list (enabled only for that scope), with "Erase existing compounds", the
// common-only and include-kana options. It starts from the document's builder settings;
// "Create Compounds" stores the choices back and closes; BuildCompounds then builds behind
// the progress dialog.
//
// The document and prompter must outlive the dialog.
class CSingleGroupBuilderDialog final : public QDialog {
public:
    static constexpr const char* kThisGroupText = "only kanji in this Word Group";
    static constexpr const char* kSelectedGroupsText =
        "kanji from this group and the selected Word Groups:";
    static constexpr const char* kEraseText = "Erase existing compounds";

    // The builder must have passed CanBuild. The style draws the groups' names; its kanji
    // library must outlive the dialog.
    CSingleGroupBuilderDialog(CBrushly2Doc& document, CSingleGroupBuilder& builder,
                              const CJapaneseTextStyle& style, QWidget* parent = nullptr);

    // The whole command: the refusals of CanBuild through the prompter, else the dialog.
    // Returns the number of compound cards added; -1 when refused or cancelled (a build
    // stopped by the progress dialog's Cancel is told with CSingleGroupBuilder::kCancelledMessage).
    static int Run(CBrushly2Doc& document, const std::string& groupName, CPrompter& prompter,
                   const CJapaneseTextStyle& style, QWidget* parent);

    // After "Create Compounds": adds the cards, the progress dialog over `parent`. Returns
    // the number added; nothing when its Cancel stopped the build.
    std::optional<int> BuildCompounds(QWidget* parent);

    void accept() override;

private:
    CBrushly2Doc& m_document;
    CSingleGroupBuilder& m_builder;
    CBuilderSettings m_settings;
    QRadioButton* m_thisGroup;
    QRadioButton* m_selectedGroups;
    QListWidget* m_groups;
    QCheckBox* m_erase;
    QCheckBox* m_commonOnly;
    QCheckBox* m_includeKana;
    std::vector<std::string> m_selected;  // the groups chosen, as Create Compounds read them
};

}  // namespace brushly
