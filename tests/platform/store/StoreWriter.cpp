// A second process for the store tests: adds appointments one save at a time
// ("add"), or each in a log-on of its own as a command-line tool run in a loop
// does ("reopen"), or writes without end until it is killed ("churn").
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/store/OleTime.h"
#include "platform/store/PoomApplication.h"

namespace {

bool AddOne(PoomApplication& app, const std::string& subject, int i, size_t inkBytes)
{
    auto item = app.CreateItem(olAppointmentItem);
    if (!item) return false;
    auto* appt = item->AsAppointment();
    appt->SetSubject(subject);
    appt->SetStart(OleFromFields(2024, 1 + i % 12, 1 + i % 28, 9, 0).value());
    appt->SetDuration(30);
    if (inkBytes) appt->SetBodyInk(Bytes(inkBytes, uint8_t(i)));
    return appt->Save();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return 2;
    PoomApplication app;
    if (!app.Logon(argv[1])) {
        std::fprintf(stderr, "%s\n", app.LastError().c_str());
        return 1;
    }
    const std::string mode = argv[2];
    if (mode == "add" && argc == 5) {
        const int count = std::atoi(argv[3]);
        for (int i = 0; i < count; ++i) {
            if (!AddOne(app, std::string(argv[4]) + std::to_string(i), i, 0)) {
                std::fprintf(stderr, "%s\n", app.LastError().c_str());
                return 1;
            }
        }
        return 0;
    }
    if (mode == "reopen" && argc == 5) {
        const int count = std::atoi(argv[3]);
        app.Logoff();
        for (int i = 0; i < count; ++i) {
            PoomApplication once;
            if (!once.Logon(argv[1]) || !AddOne(once, std::string(argv[4]) + std::to_string(i), i, 0)) {
                std::fprintf(stderr, "%s\n", once.LastError().c_str());
                return 1;
            }
        }
        return 0;
    }
    if (mode == "churn") {
        // Big notes make every commit span many pages.
        for (int i = 0;; ++i) {
            if (!AddOne(app, "churn", i, 64 * 1024)) return 1;
            if (i == 20) {
                std::printf("ready\n");
                std::fflush(stdout);
            }
        }
    }
    return 2;
}
