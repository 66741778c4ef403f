#pragma once

#include <cstdint>

#include "archive/CArchive.h"
#include "platform/CPoint.h"
#include "reference/StrokeType.h"

namespace brushly {

// One segment of a stroke, in draw-box pixels (x right, y down, 200 px wide). A stroke is
// one segment that begins it (newStroke != 0) and every continuation (newStroke 0) after
// it. A plain value: copying copies all six fields.
//
// Stream body (fixed schema 1, always tagged): six int32, 24 bytes, in the order
// start.x, start.y, end.x, end.y, type, newStroke.
class CStrokeData final : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    void Serialize(CArchive& archive) override;

    CPoint start;
    CPoint end;
    int type = kNoType;  // a StrokeType code; any other value has the name "no type"
    int newStroke = 0;   // 1: begins a stroke; 0: continues the stroke of the segment before
};

}  // namespace brushly
