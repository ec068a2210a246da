#pragma once

#include <string>

namespace foundation {

// The folder the program keeps its files in (the phone's "Documents"): TOLVANE_DATA_DIR when set,
// else the program's folder in the user's data location. Made when missing.
std::string documentsDirectory();

// The settings file: in TOLVANE_DATA_DIR when set, else in the user's configuration location.
std::string userDefaultsFilePath();

} // namespace foundation
