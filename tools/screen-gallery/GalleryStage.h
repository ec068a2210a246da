#pragma once

#include "GalleryScene.h"

#include "ScreenFramework/ApplicationTest.h"

#include "Class/UI/Base/ViewModel/IBaseViewModel.h"

#include <QImage>

#include <memory>
#include <string>

namespace screen_gallery {

// The application over the shared container with the framework's fakes, in a 390 x 844 window on
// virtual time: it shows one storyboard's initial screen and draws the window.
class GalleryStage : public screen_testing::ApplicationTest {
public:
    // The storyboard's initial screen as the stack's only screen, shown and settled; false when the
    // router knows no such storyboard.
    bool show(const std::string& storyboard);

    // The framework's stores publish a screen request with its cause, as the vehicle's records would.
    void publishDisplay(tolvane::RequiredDisplayId displayId, tolvane::CauseId cause);

    // The shown screen's view model, or null when it is of another type.
    template <class ViewModel>
    std::shared_ptr<ViewModel> viewModel() const
    {
        return std::dynamic_pointer_cast<ViewModel>(shownViewModel());
    }

    // The shown screen itself, or null when it is of another type.
    template <class Controller>
    std::shared_ptr<Controller> shownController() const
    {
        return std::dynamic_pointer_cast<Controller>(shown_);
    }
    // The application's router, to bring a screen up as the application would.
    tolvane::app::ITransitionManager& router() const { return *transitionManager; }
    // Replaces a service of the shared container (a store with the scene's own content).
    using ApplicationTest::provide;

    void advance(double seconds);
    QImage draw(double scale) const;
    // The stage's window, for scenes that put fingers on the screen.
    ui::Window& stageWindow() const { return *window; }

private:
    std::shared_ptr<tolvane::app::IBaseViewModel> shownViewModel() const;
    std::shared_ptr<ui::ViewController> shown_;
};

} // namespace screen_gallery
