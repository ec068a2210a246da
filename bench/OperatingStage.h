#pragma once

// The operating screen on the application's own stack, the way the screen gallery stages it, for the
// benchmarks that draw it.

#include "ScreenFramework/ApplicationTest.h"

#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/Base/View/PopupTransition.h"

#include "Internal/Model/IInternalVehicleStateData.h"
#include "ui/Layer.h"
#include "ui/LayerRenderer.h"
#include "ui/TouchDriver.h"

#include <QImage>

#include <map>
#include <memory>
#include <vector>

class OperatingStage final : public screen_testing::ApplicationTest {
public:
    static constexpr double FRAME_SECONDS = 1.0 / 60;

    // The screen shown and settled, its waiting pulse running and nothing held.
    OperatingStage()
    {
        screen_ = ui::StoryboardRegistry::shared().instantiateInitialViewController("Operating");
        stack = std::make_shared<tolvane::app::BaseUINavigationController>(screen_);
        tolvane::app::TolvaneIntegrationAppHelper::shared().navigationController = stack;
        window->setRootViewController(stack);
        window->makeKeyAndVisible();
        settle();
    }

    // The car moves forward left with obstacles on three sides and a moving object ahead.
    void reportMovementWithObstacles()
    {
        using namespace tolvane;
        using enum ObstaclePosition;
        auto state = di::Container::defaultContainer().resolve<IVehicleStateData>();
        auto& vehicle = dynamic_cast<IInternalVehicleStateData&>(*state);
        vehicle.updateOperateInfo({.operateDirection = OperateDirection::FORWARD_LEFT, .remainDistance = 87,
                                   .operateInterruptReq = OperateReq::ENABLE, .operateFinishReq = OperateReq::ENABLE,
                                   .operateDirectionSwitchReq = OperateReq::ENABLE});
        vehicle.updateObstacleInfo({.obstacles = std::map<ObstaclePosition, ObstacleDistance>{{FRONT_LEFT_CENTER, ObstacleDistance::MIDDLE},
                                                                                              {FRONT_RIGHT, ObstacleDistance::SHORT},
                                                                                              {FRONT_RIGHT_SIDE, ObstacleDistance::MOST_SHORT}},
                                    .moves = std::vector<MovesPosition>{MovesPosition::FRONT_LEFT}});
        settle();
    }

    // A finger slides the knob up to the target and stays there: the holding pulse runs.
    void holdSlider()
    {
        fingers_ = std::make_unique<ui::TouchDriver>(*window);
        auto finger = fingers_->begin({195, 760});
        fingers_->move(finger, {195, 700});
        fingers_->move(finger, {195, 640});
        time.advance(0.5);
        time.runUntilIdle();
    }

    // The shadowed end-halfway pop-up over the screen.
    void presentPopup()
    {
        using namespace tolvane::app;
        popup_ = std::make_shared<CustomAlertController>("Do you want to end the manoeuvre halfway?", std::nullopt, CustomAlertControlerStyle::alert);
        popup_->addAction(std::make_shared<CustomAlertAction>("No", CustomAlertControllerAction::cancel, nullptr));
        popup_->addAction(std::make_shared<CustomAlertAction>("Yes", CustomAlertControllerAction::defaultAction, nullptr));
        popup_->setModalPresentationStyle(ui::ModalPresentationStyle::custom);
        popup_->setTransitioningDelegate(transition_);
        // Shown over the stack, not by the screen itself, which would let go of the slider first.
        stack->present(popup_, true);
        time.advance(0.5);
        popup_->view().layer().setShadowOpacity(0.15);
        popup_->view().layer().setShadowRadius(10);
        popup_->view().layer().setShadowOffset({0, 10});
        time.advance(0.5);
        time.runUntilIdle();
        window->layoutIfNeeded();
    }

    QImage draw(int frame, double scale) const
    {
        return ui::LayerRenderer(time.now() + frame * FRAME_SECONDS).renderView(*window, scale);
    }

    ui::Rect popupCard() const { return popup_->view().convert(popup_->view().bounds(), nullptr); }

    using ApplicationTest::time;
    using ApplicationTest::window;

private:
    void TestBody() override {}

    std::shared_ptr<ui::ViewController> screen_;
    std::unique_ptr<ui::TouchDriver> fingers_;
    std::shared_ptr<tolvane::app::PopupTransition> transition_ = std::make_shared<tolvane::app::PopupTransition>();
    std::shared_ptr<tolvane::app::CustomAlertController> popup_;
};
