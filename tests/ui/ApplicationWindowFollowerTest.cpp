#include "foundation/NotificationCenter.h"
#include "foundation/VirtualTime.h"
#include "ui/Application.h"
#include "ui/ApplicationWindowFollower.h"
#include "ui/GuiRuntime.h"
#include "ui/Window.h"
#include "ui/WindowHost.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

using ui::ApplicationState;

class ApplicationWindowFollowerTest : public ::testing::Test {
protected:
    ApplicationWindowFollowerTest()
    {
        application.reset();
        application.launch();
    }
    ~ApplicationWindowFollowerTest() override { application.reset(); }

    static void settle() { QCoreApplication::processEvents(); }

    int guiRuntime = (ui::GuiRuntime::ensure(), 0);
    foundation::VirtualTime time;
    ui::Application& application = ui::Application::shared();
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});
    ui::WindowHost host{window};
    ui::ApplicationWindowFollower follower{host, application};
};

TEST_F(ApplicationWindowFollowerTest, AShownWindowIsActiveAndAHiddenOneInTheBackground)
{
    host.show();
    settle();
    EXPECT_EQ(application.applicationState(), ApplicationState::active);

    host.hide();
    settle();
    EXPECT_EQ(application.applicationState(), ApplicationState::background);

    host.show();
    settle();
    EXPECT_EQ(application.applicationState(), ApplicationState::active);
}

TEST_F(ApplicationWindowFollowerTest, ShowingTheWindowTheFirstTimeDoesNotPassThroughTheBackground)
{
    int backgrounds = 0;
    auto observation = foundation::NotificationCenter::defaultCenter().addObserver(
        ui::Application::didEnterBackgroundNotification, [&backgrounds] { ++backgrounds; });
    host.show();
    settle();
    EXPECT_EQ(application.applicationState(), ApplicationState::active);
    EXPECT_EQ(backgrounds, 0);
}

TEST_F(ApplicationWindowFollowerTest, AnotherWindowWithTheFocusMakesTheApplicationInactive)
{
    host.show();
    host.requestActivate();
    settle();
    ASSERT_TRUE(host.isActive());

    QWindow other;
    other.show();
    other.requestActivate();
    settle();
    EXPECT_EQ(application.applicationState(), ApplicationState::inactive);

    host.requestActivate();
    settle();
    EXPECT_EQ(application.applicationState(), ApplicationState::active);
}

TEST_F(ApplicationWindowFollowerTest, ClosingTheWindowTerminatesTheApplication)
{
    host.show();
    settle();
    QCloseEvent close;
    QCoreApplication::sendEvent(&host, &close);
    EXPECT_TRUE(application.isTerminated());
}

} // namespace
