#include "foundation/StandardLocations.h"

#include "foundation/SystemLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdlib>

namespace foundation {
namespace {

constexpr const char* kDataDirectoryVariable = "TOLVANE_DATA_DIR";
constexpr const char* kUserDefaultsFileName = "TolvaneControl.ini";

std::string dataDirectoryOverride()
{
    const char* value = std::getenv(kDataDirectoryVariable);
    return value ? std::string(value) : std::string();
}

std::string madeDirectory(const QString& path)
{
    makePrivateDirectory(path.toStdString());
    return QDir::cleanPath(path).toStdString();
}

} // namespace

void makePrivateDirectory(const std::string& path)
{
    QDir().mkpath(QString::fromStdString(path));
    restrictToOwner(path);
}

void restrictToOwner(const std::string& path)
{
    const QString entry = QString::fromStdString(path);
    const auto readWrite = QFile::ReadOwner | QFile::WriteOwner;
    QFile::setPermissions(entry, QFileInfo(entry).isDir() ? readWrite | QFile::ExeOwner : readWrite);
}

std::string documentsDirectory()
{
    const std::string override = dataDirectoryOverride();
    if (!override.empty())
        return madeDirectory(QString::fromStdString(override));
    return madeDirectory(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/" +
                         QString::fromStdString(applicationIdentifier()));
}

std::string userDefaultsFilePath()
{
    const std::string override = dataDirectoryOverride();
    const QString folder = override.empty()
                               ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" +
                                     QString::fromStdString(applicationIdentifier())
                               : QString::fromStdString(override);
    return madeDirectory(folder) + "/" + kUserDefaultsFileName;
}

} // namespace foundation
