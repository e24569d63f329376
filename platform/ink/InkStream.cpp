#include "platform/ink/InkStream.h"

#include <cstring>

#include "platform/text/NotesText.h"
#include "platform/text/TextEncoding.h"

// Stroke form, all numbers little-endian:
//   "DVIK", u16 version (1), u32 text bytes, text in UTF-16LE (no terminator),
//   u32 stroke count (at least 1), then per stroke:
//   u32 colour 0x00BBGGRR, u16 width, u32 point count (at least 1),
//   per point i32 x, i32 y.

namespace {

constexpr uint8_t kMagic[4] = {'D', 'V', 'I', 'K'};
constexpr uint16_t kVersion = 1;

class Writer {
public:
    void Bytes(const void* data, size_t size)
    {
        const auto* bytes = static_cast<const uint8_t*>(data);
        m_out.insert(m_out.end(), bytes, bytes + size);
    }
    void U16(uint16_t v) { Little(v, 2); }
    void U32(uint32_t v) { Little(v, 4); }
    void I32(int32_t v) { Little(static_cast<uint32_t>(v), 4); }
    std::vector<uint8_t> Take() { return std::move(m_out); }

private:
    void Little(uint32_t v, int size)
    {
        for (int i = 0; i < size; ++i) m_out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    std::vector<uint8_t> m_out;
};

class Reader {
public:
    Reader(const uint8_t* data, size_t size) : m_data(data), m_left(size) {}

    bool Skip(const void* expected, size_t size)
    {
        if (m_left < size || std::memcmp(m_data, expected, size) != 0)
            return false;
        Advance(size);
        return true;
    }
    bool U16(uint16_t& v) { return Little(v, 2); }
    bool U32(uint32_t& v) { return Little(v, 4); }
    bool I32(int32_t& v)
    {
        uint32_t u = 0;
        if (!Little(u, 4)) return false;
        v = static_cast<int32_t>(u);
        return true;
    }
    bool Text(size_t size, std::string& units)
    {
        if (m_left < size) return false;
        units.assign(Chars(), size);
        Advance(size);
        return true;
    }
    size_t Left() const { return m_left; }

private:
    const char* Chars() const { return reinterpret_cast<const char*>(m_data); }
    void Advance(size_t size)
    {
        m_data += size;
        m_left -= size;
    }
    template <typename T>
    bool Little(T& v, int size)
    {
        if (m_left < static_cast<size_t>(size)) return false;
        v = 0;
        for (int i = 0; i < size; ++i) v = static_cast<T>(v | (static_cast<T>(m_data[i]) << (8 * i)));
        Advance(size);
        return true;
    }

    const uint8_t* m_data;
    size_t m_left;
};

constexpr size_t kPointBytes = 8;
constexpr size_t kStrokeHeaderBytes = 10;

bool ValidStroke(const InkStroke& stroke)
{
    return stroke.color <= 0x00FFFFFF && stroke.width >= 1 && stroke.width <= kMaxInkPenWidth && !stroke.points.empty();
}

std::optional<InkContent> ReadStrokeForm(Reader& in)
{
    uint16_t version = 0;
    uint32_t textBytes = 0;
    std::string units;
    if (!in.U16(version) || version != kVersion || !in.U32(textBytes) || textBytes % 2 != 0 || !in.Text(textBytes, units))
        return std::nullopt;
    InkContent content;
    content.text = Utf16LeToUtf8(units);
    // Text that would not come back as the same units is not ours.
    if (Utf8ToUtf16Le(content.text) != units) return std::nullopt;

    uint32_t strokeCount = 0;
    if (!in.U32(strokeCount) || strokeCount == 0 || strokeCount > in.Left() / (kStrokeHeaderBytes + kPointBytes))
        return std::nullopt;
    content.strokes.resize(strokeCount);
    for (InkStroke& stroke : content.strokes) {
        uint32_t pointCount = 0;
        if (!in.U32(stroke.color) || !in.U16(stroke.width) || !in.U32(pointCount) || pointCount > in.Left() / kPointBytes)
            return std::nullopt;
        stroke.points.resize(pointCount);
        for (InkPoint& point : stroke.points)
            if (!in.I32(point.x) || !in.I32(point.y)) return std::nullopt;
        if (!ValidStroke(stroke)) return std::nullopt;
    }
    if (in.Left() != 0) return std::nullopt;
    return content;
}

}  // namespace

// Strokes are taken as valid (the control only records valid ones).
std::vector<uint8_t> WriteInkStream(const InkContent& content)
{
    if (content.Empty()) return {};
    if (content.strokes.empty()) return NotesFromText(content.text);

    Writer out;
    const std::string units = Utf8ToUtf16Le(content.text);
    out.Bytes(kMagic, sizeof kMagic);
    out.U16(kVersion);
    out.U32(static_cast<uint32_t>(units.size()));
    out.Bytes(units.data(), units.size());
    out.U32(static_cast<uint32_t>(content.strokes.size()));
    for (const InkStroke& stroke : content.strokes) {
        out.U32(stroke.color);
        out.U16(stroke.width);
        out.U32(static_cast<uint32_t>(stroke.points.size()));
        for (const InkPoint& point : stroke.points) {
            out.I32(point.x);
            out.I32(point.y);
        }
    }
    return out.Take();
}

std::optional<InkContent> ReadInkStream(const uint8_t* data, size_t size)
{
    if (size == 0) return InkContent{};
    if (data == nullptr) return std::nullopt;
    Reader in(data, size);
    if (in.Skip(kMagic, sizeof kMagic)) return ReadStrokeForm(in);

    std::optional<std::string> text = TextFromNotes(std::vector<uint8_t>(data, data + size));
    if (!text) return std::nullopt;
    // The bare mark (FE FF 00 00) is an emptied control; it streams out as nothing.
    if (text->empty()) return std::nullopt;
    return InkContent{std::move(*text), {}};
}
