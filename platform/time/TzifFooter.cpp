#include "platform/time/TzifFooter.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string_view>

namespace {

constexpr size_t kHeaderSize = 44;
constexpr size_t kMaxFileSize = 1 << 20;  // real zone files are a few kilobytes

uint64_t BigEndian32(std::string_view bytes, size_t at)
{
    uint64_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Size of the data block after a header, with `timeSize` bytes per transition
// time (4 in the first block, 8 in the second).
std::optional<size_t> DataBlockSize(std::string_view file, size_t headerAt, uint64_t timeSize)
{
    if (file.size() < headerAt + kHeaderSize || file.compare(headerAt, 4, "TZif") != 0)
        return std::nullopt;
    const uint64_t isUtCount = BigEndian32(file, headerAt + 20);
    const uint64_t isStdCount = BigEndian32(file, headerAt + 24);
    const uint64_t leapCount = BigEndian32(file, headerAt + 28);
    const uint64_t timeCount = BigEndian32(file, headerAt + 32);
    const uint64_t typeCount = BigEndian32(file, headerAt + 36);
    const uint64_t charCount = BigEndian32(file, headerAt + 40);
    const uint64_t size = timeCount * (timeSize + 1) + typeCount * 6 + charCount + leapCount * (timeSize + 4) +
                          isStdCount + isUtCount;
    if (size > file.size())
        return std::nullopt;
    return static_cast<size_t>(size);
}

}  // namespace

std::optional<std::string> ReadTzifFooter(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    // Read in small blocks: zone files are a few kilobytes, and the zone is
    // read again at every conversion.
    std::string file;
    char block[8192];
    while (file.size() <= kMaxFileSize && in.read(block, sizeof block).gcount() > 0)
        file.append(block, static_cast<size_t>(in.gcount()));
    if (file.size() > kMaxFileSize || file.size() < kHeaderSize || file[4] < '2')
        return std::nullopt;

    const std::optional<size_t> firstBlock = DataBlockSize(file, 0, 4);
    if (!firstBlock)
        return std::nullopt;
    const size_t secondHeader = kHeaderSize + *firstBlock;
    const std::optional<size_t> secondBlock = DataBlockSize(file, secondHeader, 8);
    if (!secondBlock)
        return std::nullopt;
    const size_t footerAt = secondHeader + kHeaderSize + *secondBlock;
    if (footerAt >= file.size() || file[footerAt] != '\n')
        return std::nullopt;
    const size_t footerEnd = file.find('\n', footerAt + 1);
    if (footerEnd == std::string::npos || footerEnd == footerAt + 1)
        return std::nullopt;
    return file.substr(footerAt + 1, footerEnd - footerAt - 1);
}
