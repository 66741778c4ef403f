#include "archive/CClassRegistry.h"

namespace brushly {

void CClassRegistry::Register(const CRuntimeClass& runtimeClass) {
    m_classes.insert_or_assign(runtimeClass.name, &runtimeClass);
}

const CRuntimeClass* CClassRegistry::Find(std::string_view name) const {
    const auto found = m_classes.find(name);
    return found == m_classes.end() ? nullptr : found->second;
}

}  // namespace brushly
