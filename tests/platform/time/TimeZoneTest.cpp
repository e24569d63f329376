#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/time/PosixTzRule.h"
#include "tests/platform/time/TimeTestUtil.h"

namespace {

// "month.week.weekday hh:mm:ss", "absolute" for a dated transition, or "none".
std::string Transition(const SYSTEMTIME& st)
{
    if (st.wMonth == 0 || st.wYear != 0)
        return st.wMonth == 0 ? "none" : "absolute";
    return std::to_string(st.wMonth) + "." + std::to_string(st.wDay) + "." + std::to_string(st.wDayOfWeek) +
           Text(st).substr(10, 9);
}

// A minimal zone file: one type, no transitions, then (version 2) the footer.
class ZoneFile {
public:
    explicit ZoneFile(const std::string& footer, char version = '2', size_t cutTo = std::string::npos)
        : path_(std::filesystem::temp_directory_path() / ("dayvane-zone-" + std::to_string(getpid()) + footer))
    {
        std::string header = std::string("TZif") + version + std::string(15, '\0');
        for (char count : {0, 0, 0, 0, 1, 4})  // isut, isstd, leap, time, type, char
            header += std::string(3, '\0') + count;
        const std::string block = header + std::string("\0\0\0\0\0\0XST\0", 10);
        const std::string file = version >= '2' ? block + block + "\n" + footer + "\n" : block;
        std::ofstream(path_, std::ios::binary) << file.substr(0, cutTo);
    }
    ~ZoneFile() { std::filesystem::remove(path_); }
    std::string Tz() const { return path_.string().insert(0, 1, ':'); }  // not ":" + ..., which trips GCC 12's -Wrestrict

private:
    std::filesystem::path path_;
};

}  // namespace

TEST(PosixTzRule, BiasesAndTransitions)
{
    struct Case {
        const char* rule;
        int bias;
        int daylightBias;
        const char* start;
        const char* end;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"<+09>-9", -540, 0, "none", "none"},
             {"<-0330>+3:30", 210, 0, "none", "none"},
             {"EST5EDT,M3.2.0,M11.1.0", 300, -60, "3.2.0 02:00:00", "11.1.0 02:00:00"},
             {"EST5EDT", 300, -60, "3.2.0 02:00:00", "11.1.0 02:00:00"},  // the C library's default rule
             {"AEST-10AEDT,M10.1.0,M4.1.0/3", -600, -60, "10.1.0 02:00:00", "4.1.0 03:00:00"},
             {"<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45", -765, -60, "9.5.0 02:45:00", "4.1.0 03:45:00"},
             {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", -630, -30, "10.1.0 02:00:00", "4.1.0 02:00:00"},
             // Within a day outside the rule's day: its first or last second.
             {"<-04>4<-03>,M9.1.6/24,M4.1.6/24", 240, -60, "9.1.6 23:59:59", "4.1.6 23:59:59"},
             {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", 120, -60, "3.5.0 00:00:00", "10.5.0 00:00:00"},
             // Further away: the weekday moves by whole days.
             {"EET-2EEST,M3.4.4/50,M10.4.4/50", -120, -60, "3.4.6 02:00:00", "10.4.6 02:00:00"},
             {"XST3XDT,M3.2.0/-50,M11.1.0", 180, -60, "3.2.4 22:00:00", "11.1.0 02:00:00"},
             {"XST3XDT,J60,300/1", 180, -60, "absolute", "absolute"},
         }) {
        TIME_ZONE_INFORMATION tzi;
        ASSERT_TRUE(ZoneFromPosixRule(c.rule, tzi)) << c.rule;
        EXPECT_EQ(std::to_string(tzi.Bias) + " " + std::to_string(tzi.StandardBias) + " " +
                      std::to_string(tzi.DaylightBias) + " " + Transition(tzi.DaylightDate) + " / " +
                      Transition(tzi.StandardDate),
                  std::to_string(c.bias) + " 0 " + std::to_string(c.daylightBias) + " " + c.start + " / " + c.end);
    }
    TIME_ZONE_INFORMATION tzi;
    ASSERT_TRUE(ZoneFromPosixRule("<+09>-9XDT,J60,300", tzi));
    EXPECT_EQ(std::u16string(tzi.StandardName) + u" " + tzi.DaylightName, u"+09 XDT");
    EXPECT_EQ(Text(tzi.DaylightDate).substr(5, 5), "03-01");  // J60 is 1 March, leap year or not
}

TEST(PosixTzRule, RejectsMalformedRules)
{
    TIME_ZONE_INFORMATION tzi;
    tzi.Bias = 12345;
    for (const char* rule : {"", "KST", "KS-9", "KST-9X", "KST-25", "<+09-9", "EST5EDT,M3.2.0", "EST5EDT,M13.2.0,M11.1.0",
                             "EST5EDT,M3.6.0,M11.1.0", "EST5EDT,M3.2.7,M11.1.0", "EST5EDT,J0,J365",
                             "EST5EDT,M3.2.0/168,M11.1.0", "EST5EDT,M3.2.0,M11.1.0,", "Asia/Seoul"})
        EXPECT_FALSE(ZoneFromPosixRule(rule, tzi)) << rule;
    EXPECT_EQ(tzi.Bias, 12345);
}

TEST(TimeZone, ReadsTzAsRuleZoneNameOrFile)
{
    const ZoneFile file("XST-3");
    const bool haveDatabase = std::filesystem::exists("/usr/share/zoneinfo/Asia/Seoul");
    for (const auto& [tz, bias] : std::initializer_list<std::pair<std::string, int>>{
             {"KST-9", -540}, {"", 0}, {file.Tz(), -180}, {"Asia/Seoul", -540}, {":Asia/Seoul", -540}, {"UTC", 0}}) {
        if (!haveDatabase && (tz == "UTC" || tz.find("Asia/") != std::string::npos))
            continue;
        ScopedEnv env("TZ", tz.c_str());
        TIME_ZONE_INFORMATION tzi;
        ASSERT_TRUE(GetTimeZoneInformation(tzi)) << tz;
        EXPECT_EQ(tzi.Bias, bias) << tz;
    }
}

// The zone file is remembered between calls, but a file replaced meanwhile
// (the system's zone changed) is read again.
TEST(TimeZone, AReplacedZoneFileIsReadAgain)
{
    const ZoneFile nine("<+09>-9");
    const ZoneFile five("<+05>-5");
    const std::filesystem::path zone = std::filesystem::temp_directory_path() / ("dayvane-zone-" + std::to_string(getpid()));
    ScopedEnv env("TZ", (":" + zone.string()).c_str());
    TIME_ZONE_INFORMATION tzi;
    for (const auto& [file, bias] : {std::pair{&nine, -540}, std::pair{&five, -300}, std::pair{&nine, -540}}) {
        std::filesystem::copy_file(file->Tz().substr(1), zone.string() + ".new",
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::rename(zone.string() + ".new", zone);
        ASSERT_TRUE(GetTimeZoneInformation(tzi));
        EXPECT_EQ(tzi.Bias, bias);
        ASSERT_TRUE(GetTimeZoneInformation(tzi));
        EXPECT_EQ(tzi.Bias, bias);
    }
    std::filesystem::remove(zone);
    EXPECT_FALSE(GetTimeZoneInformation(tzi));
}

TEST(TimeZone, UnreadableZonesFail)
{
    const ZoneFile versionOne("v1", '\0');
    const ZoneFile emptyFooter("");
    const ZoneFile badFooter("not a rule");
    const ZoneFile truncated("KST-9", '2', 60);
    for (const std::string& tz : {versionOne.Tz(), emptyFooter.Tz(), badFooter.Tz(), truncated.Tz(),
                                  std::string(":/nonexistent/zone"), std::string("Asia/Nowhere")}) {
        ScopedEnv env("TZ", tz.c_str());
        TIME_ZONE_INFORMATION tzi;
        EXPECT_FALSE(GetTimeZoneInformation(tzi)) << tz;
    }
}
