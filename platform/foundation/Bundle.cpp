#include "foundation/Bundle.h"

#include <QDir>
#include <QFileInfo>

#include <mutex>

namespace foundation {
namespace {

std::mutex mainMutex;
std::shared_ptr<const Bundle> mainBundle;

} // namespace

Bundle::Bundle(std::string resourceDirectory, std::string shortVersionString)
    : resourceDirectory_(std::move(resourceDirectory)), shortVersionString_(std::move(shortVersionString))
{
}

std::vector<std::string> Bundle::localizations() const
{
    static const QString suffix = QStringLiteral(".lproj");
    std::vector<std::string> languages;
    if (resourceDirectory_.empty())
        return languages;
    const QDir directory(QString::fromStdString(resourceDirectory_));
    for (const QString& entry : directory.entryList({QStringLiteral("*.lproj")}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        languages.push_back(entry.chopped(suffix.size()).toStdString());
    return languages;
}

std::optional<std::string> Bundle::pathForResource(std::string_view name, std::string_view extension) const
{
    if (resourceDirectory_.empty())
        return std::nullopt;
    const std::string path = resourceDirectory_ + "/" + std::string(name) + "." + std::string(extension);
    if (!QFileInfo(QString::fromStdString(path)).isFile())
        return std::nullopt;
    return path;
}

std::shared_ptr<const Bundle> Bundle::main()
{
    std::lock_guard lock(mainMutex);
    if (!mainBundle)
        mainBundle = std::make_shared<Bundle>("", "");
    return mainBundle;
}

void Bundle::setMain(std::shared_ptr<const Bundle> bundle)
{
    std::lock_guard lock(mainMutex);
    mainBundle = std::move(bundle);
}

} // namespace foundation
