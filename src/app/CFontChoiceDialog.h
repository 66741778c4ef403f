#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QLabel;

namespace brushly {

// "Select a Japanese Font": a combo box of the Japanese faces and a sample character
// shown in the face selected, with the note that a font installed while the program runs
// takes effect at the next start.
class CFontChoiceDialog final : public QDialog {
public:
    // The sample's height in pixels.
    static constexpr int kSamplePixels = 48;

    // faces are UTF-8 family names; current starts selected when among them, else the
    // first face.
    CFontChoiceDialog(const std::vector<std::string>& faces, const std::string& current,
                      QWidget* parent = nullptr);

    // The selected face; empty when there are no faces.
    std::string ChosenFace() const;

private:
    void ShowSample();

    QComboBox* m_faces;
    QLabel* m_sample;
};

}  // namespace brushly
