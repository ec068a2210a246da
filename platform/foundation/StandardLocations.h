#pragma once

#include <string>

namespace foundation {

// The folder the program keeps its files in (the phone's "Documents"): TOLVANE_DATA_DIR when set,
// else the program's folder in the user's data location. Made when missing, the user's alone.
std::string documentsDirectory();

// The settings file: in TOLVANE_DATA_DIR when set, else in the user's configuration location.
std::string userDefaultsFilePath();

// Makes the folder (and any missing parents) and leaves it readable, writable and searchable by
// its owner alone, whatever the umask and however an earlier run left it.
void makePrivateDirectory(const std::string& path);

// Leaves a file readable and writable by its owner alone (a folder also searchable).
void restrictToOwner(const std::string& path);

} // namespace foundation
