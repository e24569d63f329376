// The multistatus reader on any bytes from a server: no crash, no hang; a
// refusal always says why, and what it accepted can be asked for again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sync/DavXml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view xml(reinterpret_cast<const char*>(data), size);
    DavMultistatus status;
    std::string error;
    if (!ParseMultistatus(xml, status, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    std::vector<std::string> hrefs;
    for (const DavResource& resource : status.resources) hrefs.push_back(resource.href);
    // The hrefs go back out in a request body of their own.
    const std::string body = MultigetBody(hrefs);
    if (body.empty()) std::abort();
    return 0;
}
