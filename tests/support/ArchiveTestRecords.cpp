#include "support/ArchiveTestRecords.h"

namespace brushly::testing {

const CRuntimeClass CPointRecord::kRuntimeClass{"CPointRecord", 1, false,
                                                &CreateObject<CPointRecord>};
const CRuntimeClass CNamedRecord::kRuntimeClass{"CNamedRecord", 3, true,
                                                &CreateObject<CNamedRecord>};
const CRuntimeClass CNodeRecord::kRuntimeClass{"CNodeRecord", 1, true, &CreateObject<CNodeRecord>};

void CPointRecord::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteInt(x);
        archive.WriteInt(y);
        archive.WriteInt(z);
        archive.WriteInt(w);
        archive.WriteDouble(weight);
    } else {
        x = archive.ReadInt();
        y = archive.ReadInt();
        z = archive.ReadInt();
        w = archive.ReadInt();
        weight = archive.ReadDouble();
    }
}

void CNamedRecord::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteString(name);
        archive.WriteInt(count);
        archive.WriteStringArray(notes);
        return;
    }
    loadedSchema = archive.GetObjectSchema();
    name = archive.ReadString();
    if (loadedSchema >= 2) count = archive.ReadInt();
    if (loadedSchema >= 3) archive.ReadStringArray(notes);
}

void CNodeRecord::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteObjectArray(children);
        return;
    }
    archive.ReadObjectArray(children);
    schemaAfterChildren = archive.GetObjectSchema();
}

CClassRegistry MakeTestRegistry() {
    CClassRegistry registry;
    registry.Register(CPointRecord::kRuntimeClass);
    registry.Register(CNamedRecord::kRuntimeClass);
    registry.Register(CNodeRecord::kRuntimeClass);
    return registry;
}

}  // namespace brushly::testing
