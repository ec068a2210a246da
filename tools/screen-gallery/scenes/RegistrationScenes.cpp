// The gallery's table for the registration road: the devices list, connecting for registration
// (with the unit's name, and failed), the completed screen and the name and picture form (empty, and
// with the unit's name proposed).

#include "GalleryScene.h"
#include "GalleryStage.h"

#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/UI/ConnectingForRegistration/ViewModel/ConnectingForRegistrationViewModel.h"
#include "Class/UI/Registration/ViewModel/RegistrationViewModel.h"

namespace screen_gallery {
namespace {

using tolvane::app::ConnectingForRegistrationViewModel;
using tolvane::app::RegistrationViewModel;
using tolvane::app::TerminalStore;

// The first connected unit becomes the one being registered, as choosing it in the list does.
void chooseFirstUnit()
{
    const auto store = TerminalStore::shared();
    store->refreshTerminalList();
    if (!store->terms().empty())
        store->setTerminal(store->terms().front());
}

void connectToFirstUnit(GalleryStage& stage)
{
    chooseFirstUnit();
    if (auto viewModel = stage.viewModel<ConnectingForRegistrationViewModel>())
        viewModel->setTerminalInfo();
}

const GalleryScenes registrationScenes{
    {"RegistrationDevices", "initial"},
    {"ConnectingForRegistration", "initial"},
    {"ConnectingForRegistration", "connecting", connectToFirstUnit},
    {"ConnectingForRegistration", "failed",
     [](GalleryStage& stage) {
         connectToFirstUnit(stage);
         if (auto viewModel = stage.viewModel<ConnectingForRegistrationViewModel>())
             viewModel->handleConnectionFailure();
     }},
    {"ConnectionCompletionForRegistration", "initial"},
    {"Registration", "initial"},
    {"Registration", "unit-chosen",
     [](GalleryStage& stage) {
         chooseFirstUnit();
         if (auto viewModel = stage.viewModel<RegistrationViewModel>())
             viewModel->loadDeviceInfo();
     }},
};

} // namespace
} // namespace screen_gallery
