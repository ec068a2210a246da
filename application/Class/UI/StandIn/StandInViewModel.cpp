#include "Class/UI/StandIn/StandInViewModel.h"

namespace tolvane::app {

StandInViewModel::StandInViewModel(BaseViewModelInjection injection, StandInOverrides overrides)
    : BaseViewModel(std::move(injection)), overrides_(std::move(overrides))
{
}

bool StandInViewModel::transitionEnabled(RequiredDisplayId reqDisplayId)
{
    return overrides_.followsVehicle && BaseViewModel::transitionEnabled(reqDisplayId);
}

bool StandInViewModel::transition(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    switch (overrides_.routing) {
    case StandInOverrides::Routing::base:
        return BaseViewModel::transition(reqDisplayId, causeId);
    case StandInOverrides::Routing::withoutScreenChange:
        return transitionWithoutScreenChange(reqDisplayId, causeId);
    case StandInOverrides::Routing::dropsReachPoint:
        return reqDisplayId != RequiredDisplayId::REACH_POINT && BaseViewModel::transition(reqDisplayId, causeId);
    }
    return false;
}

void StandInViewModel::onConnectionFailure()
{
    switch (overrides_.connectionFailure) {
    case StandInOverrides::ConnectionFailure::warn:
        BaseViewModel::onConnectionFailure();
        break;
    case StandInOverrides::ConnectionFailure::nothing:
        break;
    case StandInOverrides::ConnectionFailure::reconnect:
        reconnectSelectedCar();
        break;
    case StandInOverrides::ConnectionFailure::restart:
        popToRootAndRestart();
        break;
    }
}

} // namespace tolvane::app
