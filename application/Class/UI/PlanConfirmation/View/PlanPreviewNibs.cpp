#include "Class/UI/PlanConfirmation/View/PlanPreviewNibs.h"

#include "Class/UI/Base/View/ButtonAttributes.h"
#include "Class/UI/PlanConfirmation/View/FrontBackPreview.h"
#include "Class/UI/PlanConfirmation/View/InPreview.h"
#include "Class/UI/PlanConfirmation/View/OutPreviewParallel.h"
#include "Class/UI/PlanConfirmation/View/OutPreviewVertical.h"

#include "R.h"

#include "ui/AffineTransform.h"
#include "ui/Button.h"
#include "ui/ImageView.h"

namespace tolvane::app {
namespace {

constexpr double DRAWING_WIDTH = 240;
constexpr double DRAWING_HEIGHT = 288;
constexpr double DRAWING_TOP = 82;
constexpr double BUTTON_SIZE = 44;
constexpr double HIGHLIGHT_SIZE = 64;
constexpr double FORWARD_ROW = 40;
constexpr double ARROW_INSET = 28;

// Where the six positions sit in a preview of `width`: TL, TC, TR, RL, RC, RR.
struct PositionGrid {
    double width;

    double drawingLeft() const { return (width - DRAWING_WIDTH) / 2; }
    ui::Rect drawing() const { return {drawingLeft(), DRAWING_TOP, DRAWING_WIDTH, DRAWING_HEIGHT}; }
    bool isRear(size_t position) const { return position >= 3; }
    double columnX(size_t position) const { return drawingLeft() + 30 + (DRAWING_WIDTH - 60) / 2 * static_cast<double>(position % 3); }
    double rowY(size_t position) const { return isRear(position) ? DRAWING_TOP + DRAWING_HEIGHT + (DRAWING_TOP - FORWARD_ROW) : FORWARD_ROW; }
    double arrowY(size_t position) const
    {
        return isRear(position) ? DRAWING_TOP + DRAWING_HEIGHT - ARROW_INSET : DRAWING_TOP + ARROW_INSET;
    }
    ui::Rect square(size_t position, double side) const { return {columnX(position) - side / 2, rowY(position) - side / 2, side, side}; }
};

std::shared_ptr<ui::View> makeContent(ui::View& owner)
{
    auto content = std::make_shared<ui::View>(owner.bounds());
    owner.addSubview(content);
    return content;
}

std::shared_ptr<ui::ImageView> addImage(ui::View& content, std::optional<ui::Image> image, const ui::Rect& frame, bool hidden = false)
{
    auto view = std::make_shared<ui::ImageView>(frame);
    view->setImage(std::move(image));
    view->setHidden(hidden);
    view->setContentMode(ui::ContentMode::scaleAspectFit);
    content.addSubview(view);
    return view;
}

void addAnimationLayer(PlanPreviewPlayer& owner, ui::View& content, const PositionGrid& grid)
{
    owner.animLayer = addImage(content, std::nullopt, grid.drawing());
}

std::shared_ptr<ui::Button> addButton(ui::View& content, const ui::Rect& frame, std::function<void()> action)
{
    auto button = std::make_shared<ui::Button>(frame);
    button->setBackgroundImage(R::image::plan_button(), ui::ControlState::normal);
    button->setBackgroundImage(R::image::plan_button_selected(), ui::ControlState::disabled);
    ButtonAttributes::applyCornerAndShadow(*button);
    button->addTarget(ui::ControlEvent::touchUpInside, [action = std::move(action)](ui::Control&) { action(); });
    button->setHidden(true);
    content.addSubview(button);
    return button;
}

// An arrow drawn pointing up and to the left, turned to point from the car towards `position`.
std::shared_ptr<ui::ImageView> addArrow(ui::View& content, const PositionGrid& grid, size_t position, std::optional<ui::Image> turning)
{
    const bool straight = position % 3 == 1;
    auto arrow = addImage(content, straight ? R::image::plan_arrow_straight() : std::move(turning),
                          {grid.columnX(position) - 14, grid.arrowY(position) - 20, 28, 40});
    const double flipX = position % 3 == 2 ? -1 : 1;
    const double flipY = grid.isRear(position) ? -1 : 1;
    arrow->setTransform(ui::AffineTransform::scale(flipX, flipY));
    // Nothing is offered before the first plan record.
    arrow->setHidden(true);
    return arrow;
}

void loadOutPreview(OutPreview& owner, std::optional<ui::Image> place, std::optional<ui::Image> turning)
{
    auto content = makeContent(owner);
    const PositionGrid grid{owner.bounds().width()};
    addImage(*content, std::move(place), grid.drawing());
    addAnimationLayer(owner, *content, grid);
    for (size_t position = 0; position < OutPreview::positionCount; ++position) {
        owner.highlightImages[position] = addImage(*content, R::image::plan_highlight(), grid.square(position, HIGHLIGHT_SIZE), true);
        owner.arrows[position] = addArrow(*content, grid, position, turning);
        owner.buttons[position] = addButton(*content, grid.square(position, BUTTON_SIZE), [&owner, position] {
            owner.setCurrentSelect(static_cast<PlanParkOutDirection>(position));
        });
    }
}

} // namespace

void PlanPreviewNibs::loadInPreview(InPreview& owner)
{
    auto content = makeContent(owner);
    addAnimationLayer(owner, *content, PositionGrid{owner.bounds().width()});
}

void PlanPreviewNibs::loadFrontBackPreview(FrontBackPreview& owner)
{
    auto content = makeContent(owner);
    const PositionGrid grid{owner.bounds().width()};
    constexpr size_t TC = 1;
    constexpr size_t RC = 4;
    // The place stays drawn while the animation is frozen.
    addImage(*content, R::image::plan_place_parallel(), grid.drawing());
    addAnimationLayer(owner, *content, grid);
    const ui::Rect drawing = grid.drawing();
    owner.envfront = addImage(*content, R::image::plan_env_obstacle(), {drawing.midX() - 60, drawing.minY() - 22, 120, 24}, true);
    owner.envback = addImage(*content, R::image::plan_env_obstacle(), {drawing.midX() - 60, drawing.maxY() - 2, 120, 24}, true);
    owner.highlightImageTC = addImage(*content, R::image::plan_highlight(), grid.square(TC, HIGHLIGHT_SIZE), true);
    owner.highlightImageTC_V = addImage(*content, R::image::plan_highlight_obstacle(), grid.square(TC, HIGHLIGHT_SIZE), true);
    owner.highlightImageRC = addImage(*content, R::image::plan_highlight(), grid.square(RC, HIGHLIGHT_SIZE), true);
    owner.highlightImageRC_V = addImage(*content, R::image::plan_highlight_obstacle(), grid.square(RC, HIGHLIGHT_SIZE), true);
    owner.arrowTC = addArrow(*content, grid, TC, std::nullopt);
    owner.arrowRC = addArrow(*content, grid, RC, std::nullopt);
    owner.buttonTC = addButton(*content, grid.square(TC, BUTTON_SIZE), [&owner] { owner.selectForward(); });
    owner.buttonRC = addButton(*content, grid.square(RC, BUTTON_SIZE), [&owner] { owner.selectBackward(); });
}

void PlanPreviewNibs::loadOutPreviewParallel(OutPreviewParallel& owner)
{
    loadOutPreview(owner, R::image::plan_place_parallel(), R::image::plan_arrow_turn_parallel());
    const ui::Rect drawing = PositionGrid{owner.bounds().width()}.drawing();
    auto& content = *owner.subviews().front();
    owner.envleft = addImage(content, R::image::plan_env_kerb_side(), {drawing.minX() - 20, drawing.minY(), 16, DRAWING_HEIGHT});
    owner.envright = addImage(content, R::image::plan_env_kerb_side(), {drawing.maxX() + 4, drawing.minY(), 16, DRAWING_HEIGHT});
}

void PlanPreviewNibs::loadOutPreviewVertical(OutPreviewVertical& owner)
{
    loadOutPreview(owner, R::image::plan_place_vertical(), R::image::plan_arrow_turn_vertical());
    const ui::Rect drawing = PositionGrid{owner.bounds().width()}.drawing();
    auto& content = *owner.subviews().front();
    // The kerbs bound the aisle beyond the targets, so no target is drawn past them.
    const PositionGrid grid{owner.bounds().width()};
    const double front = grid.square(0, BUTTON_SIZE).minY() - 20;
    const double back = grid.square(3, BUTTON_SIZE).maxY() + 4;
    owner.envfront = addImage(content, R::image::plan_env_kerb(), {drawing.minX(), front, DRAWING_WIDTH, 16});
    owner.envback = addImage(content, R::image::plan_env_kerb(), {drawing.minX(), back, DRAWING_WIDTH, 16});
}

} // namespace tolvane::app
