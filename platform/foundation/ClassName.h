#pragma once

#include <string>
#include <typeinfo>

namespace foundation {

// The name of a class without its namespace ("TerminalStore"), as log lines show an object's type.
std::string className(const std::type_info& type);

} // namespace foundation
