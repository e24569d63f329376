#include "tests/views/week/SampleAgenda.h"

#include <algorithm>

#include "calendar/AnniversaryFile.h"

namespace {

WeekAppointment Appointment(CEOID oid, const char* subject, const char* location, double start,
                            double end) {
    WeekAppointment appointment;
    appointment.oid = oid;
    appointment.subject = subject;
    appointment.location = location;
    appointment.start = start;
    appointment.end = end;
    return appointment;
}

WeekTask Task(CEOID oid, const char* subject, double due, int importance) {
    WeekTask task;
    task.oid = oid;
    task.subject = subject;
    task.startDate = kNoDate;
    task.dueDate = due;
    task.completedDate = kNoDate;
    task.importance = importance;
    return task;
}

}  // namespace

void FillSampleAgenda(FakeWeekHost& host, const std::string& folder) {
    InstallDefaultAnniversaries(folder);
    LoadAnniversaries(host.anniversaries, folder);
    AddAnniversary(host.anniversaries, kAnniversaryBirthday, 1975, 9, 29, 0, 0, 0, 0, "지수 생일",
                   0x8000C0);

    auto& appointments = host.source.appointments;
    WeekAppointment weekly = Appointment(1, "주간 회의", "3층 회의실", Ole(2009, 9, 28, 9), Ole(2009, 9, 28, 10));
    weekly.recurring = weekly.reminderSet = true;
    weekly.color = 0xA05000;
    appointments.push_back(weekly);
    appointments.push_back(Appointment(2, "점심 약속", "광화문", Ole(2009, 9, 28, 12, 30), Ole(2009, 9, 28, 13, 30)));
    WeekAppointment client = Appointment(3, "고객 미팅 - 신제품 설명회 준비", "강남", Ole(2009, 9, 29, 14), Ole(2009, 9, 29, 15, 30));
    client.hasNotes = true;
    appointments.push_back(client);
    WeekAppointment dentist = Appointment(4, "치과", "", Ole(2009, 9, 30, 10), Ole(2009, 9, 30, 11));
    dentist.reminderSet = true;
    appointments.push_back(dentist);
    WeekAppointment reunion = Appointment(5, "동창회", "종로", Ole(2009, 9, 30, 19), Ole(2009, 9, 30, 21));
    reunion.color = 0x008000;
    appointments.push_back(reunion);
    appointments.push_back(Appointment(6, "부산 출장", "해운대", Ole(2009, 10, 1, 7), Ole(2009, 10, 2, 20)));
    WeekAppointment home = Appointment(7, "고향 방문", "", Ole(2009, 10, 2), Ole(2009, 10, 5));
    home.allDay = true;
    appointments.push_back(home);
    std::stable_sort(appointments.begin(), appointments.end(),
                     [](const auto& a, const auto& b) { return a.start < b.start; });

    auto& tasks = host.source.tasks;
    tasks.push_back(Task(21, "분기 보고서 제출", Ole(2009, 10, 2), 2));
    tasks.push_back(Task(22, "자동차세 납부", Ole(2009, 9, 28), 1));
    tasks.push_back(Task(23, "도서관 책 반납", Ole(2009, 10, 8), 1));
    tasks.push_back(Task(24, "선물 준비", kNoDate, 1));
    WeekTask mail = Task(25, "우편 발송", Ole(2009, 9, 29), 0);
    mail.complete = true;
    mail.completedDate = Ole(2009, 9, 29);
    tasks.push_back(mail);
}

