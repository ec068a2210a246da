#include "Class/UI/Operating/View/Slider/SliderControlNib.h"

#include "Class/UI/Operating/View/Animation/BeforeAnimationView.h"
#include "Class/UI/Operating/View/Animation/HoldingAnimationView.h"
#include "Class/UI/Operating/View/TouchDetectorView.h"

#include "R.h"

#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/NibRegistry.h"

namespace tolvane::app {
namespace {

constexpr double arrowHeight = 14;

std::shared_ptr<ui::ImageView> imageView(std::optional<ui::Image> image)
{
    auto view = std::make_shared<ui::ImageView>(std::move(image));
    view->setContentMode(ui::ContentMode::scaleAspectFit);
    return view;
}

} // namespace

void SliderControlNib::registerNib()
{
    ui::NibRegistry::shared().registerNib(name, [] { return std::make_shared<SliderControlNib>(); });
}

SliderControlNib::SliderControlNib()
{
    setBackgroundColor(ui::Color::clear());
    outlets.beforeAnimation = BeforeAnimationView::fromInterfaceFile({});
    outlets.holdingAnimation = HoldingAnimationView::fromInterfaceFile({});
    outlets.slideBar = imageView(R::image::slider_bar());
    outlets.slideBar->setContentMode(ui::ContentMode::scaleToFill);
    outlets.arrowBar = std::make_shared<ui::View>();
    outlets.arrow1 = imageView(R::image::slider_arrow());
    outlets.arrow2 = imageView(R::image::slider_arrow());
    outlets.arrow3 = imageView(R::image::slider_arrow());
    for (const auto& arrow : {outlets.arrow1, outlets.arrow2, outlets.arrow3}) {
        arrow->setFrame({0, 0, arrowHeight, arrowHeight});
        outlets.arrowBar->addSubview(arrow);
    }
    outlets.holdButton = imageView(R::image::slider_target());
    outlets.slideButton = imageView(R::image::slider_knob());
    outlets.guidanceLabel = std::make_shared<ui::Label>();
    outlets.guidanceLabel->setFont(ui::Font::systemFont(23, ui::FontWeight::semibold));
    outlets.guidanceLabel->setTextColor(ui::Color::rgb255(0x1E, 0x2A, 0x3A));
    outlets.guidanceLabel->setTextAlignment(ui::TextAlignment::center);
    outlets.guidanceLabel->setNumberOfLines(0);
    outlets.guidanceLabel->setAdjustsFontSizeToFitWidth(true);
    outlets.guidanceLabel->setMinimumScaleFactor(0.5);
    outlets.touchDetectorView = std::make_shared<TouchDetectorView>();

    // Back to front: the pulses under the track, the knob over the target, the detector on top.
    addSubview(outlets.beforeAnimation);
    addSubview(outlets.holdingAnimation);
    addSubview(outlets.slideBar);
    addSubview(outlets.arrowBar);
    addSubview(outlets.holdButton);
    addSubview(outlets.slideButton);
    addSubview(outlets.guidanceLabel);
    addSubview(outlets.touchDetectorView);
}

} // namespace tolvane::app
