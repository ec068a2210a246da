#include "Class/UI/Tutorial/View/TutorialStepIndicator.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "ui/GraphicsContext.h"

#include <algorithm>

namespace tolvane::app {
namespace {

// The asset ships with the library: without it the indicator cannot draw at all.
ui::Image requiredImage(std::optional<ui::Image> image, const char* name)
{
    if (!image)
        foundation::fatalError(std::string("missing image asset ") + name);
    return *image;
}

} // namespace

void TutorialStepIndicator::setPageNum(int value)
{
    pageNumValue_ = std::max(value, 1);
    currentPageNumValue_ = std::min(currentPageNumValue_, pageNumValue_ - 1);
    setHidden(value < 2);
    setNeedsDisplay();
}

void TutorialStepIndicator::setCurrentPageNum(int value)
{
    currentPageNumValue_ = std::clamp(value, 0, pageNumValue_ - 1);
    setNeedsDisplay();
}

void TutorialStepIndicator::setCheckPrevious(bool value)
{
    checkPreviousValue_ = value;
    setNeedsDisplay();
}

void TutorialStepIndicator::setLineWidth(double value)
{
    lineWidthValue_ = value;
    setNeedsDisplay();
}

std::vector<ui::Point> TutorialStepIndicator::markerCenters(const ui::Rect& rect) const
{
    const double W = rect.width();
    const double H = rect.height();
    const double Ym = rect.midY();
    const int n = pageNumValue_;
    const double w = lineWidthValue_;
    if (n == 1)
        return {{rect.midX(), Ym}};
    const double r = std::min(H, W / n) * 0.5 - w * 0.5;
    const double step = (W - w - 2 * r) / (n - 1);
    std::vector<ui::Point> centers;
    centers.reserve(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k)
        centers.push_back({rect.x() + w / 2 + r + k * step, Ym});
    return centers;
}

std::pair<ui::Image, ui::Image> TutorialStepIndicator::markerImages() const
{
    if (!cachedCheckImage_)
        cachedCheckImage_ = requiredImage(R::image::FirstStepIndicatorCheck(), "FirstStepIndicatorCheck");
    if (!cachedblankImage_)
        cachedblankImage_ = requiredImage(R::image::FirstStepIndicatorBlank(), "FirstStepIndicatorBlank");
    return {*cachedCheckImage_, *cachedblankImage_};
}

void TutorialStepIndicator::draw(ui::GraphicsContext& context, const ui::Rect& rect) const
{
    ui::View::draw(context, rect);
    context.setStrokeColor(tintColor());
    const auto [check, blank] = markerImages();
    const std::vector<ui::Point> centers = markerCenters(rect);
    for (int k = 0; k < static_cast<int>(centers.size()); ++k) {
        const ui::Rect marker{centers[static_cast<size_t>(k)].x - 15, centers[static_cast<size_t>(k)].y, 30, 2};
        context.beginPath();
        context.addRect(marker);
        context.strokePath();
        const bool done = k == currentPageNumValue_ || (k < currentPageNumValue_ && checkPreviousValue_);
        context.drawImage(done ? check : blank, marker);
    }
}

} // namespace tolvane::app
