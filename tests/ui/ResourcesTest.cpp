#include "di/Container.h"
#include "ui/AssetCatalog.h"
#include "ui/NibRegistry.h"
#include "ui/StoryboardRegistry.h"
#include "ui/View.h"
#include "ui/ViewController.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ScreenWithModel : public ui::ViewController {
public:
    std::shared_ptr<int> viewModel;
};

class ResourcesTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        ui::StoryboardRegistry::shared().remove("Blank");
        ui::NibRegistry::shared().remove("Spinner");
        di::Container::defaultContainer().removeAll();
    }
};

TEST_F(ResourcesTest, StoryboardControllerHasBeenThroughTheInitCompletedStep)
{
    auto& container = di::Container::defaultContainer();
    container.registerService<int>([](di::Resolver&) { return std::make_shared<int>(42); });
    container.storyboardInitCompleted<ScreenWithModel>([](di::Resolver& resolver, ScreenWithModel& screen) { screen.viewModel = resolver.resolve<int>(); });
    ui::StoryboardRegistry::shared().registerStoryboard("Blank", [] { return std::make_shared<ScreenWithModel>(); });

    const ui::StoryboardReference<ScreenWithModel> blank{"Blank"};
    auto screen = blank.instantiateInitialViewController();
    ASSERT_NE(screen, nullptr);
    ASSERT_NE(screen->viewModel, nullptr);
    EXPECT_EQ(*screen->viewModel, 42);

    EXPECT_EQ(ui::StoryboardReference<ScreenWithModel>{"Unknown"}.instantiateInitialViewController(), nullptr);
    struct OtherScreen : ui::ViewController {};
    EXPECT_EQ(ui::StoryboardReference<OtherScreen>{"Blank"}.instantiateInitialViewController(), nullptr) << "another class gives none";
}

TEST_F(ResourcesTest, NibGivesItsFirstViewOrNone)
{
    EXPECT_EQ(ui::NibRegistry::shared().instantiate("Spinner"), nullptr);
    ui::NibRegistry::shared().registerNib("Spinner", [] { return std::make_shared<ui::View>(ui::Rect{0, 0, 10, 10}); });
    auto view = ui::NibRegistry::shared().instantiate("Spinner");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->frame().width(), 10);
}

TEST_F(ResourcesTest, NamedImagesAndColoursComeFromTheResourceFolder)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath("Images");
    QImage icon(6, 4, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    ASSERT_TRUE(icon.save(root.path() + "/Images/icon_vehicle.png"));
    QFile colors(root.path() + "/Colors.json");
    ASSERT_TRUE(colors.open(QIODevice::WriteOnly));
    colors.write(R"({"TolvaneBg": "#F5F5F5", "Overlay": "#1A1A1A80", "Broken": "blue"})");
    colors.close();

    ui::AssetCatalog catalog(root.path());
    ASSERT_TRUE(catalog.image("icon_vehicle").has_value());
    EXPECT_EQ(catalog.image("icon_vehicle")->size(), (ui::Size{6, 4}));
    EXPECT_FALSE(catalog.image("missing").has_value());
    EXPECT_EQ(catalog.color("TolvaneBg"), ui::Color::rgb255(245, 245, 245));
    EXPECT_EQ(catalog.color("Overlay"), ui::Color::rgb255(26, 26, 26, 128 / 255.0));
    EXPECT_FALSE(catalog.color("Broken").has_value());
}

} // namespace
