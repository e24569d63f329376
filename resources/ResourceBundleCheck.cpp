#include "resources/ResourceBundleCheck.h"

#include <QtEndian>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr uint16_t kDirectoryFlag = 0x02;

class BundleReader {
public:
    explicit BundleReader(const QByteArray& data)
        : m_bytes(reinterpret_cast<const uchar*>(data.constData())),
          m_size(static_cast<uint64_t>(data.size()))
    {
    }

    bool Has(uint64_t offset, uint64_t length) const
    {
        return offset <= m_size && length <= m_size - offset;
    }
    uint16_t U16(uint64_t offset) const { return qFromBigEndian<uint16_t>(m_bytes + offset); }
    uint32_t U32(uint64_t offset) const { return qFromBigEndian<uint32_t>(m_bytes + offset); }
    const uchar* At(uint64_t offset) const { return m_bytes + offset; }
    uint64_t Size() const { return m_size; }

private:
    const uchar* m_bytes;
    uint64_t m_size;
};

struct Layout {
    uint64_t tree = 0;
    uint64_t data = 0;
    uint64_t names = 0;
    uint64_t entrySize = 0;
    uint64_t entryCount = 0;
};

bool ReadHeader(const BundleReader& reader, Layout& layout)
{
    constexpr uint64_t kHeaderSize = 20;
    if (!reader.Has(0, kHeaderSize) || std::memcmp(reader.At(0), "qres", 4) != 0)
        return false;
    const uint32_t version = reader.U32(4);
    if (version < 1 || version > 3)
        return false;
    layout.tree = reader.U32(8);
    layout.data = reader.U32(12);
    layout.names = reader.U32(16);
    if (version >= 3 && !reader.Has(0, kHeaderSize + 4))
        return false;
    if (layout.tree >= reader.Size() || layout.data > reader.Size() ||
        layout.names > reader.Size())
        return false;
    layout.entrySize = version >= 2 ? 22 : 14;
    layout.entryCount = (reader.Size() - layout.tree) / layout.entrySize;
    return layout.entryCount > 0;
}

bool NameIsInside(const BundleReader& reader, const Layout& layout, uint32_t nameOffset)
{
    const uint64_t at = layout.names + nameOffset;
    if (!reader.Has(at, 6))
        return false;
    return reader.Has(at + 6, uint64_t{reader.U16(at)} * 2);
}

bool DataIsInside(const BundleReader& reader, const Layout& layout, uint32_t dataOffset)
{
    const uint64_t at = layout.data + dataOffset;
    return reader.Has(at, 4) && reader.Has(at + 4, reader.U32(at));
}

}  // namespace

bool IsWellFormedResourceBundle(const QByteArray& bytes)
{
    const BundleReader reader(bytes);
    Layout layout;
    if (!ReadHeader(reader, layout))
        return false;
    // Entries are written breadth first: children always come after their
    // parent, which also rules out loops.
    std::vector<bool> reached(layout.entryCount, false);
    reached[0] = true;
    for (uint64_t index = 0; index < layout.entryCount; ++index) {
        if (!reached[index])
            continue;
        const uint64_t entry = layout.tree + index * layout.entrySize;
        const uint16_t flags = reader.U16(entry + 4);
        if (index != 0 && !NameIsInside(reader, layout, reader.U32(entry)))
            return false;
        if (flags & kDirectoryFlag) {
            const uint64_t count = reader.U32(entry + 6);
            const uint64_t first = reader.U32(entry + 10);
            if (count == 0)
                continue;
            if (first <= index || first >= layout.entryCount || count > layout.entryCount - first)
                return false;
            for (uint64_t child = first; child < first + count; ++child)
                reached[child] = true;
        } else if (!DataIsInside(reader, layout, reader.U32(entry + 10))) {
            return false;
        }
    }
    return true;
}
