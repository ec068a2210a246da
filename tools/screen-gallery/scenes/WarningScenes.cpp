// The gallery's table for the warning screens: the end screen, the ignition-on warning and the
// HALT pop-up over a screen. Each state opens its screen through the router, as the vehicle's
// requests do, over the storyboard's first screen.

#include "GalleryScene.h"
#include "GalleryStage.h"

#include "Class/Model/AppCauseId.h"
#include "Class/Model/ITransitionManager.h"

#include "di/Container.h"

namespace screen_gallery {
namespace {

using tolvane::CauseId;
using tolvane::app::InAppWarningKind;
using tolvane::app::ITransitionManager;

template <class Argument>
std::function<void(GalleryStage&)> warn(Argument argument)
{
    return [argument](GalleryStage&) { di::Container::defaultContainer().resolve<ITransitionManager>()->showWarn(argument); };
}

std::function<void(GalleryStage&)> igonWarn(CauseId cause)
{
    return [cause](GalleryStage&) { di::Container::defaultContainer().resolve<ITransitionManager>()->showIGONWarn(cause); };
}

std::function<void(GalleryStage&)> halt(CauseId cause)
{
    return [cause](GalleryStage& stage) { stage.publishDisplay(tolvane::RequiredDisplayId::HALT, cause); };
}

const GalleryScenes warningScenes{
    {"Warn", "no-text"},
    {"Warn", "processing-VEHICLE_FAIL_OUT", warn(CauseId::VEHICLE_FAIL_OUT)},
    {"Warn", "final-VEHICLE_FAIL_OUT", warn(CauseId::VEHICLE_FAIL_OUT), 10.5},
    {"Warn", "final-SYS_INSPECT", warn(CauseId::SYS_INSPECT)},
    {"Warn", "final-timedOutCloseTerminal", warn(InAppWarningKind::timedOutCloseTerminal)},
    {"Warn", "final-timeoutAtIGONWarn", warn(InAppWarningKind::timeoutAtIGONWarn)},
    {"Warn", "no-text-CAN_LOSS", warn(CauseId::CAN_LOSS)},
    {"IGONWarn", "no-text"},
    {"IGONWarn", "BREAK_TIMEOUT", igonWarn(CauseId::BREAK_TIMEOUT)},
    {"IGONWarn", "TIMEOUT_CONTROL", igonWarn(CauseId::TIMEOUT_CONTROL)},
    {"IGONWarn", "CANNOT_START_SMART_CANCEL", igonWarn(CauseId::CANNOT_START_SMART_CANCEL)},
    {"IGONWarn", "EPS_UNLEARNED", igonWarn(tolvane::app::EPS_UNLEARNED)},
    {"Blank", "halt-OBSTACLE", halt(CauseId::OBSTACLE)},
    {"Blank", "halt-BT_LOSS", halt(CauseId::BT_LOSS)},
    {"Blank", "halt-KEYS_NO_DETECT", halt(CauseId::KEYS_NO_DETECT)},
};

} // namespace
} // namespace screen_gallery
