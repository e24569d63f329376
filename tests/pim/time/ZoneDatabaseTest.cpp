// The time conversions against the system's time-zone database, in the years
// in which each zone's present rule has held (the conversions apply today's
// rule to every year).
#include <QDateTime>
#include <QTimeZone>

#include "tests/pim/time/ZoneFixture.h"

namespace {

struct ZoneCase {
    const char* rule;  // the POSIX rule the device would carry
    const char* name;  // the same zone in the database
    int firstYear;
};

constexpr ZoneCase kZones[] = {
    {"EST5EDT,M3.2.0,M11.1.0", "America/New_York", 2007},
    {"GMT0BST,M3.5.0/1,M10.5.0", "Europe/London", 1996},
    {"AEST-10AEDT,M10.1.0,M4.1.0/3", "Australia/Sydney", 2008},
};
constexpr int kLastYear = 2037;

std::string Local(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

std::string Local(const TimeParts& parts)
{
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", parts.tm_year + 1900, parts.tm_mon + 1,
                  parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec);
    return text;
}

using ZoneDatabase = ZoneTest;

TEST_F(ZoneDatabase, LocalTimeAndDaylightFlagAgreeWithTheDatabase)
{
    for (const ZoneCase& zone : kZones) {
        SCOPED_TRACE(zone.name);
        UseZone(zone.rule);
        const QTimeZone database(zone.name);
        ASSERT_TRUE(database.isValid());
        const QDateTime from(QDate(zone.firstYear, 1, 1), QTime(0, 0), Qt::UTC);
        const QDateTime to(QDate(kLastYear, 12, 31), QTime(0, 0), Qt::UTC);

        // Every five hours and seven minutes, so that samples wander through the day.
        std::vector<qint64> samples;
        for (qint64 t = from.toSecsSinceEpoch(); t < to.toSecsSinceEpoch(); t += 5 * 3600 + 7 * 60)
            samples.push_back(t);
        // And on both sides of every change.
        for (const QTimeZone::OffsetData& change : database.transitions(from, to)) {
            const qint64 at = change.atUtc.toSecsSinceEpoch();
            for (qint64 delta : {-3601, -1, 0, 1, 3599, 3600})
                samples.push_back(at + delta);
        }
        for (qint64 t : samples) {
            const QDateTime expected = QDateTime::fromSecsSinceEpoch(t, database);
            const TimeParts parts = *PartsFromTime(static_cast<TimeValue>(t));
            ASSERT_EQ(Local(parts), Local(expected)) << t;
            ASSERT_EQ(parts.tm_isdst != 0, database.isDaylightTime(expected)) << t;
            ASSERT_EQ(parts.tm_wday, expected.date().dayOfWeek() % 7) << t;
            // A wall time the clock shows once converts back to its instant.
            const bool once = QDateTime(expected.date(), expected.time(), database).toSecsSinceEpoch() == t &&
                              QDateTime::fromSecsSinceEpoch(t + 3600, database).offsetFromUtc() ==
                                  QDateTime::fromSecsSinceEpoch(t - 3600, database).offsetFromUtc();
            if (once) {
                ASSERT_EQ(TimeFromFields(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
                                         parts.tm_min, parts.tm_sec),
                          static_cast<TimeValue>(t))
                    << Local(parts);
            }
        }
    }
}

}  // namespace
