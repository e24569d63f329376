// The iCalendar import: any file either imports or is refused with a reason,
// and nothing it holds can make the mapping into the store fail badly. Each
// input runs as a dry run on one store, so nothing accumulates.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "pim/session/IcalImport.h"
#include "platform/store/PoomApplication.h"

namespace {

PoomApplication& Store()
{
    static std::filesystem::path dir = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "dayvane-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(dir, ignored);
        });
        return std::filesystem::path(pattern);
    }();
    static PoomApplication app;
    if (!app.LoggedOn() && !app.Logon(dir / "pim.vol")) std::abort();
    return app;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const IcalImportReport report = ImportIcal(Store(), text, false);
    if (report.ok == !report.error.empty()) std::abort();
    if (!report.ok && (report.appointments || report.tasks)) std::abort();
    return 0;
}
