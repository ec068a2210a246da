#include "foundation/XMLParser.h"

#include "foundation/IXMLParserDelegate.h"

#include <QFile>
#include <QXmlStreamReader>

namespace foundation {

XMLParser::XMLParser(std::string document) : document_(std::move(document)) {}

std::optional<XMLParser> XMLParser::contentsOf(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return XMLParser(file.readAll().toStdString());
}

bool XMLParser::parse(IXMLParserDelegate& delegate)
{
    QXmlStreamReader reader(QByteArray::fromStdString(document_));
    // The reader splits text at CDATA sections and entity references; the delegate sees one run.
    std::string text;
    auto flushText = [&] {
        if (!text.empty())
            delegate.foundCharacters(text);
        text.clear();
    };
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            flushText();
            delegate.didStartElement(reader.name().toString().toStdString());
            break;
        case QXmlStreamReader::EndElement:
            flushText();
            delegate.didEndElement(reader.name().toString().toStdString());
            break;
        case QXmlStreamReader::Characters:
            text += reader.text().toString().toStdString();
            break;
        default:
            flushText();
            break;
        }
    }
    if (reader.hasError()) {
        errorDescription_ = reader.errorString().toStdString() + " at line " + std::to_string(reader.lineNumber()) +
                            ", column " + std::to_string(reader.columnNumber());
        return false;
    }
    errorDescription_.clear();
    return true;
}

} // namespace foundation
