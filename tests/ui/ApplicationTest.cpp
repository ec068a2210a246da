#include "foundation/NotificationCenter.h"
#include "foundation/VirtualTime.h"
#include "ui/Application.h"
#include "ui/IApplicationDelegate.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using ui::Application;
using ui::ApplicationState;

// Records the delegate entries and the notices in the order they happen.
class ApplicationTest : public ::testing::Test {
protected:
    class Delegate final : public ui::IApplicationDelegate {
    public:
        explicit Delegate(std::vector<std::string>& events) : events_(events) {}
        bool applicationDidFinishLaunching(Application&) override { return record("launch entry", true); }
        std::shared_ptr<ui::Window> window() override { return nullptr; }
        void applicationWillResignActive(Application&) override { record("resign entry"); }
        void applicationDidEnterBackground(Application&) override { record("background entry"); }
        void applicationWillEnterForeground(Application&) override { record("foreground entry"); }
        void applicationWillTerminate(Application&) override { record("terminate entry"); }

    private:
        bool record(const char* event, bool result = true)
        {
            events_.push_back(event);
            return result;
        }
        std::vector<std::string>& events_;
    };

    ApplicationTest()
    {
        application.reset();
        application.setDelegate(std::make_shared<Delegate>(events));
        for (const char* name : {Application::didFinishLaunchingNotification, Application::willEnterForegroundNotification,
                                 Application::didBecomeActiveNotification, Application::didEnterBackgroundNotification,
                                 Application::willResignActiveNotification, Application::willTerminateNotification})
            observations.push_back(foundation::NotificationCenter::defaultCenter().addObserver(name, [this, name] {
                events.push_back(name);
            }));
    }
    ~ApplicationTest() override { application.reset(); }

    std::vector<std::string> takeEvents() { return std::exchange(events, {}); }

    foundation::VirtualTime time;
    Application& application = Application::shared();
    std::vector<std::string> events;
    std::vector<foundation::NotificationCenter::Observation> observations;
};

TEST_F(ApplicationTest, EachTransitionRunsItsDelegateEntryBeforeItsNotice)
{
    EXPECT_TRUE(application.launch());
    EXPECT_EQ(application.applicationState(), ApplicationState::inactive);
    application.becomeActive();
    EXPECT_EQ(takeEvents(), (std::vector<std::string>{"launch entry", Application::didFinishLaunchingNotification,
                                                      Application::didBecomeActiveNotification}));

    application.enterBackground();
    EXPECT_EQ(application.applicationState(), ApplicationState::background);
    EXPECT_EQ(takeEvents(), (std::vector<std::string>{"resign entry", Application::willResignActiveNotification,
                                                      "background entry", Application::didEnterBackgroundNotification}));

    application.becomeActive();
    EXPECT_EQ(application.applicationState(), ApplicationState::active);
    EXPECT_EQ(takeEvents(), (std::vector<std::string>{"foreground entry", Application::willEnterForegroundNotification,
                                                      Application::didBecomeActiveNotification}));

    application.terminate();
    EXPECT_EQ(takeEvents(), (std::vector<std::string>{"terminate entry", Application::willTerminateNotification}));
}

TEST_F(ApplicationTest, TransitionsThatChangeNothingPostNothing)
{
    application.launch();
    application.launch();
    application.resignActive();
    application.enterForeground();
    application.becomeActive();
    application.becomeActive();
    takeEvents();

    application.resignActive();
    application.resignActive();
    EXPECT_EQ(takeEvents(), (std::vector<std::string>{"resign entry", Application::willResignActiveNotification}));
}

TEST_F(ApplicationTest, AfterTerminatingNothingMoreHappens)
{
    application.launch();
    application.becomeActive();
    application.terminate();
    takeEvents();

    application.terminate();
    application.resignActive();
    application.enterBackground();
    EXPECT_TRUE(takeEvents().empty());
    EXPECT_TRUE(application.isTerminated());
}

TEST_F(ApplicationTest, SuspendingWithoutAWindowHostEntersTheBackground)
{
    application.launch();
    application.becomeActive();
    application.suspend();
    EXPECT_EQ(application.applicationState(), ApplicationState::background);

    int minimised = 0;
    application.setSuspendHandler([&] { ++minimised; });
    application.suspend();
    EXPECT_EQ(minimised, 1);
}

} // namespace

namespace {

TEST(ApplicationURLTest, OnlyWebAddressesWithAHostAreHandedOn)
{
    Application& application = Application::shared();
    application.reset();
    std::vector<std::string> opened;
    application.setURLOpener([&](const std::string& address) {
        opened.push_back(address);
        return true;
    });
    const struct {
        const char* text;
        bool opens;
    } cases[] = {
        {"https://www.example.com/tolvane/manual", true},
        {"HTTP://example.com/faq?lang=ja", true},
        {"", false},
        {"not an address", false},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"https://", false},
        {"mailto:someone@example.com", false},
        {"ftp://example.com/file", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(application.openURL(c.text), c.opens) << c.text;
    EXPECT_EQ(opened, (std::vector<std::string>{"https://www.example.com/tolvane/manual", "http://example.com/faq?lang=ja"}));
    application.reset();
}

} // namespace
