#include "location/Authorization.h"

#include "foundation/RunLoop.h"

#include <cstdlib>

namespace location {
namespace {

AuthorizationStatus statusFromVariable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? authorizationStatusNamed(value).value_or(AuthorizationStatus::authorizedWhenInUse)
                 : AuthorizationStatus::authorizedWhenInUse;
}

} // namespace

Authorization::Authorization(AuthorizationStatus status, AuthorizationStatus answerToRequest)
    : status_(status),
      answer_(answerToRequest == AuthorizationStatus::notDetermined ? AuthorizationStatus::authorizedWhenInUse : answerToRequest)
{
}

std::shared_ptr<Authorization> Authorization::fromEnvironment()
{
    return std::make_shared<Authorization>(statusFromVariable(statusVariable), statusFromVariable(answerVariable));
}

void Authorization::requestWhenInUse()
{
    loopChecker_.check(typeid(*this));
    if (status_ != AuthorizationStatus::notDetermined || prompting_)
        return;
    prompting_ = true;
    foundation::RunLoop::main().post([weak = weak_from_this()] {
        if (auto self = weak.lock()) {
            self->prompting_ = false;
            self->setStatus(self->answer_);
        }
    });
}

void Authorization::setStatus(AuthorizationStatus status)
{
    loopChecker_.check(typeid(*this));
    if (status == status_)
        return;
    status_ = status;
    foundation::RunLoop::main().post([changes = changes_, status] { changes.send(status); });
}

} // namespace location
