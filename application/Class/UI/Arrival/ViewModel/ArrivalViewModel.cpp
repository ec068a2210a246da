#include "Class/UI/Arrival/ViewModel/ArrivalViewModel.h"

namespace tolvane::app {

ArrivalViewModel::ArrivalViewModel(BaseViewModelInjection injection) : BaseViewModel(std::move(injection)) {}

bool ArrivalViewModel::transition(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    if (reqDisplayId == RequiredDisplayId::REACH_POINT)
        return false;
    return BaseViewModel::transition(reqDisplayId, causeId);
}

} // namespace tolvane::app
