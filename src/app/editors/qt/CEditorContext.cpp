#include "app/editors/qt/CEditorContext.h"

#include <utility>

#include "app/editors/qt/EditorWidgets.h"
#include "dictionary/qt/CCompoundSearchDialog.h"
#include "document/CBrushly2Doc.h"
#include "handwriting/CDemonstrationWidget.h"
#include "lookup/qt/CKanjiDataDialog.h"
#include "lookup/qt/CKanjiSearchDialog.h"

namespace brushly {

CEditorContext::CEditorContext(CBrushly2Doc& document, CPrompter& prompter,
                               const CAbbreviationList& abbreviations, CSettingsStore& settings,
                               const CJapaneseTextStyle& style, std::function<void()> showEdictHelp)
    : m_document(document),
      m_prompter(prompter),
      m_abbreviations(abbreviations),
      m_settings(settings),
      m_style(style),
      m_showEdictHelp(std::move(showEdictHelp)) {}

CEditorContext::~CEditorContext() = default;

bool CEditorContext::HasKanjiDatabase() const {
    return m_document.DatabasesLoaded();
}

std::optional<std::string> CEditorContext::GetKanji(QWidget* parent) const {
    if (!HasKanjiDatabase()) return std::nullopt;
    CKanjiSearchRequest request;
    request.mode = CKanjiSearchRequest::kModeGetKanji;
    request.mayAdd = false;
    CKanjiSearchDialog dialog(m_document, m_prompter, m_style, request, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.Result().kanji.Empty()) return std::nullopt;
    return dialog.Result().kanji.character;
}

bool CEditorContext::SearchWords(QWidget* parent, int mode, CompoundQuery by,
                                 const std::string& query, const std::string& group,
                                 CCompoundSearchResult& result) const {
    if (PrepareCompoundQuery(m_document.CompoundSearch(), by, query, mode)) {
        CCompoundSearch search(m_document.CompoundLibrary(), m_document.KanaWordLibrary(),
                               m_abbreviations, m_document.CompoundSearch(), m_prompter);
        search.Search();
    }
    CCompoundSearchRequest request;
    request.mode = mode;
    request.wordGroup = group;
    CCompoundSearchDialog dialog(m_document, m_prompter, m_abbreviations, m_settings, m_style,
                                 request, m_showEdictHelp, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    result = dialog.Result();
    return result.selection.entry != nullptr;
}

void CEditorContext::ShowData(const CKanjiData& record, QWidget* parent) const {
    CKanjiDataDialog dialog(record, m_style, parent);
    dialog.exec();
}

void CEditorContext::Demonstrate(const CKanjiData& record, QWidget* parent) {
    const QString caption = QStringLiteral("Stroke Order: ") + SjisToQString(record.character);
    if (!m_demonstration) {
        // Without a parent: the window belongs to the context, which closes it with the editor.
        m_demonstration = std::make_unique<CDemonstrationWidget>(caption);
        m_demonstration->setWindowFlag(Qt::Tool);
        m_demonstration->setObjectName(QStringLiteral("editorDemonstration"));
        // Beside the editor, where it hides none of its fields.
        m_demonstration->move(parent->window()->frameGeometry().topRight() + QPoint(8, 0));
    }
    m_demonstration->setWindowTitle(caption);
    const CDrawOptions& draw = m_document.Options().draw;
    m_demonstration->Run(&record.strokes, draw.demoSpeed,
                         CStrokeCanvas::StyleOption(draw.drawingStyle), &m_demonstrationBusy);
    m_demonstration->show();
    m_demonstration->raise();
}

void CEditorContext::CloseDemonstration() {
    m_demonstration.reset();
    m_demonstrationBusy = false;
}

}  // namespace brushly
