#include "platform/itemeditor/ItemEditorDates.h"

#include "platform/store/PimTypes.h"
#include "platform/store/OleTime.h"

QDateTime DateTimeFromOle(double date)
{
    if (date == kNoDate) return {};
    const std::optional<SYSTEMTIME> st = OleToSystemTime(date);
    if (!st) return {};
    return QDateTime(QDate(st->wYear, st->wMonth, st->wDay), QTime(st->wHour, st->wMinute, st->wSecond), Qt::UTC);
}

std::optional<double> OleFromDateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid()) return std::nullopt;
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    return OleFromFields(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
}

std::optional<double> OleFromDate(QDate date)
{
    if (!date.isValid()) return std::nullopt;
    return OleFromFields(date.year(), date.month(), date.day());
}

QDate AllDayLastDay(double start, double end)
{
    const QDateTime first = DateTimeFromOle(start);
    const QDateTime after = DateTimeFromOle(end);
    if (!after.isValid()) return first.date();
    // Calendar days, not multiples of 24 hours.
    if (after.time() == QTime(0, 0) && after.date() > first.date()) return after.date().addDays(-1);
    return std::max(after.date(), first.date());
}

std::optional<double> AllDayEnd(QDate lastDay) { return OleFromDate(lastDay.addDays(1)); }
