#pragma once

#include "Class/UI/DeleteDevices/ViewModel/RegisteredCarsViewModel.h"

namespace tolvane::app {

// The list of registered cars to delete from, one tap per car; it reports no statistics.
class DeleteDevicesViewModel final : public RegisteredCarsViewModel, public IDeleteDevicesViewModel {
public:
    using RegisteredCarsViewModel::RegisteredCarsViewModel;
};

} // namespace tolvane::app
