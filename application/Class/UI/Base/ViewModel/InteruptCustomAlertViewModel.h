#pragma once

#include "Class/UI/Base/ViewModel/IInteruptCustomAlertViewModel.h"

#include "rx/Subject.h"

#include <memory>

namespace tolvane {
class IDisplayModel;
}

namespace tolvane::app {

// Says what an interruption alert stands for (an in-app warning, or a display request of the vehicle
// with its cause), holds its display priority, decides which of two alerts wins, and records the
// alert's close reason on the run's event stack while it is up. Main thread only.
class InteruptCustomAlertViewModel final : public IInteruptCustomAlertViewModel {
public:
    explicit InteruptCustomAlertViewModel(std::shared_ptr<IDisplayModel> displayModel);

    rx::Publisher<Action> actionPublisher() const override { return action_.publisher(); }
    int dispPriority() const override { return dispPriority_; }
    InAppWarningKind alertWarnKind() const override { return alertWarnKind_; }
    bool dismissForWarn() const override { return dismissForWarn_; }
    void setDismissForWarn(bool dismissForWarn) override { dismissForWarn_ = dismissForWarn; }
    std::optional<RequiredDisplayId> reqDisplayId() const override { return reqDisplayId_; }
    std::optional<CauseId> causeId() const override { return causeId_; }

    void setInAppWarn(InAppWarningKind warnKind) override;
    void setRequiredWarn(RequiredDisplayId requireDisplayId, CauseId causeId) override;
    void viewWillAppear() override;
    void didDismiss() override;
    void notifyDisplayOutsideSdkControl(bool isDisplay) override;
    bool isSameAlert(const IInteruptCustomAlertViewModel& other) const override;
    bool isOutranked(const IInteruptCustomAlertViewModel& candidate) const override;

private:
    rx::Published<Action> action_{Action::none{}};
    int dispPriority_ = 0;
    InAppWarningKind alertWarnKind_ = InAppWarningKind::none;
    bool dismissForWarn_ = false;
    std::optional<RequiredDisplayId> reqDisplayId_;
    std::optional<CauseId> causeId_;
    std::shared_ptr<IDisplayModel> displayModel_;
};

} // namespace tolvane::app
