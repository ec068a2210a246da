#pragma once

#include "foundation/IXMLParserDelegate.h"

#include <string>
#include <vector>

namespace tolvane::app {

// Collects the languages of "localize_config.xml": the text of every `item` element, wherever it
// stands, with "en_GB" read as "en-GB" and "zh_CN" as "zh-Hans".
class XMLReader final : public foundation::IXMLParserDelegate {
public:
    void didStartElement(std::string_view elementName) override;
    void didEndElement(std::string_view elementName) override;
    void foundCharacters(std::string_view characters) override;

    // The languages read so far.
    std::vector<std::string> langlist;
    // True while the parser is inside an `item` element.
    bool r = false;
};

} // namespace tolvane::app
