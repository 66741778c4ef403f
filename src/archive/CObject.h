#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace brushly {

class CArchive;
class CObject;

// What the archive knows of a serializable class: its exact name (part of the file
// format, matched case included), its current schema number, whether older schemas can
// still be read (versionable), and how to create an empty object to read into.
struct CRuntimeClass {
    std::string_view name;
    std::uint16_t schema;
    bool versionable;
    std::unique_ptr<CObject> (*create)();
};

// Base of every object that can stand in an archive as a tagged object. A class's
// Serialize writes or reads its fields in one fixed order; it asks the archive which
// direction it runs in. Objects held as members are serialized in place by calling their
// Serialize directly, with no tag.
class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass& GetRuntimeClass() const = 0;
    virtual void Serialize(CArchive& archive) = 0;
};

// The creation function of a CRuntimeClass, for a default-constructible class T.
template <class T>
std::unique_ptr<CObject> CreateObject() {
    return std::make_unique<T>();
}

}  // namespace brushly
