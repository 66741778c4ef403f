// Object references: tags, class descriptions, schemas, back-references and hostile input.
#include <gtest/gtest.h>

#include "archive/ArchiveTestUtil.h"

namespace brushly::testing {
namespace {

using Cause = CArchiveException::Cause;

std::unique_ptr<CPointRecord> Point(int x) {
    auto point = std::make_unique<CPointRecord>();
    point->x = x;
    point->weight = 0.5;
    return point;
}

std::string PointBody(int x) {
    return Bytes({x, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xE0, 0x3F});
}

const std::string kPointClass = Bytes({0xFF, 0xFF, 0x01, 0x00, 12, 0}) + "CPointRecord";

TEST(ArchiveObjects, NullAndEmptyArraysAreTwoZeroBytes) {
    std::vector<std::unique_ptr<CObject>> none;
    EXPECT_EQ(Store([&](CArchive& ar) { ar.WriteObject(nullptr); }), Bytes({0, 0}));
    EXPECT_EQ(Store([&](CArchive& ar) { ar.WriteObjectArray(none); }), Bytes({0, 0}));
}

TEST(ArchiveObjects, ArrayOf65535ElementsUsesTheLongCount) {
    std::vector<std::unique_ptr<CObject>> nulls(65535);
    const std::string bytes = Store([&](CArchive& ar) { ar.WriteObjectArray(nulls); });
    ASSERT_EQ(bytes.size(), 6u + 2u * 65535u);
    EXPECT_EQ(bytes.substr(0, 8), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}));
    Load(bytes, [](CArchive& ar) {
        std::vector<std::unique_ptr<CObject>> read;
        ar.ReadObjectArray(read);
        EXPECT_EQ(read.size(), 65535u);
        EXPECT_EQ(read[65534], nullptr);
    });
}

TEST(ArchiveObjects, ThreeObjectsOfOneClassShareOneDescription) {
    std::vector<std::unique_ptr<CPointRecord>> points;
    for (int x : {1, 2, 3})
        points.push_back(Point(x));
    const std::string bytes = Store([&](CArchive& ar) { ar.WriteObjectArray(points); });
    // The class takes index 1, the objects 2, 3 and 4; later objects carry tag 0x8001.
    EXPECT_EQ(bytes, Bytes({3, 0}) + kPointClass + PointBody(1) + Bytes({0x01, 0x80}) +
                         PointBody(2) + Bytes({0x01, 0x80}) + PointBody(3));
    Load(bytes, [](CArchive& ar) {
        std::vector<std::unique_ptr<CPointRecord>> read;
        ar.ReadObjectArray(read);
        ASSERT_EQ(read.size(), 3u);
        EXPECT_EQ(read[2]->x, 3);
        EXPECT_EQ(read[2]->weight, 0.5);
    });
}

TEST(ArchiveObjects, BackReferencesUseTheObjectIndex) {
    auto point = Point(9);
    const std::string bytes = Store([&](CArchive& ar) {
        ar.WriteObject(point.get());
        ar.WriteObject(point.get());
    });
    EXPECT_EQ(bytes, kPointClass + PointBody(9) + Bytes({0x02, 0x00}));
    Load(bytes, [](CArchive& ar) {
        CArchive::ObjectReference first = ar.ReadObjectReference();
        ASSERT_NE(first.created, nullptr);
        CArchive::ObjectReference second = ar.ReadObjectReference();
        EXPECT_EQ(second.created, nullptr);
        EXPECT_EQ(second.earlier, first.created.get());
    });
    // An owner cannot take an object that another owner already holds.
    EXPECT_EQ(LoadFailure(bytes,
                          [](CArchive& ar) {
                              auto first = ar.ReadOwnedObject<CPointRecord>();
                              ar.ReadOwnedObject<CPointRecord>();
                          }),
              Cause::BadIndex);
}

TEST(ArchiveObjects, IndicesPast0x7FFEUseLongTags) {
    // 0x7FFE points take indices 2..0x7FFF after their class (1); the named class then
    // takes 0x8000 and its objects 0x8001 and 0x8002.
    std::vector<std::unique_ptr<CPointRecord>> points;
    for (int i = 0; i < 0x7FFE; ++i)
        points.push_back(Point(i & 0x7F));
    CNamedRecord first, second;
    first.name = "first";
    second.name = "second";
    const std::string bytes = Store([&](CArchive& ar) {
        ar.WriteObjectArray(points);
        ar.WriteObject(&first);
        ar.WriteObject(&second);
        ar.WriteObject(&second);              // back-reference past 0x7FFE
        ar.WriteObject(points.back().get());  // back-reference to index 0x7FFF
        ar.WriteObject(points.front().get());
    });
    const std::string namedClass = Bytes({0xFF, 0xFF, 0x03, 0x00, 12, 0}) + "CNamedRecord";
    const std::string namedBody = Bytes({6}) + "second" + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0});
    const std::string tail = Bytes({0xFF, 0x7F, 0x00, 0x80, 0x00, 0x80}) + namedBody +
                             Bytes({0xFF, 0x7F, 0x02, 0x80, 0x00, 0x00}) +
                             Bytes({0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x00}) + Bytes({0x02, 0x00});
    ASSERT_GT(bytes.size(), tail.size());
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
    EXPECT_NE(bytes.find(namedClass), std::string::npos);

    Load(bytes, [](CArchive& ar) {
        std::vector<std::unique_ptr<CPointRecord>> read;
        ar.ReadObjectArray(read);
        ASSERT_EQ(read.size(), 0x7FFEu);
        auto readFirst = ar.ReadOwnedObject<CNamedRecord>();
        auto readSecond = ar.ReadOwnedObject<CNamedRecord>();
        EXPECT_EQ(readFirst->name, "first");
        EXPECT_EQ(readSecond->name, "second");
        EXPECT_EQ(ar.ReadObjectReference().earlier, readSecond.get());
        EXPECT_EQ(ar.ReadObjectReference().earlier, read.back().get());
        EXPECT_EQ(ar.ReadObjectReference().earlier, read.front().get());
    });
}

TEST(ArchiveObjects, VersionableClassReadsOnlyTheFieldsOfItsStoredSchema) {
    CNamedRecord record;
    record.name = "old";
    record.count = 5;
    record.notes = {"n"};
    std::string bytes = Store([&](CArchive& ar) { ar.WriteObject(&record); });
    EXPECT_EQ(bytes.substr(0, 3), Bytes({0xFF, 0xFF, 0x03}));
    Load(bytes, [](CArchive& ar) {
        auto read = ar.ReadOwnedObject<CNamedRecord>();
        EXPECT_EQ(read->loadedSchema, 3u);
        EXPECT_EQ(read->notes, std::vector<std::string>{"n"});
        EXPECT_EQ(ar.GetObjectSchema(), CArchive::kUnknownSchema);
    });
    // The same record as schema 1 wrote it: the name only.
    const std::string schema1 = Bytes({0xFF, 0xFF, 0x01, 0x00, 12, 0}) + "CNamedRecord" +
                                Bytes({3}) + "old" + Bytes({0x01, 0x80, 1}) + "b";
    const std::uint64_t left = Load(schema1, [](CArchive& ar) {
        auto read = ar.ReadOwnedObject<CNamedRecord>();
        EXPECT_EQ(read->loadedSchema, 1u);
        EXPECT_EQ(read->name, "old");
        EXPECT_EQ(read->count, -1);
        auto again = ar.ReadOwnedObject<CNamedRecord>();  // the stored schema is remembered
        EXPECT_EQ(again->loadedSchema, 1u);
        EXPECT_EQ(again->name, "b");
    });
    EXPECT_EQ(left, 0u);
    // A newer schema than the class knows reads as the current one.
    bytes[2] = 0x07;
    Load(bytes, [](CArchive& ar) {
        auto read = ar.ReadOwnedObject<CNamedRecord>();
        EXPECT_EQ(read->loadedSchema, 7u);
        EXPECT_EQ(read->count, 5);
    });
}

TEST(ArchiveObjects, FixedSchemaClassStoredWithAnotherSchemaFails) {
    std::string bytes = kPointClass + PointBody(1);
    bytes[2] = 0x02;
    EXPECT_EQ(LoadFailure(bytes, [](CArchive& ar) { ar.ReadObjectReference(); }), Cause::BadSchema);
}

TEST(ArchiveObjects, NestedObjectsRestoreTheSchemaOfTheEnclosingObject) {
    CNodeRecord node;
    node.children.push_back(std::make_unique<CNamedRecord>());
    node.children.push_back(nullptr);
    node.children.push_back(Point(4));
    std::string bytes = Store([&](CArchive& ar) { ar.WriteObject(&node); });
    bytes[2] = 0x00;  // the node as schema 0 stored it
    Load(bytes, [](CArchive& ar) {
        auto read = ar.ReadOwnedObject<CNodeRecord>();
        EXPECT_EQ(read->schemaAfterChildren, 0u);
        ASSERT_EQ(read->children.size(), 3u);
        EXPECT_NE(dynamic_cast<CNamedRecord*>(read->children[0].get()), nullptr);
        EXPECT_EQ(read->children[1], nullptr);
        EXPECT_EQ(dynamic_cast<CPointRecord&>(*read->children[2]).x, 4);
    });
}

TEST(ArchiveObjects, UnknownOrOverlongClassNamesFail) {
    // Unknown even though nothing would use the object; the match is exact, case included.
    EXPECT_EQ(LoadFailure(Bytes({0xFF, 0xFF, 1, 0, 12, 0}) + "CPointrecord" + PointBody(0),
                          [](CArchive& ar) { ar.ReadObjectReference(); }),
              Cause::BadClass);
    EXPECT_EQ(LoadFailure(Bytes({0xFF, 0xFF, 1, 0, 64, 0}) + std::string(64, 'C'),
                          [](CArchive& ar) { ar.ReadObjectReference(); }),
              Cause::BadClass);
    // A loading archive without a registry knows no class.
    CMemFile file(kPointClass + PointBody(0));
    CArchive archive(file, CArchive::Mode::Load);
    EXPECT_THROW(archive.ReadObjectReference(), CArchiveException);
}

TEST(ArchiveObjects, ObjectOfAnotherClassThanTheOwnerExpectsFails) {
    const std::string bytes = kPointClass + PointBody(0);
    EXPECT_EQ(LoadFailure(bytes, [](CArchive& ar) { ar.ReadOwnedObject<CNamedRecord>(); }),
              Cause::BadClass);
}

TEST(ArchiveObjects, IndicesNotAssignedOrOfTheWrongKindFail) {
    const auto read = [](CArchive& ar) {
        ar.ReadObjectReference();
        ar.ReadObjectReference();
    };
    // Back-reference to index 3 when only 1 (class) and 2 (object) exist.
    EXPECT_EQ(LoadFailure(kPointClass + PointBody(0) + Bytes({3, 0}), read), Cause::BadIndex);
    // Back-reference to the class description as if it were an object.
    EXPECT_EQ(LoadFailure(kPointClass + PointBody(0) + Bytes({1, 0}), read), Cause::BadIndex);
    // Class tag naming the object's index, class index 0, and an unassigned long class tag.
    EXPECT_EQ(LoadFailure(kPointClass + PointBody(0) + Bytes({2, 0x80}), read), Cause::BadIndex);
    EXPECT_EQ(LoadFailure(Bytes({0x00, 0x80}), read), Cause::BadIndex);
    EXPECT_EQ(LoadFailure(Bytes({0xFF, 0x7F, 5, 0, 0, 0x80}), read), Cause::BadIndex);
    EXPECT_EQ(LoadFailure(Bytes({0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0x7F}), read), Cause::BadIndex);
}

TEST(ArchiveObjects, NestingDeeperThanAnyFileFails) {
    // Each level: a node whose array holds one more node (the class described once).
    std::string bytes = Bytes({0xFF, 0xFF, 1, 0, 11, 0}) + "CNodeRecord" + Bytes({1, 0});
    for (int level = 0; level < 100000; ++level)
        bytes += Bytes({0x01, 0x80, 1, 0});
    EXPECT_EQ(LoadFailure(bytes, [](CArchive& ar) { ar.ReadObjectReference(); }), Cause::Generic);
}

TEST(ArchiveObjects, TruncatedObjectStreamsFailAsEndOfFile) {
    CNodeRecord node;
    node.children.push_back(Point(1));
    node.children.push_back(std::make_unique<CNamedRecord>());
    const std::string bytes = Store([&](CArchive& ar) { ar.WriteObject(&node); });
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        SCOPED_TRACE(size);
        EXPECT_EQ(
            LoadFailure(bytes.substr(0, size), [](CArchive& ar) { ar.ReadObjectReference(); }),
            Cause::EndOfFile);
    }
}

}  // namespace
}  // namespace brushly::testing
