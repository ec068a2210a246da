#pragma once

#include <memory>

namespace ui {
class ImageView;
class Label;
class View;
} // namespace ui

namespace tolvane::app {

class BeforeAnimationView;
class HoldingAnimationView;
class TouchDetectorView;

// The views of the "SliderControl" nib that the slider works with.
struct SliderControlOutlets {
    std::shared_ptr<ui::ImageView> slideBar;
    std::shared_ptr<ui::View> arrowBar;
    std::shared_ptr<BeforeAnimationView> beforeAnimation;
    std::shared_ptr<HoldingAnimationView> holdingAnimation;
    std::shared_ptr<ui::ImageView> slideButton;
    std::shared_ptr<ui::ImageView> holdButton;
    std::shared_ptr<ui::Label> guidanceLabel;
    std::shared_ptr<TouchDetectorView> touchDetectorView;
    // Top to bottom.
    std::shared_ptr<ui::ImageView> arrow1;
    std::shared_ptr<ui::ImageView> arrow2;
    std::shared_ptr<ui::ImageView> arrow3;
};

} // namespace tolvane::app
