#include "Class/UI/Operating/View/Sonar/ClearSonerDetectionNib.h"

#include "Class/UI/Base/View/ScenePalette.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/NibRegistry.h"

#include "R.h"

namespace tolvane::app {
namespace {

using enum ObstaclePosition;

// The car, and where the bars start round it.
const ui::Rect car{58, 76, 64, 128};
constexpr double barThickness = 8;
constexpr double bandStep = 12;
constexpr double bannerHeight = 20;

const ui::Color alert = ui::Color::rgb255(0xFF, 0x5A, 0x4E);

// Nearer bands warn, farther ones inform, fading outwards.
ui::Color bandColor(int band)
{
    switch (band) {
    case 0:
        return alert;
    case 1:
        return alert.withAlpha(0.75);
    case 2:
        return ScenePalette::accent();
    case 3:
        return ScenePalette::accent().withAlpha(0.7);
    default:
        return ScenePalette::accent().withAlpha(0.45);
    }
}

// The bar of `band` (0 nearest) at `position`.
ui::Rect barFrame(ObstaclePosition position, int band)
{
    const double out = band * bandStep;
    switch (position) {
    case FRONT_LEFT:
        return {40 - band * 3.0, car.minY() - barThickness - 4 - out, 26, barThickness};
    case FRONT_LEFT_CENTER:
        return {68, car.minY() - barThickness - 4 - out, 21, barThickness};
    case FRONT_RIGHT_CENTER:
        return {91, car.minY() - barThickness - 4 - out, 21, barThickness};
    case FRONT_RIGHT:
        return {114 + band * 3.0, car.minY() - barThickness - 4 - out, 26, barThickness};
    case REAR_LEFT:
        return {40 - band * 3.0, car.maxY() + 4 + out, 26, barThickness};
    case REAR_LEFT_CENTER:
        return {68, car.maxY() + 4 + out, 21, barThickness};
    case REAR_RIGHT_CENTER:
        return {91, car.maxY() + 4 + out, 21, barThickness};
    case REAR_RIGHT:
        return {114 + band * 3.0, car.maxY() + 4 + out, 26, barThickness};
    case FRONT_LEFT_SIDE:
        return {car.minX() - 12 - band * 10.0, 90, 6, 46};
    case REAR_LEFT_SIDE:
        return {car.minX() - 12 - band * 10.0, 142, 6, 46};
    case FRONT_RIGHT_SIDE:
        return {car.maxX() + 6 + band * 10.0, 90, 6, 46};
    case REAR_RIGHT_SIDE:
        return {car.maxX() + 6 + band * 10.0, 142, 6, 46};
    }
    return {};
}

std::shared_ptr<ui::View> sideFrame(const ui::Rect& frame)
{
    auto view = std::make_shared<ui::View>(frame);
    view->setBackgroundColor(alert.withAlpha(0.08));
    view->layer().setBorderColor(alert.withAlpha(0.6));
    view->layer().setBorderWidth(1.5);
    view->layer().setCornerRadius(10);
    view->setHidden(true);
    view->setUserInteractionEnabled(false);
    return view;
}

} // namespace

void ClearSonerDetectionNib::registerNib()
{
    ui::NibRegistry::shared().registerNib(name, [] { return std::make_shared<ClearSonerDetectionNib>(); });
}

ClearSonerDetectionNib::ClearSonerDetectionNib()
{
    setUserInteractionEnabled(false);
    outlets.frontObstacleDetectionBarViewCollection = {sideFrame({34, 12, 112, 60})};
    outlets.rearObstacleDetectionBarViewCollection = {sideFrame({34, 208, 112, 60})};
    outlets.leftObstacleDetectionBarViewCollection = {sideFrame({10, 84, 44, 112})};
    outlets.rightObstacleDetectionBarViewCollection = {sideFrame({126, 84, 44, 112})};
    for (const auto* frames : {&outlets.frontObstacleDetectionBarViewCollection, &outlets.rearObstacleDetectionBarViewCollection,
                               &outlets.leftObstacleDetectionBarViewCollection, &outlets.rightObstacleDetectionBarViewCollection})
        for (const auto& frame : *frames)
            addSubview(frame);

    auto carView = std::make_shared<ui::ImageView>(car);
    carView->setImage(R::image::sonar_car());
    carView->setContentMode(ui::ContentMode::scaleAspectFit);
    addSubview(carView);

    using enum ObstacleDistance;
    for (ObstaclePosition position : {FRONT_LEFT_SIDE, FRONT_LEFT, FRONT_LEFT_CENTER, FRONT_RIGHT_SIDE, FRONT_RIGHT, FRONT_RIGHT_CENTER,
                                      REAR_LEFT_SIDE, REAR_LEFT, REAR_LEFT_CENTER, REAR_RIGHT_SIDE, REAR_RIGHT, REAR_RIGHT_CENTER}) {
        int band = 0;
        for (ObstacleDistance distance : {MOST_SHORT, SHORT, MIDDLE, LONG, MOST_LONG}) {
            if (!ClearSonerDetectionView::hasBar(position, distance))
                continue;
            auto bar = std::make_shared<ui::View>(barFrame(position, band));
            bar->setBackgroundColor(bandColor(band));
            bar->layer().setCornerRadius(3);
            bar->setHidden(true);
            addSubview(bar);
            outlets.bars[{position, distance}] = bar;
            ++band;
        }
    }

    // Above the frame of the front obstacles, under the screen's direction title: the banner never
    // covers a bar, a side's frame, the car or the controls beside the sonar.
    auto label = std::make_shared<ui::Label>(ui::Rect{-60, -11, 300, bannerHeight});
    label->setFont(ui::Font::systemFont(12, ui::FontWeight::semibold));
    label->setTextColor(ui::Color::white(1));
    label->setBackgroundColor(alert);
    label->setTextAlignment(ui::TextAlignment::center);
    label->layer().setCornerRadius(0.5 * bannerHeight);
    label->setClipsToBounds(true);
    label->setHidden(true);
    addSubview(label);
    outlets.movingObjectsDetectionLabel = label;
}

} // namespace tolvane::app
