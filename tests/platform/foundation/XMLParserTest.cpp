#include "foundation/IXMLParserDelegate.h"
#include "foundation/XMLParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingDelegate final : public foundation::IXMLParserDelegate {
public:
    void didStartElement(std::string_view name) override { events.push_back("<" + std::string(name)); }
    void didEndElement(std::string_view name) override { events.push_back(">" + std::string(name)); }
    void foundCharacters(std::string_view text) override { events.push_back("'" + std::string(text) + "'"); }
    std::vector<std::string> events;
};

TEST(XMLParserTest, ReportsElementsAndOneRunOfTextBetweenTwoTagsInDocumentOrder)
{
    foundation::XMLParser parser("<?xml version=\"1.0\"?><list><item>a &amp; <![CDATA[b]]>c</item><item/></list>");
    RecordingDelegate delegate;
    ASSERT_TRUE(parser.parse(delegate));
    EXPECT_EQ(delegate.events,
              (std::vector<std::string>{"<list", "<item", "'a & bc'", ">item", "<item", ">item", ">list"}));
}

TEST(XMLParserTest, MalformedDocumentsFailWithAReasonAfterTheEventsBeforeTheFault)
{
    const std::vector<std::string> documents = {
        "<list><item>en</item>",
        "<list><item>en</list>",
        "not xml at all",
    };
    for (const std::string& document : documents) {
        foundation::XMLParser parser(document);
        RecordingDelegate delegate;
        EXPECT_FALSE(parser.parse(delegate)) << document;
        EXPECT_FALSE(parser.errorDescription().empty()) << document;
    }
    EXPECT_EQ(foundation::XMLParser::contentsOf("/nonexistent/localize_config.xml").has_value(), false);
}

TEST(XMLParserTest, ExternalEntitiesAreNeverLoaded)
{
    foundation::XMLParser parser(
        "<!DOCTYPE list [<!ENTITY outside SYSTEM \"file:///etc/passwd\">]><list><item>&outside;</item></list>");
    RecordingDelegate delegate;
    parser.parse(delegate);
    for (const std::string& event : delegate.events)
        EXPECT_EQ(event.find("root"), std::string::npos) << event;
}

} // namespace
