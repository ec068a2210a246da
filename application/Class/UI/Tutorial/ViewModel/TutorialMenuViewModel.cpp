#include "Class/UI/Tutorial/ViewModel/TutorialMenuViewModel.h"

#include "Class/Model/ITransitionManager.h"

namespace tolvane::app {

bool TutorialMenuViewModel::transition(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    return transitionWithoutScreenChange(reqDisplayId, causeId);
}

void TutorialMenuViewModel::onConnectionFailure()
{
    reconnectSelectedCar();
}

void TutorialMenuViewModel::onSelectMenuItem(TutorialMenuItem item)
{
    switch (item) {
    case TutorialMenuItem::Connection: transitionManager->showTutorialConnecting(); break;
    case TutorialMenuItem::ParkIn: transitionManager->showTutorialParkIn(); break;
    case TutorialMenuItem::ParkOut: transitionManager->showTutorialParkOut(); break;
    case TutorialMenuItem::Movie: transitionManager->showTutorialMovie(); break;
    case TutorialMenuItem::Dummy: break;
    }
}

} // namespace tolvane::app
