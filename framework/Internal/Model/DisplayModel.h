#pragma once

#include "Internal/Model/BtMekDspId.h"
#include "Internal/Model/IDisplayModel.h"

#include <memory>

namespace tolvane {

class IBtMekConverter;
class IDetectService;
class IInternalCautionData;
class IInternalDisplayData;
class IInternalSdkStateData;
class IInternalSendBTData;
class IWillArbitrateData;

// Fills the display id the phone echoes to the vehicle from the screens the application reports,
// neutralises the touch point, ends detection at the end of a manoeuvre and keeps the framework state
// in step. Screen reports are ignored in the background, under a screen outside the framework's
// control and while an interrupt is pending. Main loop only.
class DisplayModel final : public IDisplayModel {
public:
    DisplayModel(std::shared_ptr<IInternalSendBTData> sendingData, std::shared_ptr<IInternalDisplayData> displayData,
                 std::shared_ptr<IWillArbitrateData> willArbitrateData,
                 std::shared_ptr<IBtMekConverter> btMekConverter, std::shared_ptr<IInternalCautionData> cautionData,
                 std::shared_ptr<IInternalSdkStateData> sdkStateData, std::shared_ptr<IDetectService> detectService);

    void notifyTransitionDisplay(RequiredDisplayId displayId) override;
    void notifyWaitingConnectConfirm() override;
    void notifyDisplayOutsideSdkControl(bool isDisplay) override;
    void notifyDisplayPopup(bool isDisplay) override;

private:
    BtMekDspId convertToBtMekDspId(RequiredDisplayId displayId) const;
    // Ends the operation as the top cause requires.
    void updateOperationDataForCause();

    const std::shared_ptr<IInternalSendBTData> sendingData;
    const std::shared_ptr<IInternalDisplayData> displayData;
    const std::shared_ptr<IWillArbitrateData> willArbitrateData;
    const std::shared_ptr<IBtMekConverter> btMekConverter;
    const std::shared_ptr<IInternalCautionData> cautionData;
    const std::shared_ptr<IInternalSdkStateData> sdkStateData;
    const std::shared_ptr<IDetectService> detectService;
};

} // namespace tolvane
