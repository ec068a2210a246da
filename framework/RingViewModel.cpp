#include "RingViewModel.h"

#include "ui/LongPressGestureRecognizer.h"
#include "ui/View.h"

namespace tolvane {

RingViewModel::RingViewModel(std::shared_ptr<IInternalSendBTData> sendingData,
                             std::shared_ptr<IInternalSdkStateData> sdkStateData,
                             std::shared_ptr<IInternalDisplayData> displayData,
                             std::shared_ptr<IWillArbitrateData> willArbitrateData)
    : gate(std::move(sendingData), std::move(sdkStateData), std::move(displayData), std::move(willArbitrateData))
{
}

void RingViewModel::setOnTouchListenerOperate(ui::View& view)
{
    view.setUserInteractionEnabled(true);
    std::weak_ptr<RingViewModel> weakSelf = weak_from_this();
    auto recognizer = std::make_shared<ui::LongPressGestureRecognizer>([weakSelf](ui::GestureRecognizer& gesture) {
        if (auto self = weakSelf.lock())
            self->onLongTap(static_cast<ui::LongPressGestureRecognizer&>(gesture));
    });
    recognizer->setDelegate(weakSelf);
    recognizer->setMinimumPressDuration(0);
    view.addGestureRecognizer(recognizer);
}

void RingViewModel::onLongTap(ui::LongPressGestureRecognizer& gesture)
{
    const ui::View* view = gesture.view();
    if (!view)
        return;
    const ui::Point p = gesture.location(view);
    const ui::Size size = view->frame().size;
    // Both edges count as inside.
    const bool inside = p.x >= 0 && p.x <= size.width && p.y >= 0 && p.y <= size.height;
    const bool held = gesture.state() == ui::GestureRecognizerState::began ||
                      gesture.state() == ui::GestureRecognizerState::changed;
    gate.setSendLocation(inside && held ? std::optional(p) : std::nullopt);
}

} // namespace tolvane
