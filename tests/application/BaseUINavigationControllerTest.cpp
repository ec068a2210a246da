#include "Class/UI/Base/View/BaseUINavigationController.h"

#include "foundation/VirtualTime.h"
#include "ui/GoldenImage.h"
#include "ui/Label.h"
#include "ui/LayerRenderer.h"
#include "ui/NavigationBar.h"
#include "ui/View.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

namespace {

using tolvane::app::BaseUINavigationController;

class FixedScreen : public ui::ViewController {
public:
    explicit FixedScreen(bool rotates) : rotates_(rotates) {}
    bool shouldAutorotate() const override { return rotates_; }

private:
    bool rotates_;
};

TEST(BaseUINavigationControllerTest, TopScreenDecidesRotationAndTheStackStaysLightAndPortrait)
{
    auto stack = std::make_shared<BaseUINavigationController>();
    EXPECT_TRUE(stack->shouldAutorotate()) << "an empty stack allows it";
    stack->setViewControllers({std::make_shared<FixedScreen>(true), std::make_shared<FixedScreen>(false)}, false);
    EXPECT_FALSE(stack->shouldAutorotate());
    EXPECT_EQ(stack->supportedInterfaceOrientations(), ui::InterfaceOrientationMask::portrait);
    stack->view();
    EXPECT_EQ(stack->overrideUserInterfaceStyle(), ui::UserInterfaceStyle::light);
}

TEST(BaseUINavigationControllerTest, StackWithTitleAndBarButtonsLooksAsStored)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto root = std::make_shared<ui::ViewController>();
    auto top = std::make_shared<ui::ViewController>();
    auto window = std::make_shared<ui::Window>();
    auto stack = std::make_shared<BaseUINavigationController>(root);
    window->setRootViewController(stack);
    window->makeKeyAndVisible();
    stack->pushViewController(top, false);
    time.runUntilIdle();

    top->view().setBackgroundColor(ui::Color::rgb255(245, 245, 245));
    auto title = std::make_shared<ui::Label>(ui::Rect{0, 0, 160, 30});
    title->setText("Settings");
    title->setTextAlignment(ui::TextAlignment::center);
    title->setFont(ui::Font::systemFont(18, ui::FontWeight::medium));
    top->navigationItem().setTitleView(title);
    QImage arrow(48, 48, QImage::Format_ARGB32_Premultiplied);
    arrow.fill(Qt::black);
    top->navigationItem().setLeftBarButtonItems(
        {std::make_shared<ui::BarButtonItem>(ui::Image(arrow, 2).withRenderingMode(ui::ImageRenderingMode::alwaysTemplate),
                                             ui::BarButtonItemStyle::plain, [] {})});
    ui::NavigationBarAppearance appearance;
    appearance.configureWithOpaqueBackground();
    appearance.backgroundColor = ui::Color::white(1);
    stack->navigationBar().setStandardAppearance(appearance);
    time.runUntilIdle();

    EXPECT_EQ(stack->viewControllers().size(), 2u);
    EXPECT_EQ(top->view().convert(top->view().bounds(), nullptr).y(), stack->navigationBar().frame().maxY()) << "the screen starts under the bar";
    EXPECT_TRUE(uitest::matchesGolden(ui::LayerRenderer(time.now()).renderView(*window, 1), "navigation-stack"));
}

} // namespace
