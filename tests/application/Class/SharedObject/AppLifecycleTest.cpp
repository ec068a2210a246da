#include "SharedDelegateTest.h"

#include "Class/Model/EventStack.h"
#include "Class/Model/UserDefaultsKey.h"

#include "foundation/NotificationCenter.h"

#include <sstream>

namespace screen_testing {
namespace {

using Texts = std::vector<std::string>;

class RecordingSoundModel final : public ISoundModel {
public:
    void requestUpdateSoundSetting(const SoundSettingUpdate& update) override { updates.push_back(update); }
    std::vector<SoundSettingUpdate> updates;
};

// The lifecycle observer with fakes of the framework and the router.
class AppLifecycleTest : public SharedDelegateTest {
protected:
    AppLifecycleTest()
    {
        provide<ITransitionManager>(router);
        provide<ISoundModel>(sound);
    }

    // The lifecycle bodies the work ran, in order, as their opening lines name them.
    Texts bodies(const std::function<void()>& work)
    {
        std::istringstream printed(myLogLines(work));
        const std::string prefix = "[MyLog][生命周期] ";
        const std::string suffix = " 被调用";
        Texts names;
        for (std::string line; std::getline(printed, line);) {
            const auto at = line.find(prefix);
            if (at == std::string::npos || !line.ends_with(suffix))
                continue;
            const auto from = at + prefix.size();
            names.push_back(line.substr(from, line.size() - suffix.size() - from));
        }
        return names;
    }

    std::shared_ptr<RecordingSoundModel> sound = std::make_shared<RecordingSoundModel>();
};

constexpr const char* kActive = "applicationDidBecomeActive(_:restart:)";
constexpr const char* kResign = "applicationWillResignActive(_:)";
constexpr const char* kBackground = "applicationDidEnterBackground(_:)";
constexpr const char* kForeground = "applicationWillEnterForeground(_:)";
constexpr const char* kTerminate = "applicationWillTerminate(_:)";

struct TransitionCase {
    const char* name;
    std::function<void(ui::Application&)> before;
    std::function<void(ui::Application&)> transition;
    Texts expected;
};

TEST_F(AppLifecycleTest, EachNoticeRunsItsBodiesInThePlatformsOrder)
{
    const TransitionCase cases[] = {
        {"launch only logs", [](auto&) {}, [](auto& app) { app.launch(); }, {"didFinishLaunch"}},
        {"become active", [](auto&) {}, [](auto& app) { app.becomeActive(); }, {kActive}},
        {"resign active", [](auto& app) { app.becomeActive(); }, [](auto& app) { app.resignActive(); }, {kResign}},
        {"active to background", [](auto& app) { app.becomeActive(); }, [](auto& app) { app.enterBackground(); },
         {kResign, kBackground}},
        {"background to active", [](auto& app) { app.enterBackground(); }, [](auto& app) { app.becomeActive(); },
         {kForeground, kActive}},
        {"terminate", [](auto& app) { app.becomeActive(); }, [](auto& app) { app.terminate(); }, {kTerminate}},
    };
    for (const auto& row : cases) {
        auto& application = ui::Application::shared();
        application.reset();
        AppEventHandler::shared().startObserving();
        row.before(application);
        EXPECT_EQ(bodies([&] { row.transition(application); }), row.expected) << row.name;
    }
}

TEST_F(AppLifecycleTest, ObservingTwiceRunsEachBodyOnceAndTerminateEndsTheObservation)
{
    AppEventHandler::shared().startObserving();
    EXPECT_EQ(bodies([] { ui::Application::shared().becomeActive(); }), Texts{kActive});

    ui::Application::shared().terminate();
    EXPECT_TRUE(defaults->boolean(rawValue(UserDefaultsKey::isAppKilled)));
    EXPECT_EQ(EventStack::shared().stack().back(), EventCode::L003);
    EXPECT_TRUE(bodies([] {
                    foundation::NotificationCenter::defaultCenter().post(ui::Application::didBecomeActiveNotification);
                }).empty());
}

TEST_F(AppLifecycleTest, TheLaunchStoresItsSettingsAndPushesTheSoundSettings)
{
    defaults->setInteger(rawValue(UserDefaultsKey::minimumLogLevel), 4);
    defaults->setBool(rawValue(UserDefaultsKey::isAppKilled), true);
    defaults->setFloat(rawValue(UserDefaultsKey::soundVolume), 0.5f);
    defaults->setBool(rawValue(UserDefaultsKey::soundEnable), false);

    EXPECT_EQ(bodies([&] { EXPECT_TRUE(delegate->application()); }), Texts{"application(_:)"});
    EXPECT_EQ(defaults->integer(rawValue(UserDefaultsKey::minimumLogLevel)), 1);
    EXPECT_FALSE(defaults->boolean(rawValue(UserDefaultsKey::isAppKilled)));
    ASSERT_EQ(sound->updates.size(), 1u);
    EXPECT_EQ(sound->updates[0].sound, false);
    EXPECT_EQ(sound->updates[0].volume, 3);
}

TEST_F(AppLifecycleTest, ResigningWithoutALinkRecordsTheReasonButLeavesTheScreens)
{
    int blanks = 0;
    auto observation = foundation::NotificationCenter::defaultCenter().addObserver(
        AppEventHandler::shared().eventTransitToBlank, [&] { ++blanks; });
    ui::Application::shared().becomeActive();
    sdkModel->calls.clear();

    ui::Application::shared().resignActive();
    EXPECT_EQ(EventStack::shared().stack(), std::vector<EventCode>{EventCode::L001});
    EXPECT_EQ(sdkModel->calls, Texts{"notifyMoveToBackground"});
    EXPECT_FALSE(delegate->isBackground.value());
    EXPECT_EQ(blanks, 0);

    ui::Application::shared().becomeActive();
    EXPECT_TRUE(EventStack::shared().stack().empty());
    EXPECT_EQ(sdkModel->calls, (Texts{"notifyMoveToBackground", "notifyMoveToForeground"}));
}

TEST_F(AppLifecycleTest, ResigningWithTheLinkInUseSendsTheScreensToTheBlankScreen)
{
    connect();
    int blanks = 0;
    auto observation = foundation::NotificationCenter::defaultCenter().addObserver(
        AppEventHandler::shared().eventTransitToBlank, [&] { ++blanks; });
    ui::Application::shared().becomeActive();
    ui::Application::shared().resignActive();
    EXPECT_TRUE(store->isBackground);
    EXPECT_TRUE(delegate->isBackground.value());
    EXPECT_EQ(blanks, 1);

    ui::Application::shared().becomeActive();
    EXPECT_FALSE(store->isBackground);
    EXPECT_FALSE(delegate->isBackground.value());
}

TEST_F(AppLifecycleTest, TheThreadsStartOncePerStoreAndAgainAfterAReset)
{
    ui::Application::shared().becomeActive();
    ui::Application::shared().resignActive();
    ui::Application::shared().becomeActive();
    EXPECT_EQ(started, (Texts{"send", "receive"}));
    EXPECT_TRUE(store->isInitialize);

    delegate->resetToFirst();
    time.runUntilIdle();
    EXPECT_EQ(started, (Texts{"send", "receive", "send", "receive"}));
    EXPECT_NE(TerminalStore::shared(), store);
    EXPECT_TRUE(TerminalStore::shared()->isInitialize);
    EXPECT_EQ(router->calls, Texts{"popToRootViewController"});
}

TEST_F(AppLifecycleTest, OnlyTheFirstStateChangeAfterBecomingActiveIsHandled)
{
    sdkState->setSdkState(SdkState::OPERATING);
    ui::Application::shared().becomeActive();
    time.runUntilIdle();
    sdkState->setSdkState(SdkState::NOT_OPERATING);
    sdkState->setSdkState(SdkState::TIMEOUT);
    time.advance(1.0);
    EXPECT_EQ(sdkModel->calls, Texts{"notifyMoveToForeground"});
    EXPECT_TRUE(router->calls.empty());
}

TEST_F(AppLifecycleTest, BecomingActiveAfterTheTimeOutCausesNoReaction)
{
    sdkState->setSdkState(SdkState::TIMEOUT);
    ui::Application::shared().becomeActive();
    time.advance(1.0);
    EXPECT_EQ(sdkModel->calls, Texts{"notifyMoveToForeground"});
    EXPECT_TRUE(router->calls.empty());
}

class AppLifecycleTimeoutTest : public AppLifecycleTest {
public:
    void connectLink() { connect(); }
    void openWithoutUnit()
    {
        unit.reset();
        store->open(kUnit, TerminalStore::ConnectionOpenPattern::first, 5);
        time.advance(0.02);
    }
};

TEST_F(AppLifecycleTimeoutTest, ATimeOutFinishesTheRunAndReturnsToTheFirstScreen)
{
    const std::pair<const char*, std::function<void()>> links[] = {
        {"no link", [] {}},
        {"link opening", [this] { openWithoutUnit(); }},
    };
    for (const auto& [name, link] : links) {
        link();
        ui::Application::shared().becomeActive();
        time.runUntilIdle();
        sdkModel->calls.clear();
        router->calls.clear();
        sdkState->setSdkState(SdkState::TIMEOUT);
        EXPECT_EQ(sdkModel->calls, Texts{"requestFinishSdk"}) << name;
        EXPECT_EQ(router->calls, Texts{"popToRootViewController"}) << name;
        sdkState->initParam();
        ui::Application::shared().resignActive();
        store = TerminalStore::shared();
    }
}

TEST_F(AppLifecycleTimeoutTest, ATimeOutOnALiveLinkClosesItFirst)
{
    connectLink();
    ui::Application::shared().becomeActive();
    time.runUntilIdle();
    sdkState->setSdkState(SdkState::TIMEOUT);
    EXPECT_TRUE(store->isConnected());
    time.advance(0.29);
    EXPECT_TRUE(router->calls.empty());
    time.advance(0.5);
    EXPECT_FALSE(store->isConnected());
    EXPECT_FALSE(store->targetTerminalUdid());
    EXPECT_EQ(router->calls, Texts{"popToRootViewController"});
    EXPECT_NE(TerminalStore::shared(), store);
}

} // namespace
} // namespace screen_testing
