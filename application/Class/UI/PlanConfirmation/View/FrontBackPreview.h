#pragma once

#include "Class/UI/PlanConfirmation/View/PlanPreviewPlayer.h"

#include "Internal/Model/PlanForwardBackwardDirection.h"

#include <set>

namespace ui {
class Button;
}

namespace tolvane {
struct PlanForwardBackwardInfo;
}

namespace tolvane::app {

// The forward/backward preview: the vehicle's recommendation is selected unless the user tapped a
// direction the vehicle still offers; an obstacle swaps in the obstacle highlights and surroundings.
class FrontBackPreview final : public PlanPreviewPlayer {
public:
    explicit FrontBackPreview(const ui::Rect& frame = {});

    std::shared_ptr<ui::ImageView> highlightImageTC;
    std::shared_ptr<ui::ImageView> highlightImageRC;
    std::shared_ptr<ui::ImageView> highlightImageTC_V;
    std::shared_ptr<ui::ImageView> highlightImageRC_V;
    std::shared_ptr<ui::Button> buttonTC;
    std::shared_ptr<ui::Button> buttonRC;
    std::shared_ptr<ui::ImageView> arrowTC;
    std::shared_ptr<ui::ImageView> arrowRC;
    std::shared_ptr<ui::ImageView> envfront;
    std::shared_ptr<ui::ImageView> envback;

    std::optional<PlanForwardBackwardDirection> lastRecommended;
    // The direction the user tapped.
    std::optional<PlanForwardBackwardDirection> selectByUser;
    bool isObstacle = false;
    // The buttons play the tutorial's animations instead of selecting.
    bool isTutorial = false;

    const std::optional<PlanForwardBackwardDirection>& currentSelect() const { return currentSelect_; }
    void setCurrentSelect(std::optional<PlanForwardBackwardDirection> select);
    const std::set<PlanForwardBackwardDirection>& selectable() const { return selectable_; }
    void setSelectable(std::set<PlanForwardBackwardDirection> selectable);

    void setPreviewHidden(bool hidden) override;
    void subscribePlan() override;
    void applyPlan(const PlanForwardBackwardInfo& plan);
    void selectForward();
    void selectBackward();
    void playFrontParallelAnimation();
    void playBackParallelAnimation();

private:
    void updateSelectionView();
    void showSelection();
    void playTutorialAnimation(const std::string& name, bool forwardEnabled, bool backwardEnabled);

    std::optional<PlanForwardBackwardDirection> currentSelect_;
    std::set<PlanForwardBackwardDirection> selectable_;
};

} // namespace tolvane::app
