#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "archive/CArchiveException.h"
#include "archive/CClassRegistry.h"
#include "archive/CFile.h"
#include "archive/CObject.h"

namespace brushly {

// One archive stream: the byte encoding of every data file of the program.
//
// Layout: no header or trailer; items follow each other unaligned, little-endian.
//   int32 / uint32   4 bytes          double   8 bytes, IEEE 754 binary64
//   string           length prefix, then the bytes: L < 0xFF: one byte L;
//                    L < 0xFFFE: FF, uint16 L; else FF FF FF, uint32 L
//   count            N < 0xFFFF: uint16 N; else FF FF, uint32 N
//   object reference uint16 tag: 0 null; 0xFFFF new class (uint16 schema, uint16 name
//                    length, name) then the object's body; 0x8000+c a new object of class
//                    index c; 1..0x7FFE an object read earlier; 0x7FFF long tag, uint32
//                    (bit 31 set: new object of class index t-0x80000000, else index t)
// Classes and objects share one index counter per archive, starting at 1 (0 is null),
// up to 0x3FFFFFFE.
//
// An archive reads or writes sequentially through a 4096-byte buffer and never seeks. Every
// failure throws (CArchiveException, CFileException, std::bad_alloc) and ends the stream;
// the archive must not be used after a failure. Reading checks every length and count
// against the bytes left in the file before allocating, so hostile input fails as end of
// file instead of exhausting memory.
class CArchive {
public:
    enum class Mode { Load, Store };

    static constexpr std::size_t kBufferSize = 4096;
    static constexpr std::uint32_t kUnknownSchema = 0xFFFFFFFF;
    static constexpr std::uint32_t kMaxIndex = 0x3FFFFFFE;
    // Deeper nesting of objects than any file of the program holds fails the load, so
    // that hostile input cannot exhaust the stack.
    static constexpr int kMaxNesting = 64;

    // The file must outlive the archive. A loading archive creates objects of the
    // registry's classes only; a storing archive needs no registry.
    CArchive(CFile& file, Mode mode, const CClassRegistry* registry = nullptr);
    ~CArchive() = default;
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsLoading() const { return m_mode == Mode::Load; }
    bool IsStoring() const { return m_mode == Mode::Store; }

    // Storing: writes out what the buffer holds. Call once after the last item; an
    // archive destroyed without Close() (after a failure) writes nothing more.
    void Close();

    // Primitive items.
    void WriteInt(std::int32_t value) { WriteFixed(value); }
    void WriteUInt(std::uint32_t value) { WriteFixed(value); }
    void WriteDouble(double value) { WriteFixed(value); }
    void WriteString(std::string_view text);
    void WriteCount(std::size_t count);

    std::int32_t ReadInt() { return ReadFixed<std::int32_t>(); }
    std::uint32_t ReadUInt() { return ReadFixed<std::uint32_t>(); }
    double ReadDouble() { return ReadFixed<double>(); }
    // Accepts the three 8-bit forms and the wide-text marker (UTF-16LE text converted to
    // Shift-JIS).
    std::string ReadString();
    // A count of elements each at least minElementBytes long in the stream: fails as end
    // of file when they cannot fit in the bytes left.
    std::size_t ReadCount(std::size_t minElementBytes);

    // String arrays and string lists share one encoding: count, then each string in order.
    void WriteStringArray(const std::vector<std::string>& strings);
    void ReadStringArray(std::vector<std::string>& strings);

    // Writes a reference: null, an object written earlier in this archive (as its index),
    // or a new object with its class and body.
    void WriteObject(CObject* object);

    // Reads one reference. A new object comes back in `created`, owned by the caller; a
    // reference to an object read earlier comes back in `earlier`, owned by whoever took
    // it when it was new and valid only while that owner keeps it. Both null: the null
    // reference.
    struct ObjectReference {
        std::unique_ptr<CObject> created;
        CObject* earlier = nullptr;
    };
    ObjectReference ReadObjectReference();

    // Reads a reference for an owner that takes the object: null, or a new object of
    // class T (or derived). A reference to an earlier object fails as a bad index, since
    // two owners cannot hold one object; an object of another class fails as a bad class.
    template <class T>
    std::unique_ptr<T> ReadOwnedObject();

    // Object arrays: count, then each element as a reference, in index order.
    template <class T>
    void WriteObjectArray(const std::vector<std::unique_ptr<T>>& objects);
    template <class T>
    void ReadObjectArray(std::vector<std::unique_ptr<T>>& objects);

    // The schema under which the object now being read was stored; resets it to
    // kUnknownSchema. A Serialize asks once, before reading any field.
    std::uint32_t GetObjectSchema();

    // Raw bytes, for the archive's own structures and for tests.
    void WriteBytes(const void* bytes, std::size_t size);
    void ReadBytes(void* bytes, std::size_t size);

    // Bytes of the file not yet consumed (loading).
    std::uint64_t BytesLeft() const {
        return m_fileLeft + static_cast<std::uint64_t>(m_end - m_next);
    }

private:
    struct LoadedClass {
        const CRuntimeClass* runtimeClass;
        std::uint32_t storedSchema;
    };
    // One entry per index: an object (classSlot < 0) or a class (index into m_classes).
    struct LoadEntry {
        CObject* object;
        std::int32_t classSlot;
    };

    template <class T>
    void WriteFixed(T value) {
        if (m_end - m_next >= static_cast<std::ptrdiff_t>(sizeof value)) {
            std::memcpy(m_next, &value, sizeof value);
            m_next += sizeof value;
        } else {
            WriteBytes(&value, sizeof value);
        }
    }
    template <class T>
    T ReadFixed() {
        T value;
        if (m_end - m_next >= static_cast<std::ptrdiff_t>(sizeof value)) {
            std::memcpy(&value, m_next, sizeof value);
            m_next += sizeof value;
        } else {
            ReadBytes(&value, sizeof value);
        }
        return value;
    }

    void Flush();
    void Require(std::uint64_t bytes) const;
    std::uint32_t ReadLength(std::uint8_t first);
    std::uint32_t NextIndex();
    std::size_t ReadClassTag(std::uint16_t tag, std::uint32_t value);
    std::unique_ptr<CObject> ReadBody(std::size_t classSlot);
    void WriteIndexTag(std::uint32_t index, std::uint32_t longFlag);

    CFile& m_file;
    Mode m_mode;
    const CClassRegistry* m_registry;
    std::array<char, kBufferSize> m_buffer;
    char* m_next;
    char* m_end;
    std::uint64_t m_fileLeft = 0;
    std::uint32_t m_schema = kUnknownSchema;
    int m_nesting = 0;

    std::vector<LoadEntry> m_loaded;
    std::vector<LoadedClass> m_classes;
    std::unordered_map<const CObject*, std::uint32_t> m_storedObjects;
    std::vector<std::pair<const CRuntimeClass*, std::uint32_t>> m_storedClasses;
    std::uint32_t m_storeCount = 0;
};

template <class T>
std::unique_ptr<T> CArchive::ReadOwnedObject() {
    ObjectReference reference = ReadObjectReference();
    if (reference.earlier) throw CArchiveException(CArchiveException::Cause::BadIndex);
    if (!reference.created) return nullptr;
    if (T* typed = dynamic_cast<T*>(reference.created.get())) {
        reference.created.release();
        return std::unique_ptr<T>(typed);
    }
    throw CArchiveException(CArchiveException::Cause::BadClass);
}

template <class T>
void CArchive::WriteObjectArray(const std::vector<std::unique_ptr<T>>& objects) {
    WriteCount(objects.size());
    for (const auto& object : objects)
        WriteObject(object.get());
}

template <class T>
void CArchive::ReadObjectArray(std::vector<std::unique_ptr<T>>& objects) {
    const std::size_t count = ReadCount(2);
    objects.clear();
    objects.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        objects.push_back(ReadOwnedObject<T>());
}

}  // namespace brushly
