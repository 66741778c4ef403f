#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/CFontDialogs.h"
#include "handwriting/JapaneseText.h"
#include "platform/CSettingsStore.h"
#include "reference/CKanjiLibrary.h"

namespace brushly {

// An installed font family as the platform reports it.
struct CInstalledFace {
    std::string name;            // UTF-8 family name
    bool showsJapanese = false;  // the family has the Japanese writing system
};

// The font decisions of a run: which font shows Japanese text (the mode, the face and the
// built-in renderer's threshold) and which face shows Latin text. Decided once at start-up
// from the installed faces, the settings "font", "emulate" and "fontwarning" and the
// user's answers; the Tools menu's font commands change them later. Headless: the
// questions go through the CFontDialogs given.
class CJapaneseFonts {
public:
    static constexpr const char* kMsMincho = "MS Mincho";
    // The "emulate" value of each row of the threshold question; the last is "None legible".
    static constexpr std::array<int, 5> kThresholds{0, 17, 23, 31, 210};
    // The Latin faces in order of preference; none installed leaves the platform default.
    static constexpr std::array<const char*, 4> kLatinFaces{"Times New Roman", "Arial",
                                                            "Liberation Serif", "DejaVu Serif"};

    // installed: every installed family, in enumeration order. A family other than
    // kMsMincho counts as a Japanese face when it shows Japanese and its name does not
    // start with "@". The store and dialogs must outlive the object. Asks nothing and
    // writes nothing: the mode, face list and Latin face follow from installed alone.
    CJapaneseFonts(const std::vector<CInstalledFace>& installed, CSettingsStore& store,
                   CFontDialogs& dialogs);

    // The start-up decision:
    // - kMsMincho installed: mode kMsMincho, face kMsMincho; writes "font" = kMsMincho,
    //   "emulate" = -1 and "fontwarning" = 0.
    // - no Japanese face: mode kBuiltIn (face kMsMincho, nominal); writes "font" = "none";
    //   unless "fontwarning" is 1 warns and writes "fontwarning" 1 when the user ticked the
    //   box, else 0; then, when "emulate" (default -1) is negative, asks for the threshold
    //   and writes it to "emulate".
    // - other Japanese faces: mode kOtherFace; when "font" (default "none") is not one of
    //   them, asks for the face, writes it to "font" and writes "emulate" = -1. The face is
    //   the stored "font".
    // Threshold() is "emulate" as it stands afterwards.
    void ChooseAtStartup();
    // Tools - Japanese Font: asks for the face again among the Japanese faces, writes it to
    // "font" and "emulate" = -1; in mode kOtherFace the new face is used at once. Without
    // Japanese faces the question is shown but nothing is written.
    void ChooseFaceAgain();
    // Tools - Brushly Font: asks for the threshold again (the current one selected) and
    // writes it to "emulate".
    void AdjustThresholdAgain();

    CJapaneseFontMode Mode() const { return m_mode; }
    const std::string& Face() const { return m_face; }
    // The Japanese faces in enumeration order, kMsMincho at the head when installed.
    const std::vector<std::string>& JapaneseFaces() const { return m_japaneseFaces; }
    // The first of kLatinFaces installed; empty for the platform default.
    const std::string& LatinFace() const { return m_latinFace; }
    int Threshold() const { return m_threshold; }
    // What DrawJapaneseText needs; library supplies the strokes of the built-in renderer.
    CJapaneseTextStyle TextStyle(const CKanjiLibrary* library) const;

    // The row of the threshold question that gives threshold; 0 when none does.
    static int RowOfThreshold(int threshold);
    // The first of kLatinFaces among installed; empty when none is.
    static std::string ChooseLatinFace(const std::vector<CInstalledFace>& installed);

private:
    bool IsJapaneseFace(const std::string& face) const;
    void AskFace();
    void AskThreshold();

    CSettingsStore& m_settings;
    CFontDialogs& m_dialogs;
    std::vector<std::string> m_japaneseFaces;
    std::string m_latinFace;
    CJapaneseFontMode m_mode = CJapaneseFontMode::kBuiltIn;
    std::string m_face = kMsMincho;
    int m_threshold = -1;
};

}  // namespace brushly
