#include "archive/CArchive.h"

#include <algorithm>
#include <limits>

#include "platform/ShiftJis.h"

namespace brushly {

namespace {
using Cause = CArchiveException::Cause;

constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kLongTag = 0x7FFF;
constexpr std::uint32_t kLongClassFlag = 0x80000000;
constexpr std::uint16_t kWideMarker = 0xFFFE;
// Class names of this length or longer are refused as unknown.
constexpr std::uint16_t kMaxClassNameLength = 64;
}  // namespace

CArchive::CArchive(CFile& file, Mode mode, const CClassRegistry* registry)
    : m_file(file), m_mode(mode), m_registry(registry) {
    if (mode == Mode::Load) {
        m_next = m_end = m_buffer.data();
        m_fileLeft = file.Length();
        m_loaded.push_back({nullptr, -1});  // index 0: the null reference
    } else {
        m_next = m_buffer.data();
        m_end = m_buffer.data() + m_buffer.size();
    }
}

void CArchive::Close() {
    if (IsStoring()) Flush();
}

void CArchive::Flush() {
    const auto used = static_cast<std::size_t>(m_next - m_buffer.data());
    if (used > 0) m_file.Write(m_buffer.data(), used);
    m_next = m_buffer.data();
}

void CArchive::WriteBytes(const void* bytes, std::size_t size) {
    const char* source = static_cast<const char*>(bytes);
    while (size > 0) {
        if (m_next == m_end) Flush();
        if (m_next == m_buffer.data() && size >= kBufferSize) {
            m_file.Write(source, size);
            return;
        }
        const std::size_t chunk = std::min(size, static_cast<std::size_t>(m_end - m_next));
        std::memcpy(m_next, source, chunk);
        m_next += chunk;
        source += chunk;
        size -= chunk;
    }
}

void CArchive::Require(std::uint64_t bytes) const {
    if (bytes > BytesLeft()) throw CArchiveException(Cause::EndOfFile);
}

void CArchive::ReadBytes(void* bytes, std::size_t size) {
    Require(size);
    char* target = static_cast<char*>(bytes);
    while (size > 0) {
        if (m_next == m_end) {
            if (size >= kBufferSize) {
                // Large items go straight from the file.
                const std::size_t count = m_file.Read(target, size);
                if (count == 0) throw CArchiveException(Cause::EndOfFile);
                m_fileLeft -= std::min<std::uint64_t>(count, m_fileLeft);
                target += count;
                size -= count;
                continue;
            }
            const std::size_t count = m_file.Read(m_buffer.data(), kBufferSize);
            if (count == 0) throw CArchiveException(Cause::EndOfFile);
            m_fileLeft -= std::min<std::uint64_t>(count, m_fileLeft);
            m_next = m_buffer.data();
            m_end = m_next + count;
        }
        const std::size_t chunk = std::min(size, static_cast<std::size_t>(m_end - m_next));
        std::memcpy(target, m_next, chunk);
        m_next += chunk;
        target += chunk;
        size -= chunk;
    }
}

void CArchive::WriteString(std::string_view text) {
    const std::uint64_t length = text.size();
    if (length < 0xFF) {
        WriteFixed(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        WriteFixed(static_cast<std::uint8_t>(0xFF));
        WriteFixed(static_cast<std::uint16_t>(length));
    } else {
        if (length > std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
        WriteFixed(static_cast<std::uint8_t>(0xFF));
        WriteFixed(static_cast<std::uint16_t>(0xFFFF));
        WriteFixed(static_cast<std::uint32_t>(length));
    }
    WriteBytes(text.data(), text.size());
}

std::uint32_t CArchive::ReadLength(std::uint8_t first) {
    if (first < 0xFF) return first;
    const auto word = ReadFixed<std::uint16_t>();
    if (word < kWideMarker) return word;
    if (word == 0xFFFF) return ReadFixed<std::uint32_t>();
    // A wide-text marker where a plain length must stand.
    throw CArchiveException(Cause::Generic);
}

std::string CArchive::ReadString() {
    const auto first = ReadFixed<std::uint8_t>();
    bool wide = false;
    std::uint32_t length = 0;
    if (first == 0xFF) {
        const auto word = ReadFixed<std::uint16_t>();
        if (word == kWideMarker) {
            wide = true;
            length = ReadLength(ReadFixed<std::uint8_t>());
        } else if (word == 0xFFFF) {
            length = ReadFixed<std::uint32_t>();
        } else {
            length = word;
        }
    } else {
        length = first;
    }
    if (!wide) {
        Require(length);
        std::string text(length, '\0');
        ReadBytes(text.data(), length);
        return text;
    }
    Require(std::uint64_t{length} * 2);
    std::u16string units(length, u'\0');
    for (char16_t& unit : units)
        unit = ReadFixed<std::uint16_t>();
    return sjis::FromUtf16(units);
}

void CArchive::WriteCount(std::size_t count) {
    if (count < 0xFFFF) {
        WriteFixed(static_cast<std::uint16_t>(count));
        return;
    }
    if (count > std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
    WriteFixed(static_cast<std::uint16_t>(0xFFFF));
    WriteFixed(static_cast<std::uint32_t>(count));
}

std::size_t CArchive::ReadCount(std::size_t minElementBytes) {
    std::uint32_t count = ReadFixed<std::uint16_t>();
    if (count == 0xFFFF) count = ReadFixed<std::uint32_t>();
    Require(std::uint64_t{count} * minElementBytes);
    return count;
}

void CArchive::WriteStringArray(const std::vector<std::string>& strings) {
    WriteCount(strings.size());
    for (const std::string& text : strings)
        WriteString(text);
}

void CArchive::ReadStringArray(std::vector<std::string>& strings) {
    const std::size_t count = ReadCount(1);
    strings.clear();
    strings.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        strings.push_back(ReadString());
}

std::uint32_t CArchive::GetObjectSchema() {
    const std::uint32_t schema = m_schema;
    m_schema = kUnknownSchema;
    return schema;
}

std::uint32_t CArchive::NextIndex() {
    const std::size_t next = IsLoading() ? m_loaded.size() : m_storeCount + 1;
    if (next > kMaxIndex) throw CArchiveException(Cause::BadIndex);
    return static_cast<std::uint32_t>(next);
}

void CArchive::WriteIndexTag(std::uint32_t index, std::uint32_t longFlag) {
    if (index < kLongTag) {
        WriteFixed(static_cast<std::uint16_t>(index | (longFlag ? kClassTag : 0)));
    } else {
        WriteFixed(kLongTag);
        WriteFixed(index | longFlag);
    }
}

void CArchive::WriteObject(CObject* object) {
    if (!object) {
        WriteFixed(kNullTag);
        return;
    }
    const auto [position, inserted] = m_storedObjects.try_emplace(object, 0);
    if (!inserted) {
        WriteIndexTag(position->second, 0);
        return;
    }
    const CRuntimeClass* runtimeClass = &object->GetRuntimeClass();
    const auto known = std::find_if(m_storedClasses.begin(), m_storedClasses.end(),
                                    [&](const auto& entry) { return entry.first == runtimeClass; });
    if (known != m_storedClasses.end()) {
        WriteIndexTag(known->second, kLongClassFlag);
    } else {
        const std::uint32_t classIndex = NextIndex();
        WriteFixed(kNewClassTag);
        WriteFixed(runtimeClass->schema);
        WriteFixed(static_cast<std::uint16_t>(runtimeClass->name.size()));
        WriteBytes(runtimeClass->name.data(), runtimeClass->name.size());
        m_storedClasses.emplace_back(runtimeClass, classIndex);
        m_storeCount = classIndex;
    }
    position->second = NextIndex();
    m_storeCount = position->second;
    object->Serialize(*this);
}

std::size_t CArchive::ReadClassTag(std::uint16_t tag, std::uint32_t value) {
    if (tag != kNewClassTag) {
        const std::uint32_t classIndex = value & ~kLongClassFlag;
        if (classIndex == 0 || classIndex >= m_loaded.size() ||
            m_loaded[classIndex].classSlot < 0) {
            throw CArchiveException(Cause::BadIndex);
        }
        return static_cast<std::size_t>(m_loaded[classIndex].classSlot);
    }
    const auto schema = ReadFixed<std::uint16_t>();
    const auto nameLength = ReadFixed<std::uint16_t>();
    if (nameLength >= kMaxClassNameLength) throw CArchiveException(Cause::BadClass);
    char name[kMaxClassNameLength];
    ReadBytes(name, nameLength);
    const CRuntimeClass* runtimeClass =
        m_registry ? m_registry->Find(std::string_view(name, nameLength)) : nullptr;
    if (!runtimeClass) throw CArchiveException(Cause::BadClass);
    std::uint32_t storedSchema = runtimeClass->schema;
    if (schema != runtimeClass->schema) {
        if (!runtimeClass->versionable) throw CArchiveException(Cause::BadSchema);
        storedSchema = schema;
    }
    NextIndex();
    m_classes.push_back({runtimeClass, storedSchema});
    m_loaded.push_back({nullptr, static_cast<std::int32_t>(m_classes.size() - 1)});
    return m_classes.size() - 1;
}

std::unique_ptr<CObject> CArchive::ReadBody(std::size_t classSlot) {
    if (m_nesting >= kMaxNesting) throw CArchiveException(Cause::Generic);
    const LoadedClass& loadedClass = m_classes[classSlot];
    std::unique_ptr<CObject> object = loadedClass.runtimeClass->create();
    NextIndex();
    m_loaded.push_back({object.get(), -1});
    const std::uint32_t enclosingSchema = m_schema;
    m_schema = loadedClass.storedSchema;
    ++m_nesting;
    object->Serialize(*this);
    --m_nesting;
    m_schema = enclosingSchema;
    return object;
}

CArchive::ObjectReference CArchive::ReadObjectReference() {
    const auto tag = ReadFixed<std::uint16_t>();
    std::uint32_t value;
    if (tag == kLongTag) {
        value = ReadFixed<std::uint32_t>();
    } else {
        value = (tag & 0x7FFFu) | (static_cast<std::uint32_t>(tag & 0x8000u) << 16);
    }
    ObjectReference reference;
    if (!(value & kLongClassFlag)) {
        if (value == 0) return reference;
        if (value >= m_loaded.size() || m_loaded[value].classSlot >= 0) {
            throw CArchiveException(Cause::BadIndex);
        }
        reference.earlier = m_loaded[value].object;
        return reference;
    }
    reference.created = ReadBody(ReadClassTag(tag, value));
    return reference;
}

}  // namespace brushly
