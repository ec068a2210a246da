#include "Internal/Model/SdkStateData.h"

namespace tolvane {

rx::Publisher<SdkState> SdkStateData::sdkState() const
{
    return sdkState_.publisher().dropFirst().removeDuplicates();
}

rx::CurrentValueSubject<bool>& SdkStateData::isBackground()
{
    return isBackground_;
}

std::optional<foundation::Seconds> SdkStateData::toBackgroundDate() const
{
    return toBackgroundDate_;
}

void SdkStateData::setToBackgroundDate(std::optional<foundation::Seconds> date)
{
    toBackgroundDate_ = date;
}

void SdkStateData::setSdkState(SdkState sdkState)
{
    if (sdkState_.value() == SdkState::TIMEOUT)
        return;
    sdkState_.send(sdkState);
}

void SdkStateData::initParam()
{
    sdkState_.send(SdkState::NOT_OPERATING);
}

} // namespace tolvane
