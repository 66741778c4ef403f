#pragma once

#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/CCanvas.h"
#include "platform/CRecordingCanvas.h"

namespace brushly::testing {

// A recording canvas whose off-screen images stay inspectable after the code under test
// has dropped them: every image it creates records into a CRecordingCanvas that the
// creating canvas keeps, in creation order.
class CImageKeepingCanvas final : public CCanvas {
public:
    CImageKeepingCanvas(int width, int height)
        : m_record(std::make_shared<CRecordingCanvas>(width, height)),
          m_images(std::make_shared<std::vector<std::shared_ptr<CRecordingCanvas>>>()) {}

    CRecordingCanvas& Record() { return *m_record; }
    const std::vector<std::shared_ptr<CRecordingCanvas>>& Images() const { return *m_images; }

    int Width() const override { return m_record->Width(); }
    int Height() const override { return m_record->Height(); }
    CPen SetPen(const CPen& pen) override { return m_record->SetPen(pen); }
    CBrush SetBrush(const CBrush& brush) override { return m_record->SetBrush(brush); }
    void Line(CPoint from, CPoint to) override { m_record->Line(from, to); }
    void Polyline(std::span<const CPoint> points) override { m_record->Polyline(points); }
    void Polygon(std::span<const CPoint> points) override { m_record->Polygon(points); }
    void Ellipse(const CRect& bounds) override { m_record->Ellipse(bounds); }
    void Chord(const CRect& bounds, CPoint from, CPoint to) override {
        m_record->Chord(bounds, from, to);
    }
    void FillRect(const CRect& rect, CColor color) override { m_record->FillRect(rect, color); }
    void DrawText(std::u16string_view text, const CFont& font, CPoint topLeft) override {
        m_record->DrawText(text, font, topLeft);
    }

    std::unique_ptr<CCanvas> CreateImage(int width, int height) const override {
        auto image = std::unique_ptr<CImageKeepingCanvas>(
            new CImageKeepingCanvas(std::make_shared<CRecordingCanvas>(width, height), m_images));
        m_images->push_back(image->m_record);
        return image;
    }

    void CopyFrom(const CCanvas& image, const CRect& source, const CRect& target,
                  CStretchMode mode) override {
        const auto* kept = dynamic_cast<const CImageKeepingCanvas*>(&image);
        if (!kept) throw std::invalid_argument("CImageKeepingCanvas copies only its own kind");
        m_record->CopyFrom(*kept->m_record, source, target, mode);
    }

private:
    CImageKeepingCanvas(std::shared_ptr<CRecordingCanvas> record,
                        std::shared_ptr<std::vector<std::shared_ptr<CRecordingCanvas>>> images)
        : m_record(std::move(record)), m_images(std::move(images)) {}

    std::shared_ptr<CRecordingCanvas> m_record;
    std::shared_ptr<std::vector<std::shared_ptr<CRecordingCanvas>>> m_images;
};

}  // namespace brushly::testing
