#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>

#include "platform/CCanvas.h"
#include "reference/CKanjiStrokes.h"

namespace brushly {

// The roles a stroke list is drawn in; each of 1 to 6 has its own colour.
enum StrokeRole : int {
    kRoleUser = 1,                  // black
    kRoleIncorrect = 2,             // red
    kRoleOutOfOrder = 3,            // blue
    kRoleHint = 4,                  // magenta
    kRoleIncompleteOutOfOrder = 5,  // cyan
    kRoleIncomplete = 6,            // green
    kRoleGhost = 8,                 // no own colour: the caller selects pen and brush
};

// The ghost's colour, for the caller to select in kRoleGhost.
inline constexpr CColor kGhostColor{192, 192, 192};

// The colour of roles 1 to 6; empty for any other role.
std::optional<CColor> RoleColor(int role);

// The headless part of every box that shows strokes: draws stroke lists on a picture in
// the brush or the simple style, a role choosing the colour. Coordinates are the lists'
// own, in draw-box pixels (x right, y down), unscaled.
//
// Pens are solid, 1 pixel wide in the brush style and 8 in the simple style; brushes are
// solid in the role's colour. The drawing calls draw on the selected target: the picture,
// or the working image, a second image of the picture's size made with
// picture.CreateImage when first asked for and kept for the canvas's lifetime.
class CStrokeCanvas {
public:
    enum class Style { Brush, Simple };
    enum class Target { Picture, WorkingImage };

    // Draws on `picture`, which must outlive the canvas. Starts in the brush style.
    explicit CStrokeCanvas(CCanvas& picture);

    CCanvas& Picture() { return m_picture; }
    CCanvas& WorkingImage();

    // Selects where the drawing calls draw; returns the target selected before.
    Target SelectTarget(Target target);
    // The selected target.
    CCanvas& Surface();

    // The style a drawing-style option value names: 1 the simple strokes, any other the brush.
    static Style StyleOption(int drawingStyle) {
        return drawingStyle == 1 ? Style::Simple : Style::Brush;
    }

    Style GetStyle() const { return m_style; }
    // Sets the style and recreates the role pens (1 px for the brush style, 8 px for the
    // simple style).
    void SetStyle(Style style);
    // The pen and brush of roles 1 to 6; empty for any other role.
    std::optional<CPen> RolePen(int role) const;
    std::optional<CBrush> RoleBrush(int role) const;

    // Draws the whole list in the brush style on the target: selects the role's pen and
    // brush (a role without its own, such as kRoleGhost, draws with the target's current
    // ones and leaves hooks without their round tip), runs the list driver
    // (DrawListSegment) from the first segment to the last, and restores the pen and brush
    // selected before.
    void DrawStrokes(const CKanjiStrokes& list, int role);
    // The same in the simple style, segment after segment with DrawSegmentSimple.
    void DrawStrokesSimple(const CKanjiStrokes& list, int role);
    // DrawStrokes or DrawStrokesSimple, by the style.
    void DrawStrokesInStyle(const CKanjiStrokes& list, int role);

    // One step of the brush list driver at `index`, with the target's current pen and
    // brush; returns the segments consumed (0 past the end). A code-10 segment takes its
    // thickness from the previous segment's length, a code-15 segment from the next one's,
    // a code-12 segment takes its code-13 or -14 foot along as one L-shape, and a code-16
    // segment takes the segment after it along, drawn with width 8.
    std::size_t DrawListSegment(const CKanjiStrokes& list, std::size_t index);
    // The brush shape of the segment at `index` with the given width (0: from the
    // segment's own length), with the target's current pen and brush. A code-12 segment
    // followed by a code 13 or 14 is drawn with it as one L-shape; the result is the number
    // of segments drawn (2 then, else 1; 0 past the end).
    std::size_t DrawSegment(const CKanjiStrokes& list, std::size_t index, int width);
    // The simple shape of the segment at `index` with the target's current pen, an
    // L-shape taking its foot along as in DrawSegment; returns the segments drawn.
    std::size_t DrawSegmentSimple(const CKanjiStrokes& list, std::size_t index);

private:
    static constexpr int kRoleCount = 6;

    CCanvas& m_picture;
    std::unique_ptr<CCanvas> m_workingImage;
    Target m_target = Target::Picture;
    Style m_style = Style::Brush;
    std::array<CPen, kRoleCount> m_pens;
    std::array<CBrush, kRoleCount> m_brushes;
};

}  // namespace brushly
