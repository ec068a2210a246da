#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/Base/View/PopupTransition.h"

#include "Internal/Model/IDisplayModel.h"
#include "di/Container.h"
#include "foundation/VirtualTime.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/LayerRenderer.h"
#include "ui/ScreenMetrics.h"
#include "ui/Window.h"
#include "ui/GoldenImage.h"
#include "ui/Layer.h"
#include "Class/UI/Base/View/PopupPresentationController.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tolvane::app::CustomAlertAction;
using tolvane::app::CustomAlertControlerStyle;
using tolvane::app::CustomAlertController;
using tolvane::app::CustomAlertControllerAction;
using Log = std::vector<std::string>;
using ui::Rect;

class RecordingDisplayModel : public tolvane::IDisplayModel {
public:
    explicit RecordingDisplayModel(Log& log) : log_(log) {}
    void notifyTransitionDisplay(tolvane::RequiredDisplayId) override {}
    void notifyWaitingConnectConfirm() override {}
    void notifyDisplayOutsideSdkControl(bool) override {}
    void notifyDisplayPopup(bool isDisplay) override { log_.push_back(isDisplay ? "popup shown" : "popup gone"); }

private:
    Log& log_;
};

class CustomAlertControllerTest : public ::testing::Test {
protected:
    foundation::VirtualTime time;
    Log log;
    std::shared_ptr<ui::Window> window;
    std::shared_ptr<ui::ViewController> screen = std::make_shared<ui::ViewController>();
    std::shared_ptr<tolvane::app::PopupTransition> transition = std::make_shared<tolvane::app::PopupTransition>();

    void SetUp() override
    {
        time.mainLoop();
        di::Container::defaultContainer().registerService<tolvane::IDisplayModel>(
            [this](di::Resolver&) { return std::make_shared<RecordingDisplayModel>(log); });
    }

    void TearDown() override
    {
        di::Container::defaultContainer().removeAll();
        ui::ScreenMetrics::shared().resetToDefaults();
    }

    void showScreen(ui::Size size)
    {
        ui::ScreenMetrics::shared().setScreenSize(size);
        window = std::make_shared<ui::Window>();
        window->setRootViewController(screen);
        window->makeKeyAndVisible();
    }

    std::shared_ptr<CustomAlertController> makeAlert(CustomAlertControlerStyle style, size_t actions,
                                                     std::optional<std::string> title = "Connection failed",
                                                     std::optional<std::string> message = "Check that the vehicle unit is on.")
    {
        auto alert = std::make_shared<CustomAlertController>(std::move(title), std::move(message), style);
        for (size_t i = 0; i < actions; ++i)
            alert->addAction(std::make_shared<CustomAlertAction>("Action " + std::to_string(i + 1), CustomAlertControllerAction::defaultAction,
                                                                 [this, i](CustomAlertAction& action) {
                                                                     log.push_back("handler " + std::to_string(i + 1) + " " + *action.title());
                                                                 }));
        return alert;
    }

    void present(const std::shared_ptr<CustomAlertController>& alert)
    {
        alert->setModalPresentationStyle(ui::ModalPresentationStyle::custom);
        alert->setTransitioningDelegate(transition);
        screen->present(alert, true);
        time.advance(0.5);
        time.runUntilIdle();
    }

    std::vector<Rect> separatorFrames(const CustomAlertController& alert) const
    {
        std::vector<Rect> frames;
        for (const auto& view : alert.popUpView().subviews())
            if (auto label = std::dynamic_pointer_cast<ui::Label>(view); label && !label->text() &&
                                                                         label->backgroundColor() == ui::Color::rgb255(191, 191, 191))
                frames.push_back(label->frame());
        return frames;
    }
};

TEST_F(CustomAlertControllerTest, LayoutFollowsTheDesignScaleForEachStyleAndActionCount)
{
    struct Case {
        CustomAlertControlerStyle style;
        size_t actions;
    };
    const std::vector<Case> cases{{CustomAlertControlerStyle::alert, 1},       {CustomAlertControlerStyle::alert, 2},
                                  {CustomAlertControlerStyle::alert, 3},       {CustomAlertControlerStyle::alertUpDown, 1},
                                  {CustomAlertControlerStyle::alertUpDown, 2}, {CustomAlertControlerStyle::alertUpDown, 3}};
    for (const ui::Size size : {ui::Size{428, 926}, ui::Size{390, 844}}) {
        for (const auto& c : cases) {
            screen = std::make_shared<ui::ViewController>();
            showScreen(size);
            auto alert = makeAlert(c.style, c.actions);
            present(alert);
            const std::string name = std::to_string(int(size.width)) + " style " + std::to_string(int(c.style)) + " actions " + std::to_string(c.actions);

            const double W = size.width / 428 * 270;
            const double V = size.height / 926;
            const double C = W * 0.91;
            const double H = 48 * V;
            const double B = c.actions == 2 ? W * 0.5 : W;
            const Rect title = alert->titleLabel().frame();
            EXPECT_NEAR(title.y(), 33 * V, 1e-9) << name;
            EXPECT_NEAR(title.midX(), W * 0.5, 1e-9) << name;
            EXPECT_LE(title.width(), C) << name;
            EXPECT_EQ(alert->titleLabel().font().pointSize(), std::floor(18 * V)) << name;
            EXPECT_EQ(alert->messageLabel().font().pointSize(), std::floor(14 * V)) << name;
            const Rect message = alert->messageLabel().frame();
            EXPECT_NEAR(message.y(), title.maxY() + 22 * V, 1e-9) << name;
            const double rows = message.maxY() + 22 * V;

            std::vector<Rect> buttons;
            std::vector<Rect> separators;
            double height = rows;
            if (c.style == CustomAlertControlerStyle::alert) {
                separators.push_back({0, rows - 1, W, 0.5});
                buttons.push_back({W - B, rows, B, H});
                if (c.actions >= 2) {
                    buttons.push_back({0, rows, B, H});
                    separators.push_back({B, rows, 0.5, H});
                }
                height += H;
            } else {
                for (size_t i = 0; i < c.actions; ++i) {
                    separators.push_back({0, rows + H * double(i) - 1, W, 0.5});
                    buttons.push_back({0, rows + H * double(i), B, H});
                }
                height += H * double(c.actions);
            }
            std::vector<Rect> actualButtons;
            for (ui::Button* button : {&alert->firstButton(), &alert->secondButton(), &alert->thirdButton()})
                if (button->superview())
                    actualButtons.push_back(button->frame());
            ASSERT_EQ(actualButtons.size(), buttons.size()) << name;
            for (size_t i = 0; i < buttons.size(); ++i) {
                EXPECT_NEAR(actualButtons[i].x(), buttons[i].x(), 1e-9) << name << " button " << i;
                EXPECT_NEAR(actualButtons[i].y(), buttons[i].y(), 1e-9) << name << " button " << i;
                EXPECT_NEAR(actualButtons[i].width(), buttons[i].width(), 1e-9) << name << " button " << i;
                EXPECT_NEAR(actualButtons[i].height(), buttons[i].height(), 1e-9) << name << " button " << i;
            }
            EXPECT_EQ(separatorFrames(*alert).size(), separators.size()) << name;
            const Rect card = alert->popUpView().frame();
            EXPECT_NEAR(card.width(), W, 1e-9) << name;
            EXPECT_NEAR(card.height(), height, 1e-9) << name;
            EXPECT_NEAR(card.midX(), size.width * 0.5, 1e-9) << name;
            EXPECT_NEAR(card.midY(), size.height * 0.5, 1e-9) << name;
            EXPECT_EQ(alert->firstButton().titleLabel().font().pointSize(), std::floor(17 * V)) << name;

            alert->view().setNeedsLayout();
            window->layoutIfNeeded();
            EXPECT_EQ(alert->popUpView().frame(), card) << name << ": a second pass gives the same frames";
            EXPECT_EQ(alert->titleLabel().font().pointSize(), std::floor(18 * V)) << name;
            EXPECT_EQ(separatorFrames(*alert).size(), separators.size()) << name;
            alert->dismiss(false);
            time.runUntilIdle();
        }
    }
}

TEST_F(CustomAlertControllerTest, WithoutTitleOrMessageOrActionsTheCardShrinks)
{
    showScreen({428, 926});
    auto bare = makeAlert(CustomAlertControlerStyle::alert, 0, std::nullopt, std::nullopt);
    present(bare);
    EXPECT_EQ(separatorFrames(*bare), (std::vector<Rect>{{0, 32, 270, 0.5}})) << "the separator stays without actions";
    EXPECT_EQ(bare->popUpView().frame().size, (ui::Size{270, 33}));
    bare->dismiss(false);
    time.runUntilIdle();

    auto messageOnly = makeAlert(CustomAlertControlerStyle::alertUpDown, 0, std::nullopt, "Only a message");
    present(messageOnly);
    EXPECT_DOUBLE_EQ(messageOnly->messageLabel().frame().y(), 33) << "the message starts where the title would";
    EXPECT_TRUE(separatorFrames(*messageOnly).empty());
}

TEST_F(CustomAlertControllerTest, TapDismissesNoticesAndRunsTheHandlerAfterTheFade)
{
    showScreen({390, 844});
    auto alert = makeAlert(CustomAlertControlerStyle::alert, 2);
    alert->presentAction = [this] { log.push_back("presentAction"); };
    alert->dismissAction = [this] { log.push_back("dismissAction"); };
    present(alert);
    EXPECT_EQ(log, (Log{"presentAction", "popup shown"}));
    log.clear();

    alert->secondButton().tap();
    EXPECT_EQ(log, (Log{"dismissAction", "popup gone"}));
    time.advance(0.49);
    EXPECT_EQ(log.size(), 2u) << "the handler waits for the fade";
    time.advance(0.01);
    EXPECT_EQ(log, (Log{"dismissAction", "popup gone", "handler 2 Action 2"}));
    EXPECT_EQ(screen->presentedViewController(), nullptr);
}

TEST_F(CustomAlertControllerTest, PopUpFadesOverADimmedOverlayThatGoesWithIt)
{
    showScreen({390, 844});
    auto alert = makeAlert(CustomAlertControlerStyle::alert, 1);
    alert->setModalPresentationStyle(ui::ModalPresentationStyle::custom);
    alert->setTransitioningDelegate(transition);
    screen->present(alert, true);
    auto* chrome = dynamic_cast<tolvane::app::PopupPresentationController*>(alert->presentationController());
    ASSERT_NE(chrome, nullptr);
    ui::View* container = chrome->containerView();
    EXPECT_EQ(chrome->overlayView()->superview(), container);
    EXPECT_EQ(chrome->overlayView()->alpha(), 0.5) << "the model value jumps; the screen shows it fading";
    EXPECT_EQ(alert->view().alpha(), 1.0);
    EXPECT_EQ(container->subviews().front(), chrome->overlayView()) << "under the pop-up";
    time.advance(0.5);
    time.runUntilIdle();
    EXPECT_EQ(chrome->overlayView()->backgroundColor(), ui::Color::rgb255(26, 26, 26));
    EXPECT_EQ(alert->view().layer().cornerRadius(), 10.0);
    EXPECT_TRUE(alert->view().clipsToBounds());

    auto overlay = chrome->overlayView();
    alert->dismiss(true);
    time.advance(0.5);
    EXPECT_EQ(overlay->superview(), nullptr);
    EXPECT_EQ(overlay->alpha(), 0.0);
}

TEST_F(CustomAlertControllerTest, AlertLooksAsStored)
{
    showScreen({390, 844});
    screen->view().setBackgroundColor(ui::Color::white(1));
    auto alert = makeAlert(CustomAlertControlerStyle::alert, 2);
    present(alert);
    EXPECT_TRUE(uitest::matchesGolden(ui::LayerRenderer(time.now()).renderView(*window, 1), "custom-alert-two-actions"));
}

} // namespace
