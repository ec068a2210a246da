// Arbitrary bytes as the language list: the parser reads it or reports where it is not well-formed,
// and the reader collects whatever languages it met. Nothing may crash.

#include "Class/Model/XMLReader.h"
#include "foundation/XMLParser.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    foundation::XMLParser parser(std::string(reinterpret_cast<const char*>(data), size));
    tolvane::app::XMLReader reader;
    if (!parser.parse(reader) && parser.errorDescription().empty())
        __builtin_trap();
    return 0;
}
