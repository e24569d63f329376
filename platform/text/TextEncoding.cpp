#include "platform/text/TextEncoding.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";
constexpr std::string_view kReplacementUtf16Le = "\xFD\xFF";

class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (valid()) iconv_close(cd_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

struct Lenience {
    std::string_view replacement;  // empty: stop at the first bad sequence
    size_t skip = 1;               // bytes dropped per bad sequence
};

// First guess at the output size: three bytes of UTF-8 for each two bytes of
// Hangul in either code page 949 or UTF-16, two bytes of UTF-16 per ASCII
// byte. The output grows when the guess is short.
size_t ExpectedSize(std::string_view input) {
    return input.size() + input.size() / 2 + 16;
}

// Runs the whole input through iconv in one go (one descriptor per call keeps
// a 10,000-line file fast). Returns false when strict and the input does not
// convert, or when the conversion is not available at all.
bool Convert(const char* to, const char* from, std::string_view input, const Lenience& lenience,
             std::string& out) {
    IconvHandle cd(to, from);
    if (!cd.valid()) return false;
    out.assign(ExpectedSize(input), '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    size_t used = 0;
    auto append = [&](std::string_view bytes) {
        if (out.size() - used < bytes.size()) out.resize(out.size() * 2 + bytes.size());
        out.replace(used, bytes.size(), bytes);
        used += bytes.size();
    };
    while (inLeft > 0) {
        char* outPtr = out.data() + used;
        size_t outLeft = out.size() - used;
        const size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        used = out.size() - outLeft;
        if (rc != static_cast<size_t>(-1)) {
            // Irreversible conversions would silently change the text.
            if (rc != 0 && lenience.replacement.empty()) return false;
            break;
        }
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        if (lenience.replacement.empty()) return false;
        append(lenience.replacement);
        const size_t skip = errno == EINVAL ? inLeft : std::min(lenience.skip, inLeft);
        in += skip;
        inLeft -= skip;
        iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    }
    out.resize(used);
    return true;
}

// Without iconv's tables only ASCII can be trusted.
std::string AsciiOnly(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) < 0x80) {
            out += c;
        } else {
            out += kReplacementUtf8;
        }
    }
    return out;
}

}  // namespace

std::string Cp949ToUtf8(std::string_view bytes) {
    std::string out;
    if (!Convert("UTF-8", "CP949", bytes, {kReplacementUtf8, 1}, out)) return AsciiOnly(bytes);
    return out;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
    std::string out;
    if (!Convert("UTF-8", "UTF-16LE", bytes, {kReplacementUtf8, 2}, out)) return {};
    return out;
}

std::optional<std::string> Utf8ToCp949(std::string_view utf8) {
    std::string out;
    if (!Convert("CP949", "UTF-8", utf8, {}, out)) return std::nullopt;
    return out;
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
    std::string out;
    if (!Convert("UTF-16LE", "UTF-8", utf8, {kReplacementUtf16Le, 1}, out)) return {};
    return out;
}
