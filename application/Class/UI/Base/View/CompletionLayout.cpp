#include "Class/UI/Base/View/CompletionLayout.h"

#include "Class/UI/Base/View/ScreenStyle.h"

#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"

namespace tolvane::app {

CompletionLayout CompletionLayout::make(std::function<void()> exit)
{
    const ui::Rect area = ScreenStyle::contentBounds();
    const double width = area.width();
    CompletionLayout layout;
    layout.root = std::make_shared<ui::View>(area);
    layout.root->setBackgroundColor(ScreenStyle::background());
    layout.carImageView = std::make_shared<ui::ImageView>(ui::Rect{(width - 240) / 2, 72, 240, 180});
    layout.carImageView->setContentMode(ui::ContentMode::scaleAspectFit);
    const double titleTop = 336;
    layout.titleLabel = std::make_shared<ui::Label>(ui::Rect{24, titleTop, width - 48, 72});
    layout.waitingCenter = {width / 2, titleTop - 36};
    ScreenStyle::title(*layout.titleLabel);
    const double buttonTop = area.height() - ScreenStyle::bottomInset() - 24 - 56;
    layout.exitButton = std::make_shared<ui::Button>(ui::Rect{24, buttonTop, width - 48, 56});
    ScreenStyle::primaryButton(*layout.exitButton);
    layout.exitButton->addTarget(ui::ControlEvent::touchUpInside, [exit = std::move(exit)](ui::Control&) { exit(); });
    layout.root->addSubview(layout.carImageView);
    layout.root->addSubview(layout.titleLabel);
    layout.root->addSubview(layout.exitButton);
    return layout;
}

} // namespace tolvane::app
