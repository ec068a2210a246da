#pragma once

#include "foundation/Bytes.h"
#include "rx/Publisher.h"

#include <functional>
#include <optional>
#include <string>
#include <variant>

namespace tolvane::app {

// The registration screen's view model as its screen sees it.
class IRegistrationViewModel {
public:
    struct Action {
        struct setDeviceName {
            std::string deviceName;
        };
        // None shows the default picture.
        struct setDeviceImage {
            std::optional<std::string> deviceImagePath;
        };
        struct dismiss {
            bool animated;
            std::function<void()> completion;
        };
        struct none {};
        std::variant<setDeviceName, setDeviceImage, dismiss, none> value;
    };

    virtual ~IRegistrationViewModel() = default;
    virtual rx::Publisher<Action> actionPublisher() const = 0;
    // True while the form edits the selected car instead of registering a new one.
    virtual bool isEditing() const = 0;
    // Fixes the mode and fills the form.
    virtual void loadDeviceInfo() = 0;
    // Stores the picture (PNG bytes) and the name, then goes on; silently does nothing when
    // either cannot be stored.
    virtual void saveCar(const foundation::Bytes& pngData, const std::string& name) = 0;
    virtual void onTapLeaveButton() = 0;
};

} // namespace tolvane::app
