// The markup reader on any bytes: no crash, no hang, no unbounded recursion;
// every navigation and attribute read over whatever it parsed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "weather/XmlReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Two bytes a code unit, so that any unit (NUL and surrogates included) can appear.
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    CXmlReader xml;
    xml.Parse(text);
    for (int step = 0; step < 64; ++step) {
        switch (step % 5) {
        case 0: xml.FindElement(nullptr); break;
        case 1: xml.IntoElement(); break;
        case 2: xml.GetAttribute(u""); break;
        case 3: xml.GetAttribute(u"data"); break;
        default: xml.OutOfElement(); break;
        }
    }
    return 0;
}
