#pragma once

#include <functional>

#include "app/tour/CGuidedTourHost.h"

namespace brushly {

class CBrushly2Doc;
class CMainView;
class CPracticeViews;
class CViewSwitcher;
class CWordGroupView;

// The main window's views as the guided tour sees and drives them. Every argument must
// outlive the object.
class CMainWindowTourHost final : public CGuidedTourHost {
public:
    using OpenGroup = std::function<void(const std::string& group)>;
    CMainWindowTourHost(const CBrushly2Doc& document, CViewSwitcher& views, CMainView& mainView,
                        const CWordGroupView& wordGroupView, CPracticeViews& practice,
                        OpenGroup openGroup);

    TourView ActiveView() const override;
    std::optional<std::string> FirstGroup() const override;
    std::vector<std::string> Selection() const override;
    void SetSelection(const std::vector<std::string>& groups) override;
    void ShowMainView() override;
    void OpenWordGroupView(const std::string& group) override;
    void StartFlash() override;
    void StartDraw() override;
    void StartKanaReading() override;
    void StartKanaDrawing() override;
    void ShowKanaTable() override;

private:
    const CBrushly2Doc& m_document;
    CViewSwitcher& m_views;
    CMainView& m_mainView;
    const CWordGroupView& m_wordGroupView;
    CPracticeViews& m_practice;
    OpenGroup m_openGroup;
};

}  // namespace brushly
