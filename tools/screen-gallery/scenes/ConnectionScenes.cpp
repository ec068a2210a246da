// The gallery's table for the screens on the road from the start of a run to the link: the first
// screen, first registration, the disclaimer, connecting, the vehicle choice, the wait for the
// vehicle's request, activation and arrival.

#include "GalleryStage.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/UI/ConnectionConfirmation/ViewModel/ConnectionConfirmationViewModel.h"

namespace screen_gallery {
namespace {

using tolvane::RequiredDisplayId;
using tolvane::app::CarRecordStore;

void twoCars(GalleryStage& stage)
{
    CarRecordStore::shared().saveCarRecords({
        {.CarID = "VIN0001", .CarImagePath = "", .CarName = "My car", .CreateDate = "", .UpdateDate = ""},
        {.CarID = "VIN0002", .CarImagePath = "", .CarName = "Family car", .CreateDate = "", .UpdateDate = ""},
    });
    stage.viewModel<tolvane::app::ConnectionConfirmationViewModel>()->loadCarRecords();
}

const GalleryScenes connectionScenes{
    {"PreConfirmation", "initial"},
    {"FirstRegistration", "initial"},
    {"Disclaimer", "initial"},
    {"Connecting", "initial"},
    {"Connecting", "timed-out", {}, 182.0},
    {"ConnectionConfirmation", "two-cars", twoCars},
    {"RequestIdWaiting", "initial"},
    {"Arrival", "initial"},
    {"Activation", "initial"},
    {"Activation", "park-in", [](GalleryStage& stage) { stage.publishDisplay(RequiredDisplayId::START_PARK_IN, tolvane::CauseId::DEF); }},
    {"Activation", "park-out", [](GalleryStage& stage) { stage.publishDisplay(RequiredDisplayId::START_PARK_OUT, tolvane::CauseId::DEF); }},
};

} // namespace
} // namespace screen_gallery
