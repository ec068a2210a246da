#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/Blank/ViewModel/IBlankViewModel.h"

#include <memory>
#include <optional>
#include <string>

namespace tolvane {
class ISdkStateData;
}

namespace tolvane::app {

// The screen shown while the application is away with the link in use. In the background it keeps
// the vehicle's last valid display request instead of changing screens, and replays it when the
// application becomes active with the link ended; once the framework timed out it follows nothing.
class BlankViewModel final : public BaseViewModel, public IBlankViewModel {
public:
    struct DisplayRequest {
        RequiredDisplayId reqDisplayId;
        CauseId causeId;
        bool operator==(const DisplayRequest&) const = default;
    };

    BlankViewModel(BaseViewModelInjection injection, std::shared_ptr<ISdkStateData> sdkStateData);

    const std::shared_ptr<ISdkStateData> sdkStateData;
    bool isTimeout = false;
    rx::CancellableSet myCancellables;
    std::optional<DisplayRequest> backgroundTranstionId;

    bool showsExitButton() const override { return false; }
    bool showsStackedAlerts() const override { return true; }
    bool transition(RequiredDisplayId reqDisplayId, CauseId causeId) override;
    bool transitionEnabled(RequiredDisplayId reqDisplayId) override;

    void setBindings() override;
    void clearMyCancellables() override { myCancellables.removeAll(); }

private:
    void applicationDidBecomeActive();
};

} // namespace tolvane::app
