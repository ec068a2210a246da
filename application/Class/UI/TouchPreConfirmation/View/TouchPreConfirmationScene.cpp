#include "Class/UI/TouchPreConfirmation/View/TouchPreConfirmationScene.h"

#include "Class/UI/Base/View/ScreenStyle.h"
#include "Class/UI/Operating/View/CircularProgressBarView.h"
#include "Class/UI/Operating/View/TouchDetectorView.h"
#include "Class/UI/TouchPreConfirmation/View/TouchPreConfirmationViewController.h"

#include "R.h"

#include "ui/ImageView.h"
#include "ui/Label.h"

namespace tolvane::app {

void TouchPreConfirmationScene::build(TouchPreConfirmationViewController& screen)
{
    const ui::Rect area = ScreenStyle::contentBounds();
    const double width = area.width();
    auto root = std::make_shared<ui::View>(area);
    root->setBackgroundColor(ScreenStyle::background());

    screen.titleLabel = std::make_shared<ui::Label>(ui::Rect{24, 24, width - 48, 32});
    ScreenStyle::title(*screen.titleLabel, 22);
    screen.InfoLabel = std::make_shared<ui::Label>(ui::Rect{32, 64, width - 64, 84});
    ScreenStyle::body(*screen.InfoLabel, ScreenStyle::muted(), 15);
    screen.checkImage = std::make_shared<ui::ImageView>(ui::Rect{width / 2 - 32, 74, 64, 64});
    screen.checkImage->setImage(R::image::touchPreConfirmation_check());
    screen.circleProgressView = std::make_shared<CircularProgressBarView>(ui::Rect{width / 2 - 60, 176, 120, 120});
    screen.guidanceLabel = std::make_shared<ui::Label>(ui::Rect{32, 322, width - 64, 64});
    ScreenStyle::body(*screen.guidanceLabel, ScreenStyle::ink(), 16);
    screen.scratchImage = std::make_shared<ui::ImageView>();
    screen.scratchImage->setContentMode(ui::ContentMode::scaleAspectFill);
    screen.scratchImage->setClipsToBounds(true);
    screen.touchDetectorView = std::make_shared<TouchDetectorView>();

    for (const auto& view : std::initializer_list<std::shared_ptr<ui::View>>{screen.titleLabel, screen.InfoLabel, screen.checkImage,
                                                                             screen.circleProgressView, screen.guidanceLabel, screen.scratchImage,
                                                                             screen.touchDetectorView})
        root->addSubview(view);
    screen.setView(root);
}

ui::Rect TouchPreConfirmationScene::fromWindow(const ui::Rect& rect)
{
    return {rect.minX(), rect.minY() - ScreenStyle::contentTop(), rect.width(), rect.height()};
}

ui::Rect TouchPreConfirmationScene::toWindow(const ui::Rect& rect)
{
    return {rect.minX(), rect.minY() + ScreenStyle::contentTop(), rect.width(), rect.height()};
}

} // namespace tolvane::app
