#include "Class/Model/XMLReader.h"

namespace tolvane::app {

void XMLReader::didStartElement(std::string_view elementName)
{
    if (elementName == "item")
        r = true;
}

void XMLReader::didEndElement(std::string_view elementName)
{
    if (elementName == "item")
        r = false;
}

void XMLReader::foundCharacters(std::string_view characters)
{
    if (!r)
        return;
    if (characters == "en_GB")
        langlist.emplace_back("en-GB");
    else if (characters == "zh_CN")
        langlist.emplace_back("zh-Hans");
    else
        langlist.emplace_back(characters);
}

} // namespace tolvane::app
