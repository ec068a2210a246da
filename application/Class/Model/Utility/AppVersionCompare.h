#pragma once

#include "foundation/Clock.h"
#include "network/URLRequest.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tolvane::app {

// Whether the installed application is the newest one the app store publishes for this
// application's identifier. Synchronous for its caller, but never longer than its time-out allows.
class AppVersionCompare {
public:
    enum class AppVersionCompareType : uint8_t { latest = 0, old = 1, error = 2 };

    // The lookup service, scheme, host and port, from TOLVANE_APP_STORE_URL when set.
    static constexpr const char* DEFAULT_LOOKUP_SERVICE = "https://apps.tolvane.example";
    static constexpr foundation::Seconds REQUEST_TIMEOUT = 1.5;
    // How long the caller waits at most: the request's time-out and room for the answer's handling.
    static constexpr foundation::Seconds WAIT_LIMIT = REQUEST_TIMEOUT + 1.0;

    AppVersionCompare() = delete;

    // Calls `completion` exactly once and returns after it ran. The completion runs on the calling
    // thread when the address cannot be made, otherwise on the network thread while the caller
    // waits, so it must not wait for the caller's thread.
    static void toAppStoreVersion(const std::function<void(AppVersionCompareType)>& completion);

    // The lookup request for `bundleId`; none when the configured service makes no valid address.
    static std::optional<network::URLRequest> lookupRequest(const std::string& bundleId);
};

} // namespace tolvane::app
