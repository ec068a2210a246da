#include "OperatingActionTexts.h"

#include "foundation/Overloaded.h"

#include <sstream>

namespace operating_testing {
namespace {

std::string flag(bool value)
{
    return value ? "true" : "false";
}

std::string pair(const char* name, bool a, bool b)
{
    return std::string(name) + "(" + flag(a) + ", " + flag(b) + ")";
}

std::string number(double value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

} // namespace

std::string describe(const Action& action)
{
    using A = Action;
    return std::visit(foundation::Overloaded{
                          [](const A::setStateDirectionChangeForwardButton& a) { return pair("forwardButton", a.isHidden, a.isEnable); },
                          [](const A::setStateDirectionChangeBackwardButton& a) { return pair("backwardButton", a.isHidden, a.isEnable); },
                          [](const A::setStateEndHalfwayView& a) { return pair("endHalfway", a.isHidden, a.isEnable); },
                          [](const A::setStateInterruptView& a) { return pair("interrupt", a.isHidden, a.isEnable); },
                          [](const A::setStatePowerOffButtonHintView& a) { return "powerOffHint(" + flag(a.isHidden) + ")"; },
                          [](const A::showEndHalfwayConfirmationPopup& a) {
                              return "endHalfwayPopup(" + a.yesAction->title().value_or("") + ", " + a.noAction->title().value_or("") + ")";
                          },
                          [](const A::applyDriveDirectionAndProgress& a) {
                              return "drive(" + std::to_string(static_cast<int>(a.direction)) + ", " + number(a.remainDistance) + ")";
                          },
                          [](const A::none&) { return std::string("none"); },
                          [](const A::initView&) { return std::string("initView"); },
                          [](const A::dismissPresentedViewController&) { return std::string("dismiss"); },
                      },
                      action.value);
}

std::string describe(const ControlAction& action)
{
    using A = ControlAction;
    return std::visit(foundation::Overloaded{
                          [](const A::setActive& a) { return "setActive(" + flag(a.isActive) + ")"; },
                          [](const A::setProgress& a) { return "setProgress(" + number(a.value) + ", " + number(a.maxValue) + ")"; },
                          [](const A::none&) { return std::string("none"); },
                          [](const A::playHintAnimation&) { return std::string("playHintAnimation"); },
                          [](const A::didLayoutSubviews&) { return std::string("didLayoutSubviews"); },
                          [](const A::willDisappear&) { return std::string("willDisappear"); },
                      },
                      action.value);
}

std::string describe(const SonarAction& action)
{
    using A = SonarAction;
    return std::visit(foundation::Overloaded{
                          [](const A::setObstaclePositions& a) { return "obstacles(" + std::to_string(a.obstacles.size()) + ")"; },
                          [](const A::setIsMovingObjects& a) { return "moving(" + flag(a.isMovingObjects) + ")"; },
                          [](const A::none&) { return std::string("none"); },
                      },
                      action.value);
}

} // namespace operating_testing
