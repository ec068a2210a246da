#include "Class/Model/CarImagePathResolver.h"

#include <utility>

namespace tolvane::app {

namespace {

constexpr std::string_view DOCUMENTS_FOLDER = "Documents";

} // namespace

CarImagePathResolver::CarImagePathResolver(std::filesystem::path dataFolder)
    : dataFolder_(std::move(dataFolder))
{
}

std::optional<std::filesystem::path> CarImagePathResolver::fileFor(std::string_view storedPath) const
{
    const std::filesystem::path stored{std::string(storedPath)};
    if (stored.empty() || stored.has_root_path())
        return std::nullopt;
    std::filesystem::path inside;
    bool leading = true;
    for (const std::filesystem::path& part : stored) {
        if (part == "..")
            return std::nullopt;
        if (part.empty() || part == ".")
            continue;
        if (!(leading && part == DOCUMENTS_FOLDER))
            inside /= part;
        leading = false;
    }
    if (inside.empty())
        return std::nullopt;
    return dataFolder_ / inside;
}

std::optional<std::string> CarImagePathResolver::storedPathFor(std::string_view fileName)
{
    if (fileName.empty() || fileName == "." || fileName == ".." || fileName.find('/') != std::string_view::npos
        || fileName.find('\\') != std::string_view::npos)
        return std::nullopt;
    return std::string(DOCUMENTS_FOLDER) + "/" + std::string(fileName);
}

} // namespace tolvane::app
