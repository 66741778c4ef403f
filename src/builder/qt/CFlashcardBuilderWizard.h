#pragma once

#include <QWizard>
#include <vector>

#include "builder/CFlashcardBuilder.h"
#include "document/BuilderSettings.h"
#include "platform/CPrompter.h"

namespace brushly {

class CBrushly2Doc;

// The wizard "Flashcard Builder": three pages (source and naming, the range and group size,
// the compound options) over a working copy of the document's builder settings, so that
// Cancel leaves them as they were. After Finish, BuildGroups stores the copy in the
// document and makes the Word Groups behind the "Building Flashcards" progress dialog.
//
// The document must hold its kanji library (DatabasesLoaded); it and the prompter must
// outlive the wizard.
class CFlashcardBuilderWizard final : public QWizard {
public:
    static constexpr const char* kTitle = "Flashcard Builder";

    CFlashcardBuilderWizard(CBrushly2Doc& document, CPrompter& prompter, QWidget* parent = nullptr);

    // The choices as the pages hold them.
    const CBuilderSettings& Settings() const { return m_settings; }
    // Stores the choices in the document and builds the groups, the progress dialog over
    // `parent`. Returns the groups made; none, after telling so through the prompter
    // (CFlashcardBuilder::kCancelledMessage), when the progress dialog's Cancel stopped it.
    std::vector<CBuiltGroup> BuildGroups(QWidget* parent);

    // The whole command: the wizard over `parent` and, after Finish, BuildGroups. Returns
    // the groups made; none when the wizard was cancelled.
    static std::vector<CBuiltGroup> Run(CBrushly2Doc& document, CPrompter& prompter,
                                        QWidget* parent);

private:
    CBrushly2Doc& m_document;
    CPrompter& m_prompter;
    CBuilderSettings m_settings;
};

}  // namespace brushly
