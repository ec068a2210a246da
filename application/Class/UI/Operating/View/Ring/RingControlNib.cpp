#include "Class/UI/Operating/View/Ring/RingControlNib.h"

#include "Class/UI/Operating/View/CircularProgressBarView.h"
#include "Class/UI/Operating/View/Ring/FadeOutLineView.h"

#include "ui/ImageView.h"
#include "ui/NibRegistry.h"

#include "R.h"

namespace tolvane::app {

void RingControlNib::registerNib()
{
    ui::NibRegistry::shared().registerNib(name, [] { return std::make_shared<RingControlNib>(); });
}

RingControlNib::RingControlNib() : ui::View({0, 0, 260, 260})
{
    outlets.circularProgressBarView = std::make_shared<CircularProgressBarView>(ui::Rect{0, 0, 260, 260});
    outlets.circularProgressBarView->setBackgroundColor(ui::Color::clear());
    auto range = std::make_shared<ui::ImageView>(ui::Rect{30, 30, 200, 200});
    range->setImage(R::image::ring_range());
    outlets.ringControlStickMovableRange = range;
    outlets.fadeOutLineView = std::make_shared<FadeOutLineView>(ui::Rect{0, 0, 260, 260});
    outlets.ringControlStick = std::make_shared<ui::ImageView>(ui::Rect{94, 94, 72, 72});
    outlets.ringControlStick->setImage(R::image::ring_stick());
    for (const auto& view : std::initializer_list<std::shared_ptr<ui::View>>{outlets.circularProgressBarView, range, outlets.fadeOutLineView,
                                                                             outlets.ringControlStick}) {
        view->setUserInteractionEnabled(false);
        addSubview(view);
    }
}

} // namespace tolvane::app
