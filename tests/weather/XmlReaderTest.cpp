#include <gtest/gtest.h>

#include <string>

#include "weather/WeatherText.h"
#include "weather/XmlReader.h"

namespace {

std::string Error(const CXmlReader& xml) { return ToUtf8(xml.ErrorText()); }

TEST(XmlReader, EmptyElementHasNoChildrenAndPointsAtItsSlash)
{
    CXmlReader xml;
    ASSERT_TRUE(xml.Parse(u"<a/>"));
    ASSERT_TRUE(xml.FindElement(u"a"));
    const XmlElementPos& a = xml.Element(xml.CurrentIndex());
    EXPECT_EQ(a.startLeft, 0);
    EXPECT_EQ(a.startRight, 3);
    EXPECT_EQ(a.endLeft, 2);
    EXPECT_EQ(a.endRight, 3);
    EXPECT_EQ(a.firstChild, 0);
    EXPECT_TRUE(xml.IntoElement());
    EXPECT_FALSE(xml.FindElement(nullptr));
}

TEST(XmlReader, SkipsPrologueAndReachesOnlyTheFirstTopLevelElement)
{
    CXmlReader xml;
    ASSERT_TRUE(xml.Parse(u"<?xml version=\"1.0\"?>\n<!-- c -->\n<!DOCTYPE r [<!ENTITY x \"]>\">]>"
                          u"<r>text<![CDATA[<no/>]]><?pi x?><s/></r> trailing <second/>"));
    ASSERT_TRUE(xml.FindElement(u"r"));
    ASSERT_TRUE(xml.IntoElement());
    EXPECT_TRUE(xml.FindElement(u"s"));
    EXPECT_FALSE(xml.FindElement(u"no"));
    xml.OutOfElement();
    EXPECT_FALSE(xml.FindElement(u"second"));
}

TEST(XmlReader, NamesMatchWholeAndCaseSensitive)
{
    CXmlReader xml;
    ASSERT_TRUE(xml.Parse(u"<r><forecast_information/><forecast/><yweather:forecast/><Item/></r>"));
    ASSERT_TRUE(xml.FindElement(u"r") && xml.IntoElement());
    ASSERT_TRUE(xml.FindElement(u"forecast"));
    EXPECT_EQ(xml.Element(xml.CurrentIndex()).startLeft, 26);  // not forecast_information
    EXPECT_FALSE(xml.FindElement(u"forecast_date"));
    EXPECT_TRUE(xml.FindElement(u"yweather:forecast"));
    EXPECT_FALSE(xml.FindElement(u"item"));
}

TEST(XmlReader, SiblingsInDocumentOrderAndAFailedFindKeepsTheCursor)
{
    CXmlReader xml;
    ASSERT_TRUE(xml.Parse(u"<list><item n='1'/><other/><item n='2'></item><item n='3'/></list>"));
    ASSERT_TRUE(xml.FindElement(u"list") && xml.IntoElement());
    std::u16string seen;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(xml.FindElement(u"item"));
        seen += xml.GetAttribute(u"n");
    }
    EXPECT_EQ(seen, u"123");
    EXPECT_FALSE(xml.FindElement(u"item"));
    EXPECT_EQ(xml.GetAttribute(u"n"), u"3");
    ASSERT_TRUE(xml.OutOfElement());
    EXPECT_EQ(xml.GetAttribute(u"n"), u"");
    ASSERT_TRUE(xml.IntoElement());  // back to where it was, after the third item
    EXPECT_FALSE(xml.FindElement(u"item"));
}

TEST(XmlReader, AttributesAreQuotedAndDecodeOnlyTheFiveEntities)
{
    CXmlReader xml;
    const auto attribute = [&xml](const char16_t* text, const char16_t* name) {
        EXPECT_TRUE(xml.Parse(text));
        EXPECT_TRUE(xml.FindElement(nullptr));
        return xml.GetAttribute(name);
    };
    EXPECT_EQ(attribute(u"<x data=\"1 &amp; 2\"/>", u"data"), u"1 & 2");
    EXPECT_EQ(attribute(u"<x data='a&#65;'/>", u"data"), u"a&#65;");
    EXPECT_EQ(attribute(u"<x data=abc/>", u"data"), u"");
    EXPECT_EQ(attribute(u"<x a='&lt;&gt;&apos;&quot;&amp' data = \"v\"/>", u"a"), u"<>'\"&amp");
    EXPECT_EQ(attribute(u"<x a='&lt;&gt;' data = \"v\"/>", u"data"), u"v");
    EXPECT_EQ(attribute(u"<x dat='1' data='2'/>", u"data"), u"2");
    EXPECT_EQ(attribute(u"<x a='1'/>", u"missing"), u"");
}

TEST(XmlReader, ReportsEachKindOfBrokenMarkup)
{
    struct Case {
        const char16_t* text;
        const char* error;
    };
    const Case cases[] = {
        {u"no markup", "Element tag not found"},
        {u"<a>text", "Element tag not found"},
        {u"<   ", "Abrupt end within tag"},
        {u"<'q'>", "Tag starts with quote"},
        {u"<!-- open", "Invalid node"},
        {u"< ?x?><a/>", "Invalid node"},
        {u"<a", "End of tag not found"},
        {u"<a><b></a>", "End tag does not correspond to b"},
        {u"<a><b/>x<c>", "Element tag not found"},
        {u"<a></a", "End tag not completed for element a"},
        {u"<a></>", "End tag does not correspond to a"},
    };
    CXmlReader xml;
    for (const Case& c : cases) {
        EXPECT_FALSE(xml.Parse(c.text)) << ToUtf8(c.text);
        EXPECT_EQ(Error(xml), c.error) << ToUtf8(c.text);
        EXPECT_FALSE(xml.FindElement(nullptr));
    }
    EXPECT_FALSE(xml.Parse(u""));
    EXPECT_FALSE(xml.Parse(static_cast<const char16_t*>(nullptr)));
}

TEST(XmlReader, DeepNestingIsAnErrorNotAStackOverflow)
{
    std::u16string deep;
    for (int i = 0; i < 100000; ++i) deep += u"<a>";
    CXmlReader xml;
    EXPECT_FALSE(xml.Parse(deep));
    EXPECT_EQ(Error(xml), "Elements nested too deeply");

    std::u16string fine;
    for (int i = 0; i < kXmlMaxDepth - 1; ++i) fine += u"<a>";
    for (int i = 0; i < kXmlMaxDepth - 1; ++i) fine += u"</a>";
    EXPECT_TRUE(xml.Parse(fine));
}

TEST(XmlReader, TableGrowsPastItsFirstSize)
{
    std::u16string many = u"<r>";
    for (int i = 0; i < 5000; ++i) many += u"<i/>";
    many += u"</r>";
    CXmlReader xml;
    ASSERT_TRUE(xml.Parse(many));
    EXPECT_EQ(xml.ElementCount(), 5002);
    ASSERT_TRUE(xml.FindElement(u"r") && xml.IntoElement());
    int count = 0;
    while (xml.FindElement(u"i")) ++count;
    EXPECT_EQ(count, 5000);
}

} // namespace
