#pragma once

#include <string_view>
#include <unordered_map>

#include "archive/CObject.h"

namespace brushly {

// The classes a loading archive may create, keyed by exact class name. Built once by the
// owner of the data (each subsystem offers a function that registers its classes) and
// passed to every archive that loads; it does not own the descriptions, which are static.
class CClassRegistry {
public:
    // Registers a class; a second class with the same name replaces the first.
    void Register(const CRuntimeClass& runtimeClass);
    // The class with exactly this name, or null.
    const CRuntimeClass* Find(std::string_view name) const;

private:
    std::unordered_map<std::string_view, const CRuntimeClass*> m_classes;
};

}  // namespace brushly
