#pragma once

#include "Internal/Model/IInternalSdkStateData.h"
#include "Internal/Model/ISdkStateData.h"

namespace tolvane {

// The framework's operating state, and whether and since when the application is in the background.
class SdkStateData final : public ISdkStateData, public IInternalSdkStateData {
public:
    rx::Publisher<SdkState> sdkState() const override;

    rx::CurrentValueSubject<bool>& isBackground() override;
    std::optional<foundation::Seconds> toBackgroundDate() const override;
    void setToBackgroundDate(std::optional<foundation::Seconds> date) override;
    void setSdkState(SdkState sdkState) override;
    void initParam() override;

private:
    rx::CurrentValueSubject<SdkState> sdkState_{SdkState::NOT_OPERATING};
    rx::CurrentValueSubject<bool> isBackground_{false};
    std::optional<foundation::Seconds> toBackgroundDate_;
};

} // namespace tolvane
