#include "bench/BigStoreGenerator.h"

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/Database.h>

#include <cstdlib>
#include <random>

#include "platform/store/OleTime.h"
#include "platform/store/PoomApplication.h"
#include "platform/store/PoomRecurrencePattern.h"

namespace {

class Generator {
public:
    Generator(PoomApplication& app, const BigStoreShape& shape)
        : m_app(app), m_shape(shape), m_first(OleFromFields(shape.firstYear, 1, 1).value()),
          m_days(OleFromFields(shape.firstYear + shape.years, 1, 1).value() - m_first)
    {
        std::vector<CEPROPID> ids;
        m_app.GetIDsFromNames({kItemColorName}, kItemColorFlags, ids);
        m_color = ids[0];
    }

    bool Appointment(int n)
    {
        auto item = m_app.CreateItem(olAppointmentItem);
        auto* appt = item->AsAppointment();
        appt->SetSubject("일정 " + std::to_string(n));
        if (Chance(30)) appt->SetLocation("회의실 " + std::to_string(Pick(1, 12)));
        const double day = m_first + Pick(0, int(m_days) - 1);
        if (Chance(5)) {
            appt->SetAllDayEvent(true);
            appt->SetStart(day);
            appt->SetDuration(1440 * Pick(1, 3));
        } else {
            appt->SetStart(day + (Pick(7, 20) * 60 + 15 * Pick(0, 3)) / 1440.0);
            appt->SetDuration(15 * Pick(1, 16));
        }
        Decorate(*appt);
        return appt->Save();
    }

    bool Series(int n)
    {
        static const int kTypes[] = {olRecursDaily, olRecursWeekly, olRecursMonthly, olRecursMonthNth, olRecursYearly,
                                     olRecursYearNth};
        auto item = m_app.CreateItem(olAppointmentItem);
        auto* appt = item->AsAppointment();
        appt->SetSubject("반복 " + std::to_string(n));
        const double day = m_first + Pick(0, int(m_days) - 1);
        appt->SetStart(day + Pick(8, 19) / 24.0);
        appt->SetDuration(30 * Pick(1, 4));
        auto* pattern = appt->GetRecurrencePattern();
        const int type = kTypes[n % 6];
        pattern->SetRecurrenceType(type);
        pattern->SetInterval(1 + (n / 6) % 4);
        if (type == olRecursWeekly || type == olRecursMonthNth || type == olRecursYearNth)
            pattern->SetDayOfWeekMask(type == olRecursWeekly ? Pick(1, 127) : 1 << Pick(0, 6));
        if (type == olRecursMonthly || type == olRecursYearly) pattern->SetDayOfMonth(Pick(1, 31));
        if (type == olRecursMonthNth || type == olRecursYearNth) pattern->SetInstance(Pick(1, 5));
        if (type == olRecursYearly || type == olRecursYearNth) pattern->SetMonthOfYear(Pick(1, 12));
        switch (n % 3) {
        case 0: pattern->SetNoEndDate(true); break;
        case 1: pattern->SetOccurrences(Pick(5, 200)); break;
        default: pattern->SetPatternEndDate(day + Pick(30, 1500)); break;
        }
        Decorate(*appt);
        if (!appt->Save()) {
            // A short range may hold no occurrence of a sparse pattern.
            pattern->SetOccurrences(10);
            if (!appt->Save()) return false;
        }
        // Some series have an occurrence moved or dropped.
        if (n % 10 == 0) {
            if (auto occurrence = pattern->GetOccurrence(appt->Start())) {
                occurrence->SetStart(occurrence->Start() + 1.0 / 24);
                if (!occurrence->Save()) return false;
            }
        }
        return true;
    }

    bool Task(int n)
    {
        auto item = m_app.CreateItem(olTaskItem);
        auto* task = item->AsTask();
        task->SetSubject("작업 " + std::to_string(n));
        task->SetImportance(Pick(0, 2));
        if (!Chance(10)) {
            const double due = m_first + Pick(0, int(m_days) - 1);
            task->SetDueDate(due);
            if (Chance(50)) task->SetStartDate(due - Pick(0, 14));
            if (Chance(70)) {
                task->SetComplete(true);
                task->SetDateCompleted(due + Pick(-5, 5));
            }
        }
        if (n % 200 == 0 && task->DueDate() != kNoDate) {
            task->GetRecurrencePattern()->SetRecurrenceType(olRecursWeekly);
            task->SetComplete(false);
        }
        if (Chance(10)) task->SetBodyInk(Bytes(64, uint8_t(n)));
        task->SetReminderSet(Chance(20));
        return task->Save();
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(int percent) { return Pick(1, 100) <= percent; }

    void Decorate(PoomAppointment& appt)
    {
        appt.SetReminderSet(Chance(30));
        if (Chance(10)) appt.SetBodyInk(Bytes(size_t(Pick(8, 256)), 0x41));
        if (Chance(20)) {
            CEPROPVAL color;
            color.propid = m_color;
            color.val.ulVal = uint32_t(Pick(0, 0xFFFFFF));
            appt.SetProps(1, &color);
        }
    }

    PoomApplication& m_app;
    BigStoreShape m_shape;
    double m_first;
    double m_days;
    CEPROPID m_color = 0;
    std::mt19937 m_random{20240110};
};

} // namespace

std::string GenerateBigStore(const std::filesystem::path& file, const BigStoreShape& shape)
{
    PoomApplication app;
    if (!app.Logon(file)) return app.LastError();
    Generator generator(app, shape);
    auto batch = app.BeginBatch();
    if (!batch) return app.LastError();
    // Series and plain appointments interleaved, as a user's store grows.
    const int plain = shape.appointments - shape.series;
    for (int i = 0, s = 0; i < plain; ++i) {
        if (!generator.Appointment(i)) return "일정을 만들 수 없습니다";
        if (s < shape.series && i % (plain / shape.series) == 0 && !generator.Series(s++))
            return "반복 일정을 만들 수 없습니다";
    }
    for (int i = 0; i < shape.tasks; ++i)
        if (!generator.Task(i)) return "작업을 만들 수 없습니다";
    std::string error;
    if (!batch->Commit(&error)) return error;
    return {};
}

std::string MakeBigStore(const std::filesystem::path& file)
{
    const char* made = std::getenv("DAYVANE_BENCH_STORE");
    if (!made || !std::filesystem::exists(made)) return GenerateBigStore(file);
    // Copied by SQLite, which takes the write-ahead log along and never drops
    // the locks of a connection another part of the process may hold.
    try {
        SQLite::Database source(made, SQLite::OPEN_READONLY);
        SQLite::Database copy(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        SQLite::Backup backup(copy, source);
        backup.executeStep();
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}
