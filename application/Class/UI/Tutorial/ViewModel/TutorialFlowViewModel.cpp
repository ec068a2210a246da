#include "Class/UI/Tutorial/ViewModel/TutorialFlowViewModel.h"

namespace tolvane::app {

bool TutorialFlowViewModel::transition(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    return transitionWithoutScreenChange(reqDisplayId, causeId);
}

} // namespace tolvane::app
