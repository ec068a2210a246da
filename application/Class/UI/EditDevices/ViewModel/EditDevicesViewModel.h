#pragma once

#include "Class/UI/DeleteDevices/ViewModel/RegisteredCarsViewModel.h"

#include <memory>

namespace tolvane {
class ISdkStateData;
}

namespace tolvane::app {

// The registered cars to edit: a tap opens the car in the registration screen, a swipe deletes it,
// and a new car can be added while fewer than five are registered and none is linked.
class EditDevicesViewModel final : public RegisteredCarsViewModel, public IEditDevicesViewModel {
public:
    static constexpr size_t MAX_REGISTRATION_COUNT = 5;

    EditDevicesViewModel(BaseViewModelInjection injection, std::shared_ptr<ISdkStateData> sdkStateData,
                         std::shared_ptr<IDataController> dataController);

    const std::shared_ptr<ISdkStateData> sdkStateData;

    void onSelectCell(const ui::IndexPath& indexPath) override;
    void onTapAddCar() override;

protected:
    void report(std::string_view key) override;

private:
    void disconnectForRegistration();
};

} // namespace tolvane::app
