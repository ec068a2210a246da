#pragma once

#include "Class/UI/PlanConfirmation/View/PlanPreviewPlayer.h"

#include "Internal/Model/MoveParkOutDirection.h"
#include "Internal/Model/PlanParkOutDirection.h"

#include <array>
#include <set>

namespace ui {
class Button;
}

namespace tolvane {
struct PlanParkOutInfo;
}

namespace tolvane::app {

// What the two park-out previews share: six direction buttons with their arrows and highlights, two
// rows of three around the car (TL, TC, TR forward; RL, RC, RR rearward). Only the directions the
// vehicle can drive are offered; nothing is preselected. Each preview shows itself for the records
// of its own movement and hides, dropping its selection, for the other one.
class OutPreview : public PlanPreviewPlayer {
public:
    static constexpr size_t positionCount = 6;
    // One view per position, in the order of PlanParkOutDirection: TL, TC, TR, RL, RC, RR.
    template <class View>
    using Positions = std::array<std::shared_ptr<View>, positionCount>;

    Positions<ui::ImageView> highlightImages;
    Positions<ui::Button> buttons;
    Positions<ui::ImageView> arrows;
    // The last record's movement was parallel; none until a record or after hiding.
    std::optional<bool> isHorizontal;

    const std::optional<PlanParkOutDirection>& currentSelect() const { return currentSelect_; }
    void setCurrentSelect(std::optional<PlanParkOutDirection> select);
    const std::set<PlanParkOutDirection>& selectable() const { return selectable_; }
    void setSelectable(std::set<PlanParkOutDirection> selectable);
    void setIsHorizontal(std::optional<bool> horizontal);

    void setPreviewHidden(bool hidden) override;
    void subscribePlan() override;
    void applyPlan(const PlanParkOutInfo& plan);

protected:
    explicit OutPreview(const ui::Rect& frame);

    // The movement whose records show this preview.
    virtual MoveParkOutDirection movement() const = 0;
    virtual const char* animationFor(PlanParkOutDirection direction) const = 0;
    // The surroundings after the movement changed, after the offered set changed and after a selection.
    virtual void surroundingsForMovement() = 0;
    virtual void surroundingsForSelectable() {}
    virtual void surroundingsForSelection() {}

    bool offersBackwardDiagonal() const;

private:
    void updateSelectionView();

    std::optional<PlanParkOutDirection> currentSelect_;
    std::set<PlanParkOutDirection> selectable_;
};

} // namespace tolvane::app
