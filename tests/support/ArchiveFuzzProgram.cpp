#include <cstdint>
#include <new>

#include "archive/CMemFile.h"
#include "support/ArchiveTestRecords.h"

namespace brushly::testing {

namespace {
enum Operation : std::uint8_t { kOwned, kReference, kString, kStrings, kNumbers, kOperations };

void WriteOperation(CArchive& archive, Operation operation) {
    archive.WriteBytes(&operation, 1);
}
}  // namespace

bool ReadFuzzProgram(const std::string& bytes) {
    const CClassRegistry registry = MakeTestRegistry();
    CMemFile file(bytes);
    CArchive archive(file, CArchive::Mode::Load, &registry);
    // Every object read stays alive to the end, so back-references stay valid.
    std::vector<std::unique_ptr<CObject>> objects;
    try {
        while (archive.BytesLeft() > 0) {
            std::uint8_t operation = 0;
            archive.ReadBytes(&operation, 1);
            switch (operation % kOperations) {
                case kOwned:
                    objects.push_back(archive.ReadOwnedObject<CObject>());
                    break;
                case kReference: {
                    CArchive::ObjectReference reference = archive.ReadObjectReference();
                    if (reference.earlier) reference.earlier->GetRuntimeClass();
                    objects.push_back(std::move(reference.created));
                    break;
                }
                case kString:
                    archive.ReadString();
                    break;
                case kStrings: {
                    std::vector<std::string> strings;
                    archive.ReadStringArray(strings);
                    break;
                }
                default:
                    archive.ReadInt();
                    archive.ReadDouble();
                    break;
            }
        }
    } catch (const CArchiveException&) {
        return false;
    }
    return true;
}

std::vector<std::string> MakeFuzzSeeds() {
    std::vector<std::string> seeds;
    const auto store = [&](auto write) {
        CMemFile file;
        CArchive archive(file, CArchive::Mode::Store);
        write(archive);
        archive.Close();
        seeds.push_back(file.Bytes());
    };
    CPointRecord point;
    point.x = 3;
    point.weight = 1.5;
    CNamedRecord named;
    named.name = "\x8a\xbf\x8e\x9a";
    named.notes = {"a", "", std::string(300, 'n')};
    CNodeRecord node;
    node.children.push_back(std::make_unique<CPointRecord>());
    node.children.push_back(nullptr);
    node.children.push_back(std::make_unique<CNamedRecord>());

    store([&](CArchive& ar) {
        WriteOperation(ar, kOwned);
        ar.WriteObject(&point);
        WriteOperation(ar, kReference);
        ar.WriteObject(&point);
        WriteOperation(ar, kOwned);
        ar.WriteObject(&named);
        WriteOperation(ar, kOwned);
        ar.WriteObject(&node);
    });
    store([&](CArchive& ar) {
        WriteOperation(ar, kString);
        ar.WriteString(std::string(255, 's'));
        WriteOperation(ar, kStrings);
        ar.WriteStringArray({"ka", "ki"});
        WriteOperation(ar, kNumbers);
        ar.WriteInt(-1);
        ar.WriteDouble(0.25);
        WriteOperation(ar, kOwned);
        ar.WriteObject(nullptr);
    });
    // The long tag forms, which files use past index 0x7FFE, with small indices: a class
    // reference and a back-reference.
    store([&](CArchive& ar) {
        WriteOperation(ar, kOwned);
        ar.WriteObject(&point);
        WriteOperation(ar, kOwned);
        const std::uint16_t longTag = 0x7FFF;
        ar.WriteBytes(&longTag, sizeof longTag);
        ar.WriteUInt(0x80000001);
        point.Serialize(ar);
        WriteOperation(ar, kReference);
        ar.WriteBytes(&longTag, sizeof longTag);
        ar.WriteUInt(2);
    });
    return seeds;
}

}  // namespace brushly::testing
