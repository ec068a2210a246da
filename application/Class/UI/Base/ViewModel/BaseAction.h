#pragma once

#include "Class/UI/Base/View/DisplayPriority.h"
#include "Class/UI/Base/View/InAppWarningKind.h"

#include "Internal/Model/CauseId.h"
#include "Internal/Model/RequiredDisplayId.h"

#include <functional>
#include <memory>
#include <type_traits>
#include <variant>
#include <vector>

namespace tolvane::app {

class CustomAlertAction;

using AlertActions = std::vector<std::shared_ptr<CustomAlertAction>>;

// One command of a view model to its screen, carried out in the order published. Every publication
// counts, equal ones included.
struct BaseAction {
    struct setNavigationBarHidden {
        bool isHidden;
    };
    struct addStack {
        RequiredDisplayId requiredDisplayId;
        CauseId causeId;
        AlertActions alertActions;
    };
    struct removeStack {
        DisplayPriority displayPriority;
    };
    struct removeOtherStack {
        RequiredDisplayId requiredDisplayId;
        CauseId causeId;
    };
    struct removeAllStackAlert {
        std::function<void()> completion;
    };
    struct showAlertByPriority {
        RequiredDisplayId requiredDisplayId;
        CauseId causeId;
        AlertActions alertActions;
    };
    struct showAlertInApp {
        InAppWarningKind appWarningKind;
        AlertActions alertActions;
    };
    struct none {};
    struct setNavigationBarLeftButton {};
    struct setNavigationBarSettingButton {};
    struct setNavigationBarExitButton {};
    struct hideIndicator {};
    struct setIndicator {};
    struct setCurrentAlertDismissForWarn {};
    struct showConnectionFailureAlert {};
    struct terminateAllViewControllers {};

    using Case = std::variant<setNavigationBarHidden, addStack, removeStack, removeOtherStack, removeAllStackAlert,
                              showAlertByPriority, showAlertInApp, none, setNavigationBarLeftButton,
                              setNavigationBarSettingButton, setNavigationBarExitButton, hideIndicator, setIndicator,
                              setCurrentAlertDismissForWarn, showConnectionFailureAlert, terminateAllViewControllers>;

    template <class C>
        requires std::is_constructible_v<Case, C>
    BaseAction(C value) : value(std::move(value))
    {
    }

    Case value;
};

} // namespace tolvane::app
