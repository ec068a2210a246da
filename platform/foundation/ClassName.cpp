#include "foundation/ClassName.h"

#include <cxxabi.h>

#include <cstdlib>

namespace foundation {

std::string className(const std::type_info& type)
{
    const char* mangled = type.name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string name = status == 0 && demangled ? demangled : mangled;
    std::free(demangled);
    if (const auto colon = name.rfind("::"); colon != std::string::npos)
        name = name.substr(colon + 2);
    return name;
}

} // namespace foundation
