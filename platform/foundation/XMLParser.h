#pragma once

#include <optional>
#include <string>

namespace foundation {

class IXMLParserDelegate;

// Reads an XML document and reports its elements and text to a delegate. No external entity or
// document type is ever loaded.
class XMLParser {
public:
    explicit XMLParser(std::string document);
    // None when the file cannot be read.
    static std::optional<XMLParser> contentsOf(const std::string& path);

    // False when the document is not well-formed; the delegate has then seen the events up to
    // the fault, and errorDescription() says what and where.
    bool parse(IXMLParserDelegate& delegate);
    const std::string& errorDescription() const { return errorDescription_; }

private:
    std::string document_;
    std::string errorDescription_;
};

} // namespace foundation
