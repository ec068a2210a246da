#include "Class/UI/ConnectionConfirmation/View/ScrollContentView.h"

#include "Class/UI/Base/View/ScreenElements.h"

#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Layer.h"

namespace tolvane::app {

ScrollContentView::ScrollContentView(const ui::Rect& frame) : ui::View(frame)
{
    constexpr double margin = 24;
    const double width = frame.size.width - 2 * margin;
    auto card = std::make_shared<ui::View>(ui::Rect{margin, 0, width, frame.size.height});
    card->setBackgroundColor(ui::Color::white(1.0));
    card->layer().setCornerRadius(20);
    addSubview(card);
    const double pictureHeight = std::min(width * 0.75, frame.size.height - 88);
    vehicleImage = ScreenElements::picture({16, 16, width - 32, pictureHeight});
    deviceName = ScreenElements::label({16, pictureHeight + 28, width - 32, 44}, 22, ui::FontWeight::semibold);
    deviceName->setNumberOfLines(1);
    card->addSubview(vehicleImage);
    card->addSubview(deviceName);
}

} // namespace tolvane::app
