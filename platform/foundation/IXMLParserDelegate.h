#pragma once

#include <string_view>

namespace foundation {

// Receives the events of an XMLParser as it reads, in document order.
class IXMLParserDelegate {
public:
    virtual ~IXMLParserDelegate() = default;
    virtual void didStartElement(std::string_view elementName) = 0;
    virtual void didEndElement(std::string_view elementName) = 0;
    // One call per run of text between two tags.
    virtual void foundCharacters(std::string_view characters) = 0;
};

} // namespace foundation
