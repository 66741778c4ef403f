#pragma once

#include <string>
#include <vector>

namespace brushly {

// The three questions of the Japanese font decisions, so that CJapaneseFonts can be run
// without a display (tests script the answers). Every call is modal and always answers:
// the dialogs have no Cancel.
class CFontDialogs {
public:
    virtual ~CFontDialogs() = default;

    // "Japanese Font NOT INSTALLED": true when "DO NOT show this warning each start" was
    // ticked.
    virtual bool WarnFontMissing() = 0;

    // "Adjust Japanese font settings": four printed kanji samples of increasing size and
    // "None legible". Returns the row of the smallest legible sample, 0 to 3, or 4 for
    // "None legible"; currentRow (0 to 4) is selected when the dialog opens.
    virtual int ChooseLegibleRow(int currentRow) = 0;

    // "Select a Japanese Font": one of faces (UTF-8 family names), current selected when
    // the dialog opens if it is among them, else the first. Empty when faces is empty.
    virtual std::string ChooseFace(const std::vector<std::string>& faces,
                                   const std::string& current) = 0;
};

}  // namespace brushly
