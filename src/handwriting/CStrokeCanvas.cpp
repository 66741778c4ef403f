#include "handwriting/CStrokeCanvas.h"

#include "handwriting/BrushShapes.h"
#include "handwriting/ShapeSupport.h"
#include "handwriting/SimpleShapes.h"

namespace brushly {

namespace {

constexpr int kBrushPenWidth = 1;
constexpr int kSimplePenWidth = 8;

// The colours of roles 1 to 6, in role order.
constexpr std::array<CColor, 6> kRoleColors{
    {{0, 0, 0}, {255, 0, 0}, {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {0, 255, 0}}};

bool HasOwnColours(int role) {
    return role >= kRoleUser && role <= kRoleIncomplete;
}

}  // namespace

std::optional<CColor> RoleColor(int role) {
    if (!HasOwnColours(role)) return std::nullopt;
    return kRoleColors[static_cast<std::size_t>(role - kRoleUser)];
}

CStrokeCanvas::CStrokeCanvas(CCanvas& picture) : m_picture(picture) {
    SetStyle(Style::Brush);
}

CCanvas& CStrokeCanvas::WorkingImage() {
    if (!m_workingImage)
        m_workingImage = m_picture.CreateImage(m_picture.Width(), m_picture.Height());
    return *m_workingImage;
}

CStrokeCanvas::Target CStrokeCanvas::SelectTarget(Target target) {
    const Target previous = m_target;
    m_target = target;
    return previous;
}

CCanvas& CStrokeCanvas::Surface() {
    return m_target == Target::Picture ? m_picture : WorkingImage();
}

void CStrokeCanvas::SetStyle(Style style) {
    m_style = style;
    const int width = style == Style::Brush ? kBrushPenWidth : kSimplePenWidth;
    for (std::size_t i = 0; i < kRoleColors.size(); ++i) {
        m_pens[i] = CPen{kRoleColors[i], width, CPenStyle::Solid};
        m_brushes[i] = CBrush{kRoleColors[i]};
    }
}

std::optional<CPen> CStrokeCanvas::RolePen(int role) const {
    if (!HasOwnColours(role)) return std::nullopt;
    return m_pens[static_cast<std::size_t>(role - kRoleUser)];
}

std::optional<CBrush> CStrokeCanvas::RoleBrush(int role) const {
    if (!HasOwnColours(role)) return std::nullopt;
    return m_brushes[static_cast<std::size_t>(role - kRoleUser)];
}

void CStrokeCanvas::DrawStrokes(const CKanjiStrokes& list, int role) {
    CCanvas& surface = Surface();
    const bool own = HasOwnColours(role);
    std::optional<CScopedSelection> selection;
    if (own) selection.emplace(surface, *RolePen(role), *RoleBrush(role));
    for (std::size_t i = 0; i < list.Size();)
        i += DrawBrushListStep(surface, list, i, own);
}

void CStrokeCanvas::DrawStrokesSimple(const CKanjiStrokes& list, int role) {
    CCanvas& surface = Surface();
    std::optional<CScopedSelection> selection;
    if (HasOwnColours(role)) selection.emplace(surface, *RolePen(role), *RoleBrush(role));
    for (std::size_t i = 0; i < list.Size();)
        i += DrawSimpleSegment(surface, list, i);
}

void CStrokeCanvas::DrawStrokesInStyle(const CKanjiStrokes& list, int role) {
    if (m_style == Style::Brush)
        DrawStrokes(list, role);
    else
        DrawStrokesSimple(list, role);
}

std::size_t CStrokeCanvas::DrawListSegment(const CKanjiStrokes& list, std::size_t index) {
    return DrawBrushListStep(Surface(), list, index, true);
}

std::size_t CStrokeCanvas::DrawSegment(const CKanjiStrokes& list, std::size_t index, int width) {
    return DrawBrushSegment(Surface(), list, index, width, true);
}

std::size_t CStrokeCanvas::DrawSegmentSimple(const CKanjiStrokes& list, std::size_t index) {
    return DrawSimpleSegment(Surface(), list, index);
}

}  // namespace brushly
