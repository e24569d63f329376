#include "calendar/AnniversaryLine.h"

#include <gtest/gtest.h>

#include "tests/calendar/TestRecords.h"

namespace {

Anniversary Parsed(std::string_view line) {
    Anniversary record;
    EXPECT_EQ(ParseAnniversaryLine(line, record), AnniversaryLineKind::kRecord) << line;
    return record;
}

TEST(AnniversaryLine, ReadsEveryField) {
    const Anniversary weekday = Parsed("[#0000ff] @2009/52/02 Name");
    EXPECT_TRUE(SameAnniversary(weekday, [] {
        Anniversary a = MakeRecord(kAnniversaryByWeekday, 2009, 52, 2, "Name");
        a.color = 0x00FF0000;  // blue in the top byte
        return a;
    }()));

    const Anniversary birthday = Parsed("[#000000] !LP0000/03/08-+  엄마 생신 \r\n");
    Anniversary expected = MakeRecord(kAnniversaryBirthday, 0, 3, 8, "엄마 생신", 1, 1);
    expected.dayBefore = expected.dayAfter = 1;
    EXPECT_TRUE(SameAnniversary(birthday, expected));

    EXPECT_TRUE(SameAnniversary(Parsed(" 2009/05/05 Name\n"),
                                MakeRecord(kAnniversaryByDate, 2009, 5, 5, "Name")));
    EXPECT_EQ(Parsed("[#123456] 2001/05/05+ x").color, 0x563412u);
    EXPECT_EQ(Parsed("2001/05/05").name, "");
    // Fields read like strtol: blanks and a sign before digits, stop at a non-digit.
    const Anniversary loose = Parsed(" 201x/ 5/-3 y");
    EXPECT_EQ(loose.year, 201);
    EXPECT_EQ(loose.month, 5);
    EXPECT_EQ(loose.day, -3);
}

TEST(AnniversaryLine, TrimsUnicodeWhiteSpace) {
    // Ideographic space, no-break space, em space, narrow no-break space.
    const Anniversary a = Parsed("\u3000\u00A0[#ff0000]\u3000 2001/05/05 \u2003어린이날\u202F\u3000\r\n");
    EXPECT_EQ(a.color, 0x0000FFu);
    EXPECT_EQ(a.year, 2001);
    EXPECT_EQ(a.day, 5);
    EXPECT_EQ(a.name, "어린이날");
    // Inner wide spaces stay; a line of only white space is empty.
    EXPECT_EQ(Parsed("2001/05/05 가\u3000나").name, "가\u3000나");
    Anniversary out;
    EXPECT_EQ(ParseAnniversaryLine("\u3000\u00A0 \u3000", out), AnniversaryLineKind::kIgnored);
    // Hangul whose UTF-8 bytes resemble a space's must survive at the ends.
    EXPECT_EQ(Parsed("2001/05/05 \u3080\u2000\u3081").name, "\u3080\u2000\u3081");
    EXPECT_EQ(Parsed("2001/05/05 \uC5B4").name, "\uC5B4");
}

TEST(AnniversaryLine, SkipsNotesAndFlagsShortLines) {
    Anniversary out;
    out.name = "untouched";
    for (const char* ignored : {"", "   \r\n", "# note", "[#00ff00]", "[Holidays]"}) {
        EXPECT_EQ(ParseAnniversaryLine(ignored, out), AnniversaryLineKind::kIgnored) << ignored;
    }
    for (const char* malformed : {"2009/05/0", "[#ff0000]x", "[#ff0000] @L2009/", "[#ff"}) {
        EXPECT_EQ(ParseAnniversaryLine(malformed, out), AnniversaryLineKind::kMalformed)
            << malformed;
    }
    EXPECT_EQ(out.name, "untouched");
    // A record whose name ends in "]" is not a bracketed note.
    EXPECT_EQ(Parsed("[#ff0000] 2001/05/05 생일 [엄마]").name, "생일 [엄마]");
}

TEST(AnniversaryLine, WritesTheFixedForm) {
    Anniversary a = MakeRecord(kAnniversaryByDate, 2001, 5, 5, "어린이날");
    a.color = 0x0000FF;
    EXPECT_EQ(FormatAnniversaryLine(a), "[#ff0000] 2001/05/05 어린이날");
    Anniversary b = MakeRecord(kAnniversaryBirthday, 0, 3, 8, "Name", 1);
    b.dayBefore = b.dayAfter = 1;
    EXPECT_EQ(FormatAnniversaryLine(b), "[#000000] !L0000/03/08-+ Name");
    EXPECT_EQ(FormatAnniversaryLine(MakeRecord(kAnniversaryByDate, 1, 1, 1, "a\r\nb\tc")),
              "[#000000] 0001/01/01 a  b c");
}

TEST(AnniversaryLine, EveryKindRoundTripsIncludingLateWeekdayMonths) {
    std::vector<Anniversary> records = {
        MakeRecord(kAnniversaryBirthday, 1980, 12, 31, "생일 [엄마]", 1, 1),
        MakeRecord(kAnniversaryByWeekday, 2009, 52, 1, "어머니"),
        MakeRecord(kAnniversaryByWeekday, 0, 101, 7, "시월 첫째 토요일"),
        MakeRecord(kAnniversaryByWeekday, 2011, 125, 1, "십이월 마지막 일요일"),
        MakeRecord(kAnniversaryByWeekday, 2011, 113, 4, "십일월"),
        MakeRecord(kAnniversaryByDate, 0, 2, 29, ""),
    };
    records[0].color = 0x00C80050;
    records[2].dayBefore = 1;
    records[4].dayBefore = records[4].dayAfter = 1;
    for (const Anniversary& record : records) {
        const std::string line = FormatAnniversaryLine(record);
        EXPECT_TRUE(SameAnniversary(Parsed(line), record)) << line;
    }
    EXPECT_EQ(FormatAnniversaryLine(records[4]), "[#000000] @2011/113/04-+ 십일월");

    // Other kinds keep the fixed positions even with a digit at the separator.
    const Anniversary byDate = Parsed("2009/1012/3 x");
    EXPECT_EQ(byDate.month, 10);
    EXPECT_EQ(byDate.day, 2);
    EXPECT_EQ(byDate.name, "3 x");
}

}  // namespace
