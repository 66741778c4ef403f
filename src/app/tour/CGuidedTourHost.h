#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brushly {

// The views the tour tells apart. kDrawView is the kanji Draw View; the Draw View over the
// kana is kKanaDrawView.
enum class TourView {
    kAny,
    kMainView,
    kWordGroupView,
    kFlashView,
    kDrawView,
    kKanaFlashView,
    kKanaDrawView,
    kKanaTableView,
    kOther,
};

// What the tour needs of the main window: which view is shown, the Word Groups and their
// selection, and the commands that show the views. A command that cannot start its view
// (a deck without cards says so itself) leaves the view shown as it was.
class CGuidedTourHost {
public:
    virtual ~CGuidedTourHost() = default;

    virtual TourView ActiveView() const = 0;
    // The first Word Group of the main view's list; none in an empty document.
    virtual std::optional<std::string> FirstGroup() const = 0;
    // The main view's selected Word Groups, in order.
    virtual std::vector<std::string> Selection() const = 0;
    virtual void SetSelection(const std::vector<std::string>& groups) = 0;

    virtual void ShowMainView() = 0;
    virtual void OpenWordGroupView(const std::string& group) = 0;
    // Reading and writing practice over the selection.
    virtual void StartFlash() = 0;
    virtual void StartDraw() = 0;
    // The hiragana drills and the hiragana table.
    virtual void StartKanaReading() = 0;
    virtual void StartKanaDrawing() = 0;
    virtual void ShowKanaTable() = 0;
};

}  // namespace brushly
