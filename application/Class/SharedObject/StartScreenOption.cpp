#include "Class/SharedObject/StartScreenOption.h"

#include "Class/Model/AppCauseId.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"

#include "Internal/Model/CaseName.h"
#include "foundation/EnumCases.h"
#include "foundation/RunLoop.h"
#include "ui/NavigationController.h"
#include "ui/StoryboardRegistry.h"

#include <optional>

namespace tolvane::app {
namespace {

// How often the program looks whether the first screen has appeared.
constexpr foundation::Seconds FIRST_SCREEN_POLL = 0.1;
// The most of a value a message repeats.
constexpr size_t QUOTED_LENGTH = 60;

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

// A value in quotes, cut short (at a character's start) when it is too long to read.
std::string quoted(std::string_view value)
{
    if (value.size() <= QUOTED_LENGTH)
        return "\"" + std::string(value) + "\"";
    size_t cut = QUOTED_LENGTH;
    while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80)
        --cut;
    return "\"" + std::string(value.substr(0, cut)) + "...\" (" + std::to_string(value.size()) + " bytes)";
}

// A screen that needs an argument, opened through its route; nothing when the argument names nothing.
struct ScreenWithArgument {
    std::string_view name;
    std::string_view argumentHint;
    std::function<std::optional<StartScreenOption::Open>(std::string_view argument)> read;
};

const ScreenWithArgument screensWithArgument[] = {
    {"Warn", "a cause or a warning kind",
     [](std::string_view argument) -> std::optional<StartScreenOption::Open> {
         if (const auto cause = causeNamed(argument))
             return [cause = *cause](ITransitionManager& router) {
                 router.showWarn(cause);
                 return std::string();
             };
         if (const auto kind = caseNamed<InAppWarningKind>(argument))
             return [kind = *kind](ITransitionManager& router) {
                 router.showWarn(kind);
                 return std::string();
             };
         return std::nullopt;
     }},
    {"IGONWarn", "a cause",
     [](std::string_view argument) -> std::optional<StartScreenOption::Open> {
         if (const auto cause = causeNamed(argument))
             return [cause = *cause](ITransitionManager& router) {
                 router.showIGONWarn(cause);
                 return std::string();
             };
         return std::nullopt;
     }},
};

std::string openStoryboard(const std::string& name, ITransitionManager& router)
{
    auto controller = ui::StoryboardRegistry::shared().instantiateInitialViewController(name);
    if (!controller)
        return "no screen named " + quoted(name);
    auto& stack = TolvaneIntegrationAppHelper::shared().navigationController;
    if (!stack)
        return "no first screen to open " + quoted(name) + " over";
    auto& top = router.getTopNavigationController(*stack);
    // A flow with a stack of its own cannot be pushed onto another stack.
    if (std::dynamic_pointer_cast<ui::NavigationController>(controller))
        top.present(controller, false);
    else
        top.pushViewController(controller, false);
    return {};
}

// The start checks have handed over: the screen on top is another than the start screen, shown, and
// nothing (the terms of use) waits over it.
bool theFirstScreenHasAppeared(ITransitionManager& router)
{
    const auto& stack = TolvaneIntegrationAppHelper::shared().navigationController;
    if (!stack || stack->viewControllers().empty())
        return false;
    const ui::NavigationController& navigation = router.getTopNavigationController(*stack);
    const ui::ViewController* top = navigation.topViewController();
    return top && top != stack->viewControllers().front().get() && top->isAppeared() && !navigation.presentedViewController() &&
           !top->presentedViewController();
}

} // namespace

std::variant<StartScreenOption::Opening, std::string> StartScreenOption::read(std::string_view value)
{
    const auto colon = value.find(':');
    const std::string_view name = value.substr(0, colon);
    for (const auto& screen : screensWithArgument) {
        if (screen.name != name)
            continue;
        const std::string_view argument = colon == std::string_view::npos ? std::string_view{} : value.substr(colon + 1);
        if (auto open = screen.read(argument))
            return Opening{.open = std::move(*open), .overTheFirstScreen = false};
        return quoted(name) + " needs " + std::string(screen.argumentHint) + " after a colon, not " + quoted(argument);
    }
    if (colon != std::string_view::npos)
        return quoted(name) + " takes no argument";
    if (!ui::StoryboardRegistry::shared().contains(std::string(name)))
        return "no screen named " + quoted(name);
    return Opening{.open = [name = std::string(name)](ITransitionManager& router) { return openStoryboard(name, router); },
                   .overTheFirstScreen = true};
}

std::string StartScreenOption::open(std::string_view value, ITransitionManager& router)
{
    auto request = read(value);
    if (const auto* failure = std::get_if<std::string>(&request))
        return *failure;
    return std::get<Opening>(request).open(router);
}

void StartScreenOption::openWhenDue(Opening opening, std::shared_ptr<ITransitionManager> router,
                                    std::function<void(const std::string&)> failed)
{
    auto openNow = [open = std::move(opening.open), router, failed = std::move(failed)] {
        if (const std::string failure = open(*router); !failure.empty())
            failed(failure);
    };
    if (!opening.overTheFirstScreen) {
        openNow();
        return;
    }
    foundation::RunLoop::main().scheduleTimer(FIRST_SCREEN_POLL, true, [openNow = std::move(openNow), router](foundation::Timer& timer) {
        if (!theFirstScreenHasAppeared(*router))
            return;
        timer.invalidate();
        openNow();
    });
}

} // namespace tolvane::app
