#pragma once

#include "Class/UI/Base/View/InAppWarningKind.h"

#include "Internal/Model/CauseId.h"
#include "Internal/Model/RequiredDisplayId.h"
#include "rx/Publisher.h"

#include <optional>
#include <variant>

namespace tolvane::app {

// What an interruption alert must show.
struct InteruptCustomAlertViewModelAction {
    struct setInAppWarn {
        InAppWarningKind warnKind;
        bool operator==(const setInAppWarn&) const = default;
    };
    struct setRequiredWarn {
        RequiredDisplayId requireDisplayId;
        CauseId causeId;
        bool operator==(const setRequiredWarn&) const = default;
    };
    struct none {
        bool operator==(const none&) const = default;
    };
    using Case = std::variant<setInAppWarn, setRequiredWarn, none>;

    template <class C>
        requires std::is_constructible_v<Case, C>
    InteruptCustomAlertViewModelAction(C value) : value(value)
    {
    }
    bool operator==(const InteruptCustomAlertViewModelAction&) const = default;

    Case value;
};

// The model of one interruption alert, as its controller and a screen's alert stack see it.
class IInteruptCustomAlertViewModel {
public:
    using Action = InteruptCustomAlertViewModelAction;

    virtual ~IInteruptCustomAlertViewModel() = default;

    // Hands its current value to each new subscriber.
    virtual rx::Publisher<Action> actionPublisher() const = 0;
    // The raw value of the alert's display priority; 0 for none.
    virtual int dispPriority() const = 0;
    virtual InAppWarningKind alertWarnKind() const = 0;
    // True once the alert is closed for a warn screen: its close reason then stays recorded.
    virtual bool dismissForWarn() const = 0;
    virtual void setDismissForWarn(bool dismissForWarn) = 0;
    virtual std::optional<RequiredDisplayId> reqDisplayId() const = 0;
    virtual std::optional<CauseId> causeId() const = 0;

    // Makes this the alert of an in-app warning.
    virtual void setInAppWarn(InAppWarningKind warnKind) = 0;
    // Makes this the alert of the vehicle's display request.
    virtual void setRequiredWarn(RequiredDisplayId requireDisplayId, CauseId causeId) = 0;
    // The alert is about to appear: records its close reason.
    virtual void viewWillAppear() = 0;
    // The alert is being dismissed: withdraws its close reason unless it must stay.
    virtual void didDismiss() = 0;
    virtual void notifyDisplayOutsideSdkControl(bool isDisplay) = 0;

    // Same in-app kind, display id and cause (unset only equals unset).
    virtual bool isSameAlert(const IInteruptCustomAlertViewModel& other) const = 0;
    // True when the candidate should be shown instead of this alert.
    virtual bool isOutranked(const IInteruptCustomAlertViewModel& candidate) const = 0;
};

} // namespace tolvane::app
