#include "Class/UI/ConnectionConfirmation/View/ConnectionConfirmationPageControl.h"

#include "R.h"

#include "ui/GraphicsContext.h"

#include <algorithm>

namespace tolvane::app {
namespace {

constexpr double MARK_WIDTH = 30;
constexpr double MARK_HEIGHT = 2;

} // namespace

void ConnectionConfirmationPageControl::setPageNum(int pageNum)
{
    pageNumValue = std::max(pageNum, 1);
    currentPageNumValue = std::min(currentPageNumValue, pageNumValue - 1);
    setHidden(pageNum < 2);
    setNeedsDisplay();
}

void ConnectionConfirmationPageControl::setCurrentPageNum(int currentPageNum)
{
    currentPageNumValue = std::clamp(currentPageNum, 0, pageNumValue - 1);
    setNeedsDisplay();
}

void ConnectionConfirmationPageControl::setCheckPrevious(bool checkPrevious)
{
    checkPreviousValue = checkPrevious;
    setNeedsDisplay();
}

void ConnectionConfirmationPageControl::setLineWidth(double lineWidth)
{
    lineWidthValue = lineWidth;
    setNeedsDisplay();
}

std::vector<ui::Point> ConnectionConfirmationPageControl::pagePositions(const ui::Rect& rect, int pages, double lineWidth)
{
    if (pages <= 1)
        return {rect.center()};
    const double diameter = std::min(rect.size.height, rect.size.width / pages);
    const double radius = diameter / 2 - lineWidth / 2;
    const double gap = (rect.size.width - lineWidth - 2 * radius * pages) / (pages - 1);
    std::vector<ui::Point> positions;
    for (int i = 0; i < pages; ++i)
        positions.push_back({rect.minX() + lineWidth / 2 + radius + i * (2 * radius + gap), rect.midY()});
    return positions;
}

void ConnectionConfirmationPageControl::draw(ui::GraphicsContext& context, const ui::Rect& rect) const
{
    if (!cachedCheckImage)
        cachedCheckImage = R::image::FirstStepIndicatorCheck();
    if (!cachedblankImage)
        cachedblankImage = R::image::FirstStepIndicatorBlank();
    context.setStrokeColor(ui::Color::rgb255(232, 232, 232));
    const auto positions = pagePositions(rect, pageNumValue, lineWidthValue);
    for (size_t i = 0; i < positions.size(); ++i) {
        const ui::Rect mark{positions[i].x - MARK_WIDTH / 2, positions[i].y, MARK_WIDTH, MARK_HEIGHT};
        context.beginPath();
        context.addRect(mark);
        context.strokePath();
        const auto& image = static_cast<int>(i) == currentPageNumValue ? cachedCheckImage : cachedblankImage;
        if (image)
            context.drawImage(*image, mark);
    }
}

} // namespace tolvane::app
