#pragma once

#include "Internal/Model/IDisplayData.h"
#include "Internal/Model/IInternalDisplayData.h"

namespace tolvane {

class DisplayData final : public IDisplayData, public IInternalDisplayData {
public:
    rx::Publisher<RequiredDisplayId> reqDisplayId() const override;

    RequiredDisplayId currentDispId() const override;
    rx::CurrentValueSubject<bool>& isDisplayOutsideSdkControl() override;
    rx::CurrentValueSubject<bool>& isDisplayPopup() override;
    void updateDisplayId(RequiredDisplayId dspId) override;
    void initParam() override;

private:
    rx::CurrentValueSubject<RequiredDisplayId> reqDisplayId_{RequiredDisplayId::DEF};
    rx::CurrentValueSubject<bool> isDisplayOutsideSdkControl_{false};
    rx::CurrentValueSubject<bool> isDisplayPopup_{false};
};

} // namespace tolvane
