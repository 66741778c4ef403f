#include "app/CJapaneseFonts.h"

#include <algorithm>

#include "app/AppSettings.h"

namespace brushly {

namespace {

constexpr int kNotChosen = settings::kEmulateDefault;

}  // namespace

CJapaneseFonts::CJapaneseFonts(const std::vector<CInstalledFace>& installed, CSettingsStore& store,
                               CFontDialogs& dialogs)
    : m_settings(store), m_dialogs(dialogs) {
    bool msMincho = false;
    for (const CInstalledFace& face : installed) {
        if (face.name == kMsMincho)
            msMincho = true;
        else if (face.showsJapanese && !face.name.starts_with('@'))
            m_japaneseFaces.push_back(face.name);
    }
    m_latinFace = ChooseLatinFace(installed);
    if (msMincho) {
        m_japaneseFaces.insert(m_japaneseFaces.begin(), kMsMincho);
        m_mode = CJapaneseFontMode::kMsMincho;
    } else if (!m_japaneseFaces.empty()) {
        m_mode = CJapaneseFontMode::kOtherFace;
    }
}

void CJapaneseFonts::ChooseAtStartup() {
    switch (m_mode) {
        case CJapaneseFontMode::kMsMincho:
            m_face = kMsMincho;
            m_settings.WriteString(settings::kFont, kMsMincho);
            m_settings.WriteInt(settings::kEmulate, kNotChosen);
            m_settings.WriteInt(settings::kFontWarning, 0);
            break;
        case CJapaneseFontMode::kBuiltIn:
            m_face = kMsMincho;
            m_settings.WriteString(settings::kFont, settings::kNoFont);
            if (m_settings.GetInt(settings::kFontWarning, settings::kFontWarningDefault) != 1)
                m_settings.WriteInt(settings::kFontWarning, m_dialogs.WarnFontMissing() ? 1 : 0);
            if (m_settings.GetInt(settings::kEmulate, kNotChosen) < 0) AskThreshold();
            break;
        case CJapaneseFontMode::kOtherFace:
            m_face = m_settings.GetString(settings::kFont, settings::kNoFont);
            if (!IsJapaneseFace(m_face)) AskFace();
            break;
    }
    m_threshold = m_settings.GetInt(settings::kEmulate, kNotChosen);
}

void CJapaneseFonts::ChooseFaceAgain() {
    const std::string chosen = m_dialogs.ChooseFace(m_japaneseFaces, m_face);
    if (!IsJapaneseFace(chosen)) return;
    m_settings.WriteString(settings::kFont, chosen);
    m_settings.WriteInt(settings::kEmulate, kNotChosen);
    m_threshold = kNotChosen;
    if (m_mode == CJapaneseFontMode::kOtherFace) m_face = chosen;
}

void CJapaneseFonts::AdjustThresholdAgain() {
    AskThreshold();
}

CJapaneseTextStyle CJapaneseFonts::TextStyle(const CKanjiLibrary* library) const {
    return CJapaneseTextStyle{m_mode, m_face, m_threshold, library};
}

std::string CJapaneseFonts::ChooseLatinFace(const std::vector<CInstalledFace>& installed) {
    for (const char* latin : kLatinFaces) {
        const auto named = [latin](const CInstalledFace& face) { return face.name == latin; };
        if (std::ranges::any_of(installed, named)) return latin;
    }
    return {};
}

int CJapaneseFonts::RowOfThreshold(int threshold) {
    const auto found = std::ranges::find(kThresholds, threshold);
    return found == kThresholds.end() ? 0 : static_cast<int>(found - kThresholds.begin());
}

bool CJapaneseFonts::IsJapaneseFace(const std::string& face) const {
    return std::ranges::find(m_japaneseFaces, face) != m_japaneseFaces.end();
}

void CJapaneseFonts::AskFace() {
    m_face = m_dialogs.ChooseFace(m_japaneseFaces, m_face);
    m_settings.WriteString(settings::kFont, m_face);
    m_settings.WriteInt(settings::kEmulate, kNotChosen);
}

void CJapaneseFonts::AskThreshold() {
    const int asked = m_dialogs.ChooseLegibleRow(RowOfThreshold(m_threshold));
    const int row = std::clamp(asked, 0, static_cast<int>(kThresholds.size()) - 1);
    m_threshold = kThresholds[static_cast<std::size_t>(row)];
    m_settings.WriteInt(settings::kEmulate, m_threshold);
}

}  // namespace brushly
