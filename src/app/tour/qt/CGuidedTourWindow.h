#pragma once

#include <QWidget>
#include <string>

#include "app/tour/CGuidedTour.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace brushly {

class CKanjiLibrary;

// The guided tour's window: a resizable top-level window, not modal, with the page text in
// an 18-pixel Latin font (scrolled when longer than the window) and a picture at the top
// left, above a 50-pixel strip with "BACK" and "NEXT" / "FINISH". It drives the host's
// views through CGuidedTour; FINISH closes the window. The host, and the library whose brush
// kanji is the picture (null draws none), must outlive the window.
class CGuidedTourWindow final : public QWidget {
public:
    static constexpr int kButtonStripHeight = 50;
    static constexpr int kTextPixelSize = 18;

    // latinFace empty keeps the platform's face. Opens on page 1 with its view.
    CGuidedTourWindow(CGuidedTourHost& host, const CKanjiLibrary* library,
                      const std::string& latinFace, QWidget* parent = nullptr);

    CGuidedTour& Tour() { return m_tour; }
    // The host showed a view; the tour follows it (CGuidedTour::ViewEntered).
    void ViewEntered(TourView view);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // After the page changed: text, buttons and title.
    void ShowPage();
    void UpdateTitle();
    void NextClicked();

    CGuidedTour m_tour;
    QScrollArea* m_scroll;
    QLabel* m_text;
    QPushButton* m_back;
    QPushButton* m_next;
};

}  // namespace brushly
