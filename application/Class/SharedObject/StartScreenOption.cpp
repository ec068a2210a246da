#include "Class/SharedObject/StartScreenOption.h"

#include "Class/Model/AppCauseId.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"

#include "Internal/Model/CaseName.h"
#include "foundation/EnumCases.h"
#include "ui/NavigationController.h"
#include "ui/StoryboardRegistry.h"

#include <functional>
#include <optional>

namespace tolvane::app {
namespace {

template <class E>
std::optional<E> caseNamed(std::string_view name)
{
    for (const E value : foundation::allCases<E>())
        if (caseName(value) == name)
            return value;
    return std::nullopt;
}

std::optional<CauseId> causeNamed(std::string_view name)
{
    if (name == "EPS_UNLEARNED")
        return EPS_UNLEARNED;
    return caseNamed<CauseId>(name);
}

// A screen that needs an argument, opened through its route; false when the argument names nothing.
struct ScreenWithArgument {
    std::string_view name;
    std::string_view argumentHint;
    std::function<bool(std::string_view argument, ITransitionManager& router)> open;
};

const ScreenWithArgument screensWithArgument[] = {
    {"Warn", "a cause or a warning kind",
     [](std::string_view argument, ITransitionManager& router) {
         if (const auto cause = causeNamed(argument)) {
             router.showWarn(*cause);
             return true;
         }
         if (const auto kind = caseNamed<InAppWarningKind>(argument)) {
             router.showWarn(*kind);
             return true;
         }
         return false;
     }},
    {"IGONWarn", "a cause",
     [](std::string_view argument, ITransitionManager& router) {
         const auto cause = causeNamed(argument);
         if (cause)
             router.showIGONWarn(*cause);
         return cause.has_value();
     }},
};

std::string openStoryboard(const std::string& name, ITransitionManager& router)
{
    auto controller = ui::StoryboardRegistry::shared().instantiateInitialViewController(name);
    if (!controller)
        return "no screen named \"" + name + "\"";
    auto& stack = TolvaneIntegrationAppHelper::shared().navigationController;
    if (!stack)
        return "no first screen to open \"" + name + "\" over";
    auto& top = router.getTopNavigationController(*stack);
    // A flow with a stack of its own cannot be pushed onto another stack.
    if (std::dynamic_pointer_cast<ui::NavigationController>(controller))
        top.present(controller, false);
    else
        top.pushViewController(controller, false);
    return {};
}

} // namespace

std::string StartScreenOption::open(std::string_view value, ITransitionManager& router)
{
    const auto colon = value.find(':');
    const std::string_view name = value.substr(0, colon);
    for (const auto& screen : screensWithArgument) {
        if (screen.name != name)
            continue;
        const std::string_view argument = colon == std::string_view::npos ? std::string_view{} : value.substr(colon + 1);
        if (screen.open(argument, router))
            return {};
        return "\"" + std::string(name) + "\" needs " + std::string(screen.argumentHint) + " after a colon, not \"" +
               std::string(argument) + "\"";
    }
    if (colon != std::string_view::npos)
        return "\"" + std::string(name) + "\" takes no argument";
    return openStoryboard(std::string(name), router);
}

} // namespace tolvane::app
