#include "accessory/AccessoryFolder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace accessory {

std::optional<std::string> AccessoryFolder::prepare(const std::string& path)
{
    const std::filesystem::path folder(path);
    std::error_code ignored;
    if (folder.has_parent_path())
        std::filesystem::create_directories(folder.parent_path(), ignored);
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return "The accessory folder " + path + " cannot be made: " + std::strerror(errno) + "; no unit is linked.";
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0)
        return "The accessory folder " + path + " cannot be read: " + std::strerror(errno) + "; no unit is linked.";
    if (!S_ISDIR(status.st_mode))
        return "The accessory folder " + path + " is not a folder; no unit is linked.";
    if (status.st_uid != ::geteuid())
        return "The accessory folder " + path + " belongs to another user (uid " + std::to_string(status.st_uid) +
               "); no unit is linked from it.";
    if ((status.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return "The accessory folder " + path + " can be written by other users; no unit is linked from it.";
    return std::nullopt;
}

std::optional<std::string> AccessoryFolder::refusePeer(int connectedFd, const std::string& socketPath)
{
    ucred credentials{};
    socklen_t length = sizeof(credentials);
    if (::getsockopt(connectedFd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0)
        return "The unit at " + socketPath + " cannot tell who it is: " + std::strerror(errno) + "; it is not linked.";
    if (credentials.uid != ::geteuid())
        return "The unit at " + socketPath + " runs as another user (uid " + std::to_string(credentials.uid) +
               "); it is not linked.";
    return std::nullopt;
}

} // namespace accessory
