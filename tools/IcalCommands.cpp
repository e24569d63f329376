// import FILE.ics, export FILE.ics: iCalendar files in and out of the store.
#include "tools/IcalCommands.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <ostream>

#include "calendar/FileIo.h"
#include "pim/session/IcalExport.h"
#include "pim/session/IcalImport.h"
#include "pim/session/PimSession.h"
#include "resources/StringTable.h"
#include "tools/CliOptions.h"
#include "tools/StoreCommands.h"

namespace fs = std::filesystem;

namespace {

std::string OnlyFile(const std::vector<std::string>& args, const char* usage)
{
    const CliOptions o(args, {});
    o.AllowOnly({});
    if (o.Positionals().size() != 1 || o.Positionals()[0].empty()) throw UsageError(usage);
    return o.Positionals()[0];
}

std::string Counted(int id, int count)
{
    char text[160];
    std::snprintf(text, sizeof text, StringText(id), count);
    return text;
}

} // namespace

int RunImportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const std::string file = OnlyFile(args, "사용법: dayvane-cli import FILE.ics");
    // Opening a pipe or a device would wait for a writer that never comes.
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        throw CommandError("일반 파일이 아니어서 가져올 수 없습니다: " + file);
    std::string text;
    if (const int error = ReadWholeFile(file, text); error != 0)
        throw CommandError("파일을 읽을 수 없습니다: " + file + ": " + std::strerror(error));
    auto session = OpenDeviceStore(false);
    const IcalImportReport report = ImportIcal(*session->OutlookApp(), text);
    for (const std::string& note : report.notes) err << note << '\n';
    if (!report.ok) throw CommandError("가져오지 못했습니다 (아무것도 바뀌지 않았습니다): " + report.error);
    out << "일정 " << report.appointments << "개, 작업 " << report.tasks << "개를 가져왔습니다.\n";
    if (report.updated > 0) out << Counted(IDS_ICAL_UPDATED_COUNT, report.updated) << '\n';
    if (report.skipped > 0) out << Counted(IDS_ICAL_NOT_IMPORTED_COUNT, report.skipped) << '\n';
    return 0;
}

int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const std::string file = OnlyFile(args, "사용법: dayvane-cli export FILE.ics");
    auto session = OpenDeviceStore(false);
    const IcalExportResult result = ExportIcal(*session->OutlookApp());
    if (!result.ok) throw CommandError("내보내지 못했습니다: " + result.error);
    for (const std::string& note : result.notes) err << note << '\n';
    if (file == "-") {
        out << result.text;
        return 0;
    }
    const fs::path target = fs::absolute(file);
    const std::string name = target.filename().string();
    // Built in steps: GCC 12 warns falsely about "." + name + ".tmp".
    std::string temporary = ".";
    temporary += name;
    temporary += ".tmp";
    std::string error;
    if (!ReplaceFileAtomically(target.parent_path().string(), name, temporary, result.text, error))
        throw CommandError("파일을 쓸 수 없습니다: " + file + ": " + error);
    out << "일정 " << result.appointments << "개, 작업 " << result.tasks << "개를 내보냈습니다.\n";
    return 0;
}
