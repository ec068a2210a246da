#include "Class/UI/FirstRegistration/ViewModel/FirstRegistrationViewModel.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/ITransitionManager.h"

namespace tolvane::app {

FirstRegistrationViewModel::FirstRegistrationViewModel(BaseViewModelInjection injection) : BaseViewModel(std::move(injection)) {}

void FirstRegistrationViewModel::updateButtonLayout()
{
    const auto records = CarRecordStore::shared().loadCarRecords();
    action.send(FirstRegistrationAction::setButtonLayout{records && !records->empty()});
}

void FirstRegistrationViewModel::addVehicle()
{
    transitionManager->showRegistrationDevices();
}

void FirstRegistrationViewModel::finishRegistration()
{
    transitionManager->showConnectionConfirmation();
}

} // namespace tolvane::app
