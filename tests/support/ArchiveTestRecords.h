#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/CArchive.h"

namespace brushly::testing {

// A fixed-schema record with a 24-byte body: four int32 and one double.
class CPointRecord final : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    void Serialize(CArchive& archive) override;

    std::int32_t x = 0, y = 0, z = 0, w = 0;
    double weight = 0.0;
};

// A versionable record, current schema 3: schema 1 stored only the name, schema 2 added
// the count, schema 3 the notes.
class CNamedRecord final : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    void Serialize(CArchive& archive) override;

    std::string name;
    std::int32_t count = -1;
    std::vector<std::string> notes;
    std::uint32_t loadedSchema = 0;  // what GetObjectSchema said when loading
};

// A versionable record holding other objects: an object array of any classes. It asks for
// its schema only after reading its children, so it sees whether nesting restored it.
class CNodeRecord final : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    void Serialize(CArchive& archive) override;

    std::vector<std::unique_ptr<CObject>> children;
    std::uint32_t schemaAfterChildren = 0;
};

// A registry with the three record classes.
CClassRegistry MakeTestRegistry();

}  // namespace brushly::testing

namespace brushly::testing {

// The archive fuzzer's input: a sequence of (operation byte, item) pairs over one loading
// archive with the test registry. The operation byte mod 5 picks the item: an owned object,
// any object reference, a string, a string array, or an int32 and a double. Reads until the
// stream ends or fails; returns true when the whole input was read without a failure.
bool ReadFuzzProgram(const std::string& bytes);

// Well-formed inputs for ReadFuzzProgram covering every item and tag form.
std::vector<std::string> MakeFuzzSeeds();

}  // namespace brushly::testing
