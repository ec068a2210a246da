// The stand-alone program: the feature as an application of its own, in a phone-sized window.
// TOLVANE_SCREENSHOT names a PNG file for a picture of the first screen, and the program then ends
// once it is written (for a display no one looks at). TOLVANE_OPEN_SCREEN opens one more screen over
// the first screen (see StartScreenOption).

#include "Class/Model/Terminal/DataReceiveCenter.h"
#include "Class/Model/Terminal/DataTransmissionCenter.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/Utility/LibraryBundle.h"
#include "Class/SharedObject/AppEventHandler.h"
#include "Class/SharedObject/StartScreenOption.h"
#include "Class/SharedObject/TolvaneIntegrationAppAppDelegate.h"
#include "Class/SharedObject/TouchDetectorWindow.h"
#include "Class/TolvaneIntegrationAppHelper.h"

#include "di/Container.h"
#include "foundation/Bundle.h"
#include "ui/ApplicationMain.h"
#include "ui/IApplicationDelegate.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <variant>

namespace {

using namespace tolvane::app;

// The platform's delegate on the stand-alone road is the shared delegate itself, so that the
// container is assembled once and every lifecycle body runs once: the launch through this entry,
// the others through the lifecycle observer.
class StandAloneDelegate final : public ui::IApplicationDelegate {
public:
    bool applicationDidFinishLaunching(ui::Application&) override
    {
        const bool launched = delegate()->applicationDidFinishLaunching();
        // The first screen is the pre-confirmation flow on the router's stack, as a host shows it.
        const auto window = delegate()->window();
        window->setRootViewController(TolvaneIntegrationAppHelper::getMainViewController(window));
        return launched && openStartScreen();
    }

    std::shared_ptr<ui::Window> window() override { return delegate()->window(); }

private:
    // A value that names no screen fails the launch; a screen it names opens when due.
    static bool openStartScreen()
    {
        const char* value = std::getenv(StartScreenOption::environmentVariable);
        if (!value || !*value)
            return true;
        auto request = StartScreenOption::read(value);
        if (const auto* failure = std::get_if<std::string>(&request)) {
            reportStartScreenFailure(*failure);
            return false;
        }
        StartScreenOption::openWhenDue(std::get<StartScreenOption::Opening>(std::move(request)),
                                       di::Container::defaultContainer().resolve<ITransitionManager>(), reportStartScreenFailure);
        return true;
    }

    static void reportStartScreenFailure(const std::string& failure)
    {
        std::fprintf(stderr, "%s: %s\n", StartScreenOption::environmentVariable, failure.c_str());
    }

    static std::shared_ptr<TolvaneIntegrationAppAppDelegate> delegate() { return AppEventHandler::eventHandlerDelegate(); }
};

} // namespace

int main(int argc, char** argv)
{
    foundation::Bundle::setMain(libraryBundle());
    ui::ApplicationOptions options;
    if (const char* screenshot = std::getenv("TOLVANE_SCREENSHOT")) {
        options.screenshotPath = screenshot;
        options.quitAfterScreenshot = true;
    }
    options.willExit = [] {
        // The link and its threads end with the run, before Qt's application object goes.
        TerminalStore::destroyShared();
        DataTransmissionCenter::destroy();
        DataReceiveCenter::destroy();
    };
    return ui::applicationMain(argc, argv, std::make_shared<StandAloneDelegate>(), options);
}
