#include "Class/UI/Tutorial/ViewModel/FirstTutorialFlowViewModel.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/UserDefaultsKey.h"
#include "Class/TolvaneIntegrationAppHelper.h"

#include "foundation/UserDefaults.h"

namespace tolvane::app {

void FirstTutorialFlowViewModel::onTapStartButton()
{
    TolvaneIntegrationAppHelper::sendStatisticsEvent(START_STATISTICS_KEY);
    auto defaults = foundation::UserDefaults::standard();
    defaults->setBool(rawValue(UserDefaultsKey::shouldShowFirstTutorialSkipButton), false);
    defaults->setBool(rawValue(UserDefaultsKey::shouldShowFirstTutorial), false);
    showScreenAfterTutorial();
}

void FirstTutorialFlowViewModel::showScreenAfterTutorial()
{
    const auto cars = CarRecordStore::shared().loadCarRecords();
    if (cars && !cars->empty())
        transitionManager->showConnectionConfirmation();
    else
        transitionManager->showFirstRegistration();
}

} // namespace tolvane::app
