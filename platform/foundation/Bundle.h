#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace foundation {

// A folder of resources (on disk or in the Qt resource system, ":/..."), with its localizations
// as "<language>.lproj" subfolders, and the version of the code it belongs to.
class Bundle {
public:
    Bundle(std::string resourceDirectory, std::string shortVersionString);

    const std::string& resourceDirectory() const { return resourceDirectory_; }
    const std::string& shortVersionString() const { return shortVersionString_; }
    // The languages of the "<language>.lproj" subfolders, in name order.
    std::vector<std::string> localizations() const;
    // The path of "<name>.<extension>" in the resource folder, when it is there.
    std::optional<std::string> pathForResource(std::string_view name, std::string_view extension) const;

    // The running program's bundle. Until the program sets one, it has no resources.
    static std::shared_ptr<const Bundle> main();
    static void setMain(std::shared_ptr<const Bundle> bundle);

private:
    std::string resourceDirectory_;
    std::string shortVersionString_;
};

} // namespace foundation
