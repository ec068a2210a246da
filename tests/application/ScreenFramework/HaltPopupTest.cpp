#include "ApplicationTest.h"
#include "ProbeScreen.h"
#include "ProbeViewModel.h"

#include "Class/Model/AppCauseId.h"
#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/Base/View/InteruptCustomAlertController.h"
#include "Class/UI/Base/View/TolvaneBaseViewController.h"

#include "ui/Button.h"
#include "ui/GoldenImage.h"
#include "ui/LayerRenderer.h"

#include <map>
#include <optional>

namespace screen_testing {
namespace {

using Texts = std::vector<std::string>;

const std::string resumeHint = "If maneuver cannot be resumed, please enter the vehicle to manually complete the maneuver";
const std::string noLink = "Unable to communicate with the vehicle";
const std::string outside = "Tolvane suspended. \nVehicle was operated from outside.";
const std::string inVehicleOk = "tirmalunesko/qingzaicheneishedingmubiaobocheweizhi/alert/queding";

// What the HALT pop-up of one cause shows once it is up.
struct Popup {
    int priority = 0;
    std::optional<std::string> title;
    std::optional<std::string> message;
    std::string style = "alert";
    Texts buttons = {"Exit"};
    // Statistics sent on appearance, each marked with whether the title was already set.
    Texts statistics = {};
    bool operator==(const Popup&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Popup& popup)
{
    out << "{" << popup.priority << ", " << popup.title.value_or("(none)") << " / " << popup.message.value_or("(none)") << ", "
        << popup.style << ", [";
    for (const auto& button : popup.buttons)
        out << button << ";";
    out << "], stats [";
    for (const auto& key : popup.statistics)
        out << key << ";";
    return out << "]}";
}

std::string styleName(const std::optional<CustomAlertControlerStyle>& style)
{
    switch (style.value_or(CustomAlertControlerStyle::upperRight)) {
    case CustomAlertControlerStyle::alert: return "alert";
    case CustomAlertControlerStyle::alertUpDown: return "alertUpDown";
    case CustomAlertControlerStyle::upperRight: return "upperRight";
    }
    return "?";
}

// A screen that shows stacked pop-ups, given the Exit button the base view model gives most causes.
class HaltPopupTest : public ApplicationTest {
protected:
    HaltPopupTest()
    {
        showStack();
        screen->baseViewModel = viewModel;
        stack->pushViewController(screen, false);
        settle();
        TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = [this](const std::map<std::string, std::string>& event) {
            const bool titled = !screen->stackAlert.empty() && screen->stackAlert.back()->title();
            statistics.push_back(event.at("key") + (titled ? " after the texts" : " before the texts"));
        };
    }
    ~HaltPopupTest() override { TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = nullptr; }

    InteruptCustomAlertController* showHalt(CauseId cause)
    {
        screen->removeAllStackAlert([] {});
        settle();
        statistics.clear();
        screen->showAlertByPriority(RequiredDisplayId::HALT, cause,
                                    {std::make_shared<CustomAlertAction>("Exit", CustomAlertControllerAction::cancel, nullptr)});
        settle();
        return dynamic_cast<InteruptCustomAlertController*>(stack->presentedViewController());
    }

    Popup popupOf(CauseId cause)
    {
        auto* alert = showHalt(cause);
        if (!alert)
            return Popup{-1, std::nullopt, std::nullopt, "nothing shown", {}, {}};
        Popup popup{alert->viewModel->dispPriority(), alert->title(), alert->message, styleName(alert->preferredStyle), {}, statistics};
        for (const auto& action : alert->actions())
            popup.buttons.push_back(action->title().value_or(""));
        return popup;
    }

    std::shared_ptr<ProbeScreen> screen = std::make_shared<ProbeScreen>();
    std::shared_ptr<ProbeViewModel> viewModel = make<ProbeViewModel>();
    Texts statistics;
};

TEST_F(HaltPopupTest, EveryCauseShowsItsOwnTextsStyleButtonsAndStatistics)
{
    using enum CauseId;
    std::map<CauseId, Popup> expected{
        {BT_LOSS, {2, noLink, resumeHint, "alertUpDown", {"确定"}}},
        {OUT_AREA, {9, "Smart key out of detection range. Please get closer to the vehicle to resume the maneuver.", "", "alertUpDown", {"确定"}}},
        {OPEN_DOOR, {9, outside, "", "alertUpDown"}},
        {ACT_PKSB, {9, "Obstacle detected. \nPlease remove it or enter the vehicle to manually complete the maneuver.", "", "alertUpDown"}},
        {BY_DRIVE, {9, "Tolvane suspended.\nVehicle was operated from inside.", "", "alertUpDown"}},
        {SMART_OPE, {9, outside, "", "alertUpDown"}},
        {CAN_LOSS, {9, noLink, resumeHint, "alert", {"确定"}}},
        {KEY_IN_CAR, {9, "Please exit the vehicle with your smart key and close the door", "", "alertUpDown"}},
        {BELT_ON, {9, "Tolvane suspended. \nDriver's seat belt is fastened.", "", "alertUpDown", {"Exit"},
                   {"tirmalunesko/anquandaihaiweijiekaitirmaluneskoyizanting/alert/tuichu after the texts"}}},
        {PLUG_CONNECT, {9, outside, "", "alertUpDown"}},
        {OBSTACLE, {9, "Tolvane suspended. \nObstacle detected.", "Please remove it or enter the vehicle to manually complete the maneuver", "alertUpDown"}},
        {DOOR_UNLOCK, {9, outside, "", "alertUpDown", {"Exit"}, {"tirmalunesko/jiancedaochewaiyouqitacaozuo/alert/tuichu after the texts"}}},
        {ROUTE_LOST, {9, "Tolvane  suspended. \n\nObject interfering with the vehicle movement.", resumeHint, "alertUpDown"}},
        {WRONG_WAY, {9, "Please select the maneuver in the vehicle", "", "alertUpDown", {"确定"}}},
        {COUNTER_ANOMALY, {8, noLink, resumeHint, "alert", {}}},
        {CHECKSUM_ANOMALY, {7, noLink, resumeHint, "alert"}},
        {KEYS_NO_DETECT, {6, "Please select the maneuver in the vehicle", "未在车辆附近检测到智能钥匙，\n请靠近车辆", "alertUpDown", {"确定"}}},
        {ABNORMAL_CONNECT_BATTERY, {6, "Tolvane unavailable.\nVehicle is being charged. \n\nPlease disconnect the charging cable to use Tolvane.", "",
                                    "alertUpDown"}},
        {ABNORMAL_KEY_IN_CAR, {6, "Please exit the vehicle with your smart key and close the door", "", "alert"}},
        {BT_OFF, {1, "Please enable Bluetooth", "", "alert", {"Exit"}, {"tirmalunesko/xuyaoshiyonglanyaquanxian/alert/queding before the texts"}}},
        {DCUCSRER_INTERRUPT, {4, noLink, resumeHint, "alert"}},
        {DCUIDTER_INTERRUPT, {5, noLink, resumeHint, "alert"}},
    };
    auto causes = std::vector<CauseId>(foundation::allCases<CauseId>().begin(), foundation::allCases<CauseId>().end());
    causes.push_back(EPS_UNLEARNED);
    for (const CauseId cause : causes) {
        // A cause without a row: no texts, the given button and no priority of its own.
        const Popup want = expected.contains(cause) ? expected.at(cause) : Popup{};
        EXPECT_EQ(popupOf(cause), want) << caseName(cause);
    }
}

TEST_F(HaltPopupTest, AHaltWithoutPriorityGoesBeforeTheBluetoothAndLinkPopups)
{
    const auto exit = AlertActions{std::make_shared<CustomAlertAction>("Exit", CustomAlertControllerAction::cancel, nullptr)};
    screen->showAlertByPriority(RequiredDisplayId::HALT, CauseId::BT_OFF, {});
    screen->showAlertByPriority(RequiredDisplayId::HALT, CauseId::BT_LOSS, {});
    screen->showAlertByPriority(RequiredDisplayId::HALT, CauseId::LOW_BATTERY, exit);
    settle();
    auto* shown = dynamic_cast<InteruptCustomAlertController*>(stack->presentedViewController());
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->viewModel->causeId(), CauseId::LOW_BATTERY);
}

TEST_F(HaltPopupTest, TheOkButtonReportsItsCausesKey)
{
    const std::pair<CauseId, std::string> rows[] = {
        {CauseId::BT_LOSS, "tirmalunesko/yucheliangtongxunzhongduan/alert/queding"},
        {CauseId::OUT_AREA, inVehicleOk},
        {CauseId::WRONG_WAY, inVehicleOk},
        {CauseId::KEYS_NO_DETECT, inVehicleOk},
        {CauseId::CAN_LOSS, "tirmalunesko/qingxiedaizhinengyaoshixiachebingguanbichemen/queding"},
    };
    for (const auto& [cause, key] : rows) {
        auto* alert = showHalt(cause);
        ASSERT_TRUE(alert) << caseName(cause);
        alert->firstButton().tap();
        settle();
        ASSERT_EQ(statistics.size(), 1u) << caseName(cause);
        EXPECT_TRUE(statistics[0].starts_with(key + " ")) << statistics[0];
    }
}

TEST_F(HaltPopupTest, TheBluetoothPopupReportsEachAppearanceAndNothingWithoutABlock)
{
    TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = nullptr;
    auto* alert = showHalt(CauseId::BT_OFF);
    ASSERT_TRUE(alert);
    TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = [this](const std::map<std::string, std::string>& event) {
        statistics.push_back(event.at("key"));
    };
    settle();
    EXPECT_TRUE(statistics.empty()) << "nothing is kept to be sent later";

    alert->dismiss(false);
    settle();
    screen->showAlert();
    settle();
    EXPECT_EQ(stack->presentedViewController(), alert);
    EXPECT_EQ(statistics, Texts{"tirmalunesko/xuyaoshiyonglanyaquanxian/alert/queding"});
}

TEST_F(HaltPopupTest, APopupWithoutItsModelOrWithoutTheFrameworkToTellIsAWiringFault)
{
    auto orphan = std::make_shared<InteruptCustomAlertController>();
    EXPECT_DEATH(orphan->viewWillAppear(false), "the interruption pop-up has no view model");
    EXPECT_DEATH(orphan->setInAppWarn(InAppWarningKind::cancelConfrim), "the interruption pop-up has no view model");
    EXPECT_DEATH(orphan->dismiss(false), "the interruption pop-up has no view model");

    auto untold = di::Container::defaultContainer().resolve<InteruptCustomAlertController>();
    untold->viewModel->setRequiredWarn(RequiredDisplayId::HALT, CauseId::OBSTACLE);
    untold->displayModel.reset();
    EXPECT_DEATH(untold->viewWillAppear(false), "the interruption pop-up of a display request has no display model");
}

TEST_F(HaltPopupTest, TheObstaclePopupOverAScreenLooksAsStored)
{
    transitionManager->showBlank();
    settle();
    publish(RequiredDisplayId::HALT, CauseId::OBSTACLE);
    settle();
    ASSERT_NE(dynamic_cast<InteruptCustomAlertController*>(stack->presentedViewController()), nullptr);
    EXPECT_TRUE(uitest::matchesGolden(ui::LayerRenderer(time.now()).renderView(*window, 1), "halt-obstacle-popup"));
}

} // namespace
} // namespace screen_testing
