#include "editors/AnniversaryForm.h"

#include <algorithm>

#include "calendar/AnniversaryValidation.h"
#include "resources/Strings.h"

namespace {

int RefusalOf(const std::string& message)
{
    if (message.empty())
        return 0;
    if (message == kAnniversaryTitleMissing)
        return IDS_APPT_TITLE_MISSING;
    if (message == kAnniversaryLunarDateInvalid)
        return IDS_LUNAR_DATE_INVALID;
    return IDS_ANNIVERSARY_DATE_INVALID;
}

FormRecord Checked(Anniversary record)
{
    const int refusal = RefusalOf(CheckAnniversary(record));
    return {std::move(record), refusal};
}

}  // namespace

AnniversaryDateForm NewAnniversaryDateForm(const SolarDate& current)
{
    AnniversaryDateForm form;
    form.year = current.year;
    form.month = current.month;
    form.day = current.day;
    return form;
}

AnniversaryDayForm NewAnniversaryDayForm(const SolarDate& current)
{
    AnniversaryDayForm form;
    form.year = current.year;
    form.month = current.month;
    form.weekdayIndex = WeekdayOf(current) - 1;
    form.ordinalIndex = (current.day - 1) / 7;
    return form;
}

AnniversaryDateForm LoadAnniversaryDateForm(const Anniversary& record, int index, int currentYear)
{
    AnniversaryDateForm form;
    form.editIndex = index;
    form.name = record.name;
    form.yearOmitted = record.year == 0;
    form.year = record.year == 0 ? currentYear : record.year;
    form.birthday = record.kind == kAnniversaryBirthday;
    form.month = record.month;
    form.day = record.day;
    form.dayBefore = record.dayBefore != 0;
    form.dayAfter = record.dayAfter != 0;
    form.lunar = record.lunar != 0;
    form.leapMonth = record.leapMonth != 0;
    form.color = record.color;
    return form;
}

AnniversaryDayForm LoadAnniversaryDayForm(const Anniversary& record, int index, int currentYear)
{
    AnniversaryDayForm form;
    form.editIndex = index;
    form.name = record.name;
    form.yearOmitted = record.year == 0;
    form.year = record.year == 0 ? currentYear : record.year;
    form.month = record.WeekdayMonth();
    form.ordinalIndex = std::clamp(record.WeekdayOrdinal() - 1, 0, 4);
    form.weekdayIndex = std::clamp(record.day - 1, 0, 6);
    form.dayBefore = record.dayBefore != 0;
    form.dayAfter = record.dayAfter != 0;
    form.color = record.color;
    return form;
}

FormRecord RecordFromForm(const AnniversaryDateForm& form)
{
    Anniversary record;
    record.kind = form.birthday ? kAnniversaryBirthday : kAnniversaryByDate;
    record.year = form.yearOmitted ? 0 : form.year;
    record.month = form.month;
    record.day = form.day;
    record.dayBefore = form.dayBefore ? 1 : 0;
    record.dayAfter = form.dayAfter ? 1 : 0;
    record.lunar = form.lunar ? 1 : 0;
    record.leapMonth = form.lunar && form.leapMonth ? 1 : 0;
    record.name = form.name;
    record.color = form.color;
    return Checked(std::move(record));
}

FormRecord RecordFromForm(const AnniversaryDayForm& form)
{
    Anniversary record;
    record.kind = kAnniversaryByWeekday;
    record.year = form.yearOmitted ? 0 : form.year;
    record.month = form.month * 10 + form.ordinalIndex + 1;
    record.day = form.weekdayIndex + 1;
    record.dayBefore = form.dayBefore ? 1 : 0;
    record.dayAfter = form.dayAfter ? 1 : 0;
    record.name = form.name;
    record.color = form.color;
    return Checked(std::move(record));
}
