// Another program writing to a device's store: adds one appointment.
// Usage: app_store_writer STOREFILE SUBJECT START END (OLE dates).
#include <cstdio>
#include <cstdlib>

#include "platform/store/PoomApplication.h"

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fputs("usage: app_store_writer STOREFILE SUBJECT START END\n", stderr);
        return 2;
    }
    PoomApplication store;
    if (!store.Logon(argv[1])) {
        std::fprintf(stderr, "%s\n", store.LastError().c_str());
        return 1;
    }
    auto item = store.CreateItem(olAppointmentItem);
    PoomAppointment* appointment = item->AsAppointment();
    appointment->SetSubject(argv[2]);
    appointment->SetStart(std::strtod(argv[3], nullptr));
    appointment->SetEnd(std::strtod(argv[4], nullptr));
    if (!item->Save()) {
        std::fprintf(stderr, "%s\n", item->LastError().c_str());
        return 1;
    }
    return 0;
}
