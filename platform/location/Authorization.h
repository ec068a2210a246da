#pragma once

#include "foundation/LoopChecker.h"
#include "location/AuthorizationStatus.h"
#include "rx/Subject.h"

#include <memory>

namespace location {

// The application's permission to use the position, as the platform would keep it. Desktops have
// no such permission, so it comes from configuration: the status at start and the answer the
// permission prompt gets. Main thread only.
class Authorization : public std::enable_shared_from_this<Authorization> {
public:
    static constexpr const char* statusVariable = "TOLVANE_LOCATION_AUTHORIZATION";
    static constexpr const char* answerVariable = "TOLVANE_LOCATION_AUTHORIZATION_ANSWER";

    // The prompt cannot be answered with "not determined"; such an answer counts as when-in-use.
    Authorization(AuthorizationStatus status, AuthorizationStatus answerToRequest);

    // From the two variables, each a case name; unset or unknown names give "authorizedWhenInUse".
    static std::shared_ptr<Authorization> fromEnvironment();

    AuthorizationStatus status() const { return status_; }
    AuthorizationStatus answerToRequest() const { return answer_; }

    // The permission prompt: only while the status is not determined, and answered on the main
    // loop's next turn, as the user would.
    void requestWhenInUse();
    // The status changes at once; subscribers hear of a real change on the main loop's next turn.
    void setStatus(AuthorizationStatus status);
    rx::Publisher<AuthorizationStatus> changes() const { return changes_.publisher(); }

private:
    AuthorizationStatus status_;
    AuthorizationStatus answer_;
    bool prompting_ = false;
    rx::PassthroughSubject<AuthorizationStatus> changes_;
    foundation::LoopChecker loopChecker_;
};

} // namespace location
