#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane::app {

// Where a car's picture lives. Records keep the picture's path relative to the phone's home
// ("Documents/<name>"); here the documents folder is the data folder, so a stored path is read
// inside the data folder with its leading "Documents" dropped. Every screen that shows or stores a
// car picture goes through this, so a record can never point outside the data folder.
class CarImagePathResolver {
public:
    explicit CarImagePathResolver(std::filesystem::path dataFolder);

    // The file a stored path names; none for an empty or absolute path, one with a ".." component,
    // or one that names the data folder itself.
    std::optional<std::filesystem::path> fileFor(std::string_view storedPath) const;

    // The path to store for a picture saved under this file name in the data folder; none when the
    // name is empty, "." or "..", or holds a separator.
    static std::optional<std::string> storedPathFor(std::string_view fileName);

private:
    std::filesystem::path dataFolder_;
};

} // namespace tolvane::app
