// dayvane-cli: the command-line companion of Dayvane.
#include <cstring>
#include <exception>
#include <iostream>

#include "platform/device/DeviceDirectory.h"
#include "tools/CliOptions.h"
#include "tools/Commands.h"
#include "tools/StoreCommands.h"

namespace {

const char kUsage[] =
    "사용법: dayvane-cli [--device DIR] 명령 ...\n"
    "  week [YYYY-MM-DD]                 이번 주의 양력, 음력 날짜와 기념일\n"
    "  week [YYYY-MM-DD] --entries       주간 보기의 항목 (칸, 종류, ID, 머리글, 시간, 내용,\n"
    "                                    색 0xBBGGRR, 글꼴 비트, 표시 비트; 탭으로 구분)\n"
    "  lunar DATE [--to DATE]            양력 -> 음력\n"
    "  solar YYYY-MM-DD [--leap]         음력 -> 양력\n"
    "  anniv list | on DATE [--days N] | holidays YYYY | add | edit INDEX | rm INDEX\n"
    "  reg get|set|del|list ...          레지스트리 값\n"
    "  agenda [--days N] [--count N]     오늘 화면의 일정 목록 (한 줄에 하나, 두 번째 줄은 탭 뒤)\n"
    "  todo [--count N]                  오늘 화면의 작업 목록\n"
    "  add appt|task ..., list, tasks, show, delete, complete, skip\n"
    "  import FILE.ics, export FILE.ics, watch [--db appointments|tasks]\n"
    "  weather [--refresh]               저장된 날씨 예보 (--refresh: 먼저 새로 받기)\n"
    "  sync [--quiet]                    CalDAV 서버와 한 번 동기화 (끝까지 마쳤을 때만 0)\n"
    "  sync setup URL --user 이름 [--tasks URL] [--password-command 명령] [--anniversaries URL]\n"
    "  check                             저장소 파일 전체 검사; 손상이 있으면 그 뒤로 쓰지 않습니다\n";

int Dispatch(const CommandArgs& args)
{
    const std::string& command = args[0];
    if (command == "lunar" || command == "solar") return RunLunarCommand(args, std::cout);
    if (command == "week") return RunWeekCommand(args, std::cout);
    if (command == "anniv") return RunAnniversaryCommand(args, std::cout);
    if (command == "reg") return RunRegistryCommand(args, std::cout);
    if (command == "weather") return RunWeatherCommand(args, std::cout);
    if (command == "sync") return RunSyncCommand(args, std::cout);
    if (command == "agenda" || command == "todo") return RunTodayCommand(args, std::cout);
    if (command == "help" || command == "--help") {
        std::cout << kUsage;
        return 0;
    }
    return RunStoreCommand(args, std::cout, std::cerr);
}

} // namespace

int main(int argc, char** argv)
{
    CommandArgs args;
    std::string device;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--device") == 0 && args.empty()) {
            if (i + 1 >= argc) {
                std::cerr << "옵션에 값이 없습니다: --device\n" << kUsage;
                return 2;
            }
            device = argv[++i];
            continue;
        }
        args.emplace_back(argv[i]);
    }
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        if (!device.empty()) SetDeviceDirectory(device);
        return Dispatch(args);
    } catch (const UsageError& e) {
        std::cerr << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}
