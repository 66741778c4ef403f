#include "document/CBrushly2Doc.h"

#include <exception>

#include "archive/CDiskFile.h"
#include "document/DocumentClasses.h"
#include "document/SampleWordGroups.h"
#include "document/Version1Conversion.h"

namespace brushly {

CBrushly2Doc::CContents::CContents() : cards(std::make_unique<CFlashcardSet>()) {}

CBrushly2Doc::CBrushly2Doc(const CSettingsStore& settings, CPrompter& prompter,
                           std::optional<std::uint32_t> seed)
    : m_prompter(prompter),
      m_random(prompter, seed.value_or(CRandom::ClockSeed())),
      m_longOMode(settings.GetInt("oomode", 0)),
      m_smoothStrokes(settings.GetInt("smoothstrokes", 1) != 0),
      m_verticalMode(settings.GetInt("vertmode", 0)),
      m_romajiMode(settings.GetInt("romajimode", 1)),
      m_autosave(settings.GetInt("autosave", 1)) {
    RegisterDocumentClasses(m_registry);
    m_random.Discard(1000);
}

CBrushly2Doc::~CBrushly2Doc() = default;

void CBrushly2Doc::SetKanjiLibrary(std::unique_ptr<CKanjiLibrary> library) {
    m_kanjiLibrary = std::move(library);
    if (!m_kanjiLibrary) return;
    if (HiraganaStats().empty() && KatakanaStats().empty())
        BuildKanaStatistics(*m_kanjiLibrary, HiraganaStats(), KatakanaStats());
    else
        LinkKanaStatistics();
}

void CBrushly2Doc::SetWordLibraries(std::unique_ptr<CCompoundLibrary> compounds,
                                    std::unique_ptr<CCompoundLibrary> kanaWords) {
    m_compoundSearch.compoundResults.clear();
    m_compoundSearch.kanaWordResults.clear();
    m_compoundSearch.combined.clear();
    m_compoundSearch.compoundCount = 0;
    m_compoundSearch.page = 1;
    m_compoundSearch.selected = -1;
    m_compoundLibrary = std::move(compounds);
    m_kanaWordLibrary = std::move(kanaWords);
}

void CBrushly2Doc::DeleteContents() {
    Cards().Clear();
    HiraganaStats().clear();
    KatakanaStats().clear();
}

void CBrushly2Doc::NewDocument() {
    DeleteContents();
    m_contents.fileVersion = kFileVersion;
    m_contents.databaseTitle = m_kanjiLibrary ? m_kanjiLibrary->Title() : std::string();
    m_contents.options = CBrushlyOptions();
    m_commonWordsOnly = 1;
    if (m_kanjiLibrary) BuildKanaStatistics(*m_kanjiLibrary, HiraganaStats(), KatakanaStats());
    if (!m_sampleGroupsGiven) {
        m_sampleGroupsGiven = true;
        AddSampleWordGroups(Cards(), m_kanjiLibrary.get(), m_compoundLibrary.get(),
                            m_kanaWordLibrary.get());
    }
    Cards().Rebuild();
    m_path.clear();
    m_conversionPending = 0;
    m_newDatabase = false;
    m_modified = false;
}

bool CBrushly2Doc::Open(const std::string& path) {
    if (!HasDocumentExtension(path)) {
        m_prompter.Information(kWrongExtensionMessage);
        return false;
    }
    std::unique_ptr<CDiskFile> file;
    try {
        file = std::make_unique<CDiskFile>(path, CDiskFile::Mode::Read);
    } catch (...) {
        m_prompter.Error(DescribeFailure(std::current_exception()));
        return false;
    }

    CContents fresh;
    std::optional<std::int32_t> commonWordsOnly;
    bool whole = true;
    try {
        CArchive archive(*file, CArchive::Mode::Load, &m_registry);
        SerializeContents(archive, fresh);
        if (fresh.fileVersion >= kFileVersion) {
            // A file cut short after the names still opens, with the option on.
            try {
                commonWordsOnly = archive.ReadInt();
            } catch (...) {
                commonWordsOnly = 1;
            }
        }
        // Bytes after the end of the document mean it was damaged (zeroed, say) and read as
        // something it is not.
        whole = archive.BytesLeft() == 0;
    } catch (...) {
        file.reset();
        return ConvertFromVersion1(path);
    }
    m_contents = std::move(fresh);
    if (commonWordsOnly) m_commonWordsOnly = *commonWordsOnly;
    if (whole) {
        FinishLoading(path);
    } else {
        m_prompter.Error(kDamagedFileMessage);
        KeepUntitled();
    }
    return true;
}

bool CBrushly2Doc::ConvertFromVersion1(const std::string& path) {
    m_prompter.Information(kConversionMessage);
    CContents converted;
    m_conversionPending = 1;
    const CVersion1Target target{*converted.cards,        converted.hiraganaStats,
                                 converted.katakanaStats, converted.options,
                                 converted.fileVersion,   converted.databaseTitle};
    const bool whole = ConvertVersion1File(path, m_registry, m_prompter, target);
    m_conversionPending = 0;
    const CFlashcardSet& cards = *converted.cards;
    const bool anything = !cards.GroupNames().empty() || !cards.KanjiCards().empty() ||
                          !cards.CompoundCards().empty() || !cards.KanaWordCards().empty() ||
                          !cards.CounterCards().empty();
    // Nothing read: the file is no document at all, and the open one stays as it was.
    if (!whole && !anything) return false;
    m_contents = std::move(converted);
    if (HiraganaStats().empty() || KatakanaStats().empty()) {
        HiraganaStats().clear();
        KatakanaStats().clear();
        if (m_kanjiLibrary) BuildKanaStatistics(*m_kanjiLibrary, HiraganaStats(), KatakanaStats());
    }
    if (whole) {
        FinishLoading(path);
    } else {
        KeepUntitled();
    }
    return true;
}

void CBrushly2Doc::KeepUntitled() {
    // What was read is kept, but never saved over the file that still holds the rest.
    FinishLoading("");
    m_modified = true;
}

void CBrushly2Doc::FinishLoading(const std::string& path) {
    Cards().Rebuild();
    LinkKanaStatistics();
    m_newDatabase = m_kanjiLibrary && m_kanjiLibrary->Title() != DatabaseTitle();
    m_path = path;
    m_modified = false;
}

bool CBrushly2Doc::Save() {
    return !m_path.empty() && SaveAs(m_path);
}

void CBrushly2Doc::Write(const std::string& path, bool keepBackup) {
    CDiskFile file(path, CDiskFile::Mode::Create);
    CArchive archive(file, CArchive::Mode::Store);
    SerializeContents(archive, m_contents);
    archive.WriteInt(m_commonWordsOnly);
    archive.Close();
    file.Commit(keepBackup);
}

void CBrushly2Doc::WriteCopy(const std::string& path) {
    Write(path, false);
}

bool CBrushly2Doc::SaveAs(const std::string& path) {
    try {
        Write(path, true);
    } catch (...) {
        m_prompter.Error(DescribeFailure(std::current_exception()));
        return false;
    }
    m_contents.fileVersion = kFileVersion;
    m_path = path;
    m_modified = false;
    return true;
}

bool CBrushly2Doc::Autosave(const StatusCallback& showStatus) {
    if (m_path.find('/') == std::string::npos) return false;
    if (showStatus) showStatus(SavingStatusText(m_path));
    return Save();
}

void CBrushly2Doc::RelinkToDatabase(const ProgressCallback& progress) {
    if (!m_kanjiLibrary) return;
    m_contents.databaseTitle = m_kanjiLibrary->Title();
    const auto& kanjiCards = Cards().KanjiCards();
    const auto& counterCards = Cards().CounterCards();
    const std::size_t total = kanjiCards.size() + counterCards.size();
    std::size_t done = 0;
    const auto link = [&](auto& card) {
        if (progress) progress(static_cast<int>(done * 100 / total));
        ++done;
        const CKanjiRef ref = m_kanjiLibrary->FindByCharacter(card.character);
        card.dbGroup = ref.group;
        card.dbIndex = ref.index;
    };
    for (const auto& card : kanjiCards)
        link(*card);
    for (const auto& card : counterCards)
        link(*card);
}

void CBrushly2Doc::LinkKanaStatistics() {
    if (m_kanjiLibrary)
        brushly::LinkKanaStatistics(*m_kanjiLibrary, HiraganaStats(), KatakanaStats());
}

bool CBrushly2Doc::HasDocumentExtension(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || path.find('/', dot) != std::string_view::npos)
        return false;
    std::string extension;
    for (const char c : path.substr(dot + 1))
        extension += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return extension == "bly" || extension == "bly2";
}

std::string CBrushly2Doc::SavingStatusText(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::string_view format = kSavingStatusFormat;
    const std::size_t field = format.find("%s");
    std::string text(format.substr(0, field));
    text.append(name);
    text.append(format.substr(field + 2));
    return text;
}

void CBrushly2Doc::SetClipboard(ClipboardKind kind, std::unique_ptr<CObject> card) {
    m_clipboardKind = card ? kind : kClipboardEmpty;
    m_clipboardCard = std::move(card);
}

void CBrushly2Doc::SerializeContents(CArchive& archive, CContents& contents) {
    CFlashcardSet& cards = *contents.cards;
    if (archive.IsStoring()) {
        archive.WriteInt(kFileVersion);
        archive.WriteString(contents.databaseTitle);
        contents.options.Serialize(archive);
        archive.WriteObjectArray(cards.KanjiCards());
        archive.WriteObjectArray(cards.CompoundCards());
        archive.WriteObjectArray(cards.KanaWordCards());
        archive.WriteObjectArray(cards.CounterCards());
        archive.WriteObjectArray(contents.hiraganaStats);
        archive.WriteObjectArray(contents.katakanaStats);
        archive.WriteStringArray(cards.GroupNames());
        return;
    }
    contents.fileVersion = archive.ReadInt();
    contents.databaseTitle = archive.ReadString();
    contents.options.Serialize(archive);
    archive.ReadObjectArray(cards.KanjiCards());
    archive.ReadObjectArray(cards.CompoundCards());
    archive.ReadObjectArray(cards.KanaWordCards());
    archive.ReadObjectArray(cards.CounterCards());
    archive.ReadObjectArray(contents.hiraganaStats);
    archive.ReadObjectArray(contents.katakanaStats);
    archive.ReadStringArray(cards.GroupNames());
    std::erase(contents.hiraganaStats, nullptr);
    std::erase(contents.katakanaStats, nullptr);
}

}  // namespace brushly
