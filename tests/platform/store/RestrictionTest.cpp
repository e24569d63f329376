#include <gtest/gtest.h>

#include "platform/store/Restriction.h"
#include "tests/platform/store/StoreTestSupport.h"

namespace {

Restriction Parse(const std::string& text)
{
    Restriction restriction;
    std::string error;
    EXPECT_TRUE(ParseRestriction(text, restriction, error)) << text << ": " << error;
    return restriction;
}

bool Meets(const Restriction& r, double start, double end)
{
    return r.Matches([&](RestrictionField f) { return f == RestrictionField::Start ? start : end; });
}

} // namespace

TEST(Restriction, ReadsTheWeekQueryText)
{
    const Restriction r = Parse("[Start] < <40185.00 AND [End] >= <40178.00");
    ASSERT_EQ(r.terms.size(), 2u);
    EXPECT_EQ(r.terms[0].field, RestrictionField::Start);
    EXPECT_EQ(r.terms[0].op, RestrictionOp::Less);
    EXPECT_DOUBLE_EQ(r.terms[0].value, 40185.0);
    EXPECT_EQ(r.terms[1].field, RestrictionField::End);
    EXPECT_EQ(r.terms[1].op, RestrictionOp::GreaterEqual);

    EXPECT_TRUE(Meets(r, 40178.0, 40178.0));     // ends exactly at the first midnight
    EXPECT_FALSE(Meets(r, 40177.5, 40177.9));    // the day before
    EXPECT_FALSE(Meets(r, 40185.0, 40185.1));    // starts at the next week's midnight
    EXPECT_TRUE(Meets(r, 40170.0, 40190.0));     // spans the week

    double low, high;
    r.Bounds(RestrictionField::Start, low, high);
    EXPECT_EQ(low, kUnboundedLow);
    EXPECT_DOUBLE_EQ(high, 40185.0);
}

TEST(Restriction, ReadsOperatorsCaseAndValueForms)
{
    const Restriction r = Parse("  [start]<=40000,5 and [END]<>\"2009-01-01 10:00\" AND [DueDate] > -3");
    ASSERT_EQ(r.terms.size(), 3u);
    EXPECT_EQ(r.terms[0].op, RestrictionOp::LessEqual);
    EXPECT_DOUBLE_EQ(r.terms[0].value, 40000.5);
    EXPECT_EQ(r.terms[1].op, RestrictionOp::NotEqual);
    EXPECT_DOUBLE_EQ(r.terms[1].value, Ole(2009, 1, 1, 10, 0));
    EXPECT_EQ(r.terms[2].field, RestrictionField::DueDate);
    EXPECT_DOUBLE_EQ(r.terms[2].value, -3.0);
    EXPECT_EQ(Parse("[Start] = \"2009-01-01\"").terms[0].op, RestrictionOp::Equal);
}

TEST(Restriction, RefusesWhatItCannotRead)
{
    const char* bad[] = {
        "", "   ", "[Start]", "[Start] <", "[Start] < abc", "[Subject] = 3", "Start < 3", "[Start < 3",
        "[Start] < 3 OR [End] > 2", "[Start] < 3 AND", "[Start] < 3 [End] > 2", "[Start] < \"2009-02-30\"",
        "[Start] < \"2009-01-01", "[Start] < 1e999", "[Start] ! 3", "[Start] < 3; DROP TABLE items",
    };
    for (const char* text : bad) {
        Restriction r;
        std::string error;
        EXPECT_FALSE(ParseRestriction(text, r, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}
