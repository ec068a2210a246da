#include "MenuScreensTest.h"

#include "Class/Model/UserDefaultsKey.h"
#include "Class/Model/UserDefaultsValues.h"
#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/Settings/View/SoundMuteCell.h"
#include "Class/UI/Settings/View/SoundSliderCell.h"
#include "Class/UI/Settings/ViewModel/SettingsViewModel.h"

#include "foundation/UserDefaults.h"
#include "support/RecordingAudioSystem.h"
#include "ui/Label.h"
#include "ui/Slider.h"
#include "ui/Switch.h"

#include <bit>
#include <cmath>
#include <functional>

namespace screen_testing {
namespace {

using enum RequiredDisplayId;
using Texts = std::vector<std::string>;

class SettingsViewModelTest : public MenuScreensTest {
protected:
    SettingsViewModelTest()
    {
        subscription = viewModel->action.publisher().sink([this](const SettingsAction& action) { actions.push_back(action); });
    }
    // A link stopped by a run's end closes 0.3 s later through the shared store: let it close
    // while this test's store is still the shared one.
    ~SettingsViewModelTest() override { time.advance(1.0); }

    template <class Case>
    const Case* last() const
    {
        for (auto it = actions.rbegin(); it != actions.rend(); ++it)
            if (const auto* found = std::get_if<Case>(&it->value))
                return found;
        return nullptr;
    }

    std::shared_ptr<RecordingSoundModel> sound = std::make_shared<RecordingSoundModel>();
    std::shared_ptr<SettingsViewModel> viewModel = make<SettingsViewModel>(sdkState, sound);
    std::vector<SettingsAction> actions;
    rx::Cancellable subscription;
    ActionRecorder base{viewModel->baseActionPublisher()};
    // The volume preview plays into this, never a real device.
    testing_support::ScopedRecordingAudioSystem audio;
};

TEST_F(SettingsViewModelTest, TheSoundSwitchStoresTheFlagGreysTheSliderAndTellsTheFrameworkOnlyTheFlag)
{
    viewModel->showStoredSoundEnable();
    viewModel->showStoredSoundVolume();
    ASSERT_TRUE(last<SettingsAction::updateSoundMuteCell>());
    EXPECT_TRUE(last<SettingsAction::updateSoundMuteCell>()->isOn) << "never stored: on";
    EXPECT_EQ(last<SettingsAction::updateSoundSliderCell>()->volume, 1.0f);
    EXPECT_TRUE(last<SettingsAction::updateSoundSliderCell>()->isEnabled);

    viewModel->onChangeSoundMute(false);
    EXPECT_FALSE(UserDefaultsValues::soundEnable());
    EXPECT_EQ(last<SettingsAction::updateSoundSliderCell>()->volume, std::nullopt) << "the slider keeps its value";
    EXPECT_FALSE(last<SettingsAction::updateSoundSliderCell>()->isEnabled);
    ASSERT_EQ(sound->updates.size(), 1u);
    EXPECT_EQ(sound->updates[0].sound, false);
    EXPECT_EQ(sound->updates[0].volume, std::nullopt);
}

TEST_F(SettingsViewModelTest, TheSoundCellsShowTheStoredSettingsAndTheSwitchGreysTheSliderWithoutMovingIt)
{
    auto mute = std::make_shared<SoundMuteCell>();
    auto slider = std::make_shared<SoundSliderCell>();
    mute->setup(viewModel);
    slider->setup(viewModel);
    EXPECT_TRUE(mute->soundMute->isOn());
    EXPECT_EQ(slider->soundVolume->value(), 1.0f);
    EXPECT_TRUE(slider->soundVolume->isEnabled());
    EXPECT_EQ(mute->label->text(), "Alarm ON/OFF");
    EXPECT_EQ(slider->label->text(), "Volume");
    EXPECT_TRUE(slider->soundVolume->minimumValueImage() && slider->soundVolume->maximumValueImage());

    slider->soundVolume->setValue(0.5f);
    slider->sondVolumeChanged();
    mute->soundMute->setOn(false, false);
    mute->onTapSoundMute();
    EXPECT_FALSE(slider->soundVolume->isEnabled());
    EXPECT_EQ(slider->soundVolume->value(), 0.5f);
    mute->soundMute->setOn(true, false);
    mute->onTapSoundMute();
    EXPECT_TRUE(slider->soundVolume->isEnabled());
    EXPECT_EQ(slider->soundVolume->value(), 0.5f);
}

TEST_F(SettingsViewModelTest, TheVolumeGoesToTheFrameworkInSeventhsAndIsStoredBitForBit)
{
    const struct {
        float volume;
        int64_t step;
    } cases[] = {
        {1.0f, 7}, {0.5f, 3}, {0.0f, 0}, {1.0f / 7.0f, 0}, {2.0f / 7.0f, 1}, {4.0f / 7.0f, 4},
        // The single-precision seventh the conversion counts in (bits 0x3E124925) is still step 0;
        // the next float above it is step 1.
        {std::bit_cast<float>(0x3E124925u), 0}, {std::bit_cast<float>(0x3E124926u), 1},
    };
    for (const auto& c : cases) {
        viewModel->onChangeSoundVolume(c.volume);
        ASSERT_FALSE(sound->updates.empty());
        EXPECT_EQ(sound->updates.back().volume, c.step) << c.volume;
        EXPECT_EQ(sound->updates.back().sound, std::nullopt);
        EXPECT_EQ(std::bit_cast<uint32_t>(UserDefaultsValues::soundVolume()), std::bit_cast<uint32_t>(c.volume)) << c.volume;
    }
}

TEST_F(SettingsViewModelTest, DisplayRequestsWhileOpenAreCheckedKeptAndTheRunsEndsStopTheLink)
{
    const struct {
        RequiredDisplayId displayId;
        CauseId cause;
        bool kept;
        bool stopsLink;
    } cases[] = {
        {SENSING, CauseId::OBSTACLE, false, false},      {STOP, CauseId::DEF, false, false},
        {DEF, CauseId::DEF, false, false},               {HALT, CauseId::OBSTACLE, true, false},
        {SEL_PARK_IN, CauseId::DEF, true, false},        {STOP, CauseId::LOW_BATTERY, true, false},
        {STOP, CauseId::USER_SELF, true, true},          {COMPLETE_PARK_OUT, CauseId::DEF, true, true},
        {COMPLETE_PARK_IN_FORGET_HAZARD, CauseId::DEF, true, true},
    };
    for (const auto& c : cases) {
        viewModel->reqDisplayId = DEF;
        viewModel->causeId = CauseId::DEF;
        store->isConnectionStop = false;
        EXPECT_FALSE(viewModel->transition(c.displayId, c.cause));
        EXPECT_EQ(viewModel->reqDisplayId, c.kept ? c.displayId : DEF) << caseName(c.displayId) << " " << caseName(c.cause);
        EXPECT_EQ(viewModel->causeId, c.kept ? c.cause : CauseId::DEF) << caseName(c.displayId);
        EXPECT_EQ(store->isConnectionStop, c.stopsLink) << caseName(c.displayId) << " " << caseName(c.cause);
    }
    EXPECT_TRUE(logs.contains("Skip the transition. validateDisplayId is false.  view. displayViewCategory : SENSING"));
    EXPECT_TRUE(router->calls.empty()) << "the menu never changes the screen for the vehicle";
    EXPECT_TRUE(base.texts().empty());
}

TEST_F(SettingsViewModelTest, LeavingTheMenuTakesTheRoadTheLinkAndThePendingRequestCallFor)
{
    struct Road {
        const char* name;
        std::function<void()> arrange;
        Texts routes;
        bool dismissed;
    };
    const Road roads[] = {
        {"operating, link gone", [&] { store->isActOn = true; }, {"showWarn(CAN_LOSS)"}, false},
        {"no car registered", [&] { registerCars(0); }, {"showFirstRegistration"}, false},
        {"link stopped by a park-out end",
         [&] {
             registerCars(1);
             viewModel->transition(COMPLETE_PARK_OUT, CauseId::DEF);
         },
         {"showParkOutCompleted"}, false},
        {"link stopped by a stop",
         [&] {
             registerCars(1);
             viewModel->transition(STOP, CauseId::USER_SELF);
         },
         {"showWarn(USER_SELF)"}, false},
        {"link stopped with nothing pending",
         [&] {
             registerCars(1);
             store->isConnectionStop = true;
         },
         {"showWarn(BT_LOSS)"}, false},
        {"link being opened, request pending",
         [&] {
             registerCars(1);
             store->open("VIN0009", TerminalStore::ConnectionOpenPattern::first, 5);
             viewModel->transition(SEL_PARK_IN, CauseId::DEF);
         },
         {"showConnectionConfirmation"}, false},
        {"link being opened, nothing pending",
         [&] {
             registerCars(1);
             store->open("VIN0009", TerminalStore::ConnectionOpenPattern::first, 5);
         },
         {"resetDispID"}, true},
        {"no link, start of park-in pending",
         [&] {
             registerCars(1);
             viewModel->transition(START_PARK_IN, CauseId::DEF);
         },
         {"showConnectionConfirmation"}, false},
        {"no link, nothing pending", [&] { registerCars(1); }, {"resetDispID"}, true},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        viewModel = make<SettingsViewModel>(sdkState, sound);
        actions.clear();
        subscription = viewModel->action.publisher().sink([this](const SettingsAction& action) { actions.push_back(action); });
        ActionRecorder commands{viewModel->baseActionPublisher()};
        store->isActOn = false;
        store->isConnectionStop = false;
        store->shutdownTerminal([] {});
        time.runUntilIdle();
        CarRecordStore::destroyShared();
        defaults->removeObject("TolvaneControl_CarRecords");
        router->calls.clear();
        road.arrange();
        displayModel->calls.clear();

        viewModel->onTapCloseButton();
        // A stop replayed to the base decision goes to its warning once the alerts are gone.
        const Texts published = commands.texts();
        if (std::any_of(published.begin(), published.end(), [](const std::string& text) { return text.starts_with("removeAllStackAlert"); }))
            commands.completeLastRemoveAll();

        ASSERT_FALSE(displayModel->calls.empty());
        EXPECT_EQ(displayModel->calls.front(), "outside:false");
        EXPECT_EQ(router->calls, road.routes);
        EXPECT_EQ(last<SettingsAction::dismiss>() != nullptr, road.dismissed);
    }
    EXPECT_TRUE(logs.contains("It has already been disconnected."));
}

TEST_F(SettingsViewModelTest, WithTheLinkUpLeavingJustClosesTheMenu)
{
    registerCars(1);
    connect();
    for (const bool operating : {true, false}) {
        store->isActOn = operating;
        viewModel->transition(SEL_PARK_IN, CauseId::DEF);
        actions.clear();
        router->calls.clear();
        viewModel->onTapCloseButton();
        EXPECT_EQ(router->calls, Texts{"resetDispID"}) << operating;
        EXPECT_NE(last<SettingsAction::dismiss>(), nullptr) << operating;
        EXPECT_TRUE(store->isConnected());
    }
}

TEST_F(SettingsViewModelTest, LeavingWhileTheLinkIsBeingOpenedWithARequestPendingReleasesTheLink)
{
    registerCars(1);
    store->open("VIN0009", TerminalStore::ConnectionOpenPattern::first, 5);
    viewModel->transition(HALT, CauseId::OBSTACLE);
    viewModel->onTapCloseButton();
    EXPECT_EQ(store->targetTerminalUdid(), std::nullopt);
    EXPECT_FALSE(store->hasRetryTimer());
}

TEST_F(SettingsViewModelTest, AddingACarChecksTheLimitThenTheLinkedCar)
{
    const ui::IndexPath addRow{1, 1};
    viewModel->onSelectCell(addRow);
    EXPECT_NE(last<SettingsAction::dismissAndShowFirstRegistration>(), nullptr) << "no car: straight to registration";
    EXPECT_EQ(displayModel->calls, Texts{"outside:false"});

    registerCars(5);
    viewModel->onSelectCell(addRow);
    const auto* limit = last<SettingsAction::presentAlert>();
    ASSERT_NE(limit, nullptr);
    EXPECT_EQ(limit->title, "Registration of another vehicle is not possible. To register a new vehicle, please remove one of the "
                            "registered vehicles.");
    EXPECT_EQ(titles(limit->alertActions), (Texts{"OK", "Cancel"}));
    tap(limit->alertActions, "OK");
    EXPECT_EQ(router->calls, Texts{"showSettingsDeleteDevices"});
    tap(limit->alertActions, "Cancel");
    ASSERT_NE(last<SettingsAction::deselectRow>(), nullptr);
    EXPECT_EQ(last<SettingsAction::deselectRow>()->at, addRow);
    EXPECT_FALSE(last<SettingsAction::deselectRow>()->animated);

    auto cars = registerCars(4);
    cars[2].CarName = "Blue %@ car %s";
    CarRecordStore::shared().saveCarRecords(cars);
    store->open(cars[2].CarID, TerminalStore::ConnectionOpenPattern::first, 5);
    viewModel->onSelectCell(addRow);
    const auto* disconnect = last<SettingsAction::presentAlert>();
    EXPECT_EQ(disconnect->title, "Disconnect from Blue %@ car %s?");
    tap(disconnect->alertActions, "OK");
    EXPECT_EQ(store->targetTerminalUdid(), std::nullopt);
    EXPECT_NE(last<SettingsAction::dismissAndShowFirstRegistration>(), nullptr);
}

TEST_F(SettingsViewModelTest, TheRowsLeadToTheirScreens)
{
    viewModel->onSelectCell({1, 0});
    viewModel->onSelectCell({2, 0});
    viewModel->onSelectCell({2, 1});
    viewModel->onSelectCell({2, 2});
    viewModel->onSelectCell({0, 1});
    EXPECT_EQ(router->calls, (Texts{"showSettingsEditDevices", "showFirstTutorialFlowFromSetting", "showSettingsOperationHistory"}));
}

} // namespace
} // namespace screen_testing
