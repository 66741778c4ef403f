#include "builder/qt/CFlashcardBuilderWizard.h"

#include "builder/qt/CBuilderCompoundPage.h"
#include "builder/qt/CBuilderProgressDialog.h"
#include "builder/qt/CBuilderRangePage.h"
#include "builder/qt/CBuilderSourcePage.h"
#include "document/CBrushly2Doc.h"

namespace brushly {

CFlashcardBuilderWizard::CFlashcardBuilderWizard(CBrushly2Doc& document, CPrompter& prompter,
                                                 QWidget* parent)
    : QWizard(parent),
      m_document(document),
      m_prompter(prompter),
      m_settings(document.BuilderSettings()) {
    setWindowTitle(QString::fromLatin1(kTitle));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);
    const CCompoundLibrary* compounds = document.CompoundLibrary();
    addPage(new CBuilderSourcePage(m_settings, this));
    addPage(new CBuilderRangePage(m_settings, *document.KanjiLibrary(), prompter, this));
    addPage(new CBuilderCompoundPage(m_settings, compounds && compounds->IsEdictBuilt(), this));
    resize(560, 460);
}

std::vector<CBuiltGroup> CFlashcardBuilderWizard::BuildGroups(QWidget* parent) {
    m_document.BuilderSettings() = m_settings;
    const CFlashcardBuilder builder(*m_document.KanjiLibrary(), m_document.CompoundLibrary());
    std::optional<std::vector<CBuiltGroup>> built;
    CBuilderProgressDialog::Run(
        QString::fromLatin1(builder.ProgressText(m_settings)),
        [&](const CBuilderProgressDialog::ProgressCallback& progress, CCancellation& cancel) {
            built = builder.Build(m_document, m_settings, progress, &cancel);
        },
        parent);
    if (!built) {
        m_prompter.Information(CFlashcardBuilder::kCancelledMessage);
        return {};
    }
    return std::move(*built);
}

std::vector<CBuiltGroup> CFlashcardBuilderWizard::Run(CBrushly2Doc& document, CPrompter& prompter,
                                                      QWidget* parent) {
    CFlashcardBuilderWizard wizard(document, prompter, parent);
    if (wizard.exec() != QDialog::Accepted) return {};
    return wizard.BuildGroups(parent);
}

}  // namespace brushly
