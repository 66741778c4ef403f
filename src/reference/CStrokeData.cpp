#include "reference/CStrokeData.h"

#include <array>

namespace brushly {

const CRuntimeClass CStrokeData::kRuntimeClass{"CStrokeData", 1, false, &CreateObject<CStrokeData>};

void CStrokeData::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteInt(start.x);
        archive.WriteInt(start.y);
        archive.WriteInt(end.x);
        archive.WriteInt(end.y);
        archive.WriteInt(type);
        archive.WriteInt(newStroke);
    } else {
        start.x = archive.ReadInt();
        start.y = archive.ReadInt();
        end.x = archive.ReadInt();
        end.y = archive.ReadInt();
        type = archive.ReadInt();
        newStroke = archive.ReadInt();
    }
}

std::string_view StrokeTypeName(int code) {
    static constexpr std::array<std::string_view, kStrokeTypeCount> kNames{
        "CHOOK",
        "STR",
        "STR-half arrow",
        "Str-no arrow",
        "Str-rectonly",
        "str-half-rectonly",
        "str-noarrow-rectonly",
        "str-norect",
        "str-boxbegin",
        "str-boxend",
        "str-aftercurve",
        "teardrop",
        "Lhook_begin",
        "Lhook-end",
        "L-nohook-end",
        "str-bc",
        "str-bsc",
        "curve-ve",
        "extracurve-ve",
        "sharpcurve-ve",
        "extrasharpcurve-ve",
        "curve",
        "extracurve",
        "curve-flush",
        "extracurve-flush",
        "sharpcurve",
        "extrasharpcurve",
        "supersharpcurve",
        "sharpcurve-flush",
        "extrasharpcurve-flush",
        "supersharpcurve-flush",
        "curve-flush-mir",
        "extracurveflush-mir",
        "sharpcurve-flush-mir",
        "extrasharpcurve-flush-mir",
        "comp-stroke",
        "hook",
        "hookstem",
    };
    if (code < 0 || code >= kStrokeTypeCount) return "no type";
    return kNames[static_cast<std::size_t>(code)];
}

}  // namespace brushly
